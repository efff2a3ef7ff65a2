#pragma once

#include <QDialog>

class Cursor;
class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QWidget;
class Tdm;
struct PlanRec;

// "Zuglauf": the runs of the plan's trains, all of them or those of the
// train chosen in the list. Refills Tabsort.DAT when created.
class TFTabPlan : public QDialog {
    Q_OBJECT
public:
    TFTabPlan(Tdm& tables, const PlanRec& plan, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbsort = nullptr;
    QToolButton* PrnPlanTabBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QTableWidget* sg1 = nullptr;
    QStatusBar* sb1 = nullptr;

    void cbsortChange();
    void ShowTrainRunRows();

    // Prints what the window shows (TablePrintButtons.cpp).
    void PrnPlanTabBtnClick();

private:
    void FormCreate();

    Tdm& Dm;
    const PlanRec& Plan;
};
