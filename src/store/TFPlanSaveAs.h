#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QStatusBar;

// "Speichern unter..": the new name and description of the plan copy.
class TFPlanSaveAs : public QDialog {
    Q_OBJECT
public:
    explicit TFPlanSaveAs(QWidget* parent = nullptr);

    QLineEdit* ENewNam = nullptr;
    QLineEdit* ENewBem = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QStatusBar* sb1 = nullptr;

protected:
    bool event(QEvent* e) override;
};
