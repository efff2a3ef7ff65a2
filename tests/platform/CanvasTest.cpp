#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor White = 0xFFFFFF;
constexpr TColor Black = 0x000000;
constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

QImage Blank(int w, int h, TColor c = White) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ToQColor(c));
    return img;
}

TColor At(const QImage& img, int x, int y) {
    return FromQRgb(img.pixel(x, y));
}

} // namespace

TEST(CanvasColours, ConvertsBgrValues) {
    const QColor c = ToQColor(0x00804020);
    EXPECT_EQ(c.red(), 0x20);
    EXPECT_EQ(c.green(), 0x40);
    EXPECT_EQ(c.blue(), 0x80);
    EXPECT_EQ(FromQRgb(c.rgb()), 0x00804020u);
}

TEST(CanvasFunctions, RectHelpers) {
    EXPECT_EQ(RectOfSize(10, 20, 5, 7), (TRect{10, 20, 15, 27}));
    EXPECT_EQ(ShrinkRect({10, 20, 15, 27}, 1), (TRect{11, 21, 14, 26}));
    const TRect r{10, 20, 15, 27};
    EXPECT_TRUE(PointInRect(10, 20, r));
    EXPECT_TRUE(PointInRect(15, 27, r));
    EXPECT_FALSE(PointInRect(16, 27, r));
    EXPECT_FALSE(PointInRect(10, 19, r));
}

TEST(CanvasFill, CoversLeftToRightMinusOne) {
    QImage img = Blank(20, 20);
    {
        Canvas c(img);
        c.SetBrushColor(Black);
        c.SetBrushStyle(TBrushStyle::Clear);
        FillRectColor(Red, {2, 3, 7, 9}, c);
        EXPECT_EQ(c.BrushStyle(), TBrushStyle::Solid);
        EXPECT_EQ(c.BrushColor(), Black);
    }
    EXPECT_EQ(At(img, 2, 3), Red);
    EXPECT_EQ(At(img, 6, 8), Red);
    EXPECT_EQ(At(img, 7, 8), White);
    EXPECT_EQ(At(img, 6, 9), White);
    EXPECT_EQ(At(img, 1, 3), White);
    EXPECT_EQ(At(img, 2, 2), White);
}

struct LineCase {
    int x1, y1, x2, y2;
};

class CanvasLine : public testing::TestWithParam<LineCase> {};

TEST_P(CanvasLine, LeavesOutEndPoint) {
    const LineCase l = GetParam();
    QImage img = Blank(40, 40);
    {
        Canvas c(img);
        c.SetPenColor(Blue);
        LineColor(Black, c, l.x1, l.y1, l.x2, l.y2);
        EXPECT_EQ(c.PenColor(), Blue);
    }
    EXPECT_EQ(At(img, l.x1, l.y1), Black);
    EXPECT_EQ(At(img, l.x2, l.y2), White);
    // the pixel before the end is drawn
    const int dx = (l.x2 > l.x1) - (l.x2 < l.x1);
    const int dy = (l.y2 > l.y1) - (l.y2 < l.y1);
    if (std::abs(l.x2 - l.x1) == std::abs(l.y2 - l.y1) || l.x1 == l.x2 || l.y1 == l.y2) {
        EXPECT_EQ(At(img, l.x2 - dx, l.y2 - dy), Black);
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, CanvasLine,
                         testing::Values(LineCase{5, 5, 30, 5}, LineCase{30, 5, 5, 5},
                                         LineCase{5, 5, 5, 30}, LineCase{5, 30, 5, 5},
                                         LineCase{5, 5, 25, 25}, LineCase{25, 25, 5, 5},
                                         LineCase{5, 25, 25, 5}, LineCase{3, 4, 33, 19},
                                         LineCase{33, 19, 3, 4}));

TEST(CanvasLine, VertLineLengthCountsPixels) {
    QImage img = Blank(10, 60);
    {
        Canvas c(img);
        VertLine(Black, c, {4, 10}, 40);
    }
    EXPECT_EQ(At(img, 4, 10), Black);
    EXPECT_EQ(At(img, 4, 49), Black);
    EXPECT_EQ(At(img, 4, 50), White);
    EXPECT_EQ(At(img, 4, 9), White);
}

// A row of a horizontal line of the given style as a string of '#' and '.'.
std::string StyledRow(int style) {
    QImage img = Blank(80, 3);
    {
        Canvas c(img);
        HorzLine(Black, c, {0, 1}, style, 72);
    }
    std::string row;
    for (int x = 0; x < 73; ++x)
        row += At(img, x, 1) == Black ? '#' : '.';
    return row;
}

TEST(CanvasLine, PenStylesHaveWindowsDashLengths) {
    EXPECT_EQ(StyledRow(1), std::string(72, '#') + ".");
    EXPECT_EQ(StyledRow(2).substr(0, 12), "###...###...");
    EXPECT_EQ(StyledRow(3).substr(0, 24), "#########......###......");
    EXPECT_EQ(StyledRow(4).substr(0, 24), "##################......");
}

TEST(CanvasLine, UnknownStyleKeepsCurrentOne) {
    QImage img = Blank(40, 3);
    Canvas c(img);
    c.SetPenStyle(TPenStyle::Dash);
    HorzLine(Black, c, {0, 1}, 7, 30);
    EXPECT_EQ(c.PenStyle(), TPenStyle::Dash);
    c.Painter().end();
    EXPECT_EQ(At(img, 19, 1), White);
}

TEST(CanvasFrame, DrawsToRightAndBottomEdges) {
    QImage img = Blank(20, 20);
    {
        Canvas c(img);
        FrameRectColor(Red, {2, 2, 8, 6}, c);
        EXPECT_EQ(c.PenColor(), Red);
    }
    EXPECT_EQ(At(img, 2, 2), Red);
    EXPECT_EQ(At(img, 8, 2), Red);
    EXPECT_EQ(At(img, 8, 6), Red);
    EXPECT_EQ(At(img, 2, 6), Red);
    EXPECT_EQ(At(img, 5, 4), White);
    EXPECT_EQ(At(img, 9, 6), White);
}

TEST(CanvasText, OpaqueTextFillsItsExtent) {
    QImage img = Blank(100, 30);
    int w = 0, h = 0;
    {
        Canvas c(img);
        ResetCanvasFont(c);
        w = TextWidthOf(QStringLiteral("7.00 Uhr"), c);
        h = TextHeightOf(QStringLiteral("7.00 Uhr"), c);
        EXPECT_EQ(TextWidthOf(QString(), c), 0);
        EXPECT_EQ(TextHeightOf(QString(), c), 0);
        TextAt(White, Blue, c, AlignLeftAt, QStringLiteral("7.00 Uhr"), {10, 5});
    }
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 8);
    EXPECT_EQ(At(img, 10, 5), Blue);
    EXPECT_EQ(At(img, 10 + w - 1, 5 + h - 1), Blue);
    EXPECT_EQ(At(img, 10 + w, 5), White);
    EXPECT_EQ(At(img, 10, 5 + h), White);
    int whitePixels = 0;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 10; x < 10 + w; ++x)
            whitePixels += At(img, x, y) == White;
    EXPECT_GT(whitePixels, 10);
}

TEST(CanvasText, AlignmentPlacesTextAroundX) {
    for (int align : {AlignLeftAt, AlignRightAt, AlignCentreAt}) {
        QImage img = Blank(200, 30);
        int w = 0;
        {
            Canvas c(img);
            w = c.TextWidth(QStringLiteral("ABC"));
            TextAt(Black, Red, c, align, QStringLiteral("ABC"), {100, 5});
        }
        const int left = align == AlignLeftAt ? 100 : align == AlignRightAt ? 100 - w : 100 - w / 2;
        EXPECT_EQ(At(img, left, 5), Red) << align;
        EXPECT_EQ(At(img, left - 1, 5), White) << align;
        EXPECT_EQ(At(img, left + w - 1, 5), Red) << align;
        EXPECT_EQ(At(img, left + w, 5), White) << align;
    }
}

TEST(CanvasFont, SetAndReset) {
    QImage img = Blank(10, 10);
    Canvas c(img);
    SetCanvasFont(QString(), 10, fsBold, c);
    EXPECT_EQ(c.FontName(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(c.FontSize(), 10);
    EXPECT_EQ(c.FontStyle(), fsBold);
    SetCanvasFont(QStringLiteral("Arial"), 8, 0, c);
    EXPECT_EQ(c.FontName(), QStringLiteral("Arial"));
    ResetCanvasFont(c);
    EXPECT_EQ(c.FontName(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(c.FontSize(), 8);
    EXPECT_EQ(c.FontStyle(), 0);
}

TEST(CanvasBlit, CopyAndXorAndAnd) {
    QImage src = Blank(4, 4, 0x00F0F0F0);
    QImage dst = Blank(10, 10, 0x000F0FFF);
    {
        Canvas c(dst);
        c.CopyRect({0, 0, 4, 4}, src, {0, 0, 4, 4}, TCopyMode::Copy);
        c.CopyRect({4, 0, 8, 4}, src, {0, 0, 4, 4}, TCopyMode::Xor);
        c.CopyRect({0, 4, 4, 8}, src, {0, 0, 4, 4}, TCopyMode::And);
    }
    EXPECT_EQ(At(dst, 3, 3), 0x00F0F0F0u);
    EXPECT_EQ(At(dst, 4, 0), 0x00FFFF0Fu);
    EXPECT_EQ(At(dst, 0, 4), 0x000000F0u);
    EXPECT_EQ(At(dst, 8, 0), 0x000F0FFFu);
}

TEST(CanvasOrigin, ShiftsDrawing) {
    QImage img = Blank(20, 20);
    {
        Canvas c(img);
        c.SetOrigin(100, 200);
        FillRectColor(Red, {102, 203, 105, 206}, c);
    }
    EXPECT_EQ(At(img, 2, 3), Red);
    EXPECT_EQ(At(img, 4, 5), Red);
    EXPECT_EQ(At(img, 5, 5), White);
}

// A picture drawn in bands (origin shifted, clipped to the band) must equal
// the same picture drawn at once, including dashed and diagonal lines.
TEST(CanvasOrigin, BandsMatchWholePicture) {
    auto draw = [](Canvas& c) {
        LineColor(Black, c, 3, 2, 97, 291);
        LineColor(Red, c, 95, 5, 7, 280);
        HorzLine(Blue, c, {1, 150}, 3, 90);
        VertLine(Black, c, {50, 0}, 300);
        c.SetPenStyle(TPenStyle::Dash);
        LineColor(Black, c, 0, 299, 99, 0);
    };
    QImage whole = Blank(100, 300);
    {
        Canvas c(whole);
        draw(c);
    }
    QImage banded = Blank(100, 300);
    for (int top = 0; top < 300; top += 37) {
        const int h = std::min(37, 300 - top);
        QImage band = Blank(100, h);
        {
            Canvas c(band);
            c.SetOrigin(0, top);
            draw(c);
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 100; ++x)
                banded.setPixel(x, top + y, band.pixel(x, y));
    }
    EXPECT_TRUE(whole == banded);
}

TEST(CanvasVisible, MayShowFollowsOriginAndClip) {
    QImage img = Blank(100, 50);
    Canvas c(img);
    EXPECT_TRUE(c.MayShow({0, 0, 1, 1}));
    EXPECT_FALSE(c.MayShow({100, 0, 120, 10}));
    c.SetOrigin(1000, 2000);
    EXPECT_FALSE(c.MayShow({0, 0, 10, 10}));
    EXPECT_TRUE(c.MayShow({1099, 2049, 1200, 2100}));
    EXPECT_FALSE(c.MayShow({1100, 2000, 1200, 2100}));
    c.SetClipRect({1010, 2010, 1020, 2020});
    EXPECT_FALSE(c.MayShow({1000, 2000, 1010, 2050}));
    EXPECT_TRUE(c.MayShow({1000, 2000, 1011, 2011}));
    c.SetClipRect({});
    EXPECT_TRUE(c.MayShow({1000, 2000, 1011, 2011}));
}

// Pen and brush reach the painter late; what is drawn through it (other
// devices, ellipses, polygons) must still use the latest state.
TEST(CanvasState, LatePenAndBrushStillApply) {
    QImage img(40, 20, QImage::Format_RGB16);
    img.fill(Qt::white);
    {
        Canvas c(img);
        c.SetPenColor(Blue);
        c.SetPenColor(Red);
        LineColor(Black, c, 0, 5, 30, 5);
        c.MoveTo(0, 10);
        c.LineTo(30, 10);
        c.SetBrushColor(Blue);
        c.SetPenColor(Black);
        const TPoint tri[] = {{20, 12}, {30, 12}, {30, 19}};
        c.Polygon(tri, 3);
    }
    EXPECT_EQ(At(img, 10, 5), Black);
    EXPECT_EQ(At(img, 10, 10), Red);
    EXPECT_EQ(At(img, 30, 12), Black);
    EXPECT_EQ(At(img, 28, 14), Blue);
}

// Items wholly outside the visible part are skipped, partly visible ones
// drawn exactly as without a clip.
TEST(CanvasVisible, ClippedTextAndPolygonMatchWhole) {
    auto draw = [](Canvas& c) {
        TextAt(Black, Red, c, AlignCentreAt, QStringLiteral("Zug #12"), {50, 20});
        c.SetBrushColor(Blue);
        const TPoint tri[] = {{10, 40}, {60, 45}, {10, 55}};
        c.Polygon(tri, 3);
        FillRectColor(Red, {70, 30, 95, 60}, c);
    };
    QImage whole = Blank(100, 70);
    {
        Canvas c(whole);
        draw(c);
    }
    // The last two start at the triangle's rightmost columns.
    for (const TRect& clip : {TRect{0, 0, 100, 24}, TRect{37, 18, 80, 50}, TRect{0, 44, 50, 70},
                              TRect{59, 30, 69, 60}, TRect{60, 30, 69, 60}}) {
        QImage part = Blank(100, 70);
        {
            Canvas c(part);
            c.SetClipRect(clip);
            draw(c);
        }
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 100; ++x) {
                const bool inside =
                    PointInRect(x, y, {clip.Left, clip.Top, clip.Right - 1, clip.Bottom - 1});
                ASSERT_EQ(At(part, x, y), inside ? At(whole, x, y) : White) << x << "," << y;
            }
    }
}

TEST(CanvasState, PainterCarriesTheCanvasState) {
    QImage img = Blank(20, 20);
    Canvas c(img);
    c.SetPenColor(Red);
    c.SetBrushColor(Blue);
    EXPECT_EQ(c.Painter().pen().color(), ToQColor(Red));
    EXPECT_EQ(c.Painter().brush().color(), ToQColor(Blue));
    c.Painter().setPen(Qt::green);
    c.Ellipse({2, 2, 12, 12});
    c.Painter().end();
    EXPECT_EQ(At(img, 2, 7), Red) << "the canvas pen again";
    EXPECT_EQ(At(img, 7, 7), Blue);
}
