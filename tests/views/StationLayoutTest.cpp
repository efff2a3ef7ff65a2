#include "PlanFixtures.h"
#include "platform/Canvas.h"
#include "views/StationTimetableLayout.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

std::vector<StationEntry> Entries(std::initializer_list<int> minutes) {
    std::vector<StationEntry> rows;
    for (int m : minutes) {
        StationEntry e;
        e.Minute = m;
        e.Track = u"1"_s;
        e.Train = u"RE 1"_s;
        e.End = u"Endbahnhof"_s;
        e.EndMinute = m + 30;
        rows.push_back(e);
    }
    return rows;
}

int Left(const std::vector<StationEntry>& rows, int initialHour = 0) {
    return LeftColumnCount(rows.data(), int(rows.size()), StationLayoutParams{}, initialHour);
}

TEST(StationLayout, ColumnSplit) {
    // B 19, E 36: one row in hour 0 leaves a budget of 27 − 19 = 8, one in
    // hour 8 a budget of 37 − 19 = 18; both rows go left.
    EXPECT_EQ(Left(Entries({5})), 1);
    EXPECT_EQ(Left(Entries({8 * 60 + 5})), 1);
    // Four rows of hour 8: total 2·19 + 4·36 = 182, budget 91 − 19 = 72,
    // which two boxes use up exactly: the third goes right.
    EXPECT_EQ(Left(Entries({480, 490, 500, 510})), 2);
    // Five rows: total 218, budget 90: three boxes to bring it to or below 0.
    EXPECT_EQ(Left(Entries({480, 490, 500, 510, 520})), 3);
    // A new hour costs a band: 8, 8, 9, 9 gives 201, budget 81 → 45, 9, then
    // the hour-9 row takes band and box.
    EXPECT_EQ(Left(Entries({480, 490, 540, 550})), 3);
    // Two rows of hour 8: budget 36, used up exactly by the first box.
    EXPECT_EQ(Left(Entries({480, 490})), 1);
    EXPECT_EQ(Left({}), 0);
}

TEST(StationLayout, BandsAndBoxes) {
    const StationLayoutParams p;
    const std::vector<StationEntry> rows = Entries({480, 490, 500, 510});
    const TRect area{0, 0, 606, 1000};
    const std::vector<StationBoxPlace> places = StationBoxPlaces(rows.data(), 4, 2, p, area);
    const StationColumnGeometry g = StationColumns(p, area);
    EXPECT_EQ(g.Width, (606 - 60) / 2);
    EXPECT_EQ(g.RightX, 40 + g.Width);
    // The first box sits below the band of the first hour, not over it.
    EXPECT_EQ(places[0].X, 20);
    EXPECT_EQ(places[0].Y, 20 + 19);
    EXPECT_FALSE(places[0].Band);
    EXPECT_EQ(places[1].Y, 20 + 19 + 36);
    EXPECT_FALSE(places[1].Band);
    // The right column begins with a band although the hour stays the same.
    EXPECT_EQ(places[2].X, g.RightX);
    EXPECT_TRUE(places[2].Band);
    EXPECT_EQ(places[2].BandY, 20);
    EXPECT_EQ(places[2].Y, 20 + 19);
    EXPECT_FALSE(places[3].Band);
    // A new hour inside the left column gets its own band.
    const std::vector<StationEntry> two = Entries({480, 540, 600, 610});
    const auto placed = StationBoxPlaces(two.data(), 4, 2, p, area);
    EXPECT_TRUE(placed[1].Band);
    EXPECT_EQ(placed[1].BandY, 20 + 19 + 36);
    EXPECT_EQ(placed[1].Y, 20 + 19 + 36 + 19);
}

TEST(StationLayout, PaintBoxHoldsEveryBox) {
    const StationLayoutParams p;
    // h = 0, N = 1: (0 + 2)·19 + 1·36 + 60.
    const std::vector<StationEntry> one = Entries({480});
    EXPECT_EQ(StationTimetableHeight(one.data(), 1, 1, p), 134);
    // Rows spread over many hours, all bands in the left column: the estimate
    // alone would cut off the last boxes.
    std::vector<StationEntry> spread;
    for (int h = 0; h < 24; ++h)
        for (const StationEntry& e : Entries({h * 60, h * 60 + 1}))
            spread.push_back(e);
    const int n = int(spread.size());
    const int left = LeftColumnCount(spread.data(), n, p, 0);
    int bottom = 0;
    for (const StationBoxPlace& b : StationBoxPlaces(spread.data(), n, left, p, {0, 0, 606, 0}))
        bottom = std::max(bottom, b.Y + p.BoxHeight);
    EXPECT_GE(StationTimetableHeight(spread.data(), n, left, p), bottom + p.Margin);
    EXPECT_EQ(StationTimetableHeight(nullptr, 0, 0, p), 0);
}

TEST(StationLayout, DrawingShowsTheFirstHourAboveTheFirstBox) {
    QImage img(606, 300, QImage::Format_RGB32);
    img.fill(Qt::white);
    const std::vector<StationEntry> rows = Entries({480, 490, 500});
    StationLayoutParams p;
    {
        Canvas c(img);
        c.SetFont(u"MS Sans Serif"_s, 8, 0);
        p = ScreenLayoutParams(c);
        DrawStationTimetable(c, rows.data(), 3, 2, p, {0, 0, 606, 300});
    }
    const int width = (606 - 60) / 2;
    // Band of the left column: silver inside, black outline, red text.
    EXPECT_EQ(PixelAt(img, 22, 22), 0xC0C0C0u);
    EXPECT_EQ(PixelAt(img, 20, 20), 0u);
    int red = 0;
    for (int y = 20; y < 39; ++y)
        for (int x = 20; x < 20 + width; ++x)
            red += PixelAt(img, x, y) == 0x0000FFu ? 1 : 0;
    EXPECT_GT(red, 20);
    // The first box starts right below it, the time column line at x + W1.
    EXPECT_EQ(PixelAt(img, 22, 39), 0u);
    EXPECT_EQ(PixelAt(img, 20 + p.TimeColumn, 60), 0u);
    EXPECT_EQ(PixelAt(img, 20 + width - p.TrackColumn, 60), 0u);
    EXPECT_EQ(PixelAt(img, 22, 39 + 36), 0u); // second box
    // Right column: band, then its box.
    const int rx = 40 + width;
    EXPECT_EQ(PixelAt(img, rx + 2, 22), 0xC0C0C0u);
    EXPECT_EQ(PixelAt(img, rx + 2, 39), 0u);
    // Nothing below the last box of the left column.
    EXPECT_EQ(PixelAt(img, 22, 39 + 72 + 5), 0xFFFFFFu);
}

} // namespace
