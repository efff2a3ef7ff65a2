#include "MovingFixture.h"
#include "PlanFixtures.h"

#include "editing/TrainDrag.h"
#include "editing/TrainMove.h"
#include "model/TimeOfDay.h"

#include <gtest/gtest.h>

namespace {

constexpr int H6 = 6 * 60;

// Stations A (2 tracks, lines at 105, 122), B (3 tracks: 271, 288, 305) and
// C (2 tracks: 437, 454), 6 to 10 o'clock at zoom 1: minute m after six lies
// at row 120 + m. The trains cover every situation a point can be in.
PlanRec ShapesPlan() {
    PlanRec plan = PlanWithStations({2, 3, 2}, 6, 10, 1);
    AddTrain(plan, {{1, 1, H6 + 10}, {2, 2, H6 + 40}}); // 1: A→B
    AddTrain(plan, {{2, 2, H6 + 10}, {1, 1, H6 + 40}}); // 2: B→A
    AddTrain(plan, {{1, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 45}, {3, 1, H6 + 80}}); // 3
    AddTrain(plan, {{3, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 45}, {1, 1, H6 + 80}}); // 4
    AddTrain(plan, {{1, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 45}, {1, 2, H6 + 80}}); // 5
    AddTrain(plan, {{2, 1, H6 + 10}, {1, 2, H6 + 40}, {1, 2, H6 + 45}, {2, 3, H6 + 80}}); // 6
    return plan;
}

struct Drawn {
    Drawn() : B(ShapesPlan()) {}
    MovingBench B;
    const PlanRec& Plan() const { return B.Plan; }
    double At(int y) const {
        int minute = 0;
        EXPECT_TRUE(HoverMinuteAt(B.Plan, B.View, y, minute));
        return MinutesToTime(minute);
    }
};

int MinuteOfPoint(const PlanRec& plan, int train, int point) {
    return RoundedMinute(plan.Trains[train].Points[point].Time);
}

} // namespace

TEST(PointDragClassification, EverySituation) {
    Drawn d;
    struct Case {
        int Train, Point, Variant;
    } const cases[] = {
        {1, 1, 1},  {2, 1, 7}, {1, 2, 2}, {2, 2, 8},  {3, 2, 3},  {4, 2, 6}, {5, 2, 9},
        {6, 2, 11}, {3, 3, 4}, {4, 3, 5}, {5, 3, 10}, {6, 3, 12}, {3, 1, 1}, {4, 4, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyDragPoint(d.Plan().Trains[c.Train], c.Point), c.Variant)
            << "train " << c.Train << " point " << c.Point;
}

TEST(PointDragClassification, PointsThatFitNoSituation) {
    PlanRec plan = ShapesPlan();
    // The departure after the stop claims another direction than its arrival.
    plan.Trains[3].Points[3].Richtung = RichtungLeft;
    EXPECT_EQ(ClassifyDragPoint(plan.Trains[3], 2), 0);
    EXPECT_EQ(ClassifyDragPoint(plan.Trains[3], 3), 0);
    // A train of one point, and points outside the train.
    PlanZug single = plan.Trains[1];
    single.PointCount = 1;
    EXPECT_EQ(ClassifyDragPoint(single, 1), 0);
    EXPECT_EQ(ClassifyDragPoint(plan.Trains[1], 0), 0);
    EXPECT_EQ(ClassifyDragPoint(plan.Trains[1], 3), 0);
    // A full train of 100 points: its last arrival still classifies.
    PlanRec full = PlanWithStations({2, 2}, 0, 24, 1);
    Stop places[MaxPoints];
    for (int i = 0; i < MaxPoints; ++i)
        places[i] = {(i + 1) / 2 % 2 + 1, 1, 10 * i};
    AddTrainFrom(full, places, MaxPoints);
    EXPECT_EQ(ClassifyDragPoint(full.Trains[1], MaxPoints), 8);
    EXPECT_EQ(ClassifyDragPoint(full.Trains[1], MaxPoints - 1), 10);
    EXPECT_EQ(ClassifyDragPoint(full.Trains[1], MaxPoints - 2), 9);
}

// One representative of each group; rows read off the worked geometry:
// marker boxes (x − 3, y − 3, x + 4, y + 4), diagram from 120 to 360.
TEST(PointDragFrame, BoundsAndImageOfEachGroup) {
    Drawn d;
    struct Case {
        int Train, Point, Variant, PressY;
        TRect Image, Bounds;
    } const cases[] = {
        // first departure going right: up to the top, down to the arrival's
        // box less a minute row
        {1, 1, 1, 130, {102, 120, 292, 164}, {102, 120, 125, 163}},
        // first departure going left: 3 pixels right of the first track
        {2, 1, 7, 130, {102, 120, 308, 164}, {274, 120, 308, 164}},
        // last arrival: from the departure's box to the bottom of the diagram
        {1, 2, 2, 160, {102, 127, 308, 360}, {268, 127, 308, 360}},
        {2, 2, 8, 160, {102, 127, 292, 360}, {102, 127, 125, 360}},
        // arrival before a stop pressed 2 rows above its box's bottom
        {3, 2, 3, 162, {102, 127, 441, 204}, {268, 127, 308, 167}},
        // departure after a stop pressed 1 row below its box's top
        {3, 3, 4, 163, {102, 127, 441, 204}, {268, 158, 308, 204}},
        // returning trains: far ends on either side
        {5, 2, 9, 160, {102, 127, 308, 204}, {268, 127, 308, 165}},
        {6, 3, 12, 165, {102, 127, 309, 204}, {102, 160, 125, 204}},
    };
    for (const Case& c : cases) {
        const PointDragFrame f = PointDragFrameOf(d.Plan(), c.Train, c.Point, c.Variant, c.PressY);
        EXPECT_EQ(f.ImageRect, c.Image) << "variant " << c.Variant;
        EXPECT_EQ(f.Bounds, c.Bounds) << "variant " << c.Variant;
    }
}

// Where a pointer at (x, y) puts the point, for one variant of each group.
TEST(PointDragPlace, DataWritten) {
    struct Case {
        const char* What;
        int Train, Point, Variant, PressY, X, Y;
        bool Follows;
        int Track, Minute;
    } const cases[] = {
        {"first departure to track 2", 1, 1, 1, 130, 122, 125, true, 2, H6 + 5},
        {"first departure to its arrival's minute", 1, 1, 1, 130, 105, 160, true, 1, H6 + 40},
        {"first departure past its arrival", 1, 1, 1, 130, 105, 161, false, 0, 0},
        {"variant 7 three pixels right of the first track", 2, 1, 7, 130, 274, 150, true, 1,
         H6 + 30},
        {"variant 7 two pixels right of it", 2, 1, 7, 130, 273, 150, false, 0, 0},
        {"variant 7 held at its arrival", 2, 1, 7, 130, 305, 163, true, 3, H6 + 40},
        {"last arrival to the last track's edge", 1, 2, 2, 160, 308, 200, true, 3, H6 + 80},
        {"last arrival past the station", 1, 2, 2, 160, 309, 200, false, 0, 0},
        {"last arrival left of the station", 1, 2, 2, 160, 267, 200, false, 0, 0},
        {"last arrival held at its departure", 1, 2, 2, 160, 271, 127, true, 1, H6 + 10},
        {"arrival to track 3", 3, 2, 3, 162, 305, 163, true, 3, H6 + 43},
        {"arrival held at the departure after its stop", 3, 2, 3, 162, 288, 167, true, 2, H6 + 45},
        {"arrival below its bounds", 3, 2, 3, 162, 288, 168, false, 0, 0},
        {"departure held at the arrival before its stop", 3, 3, 4, 163, 271, 158, true, 1, H6 + 40},
        {"departure above its bounds", 3, 3, 4, 163, 271, 157, false, 0, 0},
        {"departure later", 3, 3, 4, 163, 288, 180, true, 2, H6 + 60},
    };
    for (const Case& c : cases) {
        Drawn d;
        PlanRec plan = d.Plan();
        const PointDragFrame f = PointDragFrameOf(plan, c.Train, c.Point, c.Variant, c.PressY);
        const PointPlace place =
            DragPointPlace(plan, c.Train, c.Point, c.Variant, f.Bounds, c.X, c.Y, d.At(c.Y));
        EXPECT_EQ(place.Follow, c.Follows) << c.What;
        if (!place.Follow || !c.Follows)
            continue;
        EXPECT_EQ(place.Track, c.Track) << c.What;
        EXPECT_EQ(place.Minute, c.Minute) << c.What;
        const PlanZug before = plan.Trains[c.Train];
        WriteDragPlace(plan, c.Train, c.Point, c.Variant, place);
        const PlanZug& z = plan.Trains[c.Train];
        EXPECT_EQ(z.Points[c.Point].GlsIdx, c.Track) << c.What;
        EXPECT_EQ(MinuteOfPoint(plan, c.Train, c.Point), c.Minute) << c.What;
        EXPECT_EQ(z.Points[c.Point].BhfIdx, before.Points[c.Point].BhfIdx) << c.What;
        for (int k = 1; k <= z.PointCount; ++k) {
            EXPECT_EQ(z.Points[k].BhfIdx, before.Points[k].BhfIdx) << c.What;
            if (k != c.Point) {
                EXPECT_EQ(z.Points[k].Time, before.Points[k].Time) << c.What << " point " << k;
            }
        }
    }
}

TEST(PointDragPlace, StopPartnerFollowsTheTrackKeepingItsTime) {
    Drawn d;
    PlanRec plan = d.Plan();
    // The arrival of train 3 at B goes to track 3: its departure goes along.
    PointDragFrame f = PointDragFrameOf(plan, 3, 2, 3, 160);
    PointPlace place = DragPointPlace(plan, 3, 2, 3, f.Bounds, 305, 150, d.At(150));
    ASSERT_TRUE(place.Follow);
    WriteDragPlace(plan, 3, 2, 3, place);
    EXPECT_EQ(plan.Trains[3].Points[2].GlsIdx, 3);
    EXPECT_EQ(plan.Trains[3].Points[3].GlsIdx, 3);
    EXPECT_EQ(MinuteOfPoint(plan, 3, 3), H6 + 45);
    // And the departure of train 4 to track 1 takes its arrival along.
    f = PointDragFrameOf(plan, 4, 3, 5, 165);
    place = DragPointPlace(plan, 4, 3, 5, f.Bounds, 271, 170, d.At(170));
    ASSERT_TRUE(place.Follow);
    WriteDragPlace(plan, 4, 3, 5, place);
    EXPECT_EQ(plan.Trains[4].Points[2].GlsIdx, 1);
    EXPECT_EQ(MinuteOfPoint(plan, 4, 2), H6 + 40);
    EXPECT_EQ(plan.Trains[4].Points[3].GlsIdx, 1);
    EXPECT_EQ(MinuteOfPoint(plan, 4, 3), H6 + 50);
    // Ends of a train have no partner.
    EXPECT_EQ(StopPartnerOf(1, 1), 0);
    EXPECT_EQ(StopPartnerOf(8, 4), 0);
}

// Pressed at the bottom of its box, an arrival's pixel bound reaches 4 rows
// past the following departure: the time written stops at that departure,
// whatever the zoom.
TEST(PointDragPlace, ClampKeepsStopsFromGoingNegative) {
    for (int zoom : {1, 2, 9}) {
        PlanRec p = PlanWithStations({2, 3, 2}, 6, 10, zoom);
        AddTrain(p, {{1, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 41}, {3, 1, H6 + 80}});
        MovingBench b(p);
        const PlanCnt& arr = b.Plan.Trains[1].Points[2];
        const PointDragFrame f = PointDragFrameOf(b.Plan, 1, 2, 3, arr.MarkerRect.Bottom);
        const int y = f.Bounds.Bottom;
        int minute = 0;
        ASSERT_TRUE(HoverMinuteAt(b.Plan, b.View, y, minute));
        const PointPlace place =
            DragPointPlace(b.Plan, 1, 2, 3, f.Bounds, 288, y, MinutesToTime(minute));
        ASSERT_TRUE(place.Follow) << zoom;
        EXPECT_EQ(place.Minute, H6 + 41) << "zoom " << zoom;
        if (zoom == 1) {
            EXPECT_EQ(minute, H6 + 45);
        }
    }
}

TEST(PointDragPlace, ClampedMinuteBetweenNeighbours) {
    PlanRec plan = ShapesPlan();
    const PlanZug& z = plan.Trains[3];
    struct Case {
        int Point, Minute, Expected;
    } const cases[] = {
        {1, H6 + 50, H6 + 40}, {1, H6, H6},           {2, H6 + 9, H6 + 10},
        {2, H6 + 46, H6 + 45}, {2, H6 + 45, H6 + 45}, {3, H6 + 39, H6 + 40},
        {3, H6 + 81, H6 + 80}, {4, H6 + 44, H6 + 45}, {4, 23 * 60, 23 * 60},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClampedDragMinute(z, c.Point, c.Minute), c.Expected) << c.Point;
}
