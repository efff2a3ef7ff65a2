#pragma once

#include "model/Geometry.h"

#include <QString>

class Canvas;

// The small drawing helpers the diagram and the print code share. Each
// leaves the canvas's pen and brush colours, pen style and font colour as it
// found them unless said otherwise.

TRect RectOf(int left, int top, int right, int bottom);
TRect RectOfSize(int left, int top, int width, int height);
TRect ShrinkRect(const TRect& r, int n);
// All four bounds inclusive.
bool PointInRect(int x, int y, const TRect& r);

// Leaves the pen colour set to color.
void FrameRectColor(TColor color, const TRect& r, Canvas& c);
// Leaves the brush solid.
void FillRectColor(TColor color, const TRect& r, Canvas& c);
void VertLine(TColor color, Canvas& c, TPoint start, int length);
// style 1 solid, 2 dotted, 3 dash-dot, 4 dashed; any other keeps the current one.
void HorzLine(TColor color, Canvas& c, TPoint start, int style, int length);
void LineColor(TColor color, Canvas& c, int x1, int y1, int x2, int y2);

int TextWidthOf(const QString& text, Canvas& c);
int TextHeightOf(const QString& text, Canvas& c);
// An empty name keeps the current one.
void SetCanvasFont(const QString& name, int size, int style, Canvas& c);
void ResetCanvasFont(Canvas& c);

constexpr int AlignLeftAt = 0;
constexpr int AlignRightAt = 1;
constexpr int AlignCentreAt = 2;
// Opaque text with its top at point.Y; alignment 0 left edge, 1 right edge,
// 2 centre at point.X.
void TextAt(TColor textColor, TColor backColor, Canvas& c, int alignment, const QString& text,
            TPoint point);
