#pragma once

#include <QRgb>

#include <cstdint>

// The standard 16-colour palette of 4-bit pictures. It holds every colour
// of the diagram's colour table, so a diagram reduces to it without loss.
constexpr int PaletteSize = 16;
QRgb PaletteColour(int index);

// Index of the palette colour nearest to rgb (ties to the lower index).
int NearestPaletteIndex(QRgb rgb);

// Reduces one row of 32-bit pixels to palette indexes.
void ReduceRow(const QRgb* pixels, int width, std::uint8_t* indexes);
