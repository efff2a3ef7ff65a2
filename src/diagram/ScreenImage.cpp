#include "diagram/ScreenImage.h"

#include "diagram/DiagramRenderer.h"
#include "model/PlanRec.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <QPainter>

#include <algorithm>

namespace {
QRect ToQRect(const TRect& r) {
    return {r.Left, r.Top, r.Width(), r.Height()};
}

TRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Beyond a few pieces one clipped drawing of their bounds is cheaper.
constexpr int MaxPieces = 4;
} // namespace

void ScreenImage::SetViewport(const TRect& viewport) {
    const TRect old = View;
    const int w = std::max(0, viewport.Width());
    const int h = std::max(0, viewport.Height());
    View = viewport;
    if (Pixels.width() != w || Pixels.height() != h) {
        Pixels = w > 0 && h > 0 ? QImage(w, h, QImage::Format_RGB32) : QImage();
        InvalidateAll();
        return;
    }
    if (old == viewport || Pixels.isNull())
        return;
    // A scroll: move what stays visible, redraw what comes into view.
    const QRect keep = ToQRect(old).intersected(ToQRect(viewport));
    if (!keep.isEmpty()) {
        const QImage copy = Pixels.copy(keep.translated(-old.Left, -old.Top));
        QPainter p(&Pixels);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(keep.topLeft() - QPoint(viewport.Left, viewport.Top), copy);
    }
    Dirty = Dirty.intersected(ToQRect(viewport)) + (QRegion(ToQRect(viewport)) - keep);
}

void ScreenImage::Invalidate(const TRect& r) {
    Dirty += ToQRect(r).intersected(ToQRect(View));
}

void ScreenImage::InvalidateAll() {
    Dirty = QRegion(ToQRect(View));
}

void ScreenImage::Validate(PlanRec& plan, DiagramView& view, bool planOpen) {
    const QRegion todo = Dirty.intersected(ToQRect(View));
    Dirty = QRegion();
    if (todo.rectCount() > MaxPieces) {
        Redraw(plan, view, FromQRect(todo.boundingRect()), planOpen);
        return;
    }
    for (const QRect& r : todo)
        Redraw(plan, view, FromQRect(r), planOpen);
}

void ScreenImage::Redraw(PlanRec& plan, DiagramView& view, const TRect& part, bool planOpen) {
    const QRect area = ToQRect(part).intersected(ToQRect(View));
    if (area.isEmpty() || Pixels.isNull())
        return;
    Canvas c(Pixels);
    c.SetOrigin(View.Left, View.Top);
    c.SetClipRect(FromQRect(area));
    // Beyond the canvas (a viewport larger than the plan) the scroll box's
    // white shows.
    if (!planOpen || !ToQRect(plan.PlanRect).contains(area))
        FillRectColor(0xFFFFFF, FromQRect(area), c);
    if (planOpen)
        PaintPlan(plan, view, c);
    Dirty -= area;
}

std::unique_ptr<Canvas> ScreenImage::OpenCanvas() {
    if (Pixels.isNull())
        return nullptr;
    auto c = std::make_unique<Canvas>(Pixels);
    c->SetOrigin(View.Left, View.Top);
    return c;
}

TRect ScreenImage::ToImage(const TRect& r) const {
    const QRect part = ToQRect(r).intersected(ToQRect(View));
    if (part.isEmpty())
        return {};
    return FromQRect(part.translated(-View.Left, -View.Top));
}
