#include "export/PictureBands.h"

#include "diagram/DiagramRenderer.h"
#include "export/Palette16.h"
#include "model/PlanRec.h"
#include "platform/Canvas.h"

#include <algorithm>

PictureBands::PictureBands(const PlanRec& plan, const DiagramView& view, int bandRows)
    : Plan(std::make_unique<PlanRec>(plan)), View(view) {
    ResizePlan(*Plan);
    W = std::max(0, Plan->PlanRect.Width());
    H = std::max(0, Plan->PlanRect.Height());
    Rows = std::clamp(bandRows, 1, std::max(1, H));
    if (W > 0 && H > 0)
        Band = QImage(W, Rows, QImage::Format_RGB32);
}

PictureBands::~PictureBands() = default;

void PictureBands::Render(int top, int count) {
    if (Band.isNull())
        return;
    count = std::clamp(count, 0, Rows);
    Top = top;
    {
        Canvas c(Band);
        c.SetOrigin(0, top);
        c.SetClipRect({0, top, W, top + count});
        DrawOutputPicture(*Plan, View, c);
    }
    for (int y = 0; y < count; ++y)
        ReduceRowInPlace(reinterpret_cast<QRgb*>(Band.scanLine(y)), W);
}

const QRgb* PictureBands::PixelRow(int y) const {
    return reinterpret_cast<const QRgb*>(Band.constScanLine(y - Top));
}

void PictureBands::IndexesOfRow(int y, std::uint8_t* indexes) const {
    IndexRow(PixelRow(y), W, indexes);
}
