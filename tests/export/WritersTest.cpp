#include "export/BmpWriter.h"
#include "export/JpegWriter.h"
#include "export/Palette16.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A device that takes the first Limit bytes and then fails, as a full disk.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 limit) : Limit(limit) { open(QIODevice::WriteOnly); }
    QByteArray Data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        if (Data.size() + len > Limit) {
            setErrorString(QStringLiteral("Kein Platz mehr"));
            return -1;
        }
        Data.append(data, len);
        return len;
    }

private:
    qint64 Limit;
};

// A picture with every palette colour in stripes.
QImage Stripes(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, PaletteColour((x / 16 + y / 16) % 16));
    return img;
}

bool WriteJpeg(QIODevice& out, const QImage& img, QString* error = nullptr) {
    JpegWriter jpeg(out, img.width(), img.height());
    std::vector<const std::uint32_t*> rows;
    for (int y = 0; y < img.height(); ++y)
        rows.push_back(reinterpret_cast<const std::uint32_t*>(img.constScanLine(y)));
    bool ok = jpeg.Start() && jpeg.WriteRows(rows.data(), img.height()) && jpeg.Finish();
    if (error)
        *error = jpeg.Error();
    return ok;
}

} // namespace

TEST(JpegWriter, EncodesAndReportsAFailingDevice) {
    const QImage img = Stripes(300, 200);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteJpeg(buffer, img));
    QImage back;
    ASSERT_TRUE(back.loadFromData(buffer.data(), "JPEG"));
    EXPECT_EQ(back.size(), img.size());
    // quality 90 keeps the middle of a flat block close
    const QColor c = back.pixelColor(152, 104);
    const QColor o = img.pixelColor(152, 104);
    EXPECT_LT(std::abs(c.red() - o.red()) + std::abs(c.green() - o.green()) +
                  std::abs(c.blue() - o.blue()),
              60);

    FullDevice full(buffer.data().size() / 2);
    QString error;
    EXPECT_FALSE(WriteJpeg(full, img, &error));
    EXPECT_EQ(error, QStringLiteral("Kein Platz mehr"));
}

TEST(BmpWriter, PacksTwoPixelsPerByteAndPadsRows) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BmpWriter bmp(buffer, 9, 2);
    ASSERT_TRUE(bmp.WriteHeader());
    const std::uint8_t row1[9] = {1, 2, 3, 4, 5, 6, 7, 8, 15};
    const std::uint8_t row0[9] = {0, 9, 10, 11, 12, 13, 14, 15, 0};
    ASSERT_TRUE(bmp.WriteRow(row1));
    ASSERT_TRUE(bmp.WriteRow(row0));
    const QByteArray b = buffer.data();
    ASSERT_EQ(b.size(), 118 + 2 * 8);
    EXPECT_EQ(BmpWriter::RowBytes(9), 8);
    EXPECT_EQ(b.mid(118, 8), QByteArray::fromHex("12345678f0000000"));
    EXPECT_EQ(b.mid(126, 8), QByteArray::fromHex("09abcdef00000000"));
    // the last row written is the top one
    const QImage img = QImage::fromData(b, "BMP");
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.pixel(1, 0), PaletteColour(9));
    EXPECT_EQ(img.pixel(8, 1), PaletteColour(15));

    FullDevice full(120);
    BmpWriter failing(full, 9, 2);
    EXPECT_TRUE(failing.WriteHeader());
    EXPECT_FALSE(failing.WriteRow(row1));
}
