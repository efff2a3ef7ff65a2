#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "export/Palette16.h"
#include "export/PictureExport.h"

#include "TempDir.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

QByteArray ReadAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::uint32_t U32(const QByteArray& b, int at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t U16(const QByteArray& b, int at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

// The 16 colours of the standard palette as 0x00BBGGRR values, in its order.
const TColor Standard[16] = {clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                             clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                             clBlue,  clFuchsia, clAqua,   clWhite};

class PictureExportTest : public testing::Test {
protected:
    void SetUp() override {
        // Several bands of the default height, every kind of element.
        Plan = GeneratedPlan(4, 3, 6, 20, 1);
        Plan.BackColor = clOlive;
        Plan.Stations[2].Marked = true;
        Plan.PlanDescription = QStringLiteral("nicht im Bild");
        View.TrainMarked = true;
        View.SelTrain = 2;
    }
    QString Export(const char* name, int bandRows) {
        const QString file = Dir.File(QString::fromUtf8(name));
        EXPECT_EQ(ExportPicture(Plan, View, file, bandRows), QString()) << name;
        return file;
    }
    TempDir Dir;
    PlanRec Plan;
    DiagramView View;
};

} // namespace

TEST(Palette16, HoldsTheColourTable) {
    for (int i = 0; i < 16; ++i) {
        const QRgb p = PaletteColour(i);
        EXPECT_EQ(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16), static_cast<int>(Standard[i]));
        const TColor c = ColorTableEntry(i);
        const int idx = NearestPaletteIndex(qRgb(c & 0xFF, (c >> 8) & 0xFF, c >> 16));
        EXPECT_EQ(Standard[idx], c) << i;
    }
    EXPECT_EQ(NearestPaletteIndex(qRgb(250, 10, 5)), 9) << "near red";
    EXPECT_EQ(NearestPaletteIndex(qRgb(100, 100, 100)), 7) << "near gray";
    // Exactly between two colours: the lower index; one step off: the nearer.
    EXPECT_EQ(NearestPaletteIndex(qRgb(64, 0, 0)), 0) << "black | maroon";
    EXPECT_EQ(NearestPaletteIndex(qRgb(65, 0, 0)), 1) << "nearer maroon";
    EXPECT_EQ(NearestPaletteIndex(qRgb(63, 0, 0)), 0) << "nearer black";
    EXPECT_EQ(NearestPaletteIndex(qRgb(160, 160, 160)), 7) << "gray | silver";
    EXPECT_EQ(NearestPaletteIndex(qRgb(161, 161, 161)), 8) << "nearer silver";
}

// Any pixel that is not a palette colour is found wherever it lies in a
// row, in the four-pixel steps as well as in the tail.
TEST(Palette16, ReducesOddPixelsAnywhere) {
    const QRgb odd[] = {0xFF80FF00, 0xFFC0C000, 0xFF7F7F7F, 0xFFFE0000,
                        0xFF123456, 0xFFC0C0C1, 0xFF0080FF, 0xFF40C0FF};
    for (QRgb o : odd) {
        const int nearest = NearestPaletteIndex(o);
        for (int at = 0; at < 11; ++at) {
            QRgb row[11];
            std::uint8_t idx[11];
            for (int x = 0; x < 11; ++x)
                row[x] = PaletteColour((x * 5) % 16);
            row[at] = o;
            IndexRow(row, 11, idx);
            ReduceRowInPlace(row, 11);
            for (int x = 0; x < 11; ++x) {
                const int want = x == at ? nearest : (x * 5) % 16;
                EXPECT_EQ(row[x], PaletteColour(want)) << std::hex << o << " at " << at;
                EXPECT_EQ(idx[x], want) << std::hex << o << " at " << at;
            }
        }
    }
    QRgb all[16];
    for (int i = 0; i < 16; ++i)
        all[i] = PaletteColour(15 - i);
    ReduceRowInPlace(all, 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(all[i], PaletteColour(15 - i));
}

TEST_F(PictureExportTest, BmpHeaderPaletteAndPixels) {
    const QString file = Export("plan.bmp", PictureBands::DefaultBandRows);
    const QByteArray b = ReadAll(file);
    PlanRec plan = Plan;
    ResizePlan(plan);
    const int w = plan.PlanRect.Width();
    const int h = plan.PlanRect.Height();
    ASSERT_GT(h, 3 * PictureBands::DefaultBandRows);
    const int rowBytes = ((w * 4 + 31) / 32) * 4;
    ASSERT_EQ(b.size(), 118 + rowBytes * h);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(U32(b, 2), static_cast<std::uint32_t>(b.size()));
    EXPECT_EQ(U32(b, 10), 118u) << "pixel data after the palette";
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), static_cast<std::uint32_t>(w));
    EXPECT_EQ(U32(b, 22), static_cast<std::uint32_t>(h)) << "bottom-up";
    EXPECT_EQ(U16(b, 26), 1);
    EXPECT_EQ(U16(b, 28), 4) << "4 bits per pixel";
    EXPECT_EQ(U32(b, 30), 0u) << "uncompressed";
    EXPECT_EQ(U32(b, 34), static_cast<std::uint32_t>(rowBytes * h));
    EXPECT_EQ(U32(b, 46), 16u);
    for (int i = 0; i < 16; ++i) {
        const TColor c = Standard[i];
        EXPECT_EQ(static_cast<unsigned char>(b[54 + 4 * i]), c >> 16) << i;
        EXPECT_EQ(static_cast<unsigned char>(b[55 + 4 * i]), (c >> 8) & 0xFF) << i;
        EXPECT_EQ(static_cast<unsigned char>(b[56 + 4 * i]), c & 0xFF) << i;
        EXPECT_EQ(b[57 + 4 * i], 0) << i;
    }
    // every pixel is the whole-canvas output drawing's colour
    DiagramView view = View;
    const QImage whole = RenderOutput(plan, view);
    bool same = true;
    for (int y = 0; y < h && same; ++y) {
        const char* row = b.constData() + 118 + (h - 1 - y) * rowBytes;
        for (int x = 0; x < w; ++x) {
            const int nibble = (static_cast<unsigned char>(row[x / 2]) >> (x % 2 ? 0 : 4)) & 0xF;
            if (Standard[nibble] != PixelAt(whole, x, y)) {
                ADD_FAILURE() << "pixel " << x << "," << y;
                same = false;
                break;
            }
        }
    }
    // an ordinary reader sees the same picture
    const QImage read(file);
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), whole);
}

namespace {

struct Segment {
    int Marker;
    QByteArray Data;
};

// The marker segments of a JPEG up to the start of the scan.
std::vector<Segment> JpegSegments(const QByteArray& b) {
    std::vector<Segment> out;
    int i = 2;
    while (i + 4 <= b.size() && static_cast<unsigned char>(b[i]) == 0xFF) {
        const int marker = static_cast<unsigned char>(b[i + 1]);
        const int len =
            (static_cast<unsigned char>(b[i + 2]) << 8) | static_cast<unsigned char>(b[i + 3]);
        out.push_back({marker, b.mid(i + 4, len - 2)});
        if (marker == 0xDA)
            break;
        i += 2 + len;
    }
    return out;
}

// Quantisation tables of quality 90: the example tables scaled to 20 %.
std::vector<int> Quality90(bool chroma) {
    static const int luma[64] = {16,  11,  10,  16,  24, 40, 51,  61,  12,  12,  14,  19,  26,
                                 58,  60,  55,  14,  13, 16, 24,  40,  57,  69,  56,  14,  17,
                                 22,  29,  51,  87,  80, 62, 18,  22,  37,  56,  68,  109, 103,
                                 77,  24,  35,  55,  64, 81, 104, 113, 92,  49,  64,  78,  87,
                                 103, 121, 120, 101, 72, 92, 95,  98,  112, 100, 103, 99};
    static const int chromaT[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
    static const int zigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                   12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                   35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                   58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    std::vector<int> t;
    for (int k = 0; k < 64; ++k) {
        const int base = (chroma ? chromaT : luma)[zigzag[k]];
        t.push_back(std::clamp((base * 20 + 50) / 100, 1, 255));
    }
    return t;
}

} // namespace

TEST_F(PictureExportTest, JpegIsBaselineColourAtQuality90) {
    const QString file = Export("plan.jpg", PictureBands::DefaultBandRows);
    const QByteArray b = ReadAll(file);
    ASSERT_GT(b.size(), 100);
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(b[1]), 0xD8);
    PlanRec plan = Plan;
    ResizePlan(plan);
    int sof0 = 0, otherSof = 0;
    std::vector<std::vector<int>> tables(2);
    for (const Segment& s : JpegSegments(b)) {
        if (s.Marker == 0xC0) {
            ++sof0;
            ASSERT_GE(s.Data.size(), 6);
            EXPECT_EQ(static_cast<unsigned char>(s.Data[0]), 8) << "precision";
            EXPECT_EQ(((static_cast<unsigned char>(s.Data[1]) << 8) |
                       static_cast<unsigned char>(s.Data[2])),
                      plan.PlanRect.Height());
            EXPECT_EQ(((static_cast<unsigned char>(s.Data[3]) << 8) |
                       static_cast<unsigned char>(s.Data[4])),
                      plan.PlanRect.Width());
            EXPECT_EQ(static_cast<unsigned char>(s.Data[5]), 3) << "colour";
        } else if (s.Marker >= 0xC1 && s.Marker <= 0xCF && s.Marker != 0xC4 && s.Marker != 0xC8 &&
                   s.Marker != 0xCC) {
            ++otherSof;
        } else if (s.Marker == 0xDB) {
            for (int at = 0; at + 65 <= s.Data.size(); at += 65) {
                const int pq = static_cast<unsigned char>(s.Data[at]);
                ASSERT_EQ(pq >> 4, 0) << "8-bit tables";
                ASSERT_LT(pq & 0xF, 2);
                for (int k = 0; k < 64; ++k)
                    tables[pq & 0xF].push_back(static_cast<unsigned char>(s.Data[at + 1 + k]));
            }
        }
    }
    EXPECT_EQ(sof0, 1);
    EXPECT_EQ(otherSof, 0) << "no progressive or other frame";
    EXPECT_EQ(tables[0], Quality90(false));
    EXPECT_EQ(tables[1], Quality90(true));
    const QImage read(file);
    EXPECT_EQ(read.size(), QSize(plan.PlanRect.Width(), plan.PlanRect.Height()));
}

// Band height changes nothing in the files; the caller's plan, geometry
// cache included, stays as it was.
TEST_F(PictureExportTest, BandsGiveTheSameFiles) {
    DiagramView view = View;
    RenderScreen(Plan, view);
    const PlanRec before = Plan;
    const int height = PlanCanvasRect(Plan).Height();
    const QByteArray bmpWhole = ReadAll(Export("whole.bmp", height));
    const QByteArray jpgWhole = ReadAll(Export("whole.jpg", height));
    for (int rows : {PictureBands::DefaultBandRows, 37, 1}) {
        EXPECT_EQ(ReadAll(Export("bands.bmp", rows)), bmpWhole) << rows;
        EXPECT_EQ(ReadAll(Export("bands.jpg", rows)), jpgWhole) << rows;
    }
    EXPECT_EQ(Plan.PlanRect, before.PlanRect);
    EXPECT_EQ(Plan.PlanDescription, before.PlanDescription);
    EXPECT_EQ(Plan.Stations[2].HeaderRect, before.Stations[2].HeaderRect);
    for (int t = 1; t <= Plan.TrainCount; ++t)
        for (int p = 1; p <= Plan.Trains[t].PointCount; ++p) {
            EXPECT_EQ(Plan.Trains[t].Points[p].Time, before.Trains[t].Points[p].Time);
            EXPECT_EQ(Plan.Trains[t].Points[p].MarkerRect, before.Trains[t].Points[p].MarkerRect);
        }
}

TEST_F(PictureExportTest, BlackAndWhiteFollowsColourPrint) {
    View.ColourPrint = false;
    const QImage bw(Export("bw.bmp", PictureBands::DefaultBandRows));
    ASSERT_FALSE(bw.isNull());
    EXPECT_EQ(PixelAt(bw, 5, 300), clWhite);
    EXPECT_EQ(PixelAt(bw, 80, 130), clBlack);
    View.ColourPrint = true;
    const QImage colour(Export("colour.bmp", PictureBands::DefaultBandRows));
    EXPECT_EQ(PixelAt(colour, 5, 300), clOlive);
    EXPECT_EQ(PixelAt(colour, 80, 130), clWhite);
}

// The bands reach the writer in order, each row exactly once, in
// alternating buffers, with the pixels of one whole drawing; a refused band
// ends the run before any later band is written.
TEST_F(PictureExportTest, BandsReachTheWriterInOrder) {
    PictureBands whole(Plan, View, PlanCanvasRect(Plan).Height());
    whole.Render(0, whole.Height());
    for (bool fromBottom : {false, true}) {
        PictureBands bands(Plan, View, 100);
        ASSERT_GT(bands.Height(), 300);
        int expectNext = fromBottom ? bands.Height() : 0;
        int calls = 0;
        bool samePixels = true;
        const bool all = ForEachBand(bands, fromBottom, [&](int slot, int top, int count) {
            EXPECT_EQ(slot, calls % 2);
            EXPECT_EQ(fromBottom ? top + count : top, expectNext);
            expectNext = fromBottom ? top : top + count;
            for (int y = top; y < top + count; ++y)
                samePixels = samePixels &&
                             std::equal(bands.PixelRow(y, slot),
                                        bands.PixelRow(y, slot) + bands.Width(), whole.PixelRow(y));
            ++calls;
            return true;
        });
        EXPECT_TRUE(all);
        EXPECT_TRUE(samePixels) << fromBottom;
        EXPECT_EQ(expectNext, fromBottom ? 0 : bands.Height());
        EXPECT_EQ(calls, (bands.Height() + 99) / 100);

        calls = 0;
        EXPECT_FALSE(ForEachBand(bands, fromBottom, [&](int, int, int) { return ++calls < 2; }));
        EXPECT_EQ(calls, 2);
    }
}
