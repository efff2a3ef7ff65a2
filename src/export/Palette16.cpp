#include "export/Palette16.h"

namespace {
// The order of the system palette of 4-bit bitmaps.
constexpr QRgb Palette[PaletteSize] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
} // namespace

QRgb PaletteColour(int index) {
    return index >= 0 && index < PaletteSize ? Palette[index] : Palette[0];
}

int NearestPaletteIndex(QRgb rgb) {
    int best = 0;
    long long bestDist = -1;
    for (int i = 0; i < PaletteSize; ++i) {
        const long long dr = qRed(rgb) - qRed(Palette[i]);
        const long long dg = qGreen(rgb) - qGreen(Palette[i]);
        const long long db = qBlue(rgb) - qBlue(Palette[i]);
        const long long d = dr * dr + dg * dg + db * db;
        if (bestDist < 0 || d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

void ReduceRow(const QRgb* pixels, int width, std::uint8_t* indexes) {
    // A diagram row is long runs of few colours: remember the last one.
    QRgb last = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;
    for (int x = 0; x < width; ++x) {
        const QRgb p = pixels[x] | 0xFF000000;
        if (!haveLast || p != last) {
            last = p;
            lastIndex = static_cast<std::uint8_t>(NearestPaletteIndex(p));
            haveLast = true;
        }
        indexes[x] = lastIndex;
    }
}
