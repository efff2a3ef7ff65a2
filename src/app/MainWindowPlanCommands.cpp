// The menu "Datei": new, open, save, save as and delete. The steps are the
// store's plan commands; here they meet the window and its dialogs.
#include "app/MainWindow.h"

#include "app/DataModule.h"
#include "diagram/ColorTable.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"
#include "store/PlanCommands.h"
#include "store/TFNewPlan.h"
#include "store/TFPlanSaveAs.h"
#include "store/TFPrjAssi.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace {

class MainWindowHost final : public PlanCommandHost {
public:
    MainWindowHost(TFMain& window, Tdm& tables) : W(window), Dm(tables) {}

    PlanRec& Plan() override { return W.Plan; }
    std::uint8_t& DocState() override { return W.DocState; }
    bool& Modified() override { return W.Modified; }
    std::uint8_t EditMode() const override { return W.EditMode; }

    bool Ask(const QString& question) override { return AskYesNo(question); }
    void Notice(const QString& title, const QString& text) override { ShowMessageBox(title, text); }

    bool RunAssistant(NewPlanOptions& options) override {
        TFPrjAssi assi(Dm, &W);
        if (ExecDialog(assi) != QDialog::Accepted)
            return false;
        options = assi.Options();
        return true;
    }
    bool RunChooser(const QString& caption) override {
        TFNewPlan chooser(Dm, &W);
        FitFormToScreen(chooser, true);
        chooser.setWindowTitle(caption);
        return ExecDialog(chooser) == QDialog::Accepted;
    }
    bool RunSaveAs(QString& name, QString& description) override {
        TFPlanSaveAs dialog(&W);
        dialog.ENewNam->setText(name);
        dialog.ENewBem->setText(description);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        name = dialog.ENewNam->text();
        description = dialog.ENewBem->text();
        return true;
    }

    void ClearPlanView() override { W.ClearPlanView(); }
    void SetEditMode(std::uint8_t mode) override { W.SetEditMode(mode); }
    void EnableNewTrain() override { W.NewTrainBtn->setEnabled(true); }
    void ClearTrainSelection() override {
        W.InsertTrain = 0;
        W.SelTrain = 0;
        W.SelPoint = 0;
    }
    void ShowOpenedPlan() override {
        W.EnablePlanCommands(true);
        W.ShowPlanTexts();
        W.ShowPlanSettings();
        W.ColBox->setCurrentIndex(
            SelectColorItem(W.ColBox->currentIndex(), clBlue, TrainColorItems));
        PlanOpen = true;
        W.ShowTitle(W.Plan.PlanName);
        W.ResizePlan();
    }
    void ShowPlanTexts() override { W.ShowPlanTexts(); }
    void ShowToolPages() override {
        W.PageControl1->setEnabled(true);
        W.PageControl1->setCurrentWidget(W.tsFahrplan);
    }

private:
    TFMain& W;
    Tdm& Dm;
};

// The commands need the tables; without them they say so and do nothing.
Tdm* Tables() {
    if (!dm)
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Die Tabellen sind nicht geöffnet."));
    return dm;
}

} // namespace

void TFMain::ConnectPlanCommands() {
    connect(New1, &QAction::triggered, this, [this] { NewBtnClick(); });
    connect(Open1, &QAction::triggered, this, [this] { OpenBtnClick(); });
    connect(Save1, &QAction::triggered, this, [this] { SaveBtnClick(); });
    connect(SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });
    connect(Delete1, &QAction::triggered, this, [this] { Delete1Click(); });
    for (QAction* a : {New1, Open1, Save1, SaveAs1, Delete1})
        a->setStatusTip(a->text());
}

void TFMain::NewBtnClick() {
    // A train being inserted is ended first, as the right release ends it.
    EndRunningInsertion();
    if (Tdm* tables = Tables()) {
        MainWindowHost host(*this, *tables);
        NewPlanCommand(*tables, host);
    }
}

void TFMain::OpenBtnClick() {
    // A train being inserted is ended first, as the right release ends it.
    EndRunningInsertion();
    if (Tdm* tables = Tables()) {
        MainWindowHost host(*this, *tables);
        OpenPlanCommand(*tables, host);
    }
}

void TFMain::SaveBtnClick() {
    // A train being inserted is ended first, as the right release ends it.
    EndRunningInsertion();
    if (Tdm* tables = Tables()) {
        MainWindowHost host(*this, *tables);
        SavePlanCommand(*tables, host);
    }
}

void TFMain::SaveAs1Click() {
    // A train being inserted is ended first, as the right release ends it.
    EndRunningInsertion();
    if (Tdm* tables = Tables()) {
        MainWindowHost host(*this, *tables);
        SaveAsPlanCommand(*tables, host);
    }
}

void TFMain::Delete1Click() {
    if (Tdm* tables = Tables()) {
        MainWindowHost host(*this, *tables);
        DeletePlanCommand(*tables, host);
    }
}
