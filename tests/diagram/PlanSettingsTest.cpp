#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "diagram/PlanSettings.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

namespace {

// A plan of 0 to 24 h with one train whose points lie at the given times.
PlanRec PlanWithPointsAt(int h1, int m1, int h2, int m2) {
    PlanRec plan = PlanWithStations({2, 2}, 0, 24, 1);
    AddRun(plan, clRed, 1, 1, h1, m1, 2, 1, h2, m2, RichtungRight);
    return plan;
}

struct AxisCase {
    const char* Name;
    PlanRec Plan;
    bool Start; // start box, else end box
    int Hour;   // the hour chosen
    const char* Error;
    bool Modified; // after the choice
};

} // namespace

TEST(PlanSettingsCore, TimeAxisChoices) {
    PlanRec endTen = PlanWithStations({2, 2}, 0, 10, 1);
    PlanRec startTen = PlanWithStations({2, 2}, 10, 24, 1);
    const char* trains = "Zeitachse kann nicht geändert werden -> Zugfahrten !";
    const AxisCase cases[] = {
        {"point at 06:00, start 6", PlanWithPointsAt(6, 0, 7, 0), true, 6, "", true},
        {"point at 06:00, start 7", PlanWithPointsAt(6, 0, 7, 30), true, 7, trains, false},
        {"point at 20:00, end 20", PlanWithPointsAt(19, 0, 20, 0), false, 20, "", true},
        {"point at 20:00, end 19", PlanWithPointsAt(19, 0, 20, 0), false, 19, trains, false},
        {"point at 23:59, end 24",
         [] {
             PlanRec p = PlanWithPointsAt(22, 0, 23, 59);
             p.EndHour = 23;
             return p;
         }(),
         false, 24, "", true},
        {"point at 20:01, end 20", PlanWithPointsAt(19, 0, 20, 1), false, 20, trains, false},
        {"end 10, start 10", endTen, true, 10, "", true},
        {"end 10, start 11", endTen, true, 11, "Startzeit ist größer als Endzeit", true},
        {"start 10, end 10", startTen, false, 10, "", true},
        {"start 10, end 9", startTen, false, 9, "Endzeit ist kleiner als Startzeit", true},
    };
    for (const AxisCase& ac : cases) {
        PlanRec plan = ac.Plan;
        bool modified = false;
        const int before = ac.Start ? plan.StartHour : plan.EndHour;
        const SettingChange c = ac.Start ? UhrBegBoxChange(plan, modified, ac.Hour)
                                         : UhrEndBoxChange(plan, modified, ac.Hour - 1);
        const bool accepted = *ac.Error == '\0';
        EXPECT_EQ(c.Error, QString::fromUtf8(ac.Error)) << ac.Name;
        EXPECT_EQ(modified, ac.Modified) << ac.Name;
        EXPECT_EQ(c.Changed, accepted) << ac.Name;
        EXPECT_EQ(c.Resize, accepted) << ac.Name;
        const int now = ac.Start ? plan.StartHour : plan.EndHour;
        EXPECT_EQ(now, accepted ? ac.Hour : before) << ac.Name;
        EXPECT_EQ(c.BoxIndex, ac.Start ? now : now - 1) << ac.Name;
    }
}

TEST(PlanSettingsCore, SameChoiceChangesNothing) {
    PlanRec plan = PlanWithPointsAt(6, 0, 7, 0);
    plan.StartHour = 6;
    plan.GridStyle = 3;
    plan.Zoom = 4;
    bool modified = false;
    for (const SettingChange& c :
         {UhrBegBoxChange(plan, modified, 6), UhrEndBoxChange(plan, modified, 23),
          GridChoiceBoxChange(plan, modified, 3), PPMinBoxChange(plan, modified, 3),
          UhrBegBoxChange(plan, modified, -1), GridChoiceBoxChange(plan, modified, 5),
          GridChoiceBoxChange(plan, modified, -1), PPMinBoxChange(plan, modified, 9),
          PPMinBoxChange(plan, modified, -1)}) {
        EXPECT_FALSE(c.Changed);
        EXPECT_FALSE(c.Resize || c.Repaint);
        EXPECT_TRUE(c.Error.isEmpty());
    }
    EXPECT_FALSE(modified);
    EXPECT_EQ(plan.Zoom, 4);
    EXPECT_EQ(plan.GridStyle, 3);
    const SettingChange grid = GridChoiceBoxChange(plan, modified, 0);
    EXPECT_TRUE(grid.Repaint && !grid.Resize && modified);
    EXPECT_EQ(plan.GridStyle, 0);
    modified = false;
    const SettingChange zoom = PPMinBoxChange(plan, modified, 8);
    EXPECT_TRUE(zoom.Resize && modified);
    EXPECT_EQ(plan.Zoom, 9);
    const SettingChange first = PPMinBoxChange(plan, modified, 0);
    EXPECT_TRUE(first.Changed);
    EXPECT_EQ(plan.Zoom, 1);
    EXPECT_EQ(GridChoiceBoxChange(plan, modified, 4).Changed, true);
    EXPECT_EQ(plan.GridStyle, 4);
}

TEST(PlanSettingsCore, BackgroundCyclicAndTexts) {
    PlanRec plan = WorkedExample(clRed);
    bool modified = false;
    const SettingChange c = ColBoxBackChange(plan, modified, 6);
    EXPECT_EQ(plan.BackColor, clNavy);
    EXPECT_TRUE(modified && c.Repaint);
    ColBoxBackChange(plan, modified, -1);
    EXPECT_EQ(plan.BackColor, clBlue) << "no selection gives blue";

    modified = false;
    EXPECT_TRUE(cbTaktFPClick(plan, modified));
    EXPECT_TRUE(plan.Cyclic && modified);
    EXPECT_FALSE(cbTaktFPClick(plan, modified));

    modified = false;
    EXPECT_EQ(EditBezChange(plan, modified, QStringLiteral("Nord")),
              QStringLiteral("  Fahrplan: Nord"));
    EXPECT_EQ(plan.PlanName, QStringLiteral("Nord"));
    EXPECT_TRUE(modified);
    EXPECT_EQ(TitleText(QString()), QStringLiteral("  Fahrplan: <unbenannt>"));
}

TEST(PlanSettingsCore, DescriptionEditDrawsBeforeItStores) {
    PlanRec plan = WorkedExample(clRed);
    DiagramView view;
    QImage img = RenderScreen(plan, view);
    Canvas c(img);
    bool modified = false;
    EXPECT_FALSE(EditBemChange(plan, view, modified, QString(), c)) << "same text";
    EXPECT_TRUE(modified);
    EXPECT_TRUE(EditBemChange(plan, view, modified, QStringLiteral("Linie 7"), c));
    EXPECT_EQ(plan.PlanDescription, QStringLiteral("Linie 7"));
    c.Painter().end();
    int red = 0;
    for (int y = 10; y < 26; ++y)
        for (int x = 10; x < 80; ++x)
            red += PixelAt(img, x, y) == clRed;
    EXPECT_GT(red, 10);
}

TEST(PlanSettingsCore, ItemsAndShowPlanSettings) {
    const QStringList beg = UhrBegItems();
    ASSERT_EQ(beg.size(), 24);
    EXPECT_EQ(beg.front(), QStringLiteral(" 0 Uhr"));
    EXPECT_EQ(beg[9], QStringLiteral(" 9 Uhr"));
    EXPECT_EQ(beg.back(), QStringLiteral("23 Uhr"));
    const QStringList end = UhrEndItems();
    ASSERT_EQ(end.size(), 24);
    EXPECT_EQ(end.front(), QStringLiteral(" 1 Uhr"));
    EXPECT_EQ(end.back(), QStringLiteral("24 Uhr"));
    EXPECT_EQ(PPMinItems().size(), 9);
    EXPECT_EQ(PPMinItems().back(), QStringLiteral("Zeitachse x 9"));
    EXPECT_EQ(
        GridChoiceItems(),
        (QStringList{QStringLiteral("<Ohne>"), QStringLiteral("Linie"), QStringLiteral("Punkte"),
                     QStringLiteral("Strich/Punkt"), QStringLiteral("gestrichelt")}));
    EXPECT_EQ(UhrBegHint(), QStringLiteral("startzeit wählen"));
    EXPECT_EQ(PPMinHint(), QStringLiteral("Zeitachse (Pixel / Minute) einstellen"));

    PlanRec plan = PlanWithStations({2}, 5, 21, 3);
    plan.GridStyle = 4;
    plan.Cyclic = true;
    plan.BackColor = clTeal;
    const PlanSettingIndexes i = ShowPlanSettings(plan, 15);
    EXPECT_EQ(i.UhrBeg, 5);
    EXPECT_EQ(i.UhrEnd, 20);
    EXPECT_EQ(i.GridChoice, 4);
    EXPECT_EQ(i.PPMin, 2);
    EXPECT_TRUE(i.TaktFP);
    EXPECT_EQ(i.ColBoxBack, 5) << "the plan's own background";
    EXPECT_TRUE(plan.Cyclic);
    plan.BackColor = 0x123456;
    EXPECT_EQ(ShowPlanSettings(plan, 7).ColBoxBack, 7);
}
