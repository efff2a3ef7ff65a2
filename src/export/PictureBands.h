#pragma once

#include "diagram/DiagramView.h"

#include <QImage>

#include <cstdint>
#include <memory>

struct PlanRec;

// The export picture, drawn in horizontal bands of the output drawing and
// reduced to the 16-colour palette. Only one band of 32-bit pixels exists
// at a time, whatever the canvas size; every band shows exactly the pixels
// a drawing of the whole canvas would have there.
class PictureBands {
public:
    static constexpr int DefaultBandRows = 512;

    // Works on its own copy of the plan: the caller's plan stays as it was.
    PictureBands(const PlanRec& plan, const DiagramView& view, int bandRows = DefaultBandRows);
    ~PictureBands();

    int Width() const { return W; }
    int Height() const { return H; }
    int BandRows() const { return Rows; }

    // Draws rows top … top + count − 1 (count ≤ BandRows) and reduces them
    // to the palette.
    void Render(int top, int count);
    // Canvas row y of the last band drawn, 32-bit palette colours.
    const QRgb* PixelRow(int y) const;
    // The same row as palette indexes, into width bytes.
    void IndexesOfRow(int y, std::uint8_t* indexes) const;

private:
    std::unique_ptr<PlanRec> Plan;
    DiagramView View;
    int W = 0;
    int H = 0;
    int Rows = 0;
    int Top = 0;
    QImage Band;
};
