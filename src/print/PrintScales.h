#pragma once

#include "model/Geometry.h"

#include <QString>

// Device pixels per design pixel, whole multiples for line widths and the
// design offset added to every control position.
struct TPrintScales {
    double ScaleX = 0.5;
    double ScaleY = 0.5;
    int PenScaleX = 1;
    int PenScaleY = 1;
    int OriginX = 0;
    int OriginY = 0;
};

constexpr int DefaultDesignPixelsPerInch = 96;

// Preview: 1 / previewScale, pens 1, origin at the rulers.
TPrintScales PreviewScales(double previewScale, int rulerSize);
// Printer: its resolution over the design resolution, pens truncated, origin 0.
TPrintScales PrinterScales(int dpiX, int dpiY,
                           int designPixelsPerInch = DefaultDesignPixelsPerInch);

// A control's bounds (in its parent) on the device, with the page box's
// scroll positions hs and vs; every value truncated toward zero.
TRect MapRect(const TRect& bounds, int hs, int vs, const TPrintScales& s);

// Scale of a zoom list item ("100%" → 1.428571…): 100 / (z / 1.428571428571429);
// 0 when the item holds no number above 0.
double ZoomScale(const QString& item);

struct TSheetSize {
    int Width = 0;
    int Height = 0;
};
// The preview sheet in screen pixels for scale x, with the 3-pixel edge;
// landscape swaps width and height.
TSheetSize PreviewSheetSize(double scaleX, int designPixelsPerInch, double widthInches,
                            double heightInches, int rulerSize, bool landscape);
