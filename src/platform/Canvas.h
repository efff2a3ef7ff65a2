#pragma once

#include "model/Geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <memory>

class QImage;
class QPaintDevice;

enum class TPenStyle { Solid, Dot, DashDot, Dash, Clear };
enum class TBrushStyle { Solid, Clear };
enum class TCopyMode { Copy, And, Xor };

// Font style bits as the drawing code combines them.
constexpr int fsBold = 1;
constexpr int fsItalic = 2;
constexpr int fsUnderline = 4;

QColor ToQColor(TColor color);
TColor FromQRgb(unsigned int rgb);

// The drawing surface the diagram, the previews and the print code are
// written against. It keeps pen, brush and font as state and follows the
// conventions of a Windows-style canvas: a fill covers left … right−1 and
// top … bottom−1, a line leaves out its end point, text is drawn opaque on
// the brush colour unless the brush is clear.
class Canvas {
public:
    // A bitmap: screen images, drag images, exports. Fonts are sized for 96 dpi.
    explicit Canvas(QImage& image);
    // Any other device (printers, PDF); fonts are sized for the given dpi.
    Canvas(QPaintDevice& device, int dpi);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Dpi() const { return DeviceDpi; }
    // The painter with the canvas's pen and brush; whatever the caller sets
    // on it is replaced by the canvas's state at the next canvas drawing.
    QPainter& Painter();

    // Drawing coordinates (x, y) land on device pixel (x − dx, y − dy): the
    // canvas then shows the part of a larger picture that starts at (dx, dy).
    void SetOrigin(int dx, int dy);
    TPoint Origin() const { return {OriginX, OriginY}; }
    // Restricts drawing to r (drawing coordinates); an empty rect lifts it.
    void SetClipRect(const TRect& r);
    // False when nothing inside r (drawing coordinates) can reach the device:
    // the diagram skips whole items outside an exposed region or a band.
    bool MayShow(const TRect& r) const;

    TColor PenColor() const { return CurPenColor; }
    void SetPenColor(TColor c);
    TPenStyle PenStyle() const { return CurPenStyle; }
    void SetPenStyle(TPenStyle s);
    int PenWidth() const { return CurPenWidth; }
    void SetPenWidth(int w);

    TColor BrushColor() const { return CurBrushColor; }
    void SetBrushColor(TColor c);
    TBrushStyle BrushStyle() const { return CurBrushStyle; }
    void SetBrushStyle(TBrushStyle s);

    QString FontName() const { return CurFontName; }
    int FontSize() const { return CurFontSize; }
    int FontStyle() const { return CurFontStyle; }
    TColor FontColor() const { return CurFontColor; }
    void SetFont(const QString& name, int pointSize, int style);
    void SetFontColor(TColor c) { CurFontColor = c; }
    QFont CurrentQFont() const { return CurFont; }

    TPoint PenPos() const { return {PosX, PosY}; }
    void MoveTo(int x, int y);
    // Line from the pen position to (x, y) without the end point.
    void LineTo(int x, int y);
    void Polyline(const TPoint* points, int count);
    // Interior filled with the brush, outline with the pen.
    void Polygon(const TPoint* points, int count);
    void FillRect(const TRect& r);
    // Outline with the pen inside left … right−1, interior with the brush.
    void Rectangle(const TRect& r);
    void Ellipse(const TRect& r);
    void RoundRect(const TRect& r, int cornerWidth, int cornerHeight);

    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // Text with its top left at (x, y) in the font colour.
    void TextOut(int x, int y, const QString& text);
    // Text broken into lines inside r (left aligned, word wrap).
    void TextRect(const TRect& r, const QString& text);

    // Block copies from a bitmap; src is in the source's pixel coordinates.
    void CopyRect(const TRect& dest, const QImage& source, const TRect& src,
                  TCopyMode mode = TCopyMode::Copy);
    void StretchDraw(const TRect& dest, const QImage& source);

private:
    void Init();
    void DrawLine(int x1, int y1, int x2, int y2);
    void RasterLine(int x1, int y1, int x2, int y2);
    void ApplyPen() { PenDirty = true; }
    void ApplyBrush() { BrushDirty = true; }
    // Pen and brush reach the painter only before it draws with them; most
    // lines and fills never ask, and setting them costs more than drawing.
    void SyncPen();
    void SyncBrush();
    void UpdateVisible();
    QPen MakePen() const;

    QPainter P;
    // Set when drawing on a bitmap: lines are then rasterised by the canvas
    // itself, pixel for pixel as the drawing code expects.
    QImage* Target = nullptr;
    QRect DeviceClip;
    // What can still be seen, in drawing coordinates.
    TRect Visible;
    bool Clipped = false;
    TRect ClipRect;
    bool PenDirty = true;
    bool BrushDirty = true;
    int DeviceDpi = 96;
    int OriginX = 0;
    int OriginY = 0;
    int PosX = 0;
    int PosY = 0;
    TColor CurPenColor = 0;
    TPenStyle CurPenStyle = TPenStyle::Solid;
    int CurPenWidth = 1;
    TColor CurBrushColor = 0xFFFFFF;
    TBrushStyle CurBrushStyle = TBrushStyle::Solid;
    QString CurFontName;
    int CurFontSize = 8;
    int CurFontStyle = 0;
    TColor CurFontColor = 0;
    QFont CurFont;
    QFontMetrics Metrics{QFont()};
};

// Registers the stand-ins for the Windows fonts the program is drawn with,
// so metrics are the same on every machine. Call once after QGuiApplication.
void InstallFontSubstitutes();
// The substitutes, and "MS Sans Serif" 8 pt as the font of all windows.
void InstallProgramFonts();
