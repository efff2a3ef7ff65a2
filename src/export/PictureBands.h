#pragma once

#include "diagram/DiagramView.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

struct PlanRec;

// The export picture, drawn in horizontal bands of the output drawing and
// reduced to the 16-colour palette. Only one band of 32-bit pixels exists
// at a time, whatever the canvas size; every band shows exactly the pixels
// a drawing of the whole canvas would have there.
class PictureBands {
public:
    static constexpr int DefaultBandRows = 256;

    // Works on its own copy of the plan: the caller's plan stays as it was.
    PictureBands(const PlanRec& plan, const DiagramView& view, int bandRows = DefaultBandRows);
    ~PictureBands();

    int Width() const { return W; }
    int Height() const { return H; }
    int BandRows() const { return Rows; }

    // Draws rows top … top + count − 1 (count ≤ BandRows) and reduces them.
    void Render(int top, int count);
    // Palette indexes of canvas row y, which must lie in the last band drawn.
    const std::uint8_t* IndexRow(int y) const;

private:
    std::unique_ptr<PlanRec> Plan;
    DiagramView View;
    int W = 0;
    int H = 0;
    int Rows = 0;
    int Top = 0;
    QImage Band;
    std::vector<std::uint8_t> Indexes;
};
