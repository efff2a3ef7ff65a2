#include "editing/DragSprites.h"

#include "diagram/ScreenImage.h"

#include <algorithm>
#include <cstring>

namespace {

TRect Intersect(const TRect& a, const TRect& b) {
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    if (r.Left >= r.Right || r.Top >= r.Bottom)
        return {};
    return r;
}

bool Empty(const TRect& r) {
    return r.Left >= r.Right || r.Top >= r.Bottom;
}

} // namespace

TRect VisiblePart(const ScreenImage& screen, const TRect& r) {
    if (screen.Image().isNull())
        return {};
    return Intersect(screen.Viewport(), r);
}

void SizeBitmap(QImage& bitmap, int w, int h) {
    if (w <= 0 || h <= 0)
        return;
    if (bitmap.width() != w || bitmap.height() != h || bitmap.format() != QImage::Format_RGB32)
        bitmap = QImage(w, h, QImage::Format_RGB32);
}

void SaveUnder(const ScreenImage& screen, const TRect& r, QImage& into) {
    const TRect part = VisiblePart(screen, r);
    if (Empty(part))
        return;
    SizeBitmap(into, r.Width(), r.Height());
    const QImage& img = screen.Image();
    const TRect view = screen.Viewport();
    const std::size_t bytes = static_cast<std::size_t>(part.Width()) * 4;
    for (int y = part.Top; y < part.Bottom; ++y) {
        const auto* src = reinterpret_cast<const quint32*>(img.constScanLine(y - view.Top)) +
                          (part.Left - view.Left);
        auto* dst = reinterpret_cast<quint32*>(into.scanLine(y - r.Top)) + (part.Left - r.Left);
        std::memcpy(dst, src, bytes);
    }
}

void RestoreUnder(ScreenImage& screen, const TRect& r, const QImage& from) {
    const TRect part = Intersect(VisiblePart(screen, r),
                                 {r.Left, r.Top, r.Left + from.width(), r.Top + from.height()});
    if (Empty(part))
        return;
    QImage& img = screen.MutableImage();
    const TRect view = screen.Viewport();
    const std::size_t bytes = static_cast<std::size_t>(part.Width()) * 4;
    for (int y = part.Top; y < part.Bottom; ++y) {
        const auto* src =
            reinterpret_cast<const quint32*>(from.constScanLine(y - r.Top)) + (part.Left - r.Left);
        auto* dst =
            reinterpret_cast<quint32*>(img.scanLine(y - view.Top)) + (part.Left - view.Left);
        std::memcpy(dst, src, bytes);
    }
}

void AndMask(ScreenImage& screen, const TRect& r, const QImage& mask, int maskX, int maskY) {
    const TRect part = Intersect(VisiblePart(screen, r),
                                 {maskX, maskY, maskX + mask.width(), maskY + mask.height()});
    if (Empty(part))
        return;
    QImage& img = screen.MutableImage();
    const TRect view = screen.Viewport();
    for (int y = part.Top; y < part.Bottom; ++y) {
        const auto* m =
            reinterpret_cast<const quint32*>(mask.constScanLine(y - maskY)) + (part.Left - maskX);
        auto* d = reinterpret_cast<quint32*>(img.scanLine(y - view.Top)) + (part.Left - view.Left);
        for (int x = 0, w = part.Width(); x < w; ++x)
            d[x] &= m[x];
    }
}
