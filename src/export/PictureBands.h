#pragma once

#include "diagram/DiagramView.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>

struct PlanRec;

// The export picture, drawn in horizontal bands of the output drawing and
// reduced to the 16-colour palette. At most two bands of 32-bit pixels
// exist at a time, whatever the canvas size: one being written out while
// the next is drawn. Every band shows exactly the pixels a drawing of the
// whole canvas would have there.
class PictureBands {
public:
    static constexpr int DefaultBandRows = 512;
    // Band buffers: the one being written and the one being drawn.
    static constexpr int Slots = 2;

    // Works on its own copy of the plan: the caller's plan stays as it was.
    PictureBands(const PlanRec& plan, const DiagramView& view, int bandRows = DefaultBandRows);
    ~PictureBands();

    int Width() const { return W; }
    int Height() const { return H; }
    int BandRows() const { return Rows; }

    // Draws rows top … top + count − 1 (count ≤ BandRows) into buffer slot
    // (0 or 1) and reduces them to the palette. Renders change the private
    // plan copy, so only one may run at a time; reading the other slot
    // meanwhile is safe.
    void Render(int top, int count, int slot = 0);
    // Canvas row y of the band last drawn into slot, 32-bit palette colours.
    const QRgb* PixelRow(int y, int slot = 0) const;
    // The same row as palette indexes, into width bytes.
    void IndexesOfRow(int y, std::uint8_t* indexes, int slot = 0) const;

private:
    std::unique_ptr<PlanRec> Plan;
    DiagramView View;
    int W = 0;
    int H = 0;
    int Rows = 0;
    int Top[Slots] = {0, 0};
    // Made on first use, so a one-slot caller holds one band only.
    QImage Band[Slots];
};

// Writes the picture band by band: draws band k + 1 on a second thread
// while write(slot, top, count) handles band k on the calling thread.
// fromBottom runs the bands from the bottom up (bitmap row order). Stops
// at the first band write refuses and returns false; true when all were
// written. An exception of the drawing reaches the caller.
bool ForEachBand(PictureBands& bands, bool fromBottom,
                 const std::function<bool(int slot, int top, int count)>& write);
