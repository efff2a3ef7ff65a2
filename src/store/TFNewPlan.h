#pragma once

#include <QDialog>

#include <memory>

class DataGrid;
class DataSource;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolButton;
class Tdm;

// The plan chooser of "Öffnen" and "Löschen": the stored plans in a grid
// over tSavePlan; the plan chosen is the row tSavePlan stands on when the
// dialog closes with OK.
class TFNewPlan : public QDialog {
    Q_OBJECT
public:
    explicit TFNewPlan(Tdm& tables, QWidget* parent = nullptr);
    ~TFNewPlan() override;

    QToolButton* NavFirst = nullptr;
    QToolButton* NavPrior = nullptr;
    QToolButton* NavNext = nullptr;
    QToolButton* NavLast = nullptr;
    DataGrid* DBGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelBeschreib = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QStatusBar* sb1 = nullptr;

protected:
    bool event(QEvent* e) override;

private:
    void ShowDescription();
    template <typename F> void Move(F&& step);

    Tdm& Dm;
    std::unique_ptr<DataSource> dsSavePlan;
};
