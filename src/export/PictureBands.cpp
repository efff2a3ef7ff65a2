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
    if (W > 0 && H > 0) {
        Band = QImage(W, Rows, QImage::Format_RGB32);
        Indexes.resize(static_cast<std::size_t>(W) * static_cast<std::size_t>(Rows));
    }
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
        ReduceRow(reinterpret_cast<const QRgb*>(Band.constScanLine(y)), W,
                  Indexes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(W));
}

const std::uint8_t* PictureBands::IndexRow(int y) const {
    return Indexes.data() + static_cast<std::size_t>(y - Top) * static_cast<std::size_t>(W);
}
