// The timetable views and the plan scan, from the "Fahrplan" tab and the
// menus "Anzeige" and "Bearbeiten".
#include "app/MainWindow.h"

#include "app/DataModule.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "views/ConflictScan.h"
#include "views/TFFahrdienst.h"
#include "views/TFPlanError.h"
#include "views/TFTabAnAb.h"
#include "views/TFTabPlan.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

namespace {

bool TablesOpen() {
    if (dm)
        return true;
    ShowMessageBox(QStringLiteral("Fehler"), QStringLiteral("Die Tabellen sind nicht geöffnet."));
    return false;
}

// Creates the view, fits it to the screen, shows it modally and frees it.
template <typename Form> void ShowView(TFMain& main) {
    if (!TablesOpen())
        return;
    try {
        Form form(*dm, main.Plan, &main);
        FitFormToScreen(form, true);
        ExecDialog(form);
    } catch (const StoreError& e) {
        ShowMessageBox(QStringLiteral("Fehler"), e.Text());
    }
}

// The hourglass for as long as the scan runs, also when it fails.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void TFMain::ConnectViews() {
    FPlanError = new TFPlanError(this);
    connect(TabelleBtn, &QToolButton::clicked, this, [this] { TabelleBtnClick(); });
    connect(bbZug, &QAction::triggered, this, [this] { TabelleBtnClick(); });
    connect(FahrdienstBtn, &QToolButton::clicked, this, [this] { FahrdienstBtnClick(); });
    connect(bbMann, &QAction::triggered, this, [this] { FahrdienstBtnClick(); });
    connect(FahrplanBtn, &QToolButton::clicked, this, [this] { FahrplanBtnClick(); });
    connect(bbBhf, &QAction::triggered, this, [this] { FahrplanBtnClick(); });
    connect(PlanScannenBtn, &QToolButton::clicked, this, [this] { PlanScannenBtnClick(); });
    connect(bbPlanScannen, &QAction::triggered, this, [this] { PlanScannenBtnClick(); });
}

void TFMain::TabelleBtnClick() {
    ShowView<TFTabPlan>(*this);
}

void TFMain::FahrdienstBtnClick() {
    ShowView<TFFahrdienst>(*this);
}

void TFMain::FahrplanBtnClick() {
    ShowView<TFTabAnAb>(*this);
}

void TFMain::PlanScannenBtnClick() {
    if (!TablesOpen())
        return;
    bool found = false;
    try {
        WaitCursor hourglass;
        found = ScanPlan(*dm, Plan);
    } catch (const StoreError& e) {
        // The rows of the last scan are gone from the table; so goes their list.
        FPlanError->hide();
        ShowMessageBox(QStringLiteral("Fehler"), e.Text());
        return;
    }
    if (found) {
        FPlanError->PlanName = Plan.PlanName;
        FPlanError->ShowRows(dm->tTabCheck);
        FPlanError->show();
        FPlanError->raise();
        return;
    }
    FPlanError->hide();
    ShowMessageBox(QStringLiteral("Fahrplan scannen"),
                   QStringLiteral("Keine Fehler festgestellt !"));
}
