#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QWidget;

// The small dialog that renames the marked train.
class TFZugName : public QDialog {
    Q_OBJECT
public:
    explicit TFZugName(const QString& name, QWidget* parent = nullptr);

    QWidget* ButtonPanel = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QWidget* FieldPanel = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QStatusBar* sb1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    // Shows the hint of the control under the pointer in the status bar.
    void OKBtnMouseMove(QObject* control);
};
