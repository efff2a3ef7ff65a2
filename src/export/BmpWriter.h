#pragma once

#include <QByteArray>

#include <cstdint>

class QIODevice;

// Writes a 4-bit-per-pixel Windows bitmap with the standard 16-colour
// palette, one row at a time. Bitmap rows are stored bottom-up: the caller
// hands them from the last row to the first.
class BmpWriter {
public:
    BmpWriter(QIODevice& out, int width, int height);
    bool WriteHeader();
    // width palette indexes of the next row (bottom-up order).
    bool WriteRow(const std::uint8_t* indexes);
    static int RowBytes(int width) { return ((width * 4 + 31) / 32) * 4; }
    static constexpr int HeaderBytes = 14 + 40 + 16 * 4;

private:
    QIODevice& Out;
    int Width;
    int Height;
    QByteArray Row;
};
