#pragma once

#include <QRgb>

#include <cstdint>

// The standard 16-colour palette of 4-bit pictures. It holds every colour
// of the diagram's colour table, so a diagram reduces to it without loss.
constexpr int PaletteSize = 16;
// In the order of the system palette of 4-bit bitmaps.
inline constexpr QRgb StandardPalette[PaletteSize] = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFF808080,
    0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

inline QRgb PaletteColour(int index) {
    return StandardPalette[index >= 0 && index < PaletteSize ? index : 0];
}

// Index of the palette colour nearest to rgb (ties to the lower index).
int NearestPaletteIndex(QRgb rgb);

// Puts the nearest palette colour into every pixel of a 32-bit row that
// is not one already.
void ReduceRowInPlace(QRgb* pixels, int width);

// Palette indexes of a row of 32-bit pixels (nearest colour for any other).
void IndexRow(const QRgb* pixels, int width, std::uint8_t* indexes);
