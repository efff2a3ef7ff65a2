#include "MovingFixture.h"
#include "PlanFixtures.h"

#include "app/MainWindow.h"
#include "app/PlanImage.h"
#include "diagram/DiagramRenderer.h"
#include "editing/TrainMove.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"

#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int H6 = 6 * 60;

// A→B 06:10–06:40 (B track 2 at x 288), stop to 06:45, B→C until 07:20;
// 6 to 8 o'clock at zoom 1, so minute m after six is row 120 + m.
struct Window {
    Window() {
        PlanRec plan = PlanWithStations({2, 3, 2}, 6, 8, 1);
        AddTrain(plan, {{1, 1, H6 + 10}, {2, 2, H6 + 40}, {2, 2, H6 + 45}, {3, 1, H6 + 80}});
        w.Plan = plan;
        PlanOpen = true;
        w.show();
        w.ResizePlan();
        w.SetEditMode(EditTrains);
        w.Modified = false;
        Shown();
    }
    ~Window() { PlanOpen = false; }

    QImage Shown() { return w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage FullRender() {
        PlanRec plan = w.Plan;
        DiagramView view = w.CurrentView();
        QImage img(plan.PlanRect.Width(), plan.PlanRect.Height(), QImage::Format_RGB32);
        Canvas c(img);
        PaintPlan(plan, view, c);
        return img;
    }
    // Press at from, pointer moves along path, release at its end.
    void Drag(QPoint from, std::initializer_list<QPoint> path) {
        QTest::mouseMove(w.PlanImage, from);
        QTest::mousePress(w.PlanImage, Qt::LeftButton, {}, from);
        QPoint last = from;
        for (QPoint p : path) {
            QTest::mouseMove(w.PlanImage, p);
            last = p;
        }
        DuringDrag = Shown();
        QTest::mouseRelease(w.PlanImage, Qt::LeftButton, {}, last);
    }
    int Minute(int point) const { return RoundedMinute(w.Plan.Trains[1].Points[point].Time); }

    TFMain w;
    QImage DuringDrag;
};

QPoint Inside(const TRect& r) {
    return {r.Left + 10, r.Top + 3};
}

} // namespace

TEST(MovingWindow, PointDragMovesTheArrivalAndItsStop) {
    Window t;
    t.Drag({288, 160}, {{296, 161}, {305, 163}});
    EXPECT_EQ(t.w.Plan.Trains[1].Points[2].GlsIdx, 3);
    EXPECT_EQ(t.Minute(2), H6 + 43);
    EXPECT_EQ(t.w.Plan.Trains[1].Points[3].GlsIdx, 3);
    EXPECT_EQ(t.Minute(3), H6 + 45);
    EXPECT_EQ(t.w.Plan.Trains[1].Points[2].BhfIdx, 2);
    EXPECT_TRUE(t.w.Modified);
    EXPECT_FALSE(t.w.PointDragActive);
    const QImage full = t.FullRender();
    // The drag showed a preview, not the plan drawn anew; the release did.
    EXPECT_FALSE(t.DuringDrag == full);
    EXPECT_TRUE(t.Shown() == full);
}

TEST(MovingWindow, RunMoveKeepsItsRunningTime) {
    Window t;
    const TRect label = t.w.Plan.Trains[1].Points[4].LabelRect;
    const QPoint from = Inside(label);
    t.Drag(from, {from + QPoint(0, 4), from + QPoint(2, 10)});
    EXPECT_EQ(t.Minute(3), H6 + 55);
    EXPECT_EQ(t.Minute(4), H6 + 90);
    EXPECT_EQ(t.Minute(1), H6 + 10);
    EXPECT_EQ(t.Minute(2), H6 + 40);
    EXPECT_TRUE(t.w.Modified);
    EXPECT_FALSE(t.w.MoveArmed);
    const QImage full = t.FullRender();
    EXPECT_FALSE(t.DuringDrag == full);
    EXPECT_TRUE(t.Shown() == full);
}

TEST(MovingWindow, TrainMoveShiftsEveryPoint) {
    Window t;
    t.w.rgZugMoveTypItem[1]->setChecked(true);
    ASSERT_EQ(t.w.MoveKind, MoveTrainKind);
    const QPoint from = Inside(t.w.Plan.Trains[1].Points[2].LabelRect);
    t.Drag(from, {from - QPoint(0, 3), from - QPoint(0, 5)});
    EXPECT_EQ(t.Minute(1), H6 + 5);
    EXPECT_EQ(t.Minute(2), H6 + 35);
    EXPECT_EQ(t.Minute(3), H6 + 40);
    EXPECT_EQ(t.Minute(4), H6 + 75);
    EXPECT_TRUE(t.w.Modified);
    const QImage full = t.FullRender();
    EXPECT_FALSE(t.DuringDrag == full);
    EXPECT_TRUE(t.Shown() == full);
}
