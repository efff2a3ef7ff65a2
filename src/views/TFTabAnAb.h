#pragma once

#include <QDialog>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class Tdm;
class TFTabAnAb;
struct PlanRec;

// The paint box of the station poster; its height follows the rows.
class TStationPaintBox : public QWidget {
    Q_OBJECT
public:
    TStationPaintBox(TFTabAnAb& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TFTabAnAb& Form;
};

// "Fahrplan": the arrivals or departures of the chosen station drawn as a
// station poster. Refills TmpPlan.DAT when created.
class TFTabAnAb : public QDialog {
    Q_OBJECT
public:
    TFTabAnAb(Tdm& tables, const PlanRec& plan, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbsort = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbTyp = nullptr;
    QToolButton* PrnPlanTabBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* lAnAb = nullptr;
    QLabel* lWahlBhf = nullptr;
    QScrollArea* sbPlan = nullptr;
    TStationPaintBox* pbPlan = nullptr;
    QStatusBar* sb1 = nullptr;

    void cbsortChange() { ApplyStationChoice(); }
    void cbTypChange() { ApplyStationChoice(); }
    void ApplyStationChoice();
    // Draws the poster's part inside `exposed` (paint box coordinates).
    void pbPlanPaint(QPainter& painter, const QRect& exposed);

    // Prints what the window shows (TablePrintButtons.cpp).
    void PrnPlanTabBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    Tdm& Dm;
    const PlanRec& Plan;
};
