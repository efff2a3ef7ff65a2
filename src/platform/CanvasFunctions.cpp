#include "platform/CanvasFunctions.h"

#include "platform/Canvas.h"

TRect RectOf(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

TRect RectOfSize(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

TRect ShrinkRect(const TRect& r, int n) {
    return {r.Left + n, r.Top + n, r.Right - n, r.Bottom - n};
}

bool PointInRect(int x, int y, const TRect& r) {
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void FrameRectColor(TColor color, const TRect& r, Canvas& c) {
    c.SetPenColor(color);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Right, r.Top);
    c.LineTo(r.Right, r.Bottom);
    c.LineTo(r.Left, r.Bottom);
    c.LineTo(r.Left, r.Top);
}

void FillRectColor(TColor color, const TRect& r, Canvas& c) {
    c.SetBrushStyle(TBrushStyle::Solid);
    const TColor old = c.BrushColor();
    c.SetBrushColor(color);
    c.FillRect(r);
    c.SetBrushColor(old);
}

void LineColor(TColor color, Canvas& c, int x1, int y1, int x2, int y2) {
    const TColor old = c.PenColor();
    c.SetPenColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    c.SetPenColor(old);
}

void VertLine(TColor color, Canvas& c, TPoint start, int length) {
    LineColor(color, c, start.X, start.Y, start.X, start.Y + length);
}

void HorzLine(TColor color, Canvas& c, TPoint start, int style, int length) {
    const TPenStyle old = c.PenStyle();
    switch (style) {
    case 1:
        c.SetPenStyle(TPenStyle::Solid);
        break;
    case 2:
        c.SetPenStyle(TPenStyle::Dot);
        break;
    case 3:
        c.SetPenStyle(TPenStyle::DashDot);
        break;
    case 4:
        c.SetPenStyle(TPenStyle::Dash);
        break;
    default:
        break;
    }
    LineColor(color, c, start.X, start.Y, start.X + length, start.Y);
    c.SetPenStyle(old);
}

int TextWidthOf(const QString& text, Canvas& c) {
    return c.TextWidth(text);
}

int TextHeightOf(const QString& text, Canvas& c) {
    return c.TextHeight(text);
}

void SetCanvasFont(const QString& name, int size, int style, Canvas& c) {
    QString face = name;
    if (face.isEmpty())
        face = c.FontName().isEmpty() ? QStringLiteral("MS Sans Serif") : c.FontName();
    c.SetFont(face, size, style);
}

void ResetCanvasFont(Canvas& c) {
    c.SetFont(QStringLiteral("MS Sans Serif"), 8, 0);
}

void TextAt(TColor textColor, TColor backColor, Canvas& c, int alignment, const QString& text,
            TPoint point) {
    const TColor oldFont = c.FontColor();
    const TColor oldBrush = c.BrushColor();
    const TBrushStyle oldStyle = c.BrushStyle();
    c.SetFontColor(textColor);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(backColor);
    int x = point.X;
    if (alignment == AlignRightAt)
        x -= c.TextWidth(text);
    else if (alignment == AlignCentreAt)
        x -= c.TextWidth(text) / 2;
    c.TextOut(x, point.Y, text);
    c.SetFontColor(oldFont);
    c.SetBrushColor(oldBrush);
    c.SetBrushStyle(oldStyle);
}
