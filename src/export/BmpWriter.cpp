#include "export/BmpWriter.h"

#include "export/Palette16.h"

#include <QIODevice>
#include <QtEndian>

namespace {
void Put16(QByteArray& b, int pos, std::uint16_t v) {
    qToLittleEndian(v, b.data() + pos);
}
void Put32(QByteArray& b, int pos, std::uint32_t v) {
    qToLittleEndian(v, b.data() + pos);
}
// 96 dpi, the resolution the diagram is drawn for.
constexpr std::uint32_t PixelsPerMetre = 3780;
} // namespace

BmpWriter::BmpWriter(QIODevice& out, int width, int height)
    : Out(out), Width(width), Height(height), Row(RowBytes(width), '\0') {}

bool BmpWriter::WriteHeader() {
    const std::uint32_t imageBytes =
        static_cast<std::uint32_t>(RowBytes(Width)) * static_cast<std::uint32_t>(Height);
    QByteArray h(HeaderBytes, '\0');
    h[0] = 'B';
    h[1] = 'M';
    Put32(h, 2, HeaderBytes + imageBytes);
    Put32(h, 10, HeaderBytes);
    Put32(h, 14, 40);
    Put32(h, 18, static_cast<std::uint32_t>(Width));
    Put32(h, 22, static_cast<std::uint32_t>(Height));
    Put16(h, 26, 1);
    Put16(h, 28, 4);
    Put32(h, 30, 0); // uncompressed
    Put32(h, 34, imageBytes);
    Put32(h, 38, PixelsPerMetre);
    Put32(h, 42, PixelsPerMetre);
    Put32(h, 46, PaletteSize);
    Put32(h, 50, 0);
    for (int i = 0; i < PaletteSize; ++i) {
        const QRgb c = PaletteColour(i);
        const int at = 54 + 4 * i;
        h[at] = static_cast<char>(qBlue(c));
        h[at + 1] = static_cast<char>(qGreen(c));
        h[at + 2] = static_cast<char>(qRed(c));
    }
    return Out.write(h) == h.size();
}

bool BmpWriter::WriteRow(const std::uint8_t* indexes) {
    char* row = Row.data();
    Row.fill('\0');
    for (int x = 0; x < Width; ++x) {
        const int nibble = indexes[x] & 0x0F;
        if (x % 2 == 0)
            row[x / 2] = static_cast<char>(nibble << 4);
        else
            row[x / 2] = static_cast<char>(static_cast<unsigned char>(row[x / 2]) | nibble);
    }
    return Out.write(Row) == Row.size();
}
