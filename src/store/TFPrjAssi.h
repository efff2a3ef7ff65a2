#pragma once

#include "store/PrjAssiSteps.h"

#include <QDialog>

#include <memory>

class DataGrid;
class DataSource;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QWidget;
class Tdm;

// The new-plan assistant: choose stations, put them in order, set the
// plan's options. It keeps the choice in the station database (Mark,
// Folge); "Neu" reads the result through tBhfM and Options().
class TFPrjAssi : public QDialog {
    Q_OBJECT
public:
    explicit TFPrjAssi(Tdm& tables, QWidget* parent = nullptr);
    ~TFPrjAssi() override;

    // The options page; the hours as the plan takes them.
    NewPlanOptions Options();
    const PrjAssiSteps& Steps() const { return *Assi; }

    QLabel* AssiTitel = nullptr;
    QStackedWidget* AssiBook = nullptr;
    QWidget* Bhfwahl = nullptr;
    QWidget* TimeAx = nullptr;
    QWidget* Reihe = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnBack = nullptr;
    QPushButton* BtnNext = nullptr;
    QStatusBar* sb1 = nullptr;

    DataGrid* GridBhfU = nullptr;
    DataGrid* GridBhfM = nullptr;
    QPushButton* BtnBTS = nullptr;
    QPushButton* BtnBTA = nullptr;
    QPushButton* BtnTBS = nullptr;
    QPushButton* BtnTBA = nullptr;

    QTableWidget* sg1 = nullptr;
    QWidget* ud1 = nullptr;
    QToolButton* ud1Up = nullptr;
    QToolButton* ud1Down = nullptr;

    QLineEdit* EditSNetzName = nullptr;
    QLineEdit* EditBem = nullptr;
    QLineEdit* ZeitBeg = nullptr;
    QLineEdit* ZeitEnd = nullptr;
    QComboBox* GridChoiceBox = nullptr;
    QRadioButton* rgPPMin[9] = {};
    QCheckBox* cbTaktFP = nullptr;

    void BtnNextClick();
    void BtnBackClick();
    void BtnBTSClick();
    void BtnBTAClick();
    void BtnTBSClick();
    void BtnTBAClick();
    void ud1Click(bool up);

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* InfoPanel(QWidget* page, const QStringList& lines);
    void CreateBhfwahl();
    void CreateReihe();
    void CreateTimeAx();
    // Puts the hour fields into their ranges, as the plan will take them.
    void ApplyHourRanges();
    void ShowStep();
    void ShowButtons();
    void ShowOrder();
    // Runs a step of the assistant; an error of the store is shown.
    template <typename F> void Run(F&& step);

    std::unique_ptr<DataSource> dsBhfU;
    std::unique_ptr<DataSource> dsBhfM;
    std::unique_ptr<PrjAssiSteps> Assi;
};
