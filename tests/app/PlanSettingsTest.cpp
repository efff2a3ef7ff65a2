#include "ScriptedRunner.h"
#include "app/MainWindow.h"
#include "model/TimeOfDay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window with an open two-station plan from 0 to 24 h and one train
// whose points lie at the given minutes.
void OpenPlan(TFMain& w, const std::vector<int>& minutes, int start = 0, int end = 24) {
    PlanRec& p = w.Plan;
    p.StartHour = start;
    p.EndHour = end;
    p.StationCount = 2;
    for (int s = 1; s <= 2; ++s) {
        p.Stations[s].Abbrev = QStringLiteral("S%1").arg(s);
        p.Stations[s].TrackCount = 2;
    }
    p.TrainCount = 1;
    PlanZug& z = p.Trains[1];
    z.InUse = true;
    z.PointCount = 0;
    for (int m : minutes) {
        PlanCnt& c = z.Points[++z.PointCount];
        c.Modus = z.PointCount == 1 ? ModusDeparture : ModusArrival;
        c.BhfIdx = z.PointCount % 2 ? 1 : 2;
        c.Time = MinutesToTime(m);
    }
    PlanOpen = true;
    w.EnablePlanCommands(true);
    w.PageControl1->setEnabled(true);
    w.ShowPlanSettings();
    w.ResizePlan();
    w.Modified = false;
}

struct AxisCase {
    const char* name;
    std::vector<int> points; // minutes of the day
    int start, end;
    bool startBox; // which box is changed
    int hour;      // the hour chosen
    const char* refusal;
    bool modifiedAfter;
};

class AxisChange : public testing::TestWithParam<AxisCase> {};

TEST_P(AxisChange, AcceptsOrRefusesAsTheTrainsAllow) {
    const AxisCase& c = GetParam();
    ScriptedRunner runner;
    TFMain w;
    OpenPlan(w, c.points, c.start, c.end);
    const int canvasHeight = w.Plan.PlanRect.Height();
    if (c.startBox)
        w.UhrBegBox->setCurrentIndex(c.hour);
    else
        w.UhrEndBox->setCurrentIndex(c.hour - 1);
    EXPECT_EQ(w.Modified, c.modifiedAfter);
    if (c.refusal) {
        ASSERT_EQ(runner.Shown.size(), 1u);
        EXPECT_EQ(runner.Shown[0].Title, QStringLiteral("Fehler"));
        EXPECT_EQ(runner.Shown[0].Text, QString::fromUtf8(c.refusal));
        EXPECT_EQ(w.Plan.StartHour, c.start);
        EXPECT_EQ(w.Plan.EndHour, c.end);
        EXPECT_EQ(w.UhrBegBox->currentIndex(), c.start);
        EXPECT_EQ(w.UhrEndBox->currentIndex(), c.end - 1);
        EXPECT_EQ(w.Plan.PlanRect.Height(), canvasHeight);
    } else {
        EXPECT_TRUE(runner.Shown.empty());
        EXPECT_EQ(c.startBox ? w.Plan.StartHour : w.Plan.EndHour, c.hour);
        // the canvas follows the new axis
        EXPECT_EQ(w.Plan.PlanRect.Height(),
                  200 + std::max(0, w.Plan.EndHour - w.Plan.StartHour) * w.Plan.Zoom * 60);
    }
}

const char* const TrainsInTheWay = "Zeitachse kann nicht geändert werden -> Zugfahrten !";

INSTANTIATE_TEST_SUITE_P(
    Hours, AxisChange,
    testing::Values(
        AxisCase{"StartAtPoint", {6 * 60, 7 * 60}, 0, 24, true, 6, nullptr, true},
        AxisCase{"StartAfterPoint", {6 * 60, 7 * 60}, 0, 24, true, 7, TrainsInTheWay, false},
        AxisCase{"EndAtPoint", {6 * 60, 20 * 60}, 0, 24, false, 20, nullptr, true},
        AxisCase{"EndBeforePoint", {6 * 60, 20 * 60}, 0, 24, false, 19, TrainsInTheWay, false},
        AxisCase{"End24WithPointAt2359", {6 * 60, 23 * 60 + 59}, 0, 23, false, 24, nullptr, true},
        AxisCase{"End23WithPointAt2359",
                 {6 * 60, 23 * 60 + 59},
                 0,
                 24,
                 false,
                 23,
                 TrainsInTheWay,
                 false},
        AxisCase{"StartEqualsEnd", {}, 0, 10, true, 10, nullptr, true},
        AxisCase{"StartAfterEnd", {}, 0, 10, true, 11, "Startzeit ist größer als Endzeit", true},
        AxisCase{
            "EndBeforeStart", {}, 12, 24, false, 11, "Endzeit ist kleiner als Startzeit", true}),
    [](const testing::TestParamInfo<AxisCase>& p) { return std::string(p.param.name); });

TEST(PlanSettings, SameChoiceChangesNothing) {
    ScriptedRunner runner;
    TFMain w;
    OpenPlan(w, {});
    w.GridChoiceBox->setCurrentIndex(w.Plan.GridStyle);
    w.PPMinBox->setCurrentIndex(w.Plan.Zoom - 1);
    w.UhrBegBox->setCurrentIndex(w.Plan.StartHour);
    EXPECT_FALSE(w.Modified);
    w.GridChoiceBox->setCurrentIndex(4);
    EXPECT_EQ(w.Plan.GridStyle, 4);
    EXPECT_TRUE(w.Modified);
}

TEST(PlanSettings, ZoomResizesCanvas) {
    TFMain w;
    OpenPlan(w, {});
    w.PPMinBox->setCurrentIndex(8);
    EXPECT_EQ(w.Plan.Zoom, 9);
    EXPECT_TRUE(w.Modified);
    EXPECT_EQ(w.Plan.PlanRect.Height(), 200 + 24 * 9 * 60);
}

TEST(PlanSettings, NameAndDescription) {
    TFMain w;
    OpenPlan(w, {});
    QTest::keyClicks(w.EditBez, QStringLiteral("Nord"));
    EXPECT_EQ(w.Plan.PlanName, QStringLiteral("Nord"));
    EXPECT_EQ(w.TitelPanel->text(), QStringLiteral("  Fahrplan: Nord"));
    EXPECT_TRUE(w.Modified);
    w.EditBez->clear();
    EXPECT_EQ(w.TitelPanel->text(), QStringLiteral("  Fahrplan: <unbenannt>"));
    w.Modified = false;
    w.EditBem->setText(QStringLiteral("Werktags"));
    EXPECT_EQ(w.Plan.PlanDescription, QStringLiteral("Werktags"));
    EXPECT_TRUE(w.Modified);
}

TEST(PlanSettings, ShowPlanSettingsPutsValuesWithoutTouchingThePlan) {
    TFMain w;
    w.Plan.StartHour = 5;
    w.Plan.EndHour = 22;
    w.Plan.GridStyle = 3;
    w.Plan.Zoom = 4;
    w.Plan.Cyclic = true;
    w.cbTaktFP->setChecked(false);
    w.ShowPlanSettings();
    EXPECT_EQ(w.UhrBegBox->currentIndex(), 5);
    EXPECT_EQ(w.UhrEndBox->currentIndex(), 21);
    EXPECT_EQ(w.GridChoiceBox->currentIndex(), 3);
    EXPECT_EQ(w.PPMinBox->currentIndex(), 3);
    EXPECT_TRUE(w.cbTaktFP->isChecked());
    EXPECT_TRUE(w.Plan.Cyclic);
    EXPECT_FALSE(w.Modified);
    EXPECT_EQ(w.UhrBegBox->itemText(5), QStringLiteral(" 5 Uhr"));
    EXPECT_EQ(w.UhrEndBox->itemText(23), QStringLiteral("24 Uhr"));
    EXPECT_EQ(w.PPMinBox->itemText(8), QStringLiteral("Zeitachse x 9"));
}

TEST(PlanSettings, CyclicFlagTogglesOnClick) {
    TFMain w;
    OpenPlan(w, {});
    w.cbTaktFP->click();
    EXPECT_TRUE(w.Plan.Cyclic);
    EXPECT_TRUE(w.cbTaktFP->isChecked());
    EXPECT_TRUE(w.Modified);
    w.cbTaktFP->click();
    EXPECT_FALSE(w.Plan.Cyclic);
    EXPECT_FALSE(w.cbTaktFP->isChecked());
}

} // namespace

TEST(PlanSettingsColour, BackgroundBoxShowsAndSetsPlanColour) {
    TFMain w;
    EXPECT_EQ(w.ColBoxBack->count(), 16);
    EXPECT_EQ(w.ColBox->count(), 15);
    EXPECT_TRUE(w.ColBoxBack->itemIcon(15).isNull());
    EXPECT_FALSE(w.ColBoxBack->itemIcon(6).isNull());
    EXPECT_EQ(w.ColBoxBack->currentIndex(), 15);
    // After opening a navy plan the box shows navy.
    w.Plan.BackColor = 0x800000;
    w.ShowPlanSettings();
    PlanOpen = true;
    EXPECT_EQ(w.ColBoxBack->currentIndex(), 6);
    EXPECT_FALSE(w.Modified);
    w.ColBoxBack->setCurrentIndex(12);
    EXPECT_EQ(w.Plan.BackColor, 0xFFFF00u);
    EXPECT_TRUE(w.Modified);
    PlanOpen = false;
}

TEST(PlanSettingsColour, GridBoxShowsLineSamples) {
    TFMain w;
    EXPECT_TRUE(w.GridChoiceBox->itemIcon(0).isNull());
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(w.GridChoiceBox->itemIcon(i).isNull()) << i;
    EXPECT_EQ(w.GridChoiceBox->itemText(3), QStringLiteral("Strich/Punkt"));
}
