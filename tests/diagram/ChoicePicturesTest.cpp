#include "PlanFixtures.h"

#include "diagram/ChoicePictures.h"
#include "diagram/ColorTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string MiddleRow(const QImage& img) {
    std::string row;
    for (int x = 0; x < img.width(); ++x)
        row += PixelAt(img, x, 6) == clBlack ? '#' : '.';
    return row;
}
} // namespace

TEST(ChoicePictures, GridStyleSamples) {
    EXPECT_TRUE(GridStyleSample(0).isNull()) << "<Ohne>";
    EXPECT_TRUE(GridStyleSample(5).isNull());
    struct Case {
        int Style;
        const char* Start;
    };
    for (Case sc : {Case{1, "########################"}, Case{2, "###...###...###...###..."},
                    Case{3, "#########......###......"}, Case{4, "##################......"}}) {
        const QImage img = GridStyleSample(sc.Style);
        ASSERT_EQ(img.size(), QSize(70, 13));
        EXPECT_EQ(MiddleRow(img).substr(0, 24), sc.Start) << sc.Style;
        for (int y : {0, 5, 7, 12})
            EXPECT_EQ(PixelAt(img, 10, y), clWhite) << sc.Style;
    }
    EXPECT_EQ(MiddleRow(GridStyleSample(1)), std::string(70, '#'));
}

TEST(ChoicePictures, ColourSwatches) {
    for (int i = 0; i < 16; ++i) {
        const QImage back = ColourSwatch(i, BackColorItems);
        if (i == 15) {
            EXPECT_TRUE(back.isNull()) << "white has no swatch";
            continue;
        }
        ASSERT_EQ(back.size(), QSize(30, 14)) << i;
        EXPECT_EQ(PixelAt(back, 15, 7), ColorOfItem(i)) << i;
        EXPECT_EQ(PixelAt(back, 0, 0), clBlack) << i;
        EXPECT_EQ(PixelAt(back, 29, 13), clBlack) << i;
        EXPECT_EQ(PixelAt(back, 1, 1), ColorOfItem(i)) << i;
        EXPECT_TRUE(back == ColourSwatch(i, TrainColorItems)) << i;
    }
    EXPECT_TRUE(ColourSwatch(15, TrainColorItems).isNull()) << "not an item of the train box";
    EXPECT_TRUE(ColourSwatch(-1, BackColorItems).isNull());
}
