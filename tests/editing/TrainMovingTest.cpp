#include "MovingFixture.h"
#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "editing/TrainMove.h"
#include "model/TimeOfDay.h"

#include <gtest/gtest.h>

namespace {

constexpr int H6 = 6 * 60;

PlanRec TwoRuns(int stop) {
    PlanRec plan = PlanWithStations({2, 3, 2}, 6, 10, 2);
    AddTrain(plan,
             {{1, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 40 + stop}, {3, 1, H6 + 80 + stop}});
    return plan;
}

// The picture as the screen shows it.
QImage Shot(const MovingBench& b) {
    return b.Screen.Image().copy();
}

// original with each sprite's mask combined at its current place.
QImage WithSprites(QImage original, const MovingBench& b, int count) {
    for (int k = 1; k <= count; ++k) {
        const TRunSprite& s = b.Drag.RunSprite[k];
        for (int y = s.Saved.Top; y < s.Saved.Bottom; ++y)
            for (int x = s.Saved.Left; x < s.Saved.Right; ++x)
                original.setPixel(
                    x, y, original.pixel(x, y) & s.Mask.pixel(x - s.MaskLeft, y - s.Current.Top));
    }
    return original;
}

bool SameOutside(const QImage& a, const QImage& b, const TRect& r) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!(x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) &&
                a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

void Select(MovingBench& b, int train, int point) {
    b.State.SelTrain = train;
    b.State.SelPoint = point;
}

TPoint Centre(const TRect& r) {
    return {r.Left + MarkerHalf, r.Top + MarkerHalf};
}

} // namespace

TEST(MovingPress, EmptySpaceArmsNothing) {
    MovingBench b(TwoRuns(5));
    Select(b, 1, 2);
    MovingContext m = b.Context();
    BeginRunMove(m, 20, 300);
    EXPECT_FALSE(b.State.MoveArmed);
    EXPECT_TRUE(b.Modified);
    b.Modified = false;
    b.State.MoveKind = MoveTrainKind;
    BeginTrainMove(m, 20, 300);
    EXPECT_FALSE(b.State.MoveArmed);
    EXPECT_TRUE(b.Modified);
    // Nothing selected since the plan was built: nothing at all.
    b.Modified = false;
    Select(b, 0, 0);
    BeginTrainMove(m, 20, 300);
    EXPECT_FALSE(b.State.MoveArmed);
    EXPECT_FALSE(b.Modified);
    // A departure has no name box, even at its all-zero rectangle.
    Select(b, 1, 1);
    BeginRunMove(m, 0, 0);
    EXPECT_FALSE(b.State.MoveArmed);
    // The moves do nothing unarmed.
    const QImage before = Shot(b);
    b.State.HoverTime = EncodeTime(7, 0);
    EXPECT_EQ(MoveRun(m), TRect{});
    EXPECT_EQ(MoveTrain(m), TRect{});
    EXPECT_TRUE(Shot(b) == before);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[1].Time), H6 + 10);
}

TEST(MovingPress, PointThatFitsNoSituationIsNotDragged) {
    PlanRec plan = TwoRuns(5);
    plan.Trains[1].Points[3].Richtung = RichtungLeft;
    MovingBench b(plan);
    Select(b, 1, 2);
    MovingContext m = b.Context();
    const TPoint c = Centre(b.Plan.Trains[1].Points[2].MarkerRect);
    BeginPointDrag(m, c.X, c.Y);
    EXPECT_FALSE(b.State.PointDragActive);
    EXPECT_EQ(b.State.DragVariant, 0);
    EXPECT_FALSE(b.Modified);
}

// The preview is the mask combined over the saved diagram: the new marker
// box shows black, nothing outside the preview area changes, and a move the
// drag does not follow leaves the preview where it was.
TEST(PointDragScreen, PreviewOverTheSavedDiagram) {
    MovingBench b(TwoRuns(5));
    Select(b, 1, 1);
    MovingContext m = b.Context();
    const QImage original = Shot(b);
    const TPoint c = Centre(b.Plan.Trains[1].Points[1].MarkerRect);
    BeginPointDrag(m, c.X, c.Y);
    ASSERT_TRUE(b.State.PointDragActive);
    EXPECT_EQ(b.State.DragVariant, 1);
    EXPECT_TRUE(b.Modified);
    EXPECT_TRUE(Shot(b) == original);
    // To track 2 at 06:20 (row 120 + 2 × 20).
    b.HoverAt(160);
    const TRect changed = DragPoint(m, 122, 160);
    EXPECT_EQ(changed, b.Drag.DragImageRect);
    EXPECT_EQ(b.Plan.Trains[1].Points[1].GlsIdx, 2);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[1].Time), H6 + 20);
    const QImage moved = Shot(b);
    EXPECT_EQ(PixelAt(moved, 121, 160), clBlack);
    EXPECT_EQ(PixelAt(original, 121, 160), clWhite);
    EXPECT_TRUE(SameOutside(original, moved, b.Drag.DragImageRect));
    // Inside the area the preview only darkens what was there.
    for (int y = changed.Top; y < changed.Bottom; ++y)
        for (int x = changed.Left; x < changed.Right; ++x)
            ASSERT_EQ(moved.pixel(x, y) & ~original.pixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
    // Past the arrival (06:40, row 200): not followed, the preview stays.
    b.HoverAt(202);
    DragPoint(m, 122, 202);
    EXPECT_TRUE(Shot(b) == moved);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[1].Time), H6 + 20);
    // Back to where it was: the preview sits on the train itself.
    b.HoverAt(c.Y);
    DragPoint(m, c.X, c.Y);
    EXPECT_EQ(PixelAt(Shot(b), 121, 160), clWhite);
}

TEST(RunMoveScreen, SpriteFollowsAndLeavesNothingBehind) {
    MovingBench b(TwoRuns(5));
    Select(b, 1, 2);
    MovingContext m = b.Context();
    const QImage original = Shot(b);
    const TRect label = b.Plan.Trains[1].Points[2].LabelRect;
    b.HoverAt(label.Top + 2);
    b.State.PrevHoverTime = b.State.HoverTime;
    BeginRunMove(m, label.Left + 10, label.Top + 2);
    ASSERT_TRUE(b.State.MoveArmed);
    const TRect start = b.Drag.RunSprite[1].Current;
    // Three minutes down (six rows at zoom 2).
    b.HoverAt(label.Top + 8);
    const TRect changed = MoveRun(m);
    b.State.PrevHoverTime = b.State.HoverTime;
    EXPECT_TRUE(b.State.DragMoved);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[1].Time), H6 + 13);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[2].Time), H6 + 43);
    const TRect now = b.Drag.RunSprite[1].Current;
    EXPECT_EQ(now.Top, start.Top + 6);
    EXPECT_EQ(now.Bottom, start.Bottom + 6);
    EXPECT_EQ(changed, (TRect{start.Left, start.Top, start.Right, now.Bottom}));
    const QImage moved = Shot(b);
    EXPECT_TRUE(moved == WithSprites(original, b, 1));
    EXPECT_TRUE(SameOutside(original, moved, changed));
    // Past the following departure (06:45): ignored, nothing changes.
    b.HoverAt(label.Top + 14);
    EXPECT_EQ(MoveRun(m), TRect{});
    b.State.PrevHoverTime = b.State.HoverTime;
    EXPECT_TRUE(Shot(b) == moved);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[2].Time), H6 + 43);
    // Back up to the start: the diagram under the old place came back.
    b.HoverAt(label.Top + 8);
    MoveRun(m);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[2].Time), H6 + 40);
    EXPECT_TRUE(Shot(b) == WithSprites(original, b, 1));
}

// With stops of no length the sprites of neighbouring runs overlap; moving
// them away and back must leave the diagram exactly as a fresh combination.
TEST(TrainMoveScreen, OverlappingSpritesComeOffCleanly) {
    MovingBench b(TwoRuns(0));
    Select(b, 1, 4);
    b.State.MoveKind = MoveTrainKind;
    MovingContext m = b.Context();
    const QImage original = Shot(b);
    const TRect label = b.Plan.Trains[1].Points[4].LabelRect;
    b.HoverAt(label.Top);
    b.State.PrevHoverTime = b.State.HoverTime;
    BeginTrainMove(m, label.Left + 1, label.Top);
    ASSERT_TRUE(b.State.MoveArmed);
    ASSERT_EQ(b.Drag.SpriteCount, 2);
    const int steps[] = {8, 4, -6, -6};
    int y = label.Top;
    for (int s : steps) {
        y += s;
        b.HoverAt(y);
        MoveTrain(m);
        b.State.PrevHoverTime = b.State.HoverTime;
        ASSERT_TRUE(Shot(b) == WithSprites(original, b, 2)) << y;
    }
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[1].Time), H6 + 10);
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[4].Time), H6 + 80);
    // Up past the start hour: refused, the whole train stays.
    b.HoverAt(label.Top - 2 * 40);
    EXPECT_EQ(MoveTrain(m), TRect{});
    EXPECT_EQ(RoundedMinute(b.Plan.Trains[1].Points[1].Time), H6 + 10);
}
