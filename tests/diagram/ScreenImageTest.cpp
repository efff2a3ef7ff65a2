#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "diagram/ScreenImage.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

namespace {

QImage Part(const QImage& whole, const TRect& r) {
    return whole.copy(r.Left, r.Top, r.Width(), r.Height());
}

class ScreenImageTest : public testing::Test {
protected:
    void SetUp() override {
        Plan = GeneratedPlan(8, 3, 12, 40, 2);
        Plan.BackColor = clTeal;
        Plan.Stations[3].Marked = true;
        Whole = RenderScreen(Plan, View);
    }
    PlanRec Plan;
    DiagramView View;
    QImage Whole;
};

} // namespace

// Regions cut through texts, lines, name boxes and the grid.
TEST_F(ScreenImageTest, RedrawnRegionEqualsFullRender) {
    const TRect viewports[] = {{0, 0, 640, 480}, {333, 517, 1013, 1231}, {71, 95, 380, 211}};
    for (const TRect& vp : viewports) {
        ScreenImage screen;
        screen.SetViewport(vp);
        screen.Validate(Plan, View, true);
        EXPECT_TRUE(screen.IsValid());
        EXPECT_TRUE(screen.Image() == Part(Whole, vp)) << vp.Left << "," << vp.Top;
    }
    // one exposed strip drawn over a scrambled image
    ScreenImage screen;
    const TRect vp{200, 300, 900, 800};
    screen.SetViewport(vp);
    screen.Validate(Plan, View, true);
    const TRect strip{413, 350, 611, 777};
    {
        auto c = screen.OpenCanvas();
        c->SetBrushColor(clFuchsia);
        c->FillRect(strip);
    }
    screen.Redraw(Plan, View, strip, true);
    EXPECT_TRUE(screen.Image() == Part(Whole, vp));
}

TEST_F(ScreenImageTest, ScrollKeepsPixelsAndRedrawsTheRest) {
    ScreenImage screen;
    screen.SetViewport({0, 0, 500, 400});
    screen.Validate(Plan, View, true);
    for (const TRect& vp :
         {TRect{37, 113, 537, 513}, TRect{600, 900, 1100, 1300}, TRect{590, 880, 1090, 1280}}) {
        screen.SetViewport(vp);
        EXPECT_FALSE(screen.IsValid());
        screen.Validate(Plan, View, true);
        EXPECT_TRUE(screen.Image() == Part(Whole, vp)) << vp.Left << "," << vp.Top;
    }
}

// Direct drawing stays until its part is invalidated; a highlight drawn
// through the image equals the same highlight drawn on the whole canvas.
TEST_F(ScreenImageTest, DirectDrawingAndInvalidation) {
    View.SelTrain = 5;
    QImage wholeMarked = Whole;
    {
        DiagramView v = View;
        Canvas c(wholeMarked);
        HighlightTrain(Plan, v, c, true);
    }
    ASSERT_FALSE(wholeMarked == Whole);

    const TRect vp{100, 150, 1100, 1050};
    ScreenImage screen;
    screen.SetViewport(vp);
    screen.Validate(Plan, View, true);
    {
        auto c = screen.OpenCanvas();
        HighlightTrain(Plan, View, *c, true);
    }
    screen.Validate(Plan, View, true);
    EXPECT_TRUE(screen.Image() == Part(wholeMarked, vp)) << "kept while valid";

    screen.Invalidate({0, 0, 100000, 100000});
    View.TrainMarked = false;
    screen.Validate(Plan, View, true);
    EXPECT_TRUE(screen.Image() == Part(Whole, vp)) << "drawn anew";
}

// A drag preview: a mask combined by AND at a canvas rectangle lands on the
// image where that rectangle is visible.
TEST_F(ScreenImageTest, BlitsInCanvasCoordinates) {
    const TRect vp{300, 400, 700, 700};
    ScreenImage screen;
    screen.SetViewport(vp);
    screen.Validate(Plan, View, true);
    QImage mask(40, 20, QImage::Format_RGB32);
    mask.fill(Qt::white);
    mask.setPixel(5, 5, qRgb(0, 0, 0));
    const TRect at{320, 410, 360, 430};
    {
        auto c = screen.OpenCanvas();
        c->CopyRect(at, mask, {0, 0, 40, 20}, TCopyMode::And);
    }
    const TRect img = screen.ToImage(at);
    EXPECT_EQ(img, (TRect{20, 10, 60, 30}));
    EXPECT_EQ(PixelAt(screen.Image(), img.Left + 5, img.Top + 5), 0u);
    EXPECT_EQ(PixelAt(screen.Image(), img.Left + 6, img.Top + 5),
              PixelAt(Whole, at.Left + 6, at.Top + 5));
}

TEST_F(ScreenImageTest, NoPlanOpenShowsWhite) {
    ScreenImage screen;
    screen.SetViewport({0, 0, 50, 40});
    screen.Validate(Plan, View, false);
    QImage white(50, 40, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(screen.Image() == white);
    EXPECT_EQ(screen.ToImage({40, 30, 70, 70}), (TRect{40, 30, 50, 40}));
    EXPECT_EQ(screen.ToImage({60, 0, 70, 10}), TRect{});
    ScreenImage empty;
    EXPECT_EQ(empty.OpenCanvas(), nullptr);
}
