#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's own message box: borderless, a navy title bar, a picture,
// the message and one OK button. It widens for long messages and keeps the
// button centred under the text.
class TFMsgOK : public QDialog {
    Q_OBJECT
public:
    TFMsgOK(const QString& title, const QString& message, QWidget* parent = nullptr);

    QLabel* PTitel = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BtnOK = nullptr;

    // Width the label is laid out for: the text of 33 eights.
    int DesignLabelWidth() const { return LabelDesignWidth; }

private:
    int LabelDesignWidth = 0;
};
