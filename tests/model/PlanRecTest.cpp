#include "model/PlanRec.h"

#include <gtest/gtest.h>

TEST(ResetPlan, PutsEveryFieldToItsResetValue) {
    PlanRec plan;
    plan.PlanRect = {0, 0, 500, 600};
    plan.BackColor = 0x800000;
    plan.PlanName = QStringLiteral("Test");
    plan.PlanDescription = QStringLiteral("Beschreibung");
    plan.StartHour = 6;
    plan.EndHour = 8;
    plan.GridStyle = 3;
    plan.Zoom = 9;
    plan.StationCount = 2;
    plan.TrainCount = 1;
    plan.Spare = 7;
    plan.Cyclic = true;
    plan.Stations[2].Name = QStringLiteral("Adorf");
    plan.Stations[2].TrackCount = 3;
    plan.Stations[2].Marked = true;
    plan.Stations[2].Tracks[30].Designation = QStringLiteral("2a");
    plan.Trains[50].InUse = true;
    plan.Trains[50].PointCount = 100;
    plan.Trains[50].Points[100].BhfIdx = 20;
    plan.Trains[50].Points[100].GlsIdx = 30;
    plan.Trains[50].Points[100].Time = 0.5;

    ResetPlan(plan);

    EXPECT_EQ(plan.PlanRect, (TRect{0, 0, 0, 0}));
    EXPECT_EQ(plan.BackColor, 0xFFFFFFu);
    EXPECT_TRUE(plan.PlanName.isEmpty());
    EXPECT_TRUE(plan.PlanDescription.isEmpty());
    EXPECT_EQ(plan.StartHour, 0);
    EXPECT_EQ(plan.EndHour, 24);
    EXPECT_EQ(plan.GridStyle, 1);
    EXPECT_EQ(plan.Zoom, 1);
    EXPECT_EQ(plan.StationCount, 0);
    EXPECT_EQ(plan.TrainCount, 0);
    EXPECT_EQ(plan.Spare, 0);
    EXPECT_FALSE(plan.Cyclic);
    for (int s = 1; s <= MaxStations; ++s) {
        EXPECT_TRUE(plan.Stations[s].Name.isEmpty());
        EXPECT_EQ(plan.Stations[s].TrackCount, 0);
        EXPECT_FALSE(plan.Stations[s].Marked);
        for (int g = 1; g <= MaxTracks; ++g)
            EXPECT_TRUE(plan.Stations[s].Tracks[g].Designation.Text().isEmpty());
    }
    for (int z = 1; z <= MaxTrains; ++z) {
        EXPECT_EQ(plan.Trains[z].PointCount, 0);
        EXPECT_EQ(plan.Trains[z].Color, 0u);
        for (int p = 1; p <= MaxPoints; ++p) {
            ASSERT_EQ(plan.Trains[z].Points[p].BhfIdx, 1);
            ASSERT_EQ(plan.Trains[z].Points[p].GlsIdx, 1);
            ASSERT_EQ(plan.Trains[z].Points[p].Time, 0.0);
            ASSERT_EQ(plan.Trains[z].Points[p].Modus, 0);
        }
    }
}

TEST(PlanModel, DesignationKeepsFirstThreeCharacters) {
    PlanGls g;
    g.Designation = QStringLiteral("12ab");
    EXPECT_EQ(g.Designation.Text(), QStringLiteral("12a"));
    g.Designation = QStringLiteral("Ü");
    EXPECT_EQ(g.Designation.Text(), QStringLiteral("Ü"));
}

TEST(PlanModel, SlotsAreOneBasedAndBounded) {
    EXPECT_TRUE((Slots<int, 20>::Valid(1)));
    EXPECT_TRUE((Slots<int, 20>::Valid(20)));
    EXPECT_FALSE((Slots<int, 20>::Valid(0)));
    EXPECT_FALSE((Slots<int, 20>::Valid(21)));
    EXPECT_EQ((Slots<int, 20>::Size), 20);
}

#ifdef NDEBUG
// In a release build an index outside the slots lands in a scratch slot and
// leaves the real ones alone.
TEST(PlanModel, OutOfRangeIndexTouchesNoSlot) {
    Slots<int, 3> s;
    s[1] = 1;
    s[3] = 3;
    s[4] = 99;
    s[0] = 98;
    EXPECT_EQ(s[1], 1);
    EXPECT_EQ(s[3], 3);
    const Slots<int, 3>& cs = s;
    EXPECT_EQ(cs[-5], 0);
}
#endif
