#include "app/MainWindow.h"
#include "app/PlanImage.h"
#include "diagram/DiagramRenderer.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"

#include <QImage>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// Two stations, one train from station 1 at 06:10 to station 2 at 06:40.
void FillExample(PlanRec& p) {
    p.StartHour = 6;
    p.EndHour = 8;
    p.StationCount = 2;
    p.Stations[1].Abbrev = QStringLiteral("AD");
    p.Stations[1].TrackCount = 2;
    p.Stations[2].Abbrev = QStringLiteral("BF");
    p.Stations[2].TrackCount = 3;
    p.TrainCount = 1;
    PlanZug& z = p.Trains[1];
    z.InUse = true;
    z.Name = QStringLiteral("Zug #1");
    z.Color = 0x0000FF;
    z.PointCount = 2;
    z.Points[1].Time = MinutesToTime(6 * 60 + 10);
    z.Points[2].Modus = ModusArrival;
    z.Points[2].BhfIdx = 2;
    z.Points[2].GlsIdx = 2;
    z.Points[2].Time = MinutesToTime(6 * 60 + 40);
}

QImage FullRender(const TFMain& w) {
    PlanRec plan = w.Plan;
    DiagramView view = w.View;
    QImage img(plan.PlanRect.Width(), plan.PlanRect.Height(), QImage::Format_RGB32);
    Canvas c(img);
    PaintPlan(plan, view, c);
    return img;
}

} // namespace

TEST(MainWindowPaint, PaintBoxShowsTheRenderedPlan) {
    TFMain w;
    FillExample(w.Plan);
    PlanOpen = true;
    w.show();
    w.ResizePlan();
    EXPECT_EQ(w.PlanImage->size(), QSize(535, 320));
    const QImage shown = w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = FullRender(w);
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown == expected);
    EXPECT_EQ(w.Plan.Trains[1].Points[2].MarkerRect, (TRect{285, 157, 292, 164}));
    PlanOpen = false;
}

TEST(MainWindowPaint, HighlightDrawsMarkedTrainOnScreenAndBack) {
    TFMain w;
    FillExample(w.Plan);
    PlanOpen = true;
    w.show();
    w.ResizePlan();
    const QImage before = w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    w.SelTrain = 1;
    w.HighlightTrain(true);
    EXPECT_TRUE(w.TrainMarked);
    const QImage marked = w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // inner frame of the departure marker (102, 127, 109, 134) is black
    EXPECT_EQ(FromQRgb(marked.pixel(103, 128)), 0u);
    EXPECT_EQ(FromQRgb(before.pixel(103, 128)), 0x0000FFu);
    w.HighlightTrain(false);
    EXPECT_FALSE(w.TrainMarked);
    const QImage after = w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(after == before);
    PlanOpen = false;
}

TEST(MainWindowPaint, ScrolledViewShowsTheSamePixels) {
    TFMain w;
    FillExample(w.Plan);
    w.Plan.Zoom = 9;
    PlanOpen = true;
    w.show();
    w.ResizePlan();
    w.PlanBox->verticalScrollBar()->setValue(500);
    const QRect visible = w.PlanImage->visibleRegion().boundingRect();
    ASSERT_GT(visible.top(), 400);
    const QImage shown = w.PlanImage->grab(visible).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = FullRender(w);
    EXPECT_TRUE(shown == expected.copy(visible));
    // The whole paint box, visible or not, shows the same picture.
    const QImage whole = w.PlanImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(whole == expected);
    PlanOpen = false;
}
