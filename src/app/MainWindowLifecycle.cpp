// Creation, resizing, closing and the plan-state switches of the main window.
#include "app/MainWindow.h"

#include "app/AppInfo.h"
#include "app/DataModule.h"
#include "app/HelpWindow.h"
#include "app/PlanImage.h"
#include "diagram/PlanSettings.h"
#include "model/TimeOfDay.h"
#include "platform/Cursors.h"
#include "platform/Messages.h"
#include "platform/ScreenFit.h"
#include "store/PlanStore.h"
#include "views/TFPlanError.h"
#include "store/TFormInfo.h"

#include <QAction>
#include <QRadioButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

bool PlanOpen = false;

namespace {
constexpr int DesignWidth = 807;
constexpr int DesignHeight = 600;
} // namespace

TFMain::TFMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(AppTitle());
    setWindowIcon(QIcon(QStringLiteral(":/pictures/zentoria.png")));
    setProperty("helpContext", 10);
    CreateMenus();
    CreateToolPanel();
    CreateCentre();
    CreateInfoPanel();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BtnPanel);
    layout->addWidget(Panel1, 1);
    layout->addWidget(InfoPanel);
    setCentralWidget(central);
    ConnectSettingsHandlers();
    ConnectExport();
    ConnectPrint();
    ConnectEditing();
    ConnectViews();
    ConnectPlanCommands();
    resize(DesignWidth, DesignHeight);
    connect(BhfDBBtn, &QAction::triggered, this, [this] { BhfDBBtnClick(); });
    FormInfo1 = TFormInfo::Attach(*this, QStringLiteral("FMain"), TFormInfo::SaveMoment::Explicit);
    FormInfo1->Company = MakerName();
    FormInfo1->AppName = QStringLiteral("ZentoPos");
    FormCreate();
}

TFMain::~TFMain() {
    FormDestroy();
}

void TFMain::FormCreate() {
    WMGetMinMaxInfo();
    FitFormToScreen(*this, true);
    ColourPrint = true;
    LastWidth = width();
    LastHeight = height();

    PlanOpen = false;
    ClearEditingState();
    SetEditMode(EditNone);
    Modified = false;
    DocState = DocNone;

    EnablePlanCommands(false);
    PageControl1->setCurrentWidget(tsFahrplan);
    PageControl1->setEnabled(false);
    for (QWidget* tab : {tsBahnhof, tsZuege, tsZeitachse, tsSonst})
        PageControl1->setTabVisible(PageControl1->indexOf(tab), false);
    PageControl1->setTabVisible(PageControl1->indexOf(tsFahrplan), true);

    ResetPlan();
    BhfLabel->clear();
    GlsLabel->clear();

    RegisterInsertionCursors();
}

void TFMain::ClearEditingState() {
    ClearEditState(*this, CurrentMinuteOfDay());
    MoveKind = MoveRunKind;
    // The group must say what the next move does.
    rgZugMoveTypItem[0]->setChecked(true);
}

void TFMain::WMGetMinMaxInfo() {
    // The window may not shrink below 640 × 480 nor grow beyond 1280 × 1024
    // or the screen, whichever is smaller.
    QSize largest = LargestFormSize(1280, 1024);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        largest = LargestFormSize(screen->size().width(), screen->size().height());
    setMinimumSize(SmallestFormSize);
    setMaximumSize(largest);
}

void TFMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFMain::FormResize() {
    LastWidth = width();
    LastHeight = height();
    ResizePlan();
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    // An open help window would otherwise keep the program running.
    CloseAllHelpWindows();
}

bool TFMain::FormClose() {
    if (!Modified)
        return true;
    if (!AskYesNo(QStringLiteral("Akt. Fahrplan ist noch nicht gespeichert ! - Speichern ?")))
        return true;
    // A failed save keeps the window open, so the plan is not lost.
    return StoreOpenPlan();
}

void TFMain::FormDestroy() {
    if (Destroyed)
        return;
    Destroyed = true;
    CloseAllHelpWindows();
    FormInfo1->Save();
}

void TFMain::Programmbeenden1Click() {
    close();
}

void TFMain::dxBarFarbdruckClick() {
    ColourPrint = dxBarFarbdruck->isChecked();
}

void TFMain::rgZugMoveTypClick() {
    MoveKind = rgZugMoveTypItem[1]->isChecked() ? 1 : 0;
}

void TFMain::ResetPlan() {
    ::ResetPlan(Plan);
}

void TFMain::SetEditMode(std::uint8_t mode) {
    ::SetEditMode(*this, mode);
    ModusLabel->setText(EditModeText(mode));
}

void TFMain::EnablePlanCommands(bool enable) {
    for (QAction* a : {Save1, Delete1, SaveAs1, bbZug, bbBhf, bbMann, bbPlanScannen})
        a->setEnabled(enable);
    bbplan->menuAction()->setEnabled(enable);
    bbplan->setEnabled(enable);
    bbPrint->menuAction()->setEnabled(enable);
    bbPrint->setEnabled(enable);
    for (QWidget* tab : {tsFahrplan, tsBahnhof, tsZuege, tsZeitachse, tsSonst})
        PageControl1->setTabVisible(PageControl1->indexOf(tab), enable);
}

void TFMain::ShowTitle(const QString& name) {
    const QString text = TitleText(name);
    if (TitelPanel->text() != text)
        TitelPanel->setText(text);
}

void TFMain::ClearPlanView() {
    EnablePlanCommands(false);
    // Hiding the tabs moves the current one; "Fahrplan" comes back first.
    PageControl1->setCurrentWidget(tsFahrplan);
    ShowTitle(QString());
    ResetPlan();
    PlanOpen = false;
    Modified = false;
    DocState = DocNone;
    ClearEditingState();
    SetEditMode(EditNone);
    NewTrainBtn->setEnabled(true);
    // New trains are blue again in the next plan.
    ResetTrainColour();
    // The findings belong to the plan that was scanned; they must not stay
    // up, nor be printed, under the name of the next one.
    if (FPlanError)
        FPlanError->hide();
}

bool TFMain::StoreOpenPlan() {
    // A train with fewer than two points is never stored.
    EndRunningInsertion();
    if (!dm) {
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Der Fahrplan kann nicht gespeichert werden: "
                                      "die Tabellen sind nicht geöffnet."));
        return false;
    }
    const StoreResult result = StorePlan(*dm, Plan, DocState, Modified);
    if (!result) {
        ShowMessageBox(QStringLiteral("Fehler"), result.Error);
        return false;
    }
    if (!result.Notice.isEmpty())
        ShowMessageBox(QStringLiteral("Hinweis"), result.Notice);
    return true;
}
