#include "MovingFixture.h"
#include "PlanFixtures.h"

#include "editing/TrainMove.h"
#include "model/TimeOfDay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr int H6 = 6 * 60;

// A→B 06:10–06:40, stop to 06:45, B→C until 07:20; the axis runs to endHour.
PlanRec TwoRuns(int endHour) {
    PlanRec plan = PlanWithStations({2, 3, 2}, 6, endHour, 1);
    AddTrain(plan, {{1, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 45}, {3, 1, H6 + 80}});
    return plan;
}

std::vector<int> Minutes(const PlanRec& plan, int train) {
    std::vector<int> m;
    for (int k = 1; k <= plan.Trains[train].PointCount; ++k)
        m.push_back(RoundedMinute(plan.Trains[train].Points[k].Time));
    return m;
}

bool WholeMinutes(const PlanRec& plan, int train) {
    for (int k = 1; k <= plan.Trains[train].PointCount; ++k) {
        const double t = plan.Trains[train].Points[k].Time;
        if (t != MinutesToTime(RoundedMinute(t)))
            return false;
    }
    return true;
}

} // namespace

TEST(TimeAxisBounds, StartAndEnd) {
    PlanRec plan = PlanWithStations({2, 2}, 6, 22, 1);
    EXPECT_EQ(StartBound(plan), H6);
    EXPECT_EQ(EndBound(plan), 22 * 60);
    plan.EndHour = 24;
    EXPECT_EQ(EndBound(plan), 23 * 60 + 59);
}

TEST(RunMove, BoundsOfTheRuns) {
    const PlanRec plan = TwoRuns(10);
    const RunBounds first = RunBoundsOf(plan, 1, 2);
    EXPECT_EQ(first.Lower, H6);
    EXPECT_EQ(first.Upper, H6 + 45);
    EXPECT_EQ(first.RunningTime, 30);
    const RunBounds second = RunBoundsOf(plan, 1, 4);
    EXPECT_EQ(second.Lower, H6 + 40);
    EXPECT_EQ(second.Upper, 10 * 60);
    EXPECT_EQ(second.RunningTime, 35);
}

// Each shift starts from the plan as built; a refused one changes nothing.
TEST(RunMove, StopsAtItsNeighboursAndTheAxis) {
    struct Case {
        const char* What;
        int EndHour, Arrival, Shift;
        bool Accepted;
        std::vector<int> After;
    } const cases[] = {
        {"up to the start hour", 10, 2, -10, true, {H6, H6 + 30, H6 + 45, H6 + 80}},
        {"a minute before it", 10, 2, -11, false, {H6 + 10, H6 + 40, H6 + 45, H6 + 80}},
        {"down to the next departure", 10, 2, 5, true, {H6 + 15, H6 + 45, H6 + 45, H6 + 80}},
        {"a minute past it", 10, 2, 6, false, {H6 + 10, H6 + 40, H6 + 45, H6 + 80}},
        {"up to the previous arrival", 10, 4, -5, true, {H6 + 10, H6 + 40, H6 + 40, H6 + 75}},
        {"a minute before it", 10, 4, -6, false, {H6 + 10, H6 + 40, H6 + 45, H6 + 80}},
        {"down to the end hour", 10, 4, 160, true, {H6 + 10, H6 + 40, H6 + 205, 10 * 60}},
        {"a minute past it", 10, 4, 161, false, {H6 + 10, H6 + 40, H6 + 45, H6 + 80}},
        {"down to 23:59 on an axis to 24",
         24,
         4,
         999,
         true,
         {H6 + 10, H6 + 40, H6 + 1044, 23 * 60 + 59}},
        {"to 24:00", 24, 4, 1000, false, {H6 + 10, H6 + 40, H6 + 45, H6 + 80}},
    };
    for (const Case& c : cases) {
        PlanRec plan = TwoRuns(c.EndHour);
        const RunBounds run = RunBoundsOf(plan, 1, c.Arrival);
        EXPECT_EQ(ShiftRun(plan, 1, run, c.Shift), c.Accepted) << c.What;
        EXPECT_EQ(Minutes(plan, 1), c.After) << c.What;
        // Stations and tracks stay.
        EXPECT_EQ(plan.Trains[1].Points[2].BhfIdx, 2);
        EXPECT_EQ(plan.Trains[1].Points[3].GlsIdx, 2);
    }
}

// A fast pointer move that would cross the bound is ignored as a whole: the
// run stops short of the bound until slower moves bring it there.
TEST(RunMove, MoveCrossingABoundIgnoredAsAWhole) {
    PlanRec plan = TwoRuns(10);
    const RunBounds run = RunBoundsOf(plan, 1, 2);
    EXPECT_TRUE(ShiftRun(plan, 1, run, -7));
    EXPECT_FALSE(ShiftRun(plan, 1, run, -4));
    EXPECT_EQ(Minutes(plan, 1)[0], H6 + 3);
    EXPECT_TRUE(ShiftRun(plan, 1, run, -3));
    EXPECT_EQ(Minutes(plan, 1)[0], H6);
}

TEST(TrainMove, BoundedByTheAxisWithStopsAndRunsKept) {
    struct Case {
        const char* What;
        int EndHour, Shift;
        bool Accepted;
    } const cases[] = {
        {"first departure to the start hour", 10, -10, true},
        {"a minute before it", 10, -11, false},
        {"last arrival to the end hour", 10, 160, true},
        {"a minute past it", 10, 161, false},
        {"last arrival to 23:59", 24, 999, true},
        {"to 24:00", 24, 1000, false},
    };
    for (const Case& c : cases) {
        PlanRec plan = TwoRuns(c.EndHour);
        const std::vector<int> before = Minutes(plan, 1);
        const RunBounds runs[] = {RunBoundsOf(plan, 1, 2), RunBoundsOf(plan, 1, 4)};
        EXPECT_EQ(ShiftTrain(plan, 1, runs, 2, c.Shift), c.Accepted) << c.What;
        const std::vector<int> after = Minutes(plan, 1);
        for (size_t k = 0; k < after.size(); ++k)
            EXPECT_EQ(after[k], before[k] + (c.Accepted ? c.Shift : 0)) << c.What << " " << k;
    }
}

// Pointer times are day fractions that are not exact in binary; whatever
// way they add up, the times written stay on the minute.
TEST(MovingTimes, EveryTimeWrittenIsAWholeMinute) {
    PlanRec plan = TwoRuns(24);
    // A stored time a few seconds off the minute is put back on it.
    plan.Trains[1].Points[1].Time += 7.0 / 86400.0;
    plan.Trains[1].Points[2].Time += 7.0 / 86400.0;
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> step(-20, 20);
    const RunBounds run = RunBoundsOf(plan, 1, 2);
    const RunBounds runs[] = {RunBoundsOf(plan, 1, 2), RunBoundsOf(plan, 1, 4)};
    double prev = EncodeTime(7, 0);
    int m = 7 * 60;
    int accepted = 0;
    for (int i = 0; i < 2000; ++i) {
        m = std::clamp(m + step(rng), 6 * 60, 23 * 60 + 59);
        const double hover = EncodeTime(m / 60, m % 60);
        const int shift = RoundedMinute(hover) - RoundedMinute(prev);
        accepted += i % 2 ? ShiftRun(plan, 1, run, shift) : ShiftTrain(plan, 1, runs, 2, shift);
        prev = hover;
        if (accepted > 0) {
            ASSERT_TRUE(WholeMinutes(plan, 1)) << i;
        }
    }
    EXPECT_GT(accepted, 0);
    const std::vector<int> after = Minutes(plan, 1);
    EXPECT_EQ(after[1] - after[0], 30);
    EXPECT_EQ(after[3] - after[2], 35);
}
