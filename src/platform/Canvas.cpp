#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPolygon>

#include <algorithm>
#include <climits>
#include <cstdlib>

QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

TColor FromQRgb(unsigned int rgb) {
    return static_cast<TColor>(qRed(rgb)) | (static_cast<TColor>(qGreen(rgb)) << 8) |
           (static_cast<TColor>(qBlue(rgb)) << 16);
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void InstallProgramFonts() {
    InstallFontSubstitutes();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QGuiApplication::setFont(font);
}

Canvas::Canvas(QImage& image) : P(&image), Target(&image), DeviceDpi(96) {
    // Direct pixel access needs one 32-bit word per pixel; other formats are
    // drawn through the painter alone.
    if (image.depth() != 32)
        Target = nullptr;
    DeviceClip = image.rect();
    Init();
}

Canvas::Canvas(QPaintDevice& device, int dpi) : P(&device), DeviceDpi(dpi > 0 ? dpi : 96) {
    Init();
}

Canvas::~Canvas() {
    if (P.isActive())
        P.end();
}

void Canvas::Init() {
    P.setRenderHint(QPainter::Antialiasing, false);
    P.setRenderHint(QPainter::TextAntialiasing, false);
    SetFont(QStringLiteral("MS Sans Serif"), 8, 0);
    ApplyPen();
    ApplyBrush();
    UpdateVisible();
}

void Canvas::UpdateVisible() {
    const QPaintDevice* dev = P.device();
    if (!dev) {
        Visible = {};
        return;
    }
    TRect v{OriginX, OriginY, OriginX + dev->width(), OriginY + dev->height()};
    if (Clipped) {
        v.Left = std::max(v.Left, ClipRect.Left);
        v.Top = std::max(v.Top, ClipRect.Top);
        v.Right = std::min(v.Right, ClipRect.Right);
        v.Bottom = std::min(v.Bottom, ClipRect.Bottom);
    }
    if (v.Right <= v.Left || v.Bottom <= v.Top)
        v = {};
    Visible = v;
}

bool Canvas::MayShow(const TRect& r) const {
    return r.Left < Visible.Right && r.Right > Visible.Left && r.Top < Visible.Bottom &&
           r.Bottom > Visible.Top;
}

QPainter& Canvas::Painter() {
    SyncPen();
    SyncBrush();
    PenDirty = true;
    BrushDirty = true;
    return P;
}

void Canvas::SyncPen() {
    if (PenDirty) {
        P.setPen(MakePen());
        PenDirty = false;
    }
}

void Canvas::SyncBrush() {
    if (BrushDirty) {
        if (CurBrushStyle == TBrushStyle::Clear)
            P.setBrush(Qt::NoBrush);
        else
            P.setBrush(ToQColor(CurBrushColor));
        BrushDirty = false;
    }
}

void Canvas::SetOrigin(int dx, int dy) {
    OriginX = dx;
    OriginY = dy;
    P.resetTransform();
    P.translate(-dx, -dy);
    P.setClipping(false);
    Clipped = false;
    if (Target)
        DeviceClip = Target->rect();
    UpdateVisible();
}

void Canvas::SetClipRect(const TRect& r) {
    const QRect whole = Target ? Target->rect() : QRect();
    if (r.Width() <= 0 || r.Height() <= 0) {
        P.setClipping(false);
        DeviceClip = whole;
        Clipped = false;
        UpdateVisible();
        return;
    }
    const QRect qr(r.Left, r.Top, r.Width(), r.Height());
    P.setClipRect(qr);
    DeviceClip = qr.translated(-OriginX, -OriginY).intersected(whole);
    Clipped = true;
    ClipRect = r;
    UpdateVisible();
}

void Canvas::SetPenColor(TColor c) {
    CurPenColor = c;
    ApplyPen();
}

void Canvas::SetPenStyle(TPenStyle s) {
    CurPenStyle = s;
    ApplyPen();
}

void Canvas::SetPenWidth(int w) {
    CurPenWidth = w < 1 ? 1 : w;
    ApplyPen();
}

void Canvas::SetBrushColor(TColor c) {
    CurBrushColor = c;
    ApplyBrush();
}

void Canvas::SetBrushStyle(TBrushStyle s) {
    CurBrushStyle = s;
    ApplyBrush();
}

QPen Canvas::MakePen() const {
    if (CurPenStyle == TPenStyle::Clear)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(CurPenColor));
    // A one-pixel pen is cosmetic: with a flat cap Qt's raster stroker leaves
    // out the last pixel of a line, as the drawing code expects.
    pen.setWidth(CurPenWidth <= 1 ? 0 : CurPenWidth);
    pen.setCosmetic(CurPenWidth <= 1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    // Dash lengths of the Windows cosmetic pens, in pixels.
    switch (CurPenStyle) {
    case TPenStyle::Dot:
        pen.setDashPattern({3, 3});
        break;
    case TPenStyle::DashDot:
        pen.setDashPattern({9, 6, 3, 6});
        break;
    case TPenStyle::Dash:
        pen.setDashPattern({18, 6});
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    return pen;
}

void Canvas::SetFont(const QString& name, int pointSize, int style) {
    if (!name.isEmpty())
        CurFontName = name;
    CurFontSize = pointSize;
    CurFontStyle = style;
    QFont f(CurFontName);
    // Windows sizes a point font as MulDiv(size, dpi, 72) pixels.
    const int px = (pointSize * DeviceDpi + 36) / 72;
    f.setPixelSize(px > 0 ? px : 1);
    f.setBold((style & fsBold) != 0);
    f.setItalic((style & fsItalic) != 0);
    f.setUnderline((style & fsUnderline) != 0);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    CurFont = f;
    P.setFont(CurFont);
    Metrics = QFontMetrics(CurFont, P.device());
}

void Canvas::MoveTo(int x, int y) {
    PosX = x;
    PosY = y;
}

void Canvas::LineTo(int x, int y) {
    if (CurPenStyle != TPenStyle::Clear && (x != PosX || y != PosY)) {
        DrawLine(PosX, PosY, x, y);
    }
    PosX = x;
    PosY = y;
}

void Canvas::DrawLine(int x1, int y1, int x2, int y2) {
    if (Target && CurPenWidth <= 1) {
        RasterLine(x1 - OriginX, y1 - OriginY, x2 - OriginX, y2 - OriginY);
        return;
    }
    SyncPen();
    P.setBrush(Qt::NoBrush);
    P.drawLine(QPoint(x1, y1), QPoint(x2, y2));
    ApplyBrush();
}

namespace {
// On/off run lengths of the Windows cosmetic pen styles, starting with "on".
struct DashPattern {
    const int* Runs;
    int Count;
    int Period;
};

DashPattern PatternOf(TPenStyle style) {
    static const int dot[] = {3, 3};
    static const int dashDot[] = {9, 6, 3, 6};
    static const int dash[] = {18, 6};
    switch (style) {
    case TPenStyle::Dot:
        return {dot, 2, 6};
    case TPenStyle::DashDot:
        return {dashDot, 4, 24};
    case TPenStyle::Dash:
        return {dash, 2, 24};
    default:
        return {nullptr, 0, 0};
    }
}

bool PatternOn(const DashPattern& p, long long step) {
    if (!p.Runs)
        return true;
    int pos = static_cast<int>(step % p.Period);
    for (int i = 0; i < p.Count; ++i) {
        if (pos < p.Runs[i])
            return (i % 2) == 0;
        pos -= p.Runs[i];
    }
    return true;
}
} // namespace

// Bresenham from (x1, y1) towards (x2, y2) in device pixels, leaving out the
// end point. Each pixel is computed from its step number, so a line clipped to
// a band or an exposed region lays exactly the pixels of the whole line there,
// and the walk starts at the first step that can be visible.
void Canvas::RasterLine(int x1, int y1, int x2, int y2) {
    if (DeviceClip.isEmpty())
        return;
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x2 > x1 ? 1 : -1;
    const int sy = y2 > y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const long long major = xMajor ? dx : dy;
    const long long minor = xMajor ? dy : dx;
    if (major == 0)
        return;
    const int cl = DeviceClip.left(), cr = DeviceClip.right();
    const int ct = DeviceClip.top(), cb = DeviceClip.bottom();

    // Step range in which the major coordinate lies inside the clip.
    auto stepRange = [](long long start, int dir, long long lo, long long hi, long long last,
                        long long& from, long long& to) {
        long long a = dir > 0 ? lo - start : start - hi;
        long long b = dir > 0 ? hi - start : start - lo;
        from = std::max(0LL, a);
        to = std::min(last, b);
    };
    long long from = 0, to = major - 1;
    if (xMajor)
        stepRange(x1, sx, cl, cr, major - 1, from, to);
    else
        stepRange(y1, sy, ct, cb, major - 1, from, to);
    if (from > to)
        return;
    // Narrow it by the minor coordinate: offset(i) ≈ i·minor/major.
    if (minor > 0) {
        const long long start = xMajor ? y1 : x1;
        const int dir = xMajor ? sy : sx;
        const long long lo = xMajor ? ct : cl;
        const long long hi = xMajor ? cb : cr;
        long long offLo = dir > 0 ? lo - start : start - hi;
        long long offHi = dir > 0 ? hi - start : start - lo;
        if (offHi < 0 || offLo > minor)
            return;
        const long long iLo = offLo <= 0 ? 0 : ((offLo * 2 - 1) * major) / (2 * minor) - 1;
        const long long iHi = ((offHi * 2 + 1) * major) / (2 * minor) + 1;
        from = std::max(from, iLo);
        to = std::min(to, iHi);
    } else {
        const int m = xMajor ? y1 : x1;
        if (m < (xMajor ? ct : cl) || m > (xMajor ? cb : cr))
            return;
    }
    const DashPattern pattern = PatternOf(CurPenStyle);
    const QRgb colour = ToQColor(CurPenColor).rgb();
    uchar* bits = Target->bits();
    const qsizetype stride = Target->bytesPerLine();
    if (minor == 0 && !pattern.Runs) {
        // Solid axis-parallel lines (track lines, ticks) need no stepping.
        for (long long i = from; i <= to; ++i) {
            const long long px = xMajor ? x1 + sx * i : x1;
            const long long py = xMajor ? y1 : y1 + sy * i;
            if (px < cl || px > cr || py < ct || py > cb)
                continue;
            reinterpret_cast<QRgb*>(bits + py * stride)[px] = colour;
        }
        return;
    }
    for (long long i = from; i <= to; ++i) {
        if (!PatternOn(pattern, i))
            continue;
        const long long off = (2 * i * minor + major) / (2 * major);
        const long long px = xMajor ? x1 + sx * i : x1 + sx * off;
        const long long py = xMajor ? y1 + sy * off : y1 + sy * i;
        if (px < cl || px > cr || py < ct || py > cb)
            continue;
        reinterpret_cast<QRgb*>(bits + py * stride)[px] = colour;
    }
}

void Canvas::Polyline(const TPoint* points, int count) {
    if (count < 1)
        return;
    const TPoint saved{PosX, PosY};
    MoveTo(points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i)
        LineTo(points[i].X, points[i].Y);
    MoveTo(saved.X, saved.Y);
}

void Canvas::Polygon(const TPoint* points, int count) {
    if (count < 2)
        return;
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int i = 0; i < count; ++i) {
        box.Left = std::min(box.Left, points[i].X);
        box.Top = std::min(box.Top, points[i].Y);
        box.Right = std::max(box.Right, points[i].X + 1);
        box.Bottom = std::max(box.Bottom, points[i].Y + 1);
    }
    if (!MayShow(box))
        return;
    QPolygon poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i)
        poly << QPoint(points[i].X, points[i].Y);
    if (CurBrushStyle != TBrushStyle::Clear) {
        SyncBrush();
        P.setPen(Qt::NoPen);
        PenDirty = true;
        P.drawPolygon(poly);
    }
    if (CurPenStyle != TPenStyle::Clear) {
        ApplyPen();
        P.setBrush(Qt::NoBrush);
        // The outline is closed, so every corner is covered by the segment
        // that starts there.
        for (int i = 0; i < count; ++i) {
            const QPoint a = poly[i];
            const QPoint b = poly[(i + 1) % count];
            if (a != b)
                DrawLine(a.x(), a.y(), b.x(), b.y());
        }
    }
    ApplyPen();
    ApplyBrush();
}

void Canvas::FillRect(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0 || CurBrushStyle == TBrushStyle::Clear || !MayShow(r))
        return;
    P.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(CurBrushColor));
}

void Canvas::Rectangle(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    FillRect(r);
    if (CurPenStyle == TPenStyle::Clear)
        return;
    const TPoint frame[] = {{r.Left, r.Top},
                            {r.Right - 1, r.Top},
                            {r.Right - 1, r.Bottom - 1},
                            {r.Left, r.Bottom - 1},
                            {r.Left, r.Top}};
    // The closing segment leaves out its end, which the first one drew.
    Polyline(frame, 5);
    if (r.Width() == 1 || r.Height() == 1) {
        P.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(CurPenColor));
    }
}

void Canvas::Ellipse(const TRect& r) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    SyncPen();
    SyncBrush();
    P.drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void Canvas::RoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    SyncPen();
    SyncBrush();
    P.drawRoundedRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1), cornerWidth / 2.0,
                      cornerHeight / 2.0);
}

int Canvas::TextWidth(const QString& text) const {
    if (text.isEmpty())
        return 0;
    return Metrics.horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& text) const {
    if (text.isEmpty())
        return 0;
    return Metrics.height();
}

void Canvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty())
        return;
    const QFontMetrics& fm = Metrics;
    // Rows first: measuring the width is the dear part.
    if (!MayShow({INT_MIN / 4, y, INT_MAX / 4, y + fm.height()}))
        return;
    const int w = fm.horizontalAdvance(text);
    if (!MayShow({x, y, x + w, y + fm.height()}))
        return;
    if (CurBrushStyle != TBrushStyle::Clear)
        P.fillRect(QRect(x, y, w, fm.height()), ToQColor(CurBrushColor));
    P.setPen(ToQColor(CurFontColor));
    P.drawText(QPoint(x, y + fm.ascent()), text);
    ApplyPen();
}

void Canvas::TextRect(const TRect& r, const QString& text) {
    if (text.isEmpty() || r.Width() <= 0 || r.Height() <= 0)
        return;
    const QRect qr(r.Left, r.Top, r.Width(), r.Height());
    if (CurBrushStyle != TBrushStyle::Clear)
        P.fillRect(qr, ToQColor(CurBrushColor));
    P.setPen(ToQColor(CurFontColor));
    P.drawText(qr, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    ApplyPen();
}

void Canvas::CopyRect(const TRect& dest, const QImage& source, const TRect& src, TCopyMode mode) {
    if (dest.Width() <= 0 || dest.Height() <= 0 || src.Width() <= 0 || src.Height() <= 0)
        return;
    switch (mode) {
    case TCopyMode::And:
        P.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case TCopyMode::Xor:
        P.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    default:
        P.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    }
    P.drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), source,
                QRect(src.Left, src.Top, src.Width(), src.Height()));
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canvas::StretchDraw(const TRect& dest, const QImage& source) {
    CopyRect(dest, source, {0, 0, source.width(), source.height()}, TCopyMode::Copy);
}
