#include "PlanSupport.h"
#include "ScriptedRunner.h"
#include "app/MainWindow.h"
#include "app/PlanImage.h"
#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "platform/Canvas.h"

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The main window on a drawn plan of three stations with one train.
struct EditingWindow : testing::Test {
    void SetUp() override {
        w.Plan = PlanWithStations({2, 1, 2}, 6, 8, 1);
        AddRun(w.Plan, clRed, 1, 1, 6, 10, 2, 1, 6, 40, RichtungRight);
        PlanOpen = true;
        w.DocState = DocNew;
        // as a made or opened plan leaves the window
        w.EnablePlanCommands(true);
        w.PageControl1->setEnabled(true);
        w.show();
        w.ResizePlan();
        Shown();
    }
    QImage Shown() { return w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage FullRender() {
        PlanRec plan = w.Plan;
        DiagramView view = w.View;
        view.TrainMarked = w.TrainMarked;
        view.SelTrain = w.SelTrain;
        QImage img(plan.PlanRect.Width(), plan.PlanRect.Height(), QImage::Format_RGB32);
        Canvas c(img);
        PaintPlan(plan, view, c);
        return img;
    }
    QPoint Marker(int train, int point) {
        const TRect r = w.Plan.Trains[train].Points[point].MarkerRect;
        return {r.Left + 3, r.Top + 3};
    }
    QPoint TrackPoint(int b, int g, int minutes) {
        return {w.Plan.Stations[b].Tracks[g].X, w.View.TimeTop + minutes * w.Plan.Zoom};
    }
    void Release(Qt::MouseButton button, QPoint p) {
        QTest::mouseMove(w.PlanImage, p);
        QTest::mouseRelease(w.PlanImage, button, {}, p);
    }

    ScriptedRunner runner;
    TFMain w;
};

} // namespace

TEST_F(EditingWindow, PressesInModesZeroAndThreeChangeNothing) {
    for (std::uint8_t mode : {EditNone, EditStations}) {
        w.SetEditMode(mode);
        const QImage before = Shown();
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
            QTest::mousePress(w.PlanImage, b, {}, Marker(1, 2));
        EXPECT_EQ(w.SelTrain, 0) << int(mode);
        EXPECT_FALSE(w.TrainMarked) << int(mode);
        EXPECT_TRUE(Shown() == before) << int(mode);
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
            QTest::mouseRelease(w.PlanImage, b, {}, Marker(1, 2));
    }
}

TEST_F(EditingWindow, RightPressSelectsAndItsReleaseUnmarksInModeTwo) {
    w.SetEditMode(EditTrains);
    const QImage before = Shown();
    QTest::mousePress(w.PlanImage, Qt::RightButton, {}, Marker(1, 2));
    EXPECT_EQ(w.SelTrain, 1);
    EXPECT_EQ(w.SelPoint, 2);
    EXPECT_TRUE(w.TrainMarked);
    EXPECT_TRUE(Shown() == FullRender());
    EXPECT_FALSE(Shown() == before);
    QTest::mouseRelease(w.PlanImage, Qt::RightButton, {}, Marker(1, 2));
    EXPECT_FALSE(w.TrainMarked);
    EXPECT_EQ(w.SelTrain, 1);
    EXPECT_TRUE(Shown() == before);
}

TEST_F(EditingWindow, LeftReleasesInModeOneLayAndDrawTheTrain) {
    w.NewTrainBtnClick();
    ASSERT_EQ(w.EditMode, EditInsertTrain);
    EXPECT_FALSE(w.NewTrainBtn->isEnabled());
    Release(Qt::LeftButton, TrackPoint(2, 1, 50));
    ASSERT_EQ(w.Plan.Trains[2].PointCount, 1) << w.InsertError.toStdString();
    EXPECT_EQ(w.TimeLabel->text(), QStringLiteral("  06:50:00 Uhr"));
    EXPECT_EQ(w.BhfLabel->text(), QStringLiteral("  Bahnhof: Station 2"));
    const QPoint dep = Marker(2, 1);
    EXPECT_EQ(FromQRgb(Shown().pixel(dep)), clBlue);
    Release(Qt::LeftButton, TrackPoint(3, 2, 70));
    ASSERT_EQ(w.Plan.Trains[2].PointCount, 2);
    // the run drawn at once looks as the full drawing draws it
    // The run drawn at once looks as the full drawing draws it, but for
    // its name box, which insertion only outlines: the grid shows through.
    {
        const QImage shown = Shown();
        const QImage full = FullRender();
        ASSERT_EQ(shown.size(), full.size());
        const TRect box = w.Plan.Trains[2].Points[2].LabelRect;
        int grid = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const TColor a = FromQRgb(shown.pixel(x, y));
                const TColor b = FromQRgb(full.pixel(x, y));
                if (a == b)
                    continue;
                const bool inside = box.Left < x && x < box.Right && box.Top < y && y < box.Bottom;
                ASSERT_TRUE(inside && b == w.Plan.BackColor) << x << "," << y;
                ++grid;
            }
        EXPECT_GT(grid, 0);
    }
    // the header strip answers while inserting, and the insertion goes on
    const TRect h = w.Plan.Stations[1].HeaderRect;
    Release(Qt::LeftButton, {h.Left + 2, h.Top + 2});
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Text, QStringLiteral("Zug einfügen ist noch nicht beendet"));
    EXPECT_EQ(w.EditMode, EditInsertTrain);
    EXPECT_FALSE(w.Plan.Stations[1].Marked);
    // a trailing departure is dropped by the right release
    Release(Qt::LeftButton, TrackPoint(3, 2, 75));
    Release(Qt::RightButton, TrackPoint(3, 2, 80));
    EXPECT_EQ(w.EditMode, EditTrains);
    EXPECT_TRUE(w.NewTrainBtn->isEnabled());
    EXPECT_EQ(w.Plan.Trains[2].PointCount, 2);
    EXPECT_EQ(w.SelTrain, 2);
    EXPECT_TRUE(w.TrainMarked);
    EXPECT_TRUE(w.Modified);
    // what the paint box shows is the plan drawn anew with the train marked
    EXPECT_TRUE(Shown() == FullRender());
}

TEST_F(EditingWindow, AHeaderClickMarksTheStationRed) {
    const TRect h = w.Plan.Stations[2].HeaderRect;
    Release(Qt::LeftButton, {h.Left + 1, h.Top + 1});
    EXPECT_TRUE(w.Plan.Stations[2].Marked);
    EXPECT_EQ(w.EditMode, EditStations);
    EXPECT_EQ(FromQRgb(Shown().pixel(h.Left + 1, h.Top + 1)), clRed);
    Release(Qt::LeftButton, {h.Left + 1, h.Top + 1});
    EXPECT_FALSE(w.Plan.Stations[2].Marked);
    EXPECT_EQ(w.EditMode, EditTrains);
    EXPECT_EQ(FromQRgb(Shown().pixel(h.Left + 1, h.Top + 1)), clBlue);
}
