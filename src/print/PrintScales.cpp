#include "print/PrintScales.h"

#include <algorithm>

TPrintScales PreviewScales(double previewScale, int rulerSize) {
    TPrintScales s;
    s.ScaleX = s.ScaleY = previewScale > 0 ? 1.0 / previewScale : 1.0;
    s.PenScaleX = s.PenScaleY = 1;
    s.OriginX = s.OriginY = rulerSize;
    return s;
}

TPrintScales PrinterScales(int dpiX, int dpiY, int designPixelsPerInch) {
    TPrintScales s;
    const double design = designPixelsPerInch > 0 ? designPixelsPerInch : 96;
    s.ScaleX = dpiX / design;
    s.ScaleY = dpiY / design;
    // A printer coarser than the design still draws lines one pixel wide.
    s.PenScaleX = std::max(1, static_cast<int>(s.ScaleX));
    s.PenScaleY = std::max(1, static_cast<int>(s.ScaleY));
    s.OriginX = s.OriginY = 0;
    return s;
}

TRect MapRect(const TRect& b, int hs, int vs, const TPrintScales& s) {
    return {static_cast<int>((b.Left + hs + s.OriginX) * s.ScaleX),
            static_cast<int>((b.Top + vs + s.OriginY) * s.ScaleY),
            static_cast<int>((b.Right + hs + s.OriginX) * s.ScaleX),
            static_cast<int>((b.Bottom + vs + s.OriginY) * s.ScaleY)};
}

double ZoomScale(const QString& item) {
    const qsizetype pc = item.indexOf(u'%');
    bool ok = false;
    const int z = (pc < 0 ? item : item.left(pc)).trimmed().toInt(&ok);
    if (!ok || z <= 0)
        return 0.0;
    return 100.0 / (z / 1.428571428571429);
}

TSheetSize PreviewSheetSize(double scaleX, int designPixelsPerInch, double widthInches,
                            double heightInches, int rulerSize, bool landscape) {
    const int h = static_cast<int>(designPixelsPerInch * heightInches * scaleX) +
                  static_cast<int>(rulerSize * scaleX);
    const int w = static_cast<int>(designPixelsPerInch * widthInches * scaleX) +
                  static_cast<int>(rulerSize * scaleX);
    if (landscape)
        return {h + 3, w + 3};
    return {w + 3, h + 3};
}
