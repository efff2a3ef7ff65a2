#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QWidget;
class Tdm;
struct PlanRec;

// "Fahrdienstleiter": every train that starts, stops or ends at the chosen
// station, sorted by train name, arrival or departure. Refills Tabsort.DAT
// when created.
class TFFahrdienst : public QDialog {
    Q_OBJECT
public:
    TFFahrdienst(Tdm& tables, const PlanRec& plan, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbsort = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QToolButton* PrnPlanTabBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QTableWidget* sg1 = nullptr;
    QStatusBar* sb1 = nullptr;

    void cbsortChange();
    void ComboBox1Change();
    void ShowDispatcherRows();

    // Prints what the window shows (TablePrintButtons.cpp).
    void PrnPlanTabBtnClick();

private:
    void FormCreate();

    Tdm& Dm;
    const PlanRec& Plan;
};
