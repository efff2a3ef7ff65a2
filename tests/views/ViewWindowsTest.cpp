#include "ScriptedRunner.h"
#include "StoreFixture.h"
#include "ViewPlans.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "views/StationTimetableLayout.h"
#include "views/TFFahrdienst.h"
#include "views/TFPlanError.h"
#include "views/TFTabAnAb.h"
#include "views/TFTabPlan.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Dep = ModusDeparture;
constexpr int Arr = ModusArrival;
constexpr int StopDep = ModusStopDeparture;

QStringList Column(const QTableWidget* grid, int column) {
    QStringList cells;
    for (int r = 0; r < grid->rowCount(); ++r)
        cells << (grid->item(r, column) ? grid->item(r, column)->text() : QString());
    return cells;
}

QStringList Headers(const QTableWidget* grid) {
    QStringList h;
    for (int c = 0; c < grid->columnCount(); ++c)
        h << grid->horizontalHeaderItem(c)->text();
    return h;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

PlanRec BusyPlan() {
    PlanRec p = LinePlan(3, 2);
    AddTrain(p, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}});
    AddTrain(p, u"Y"_s, {{Dep, 2, 2, 7, 30}, {Arr, 3, 2, 7, 50}});
    AddTrain(p, u"Z"_s,
             {{Dep, 1, 2, 9, 0}, {Arr, 2, 2, 9, 10}, {StopDep, 2, 2, 9, 15}, {Arr, 3, 2, 9, 30}});
    return p;
}

TEST(TrainRunWindow, ChoiceRestrictsAndAllTrainsShowsAllAgain) {
    StoreFixture f;
    const PlanRec plan = BusyPlan();
    TFTabPlan w(*f.Dm, plan);
    EXPECT_EQ(w.windowTitle(), u"Zuglauf"_s);
    EXPECT_EQ(w.size(), QSize(567, 400));
    EXPECT_EQ(Headers(w.sg1), (QStringList{u"Zugname"_s, u"Abfahrt"_s, u"Bahnhof"_s, u"Gleis"_s,
                                           u"Ankunft"_s, u"Bahnhof"_s, u"Gleis"_s}));
    EXPECT_EQ(w.sg1->columnWidth(2), 119);
    EXPECT_EQ(Items(w.cbsort), (QStringList{u"Alle Züge"_s, u"Y"_s, u"Z"_s}));
    EXPECT_EQ(w.cbsort->currentIndex(), 0);
    EXPECT_EQ(Column(w.sg1, 0), (QStringList{u"Y"_s, u"Z"_s, u"Z"_s, u"Z"_s}));
    w.cbsort->setCurrentIndex(2);
    w.cbsortChange();
    EXPECT_EQ(Column(w.sg1, 1), (QStringList{u"08:00:00"_s, u"09:00:00"_s, u"09:15:00"_s}));
    EXPECT_EQ(f.Dm->tTabSort.RecordCount(), 3); // the range stays for the print
    w.cbsort->setCurrentIndex(0);
    w.cbsortChange();
    EXPECT_EQ(w.sg1->rowCount(), 4);
    EXPECT_EQ(w.PrnPlanTabBtn->accessibleName(), u"Tabelle ausdrucken"_s);
    // The status bar tells the hint of the control under the pointer.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w.PrnPlanTabBtn, &enter);
    EXPECT_EQ(w.sb1->currentMessage(), u"Tabelle ausdrucken"_s);
    QCoreApplication::sendEvent(w.OKBtn, &enter);
    EXPECT_EQ(w.sb1->currentMessage(), u"Zurück"_s);
    QCoreApplication::sendEvent(w.sg1, &enter);
    EXPECT_TRUE(w.sb1->currentMessage().isEmpty());
}

TEST(TrainRunWindow, PlanWithoutTrains) {
    StoreFixture f;
    const PlanRec plan = LinePlan(2, 1);
    TFTabPlan w(*f.Dm, plan);
    EXPECT_EQ(Items(w.cbsort), QStringList{u"Alle Züge"_s});
    EXPECT_EQ(w.sg1->rowCount(), 0);
}

TEST(DispatcherWindow, StationAndSortChoices) {
    StoreFixture f;
    const PlanRec plan = BusyPlan();
    TFFahrdienst w(*f.Dm, plan);
    EXPECT_EQ(w.windowTitle(), u"Fahrdienstleiter"_s);
    EXPECT_EQ(Headers(w.sg1), (QStringList{u"Zugname"_s, u"Bahnhof(Von)"_s, u"Ankunft"_s,
                                           u"Gleis"_s, u"Abfahrt"_s, u"Bahnhof (Nach)"_s}));
    EXPECT_EQ(Items(w.cbsort), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    EXPECT_EQ(Items(w.ComboBox1), (QStringList{u"Zugnamen"_s, u"Ankunft"_s, u"Abfahrt"_s}));
    EXPECT_EQ(Column(w.sg1, 0), (QStringList{u"Z"_s, u"Z"_s}));
    w.cbsort->setCurrentIndex(1);
    w.cbsortChange();
    // B: Y starts, the first Z ends, the second Z stops.
    EXPECT_EQ(Column(w.sg1, 0), (QStringList{u"Y"_s, u"Z"_s, u"Z"_s}));
    EXPECT_EQ(Column(w.sg1, 2), (QStringList{QString(), u"08:10:00"_s, u"09:10:00"_s}));
    EXPECT_EQ(Column(w.sg1, 4), (QStringList{u"07:30:00"_s, QString(), u"09:15:00"_s}));
    w.ComboBox1->setCurrentIndex(2);
    w.ComboBox1Change();
    EXPECT_EQ(Column(w.sg1, 4), (QStringList{QString(), u"07:30:00"_s, u"09:15:00"_s}));
    EXPECT_EQ(Column(w.sg1, 5), (QStringList{QString(), u"C"_s, u"C"_s}));
}

TEST(StationTimetableWindow, TitleStripAndPaintBoxFollowTheChoice) {
    StoreFixture f;
    const PlanRec plan = BusyPlan();
    TFTabAnAb w(*f.Dm, plan);
    EXPECT_EQ(w.windowTitle(), u"Fahrplan"_s);
    EXPECT_EQ(w.size(), QSize(612, 443));
    EXPECT_EQ(w.lAnAb->text(), u"Ankunft"_s);
    EXPECT_EQ(w.lWahlBhf->text(), u"A"_s);
    EXPECT_EQ(w.pbPlan->height(), 0); // no arrivals at A
    w.cbTyp->setCurrentIndex(1);
    w.cbTypChange();
    EXPECT_EQ(w.lAnAb->text(), u"Abfahrt"_s);
    EXPECT_EQ(f.Dm->tTabPlan.RecordCount(), 2);
    // Two departures, 08:00 and 09:00: h = 1 → (0 + 2)·19 + 2·36 + 60.
    EXPECT_EQ(w.pbPlan->height(), 170);
    w.show();
    const QImage shot = w.pbPlan->grab().toImage();
    int silver = 0;
    for (int x = 0; x < shot.width(); ++x)
        silver += shot.pixel(x, 22) == qRgb(0xC0, 0xC0, 0xC0) ? 1 : 0;
    EXPECT_GT(silver, 200); // the hour bands of both columns
    w.cbsort->setCurrentIndex(2);
    w.cbsortChange();
    EXPECT_EQ(w.lWahlBhf->text(), u"C"_s);
    EXPECT_EQ(f.Dm->tTabPlan.RecordCount(), 0);
}

struct ProgramTables : StoreFixture {
    ProgramTables() { dm = Dm.get(); }
    ~ProgramTables() { dm = nullptr; }
};

TEST(PlanScanCommand, NoFindingsSaysSoAndHidesTheList) {
    ProgramTables tables;
    ScriptedRunner runner;
    TFMain w;
    w.Plan = LinePlan(2, 1);
    AddTrain(w.Plan, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}});
    w.EnablePlanCommands(true);
    w.PageControl1->setEnabled(true); // as after "Neu" or "Öffnen"
    w.FPlanError->show();
    w.PlanScannenBtn->click();
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, u"Fahrplan scannen"_s);
    EXPECT_EQ(runner.Shown[0].Text, u"Keine Fehler festgestellt !"_s);
    EXPECT_FALSE(w.FPlanError->isVisible());
}

TEST(PlanScanCommand, FindingsShowTheListUntilTheNextPlan) {
    ProgramTables tables;
    ScriptedRunner runner;
    TFMain w;
    w.Plan = LinePlan(2, 2);
    AddTrain(w.Plan, u"A"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 30}});
    AddTrain(w.Plan, u"B"_s, {{Dep, 1, 2, 8, 5}, {Arr, 2, 2, 8, 20}});
    w.bbPlanScannen->setEnabled(true);
    w.bbPlanScannen->trigger();
    EXPECT_TRUE(runner.Shown.empty());
    TFPlanError& list = *w.FPlanError;
    ASSERT_TRUE(list.isVisible());
    EXPECT_FALSE(list.isModal());
    EXPECT_TRUE(list.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(list.windowTitle(), u"Fehlerliste"_s);
    EXPECT_EQ(Headers(list.DBGrid1),
              (QStringList{u"Fehlertyp"_s, u"Zugname"_s, u"Uhrzeit"_s, u"Bahnhof"_s, u"Gleis"_s,
                           u"Bahnhof"_s, u"Zugname"_s}));
    ASSERT_EQ(list.DBGrid1->rowCount(), 1);
    EXPECT_EQ(list.DBGrid1->item(0, 0)->text(), u"Überholung"_s);
    EXPECT_EQ(list.DBGrid1->item(0, 2)->text(), u"08:30:00"_s);
    // The list is gone with the plan it describes.
    w.ClearPlanView();
    EXPECT_FALSE(list.isVisible());
    // OK hides it as well.
    w.Plan = LinePlan(2, 2);
    AddTrain(w.Plan, u"A"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 30}});
    AddTrain(w.Plan, u"B"_s, {{Dep, 1, 2, 8, 5}, {Arr, 2, 2, 8, 20}});
    w.PlanScannenBtnClick();
    ASSERT_TRUE(list.isVisible());
    list.OKBtnClick();
    EXPECT_FALSE(list.isVisible());
}

TEST(PlanScanCommand, AStoreErrorIsShownAndLeavesNoHalfList) {
    ProgramTables tables;
    ScriptedRunner runner;
    TFMain w;
    w.Plan = LinePlan(3, 1);
    AddTrain(w.Plan, u"A"_s, {{Dep, 1, 1, 7, 30}, {Arr, 2, 1, 8, 0}});
    AddTrain(w.Plan, u"C"_s, {{Dep, 2, 1, 8, 0}, {Arr, 3, 1, 8, 30}});
    w.PlanScannenBtnClick();
    ASSERT_TRUE(w.FPlanError->isVisible());
    tables.Dm->DBAll.FailNthWrite(3); // the emptying, the first finding, then the second
    w.PlanScannenBtnClick();
    tables.Dm->DBAll.FailNthWrite(0);
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, u"Fehler"_s);
    EXPECT_FALSE(w.FPlanError->isVisible());
    EXPECT_EQ(tables.Rows(u"TmpCheck.DAT"_s), 0);
    // A view whose refill fails says so and opens nothing.
    tables.Dm->DBAll.FailNthWrite(2);
    w.TabelleBtnClick();
    tables.Dm->DBAll.FailNthWrite(0);
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[1].Title, u"Fehler"_s);
    EXPECT_EQ(tables.Rows(u"Tabsort.DAT"_s), 0);
}

TEST(ViewCommands, ButtonsAndMenuOpenTheirWindows) {
    ProgramTables tables;
    ScriptedRunner runner;
    TFMain w;
    w.Plan = BusyPlan();
    w.EnablePlanCommands(true);
    w.PageControl1->setEnabled(true);
    QStringList opened;
    for (int i = 0; i < 6; ++i)
        runner.Queue([&opened](QDialog& d) {
            opened << d.windowTitle();
            return int(QDialog::Accepted);
        });
    w.TabelleBtn->click();
    w.FahrdienstBtn->click();
    w.FahrplanBtn->click();
    w.bbZug->trigger();
    w.bbMann->trigger();
    w.bbBhf->trigger();
    EXPECT_EQ(opened, (QStringList{u"Zuglauf"_s, u"Fahrdienstleiter"_s, u"Fahrplan"_s, u"Zuglauf"_s,
                                   u"Fahrdienstleiter"_s, u"Fahrplan"_s}));
    EXPECT_TRUE(runner.AllAnswersUsed());
}

} // namespace
