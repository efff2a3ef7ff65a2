#pragma once

#include <QDialog>
#include <QString>

class Cursor;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QWidget;

// "Fehlerliste": the findings of the last plan scan. One window for the
// whole run of the program; not modal and always on top, so the plan can be
// corrected while the list stays in view.
class TFPlanError : public QDialog {
    Q_OBJECT
public:
    explicit TFPlanError(QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QToolButton* PrnPlanTabBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QTableWidget* DBGrid1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // Reads the rows of TmpCheck.DAT in the order they were written.
    void ShowRows(Cursor& tTabCheck);
    void OKBtnClick();
    // Prints the rows shown (TablePrintButtons.cpp).
    void PrnPlanTabBtnClick();
    // The plan the rows belong to, for the printed title.
    QString PlanName;

private:
    Cursor* Source = nullptr;
};
