#include "export/PictureBands.h"

#include "diagram/DiagramRenderer.h"
#include "export/Palette16.h"
#include "model/PlanRec.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <future>

PictureBands::PictureBands(const PlanRec& plan, const DiagramView& view, int bandRows)
    : Plan(std::make_unique<PlanRec>(plan)), View(view) {
    ResizePlan(*Plan);
    W = std::max(0, Plan->PlanRect.Width());
    H = std::max(0, Plan->PlanRect.Height());
    Rows = std::clamp(bandRows, 1, std::max(1, H));
}

PictureBands::~PictureBands() = default;

void PictureBands::Render(int top, int count, int slot) {
    if (W <= 0 || H <= 0)
        return;
    slot = std::clamp(slot, 0, Slots - 1);
    QImage& band = Band[slot];
    if (band.isNull())
        band = QImage(W, Rows, QImage::Format_RGB32);
    count = std::clamp(count, 0, Rows);
    Top[slot] = top;
    {
        Canvas c(band);
        c.SetOrigin(0, top);
        c.SetClipRect({0, top, W, top + count});
        DrawOutputPicture(*Plan, View, c);
    }
    for (int y = 0; y < count; ++y)
        ReduceRowInPlace(reinterpret_cast<QRgb*>(band.scanLine(y)), W);
}

const QRgb* PictureBands::PixelRow(int y, int slot) const {
    slot = std::clamp(slot, 0, Slots - 1);
    return reinterpret_cast<const QRgb*>(Band[slot].constScanLine(y - Top[slot]));
}

void PictureBands::IndexesOfRow(int y, std::uint8_t* indexes, int slot) const {
    IndexRow(PixelRow(y, slot), W, indexes);
}

namespace {

struct BandSpan {
    int Top = 0;
    int Count = 0;
};

BandSpan NthBand(const PictureBands& bands, bool fromBottom, int k) {
    if (!fromBottom) {
        const int top = k * bands.BandRows();
        return {top, std::min(bands.BandRows(), bands.Height() - top)};
    }
    const int bottom = bands.Height() - k * bands.BandRows();
    const int top = std::max(0, bottom - bands.BandRows());
    return {top, bottom - top};
}

} // namespace

bool ForEachBand(PictureBands& bands, bool fromBottom,
                 const std::function<bool(int slot, int top, int count)>& write) {
    if (bands.Width() <= 0 || bands.Height() <= 0)
        return true;
    const int count = (bands.Height() + bands.BandRows() - 1) / bands.BandRows();
    BandSpan cur = NthBand(bands, fromBottom, 0);
    bands.Render(cur.Top, cur.Count, 0);
    for (int k = 0; k < count; ++k) {
        const int slot = k % PictureBands::Slots;
        std::future<void> next;
        if (k + 1 < count) {
            const BandSpan n = NthBand(bands, fromBottom, k + 1);
            const int nextSlot = (k + 1) % PictureBands::Slots;
            next = std::async(std::launch::async,
                              [&bands, n, nextSlot] { bands.Render(n.Top, n.Count, nextSlot); });
        }
        bool ok = false;
        try {
            ok = write(slot, cur.Top, cur.Count);
        } catch (...) {
            // The drawing thread still uses the bands: let it finish first.
            if (next.valid())
                next.wait();
            throw;
        }
        if (next.valid())
            next.get(); // waits, and passes on a drawing failure
        if (!ok)
            return false;
        cur = NthBand(bands, fromBottom, k + 1);
    }
    return true;
}
