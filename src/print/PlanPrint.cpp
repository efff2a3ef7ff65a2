#include "print/PlanPrint.h"

#include "diagram/DiagramRenderer.h"
#include "model/PlanRec.h"
#include "platform/Canvas.h"
#include "print/PrintEngine.h"
#include "print/RenderControl.h"

#include <QPainter>

#include <algorithm>

TTileGrid PlanTileGrid(int w, int h) {
    if (w <= 0 || h <= 0)
        return {};
    return {w / PlanTileWidth + (w % PlanTileWidth > 0 ? 1 : 0),
            h / PlanTileHeight + (h % PlanTileHeight > 0 ? 1 : 0)};
}

TRect PlanTileSource(int page, int columns, int tileW, int tileH, int w, int h) {
    if (page < 1 || columns < 1)
        return {};
    const int col = (page - 1) % columns;
    const int row = (page - 1) / columns;
    TRect r{col * tileW, row * tileH, col * tileW + tileW, row * tileH + tileH};
    r.Right = std::min(r.Right, w);
    r.Bottom = std::min(r.Bottom, h);
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return {};
    return r;
}

QString PlanPrintTitle(const QString& planName, bool cyclic, bool fullSize) {
    QString t = QStringLiteral("Fahrplan: ") + planName;
    if (fullSize && cyclic)
        t += QStringLiteral(" - (Taktfahrplan)");
    return t;
}

TLayoutForm MakePagePlan() {
    TLayoutForm f =
        MakePageFrame(QStringLiteral("TPagePlan"), QStringLiteral("Zentoria"), 91, 1008);
    TControl& box = f.Components.front();
    box.Children.push_back(MakeLine(QStringLiteral("Bevel1"), 117));
    TControl image;
    image.Classes = ccImage;
    image.Name = QStringLiteral("PlanBox");
    image.Left = 60;
    image.Top = 144;
    image.Width = PlanTileWidth;
    image.Height = PlanTileHeight;
    box.Children.push_back(std::move(image));
    return f;
}

TPlanPicture::TPlanPicture(const PlanRec& plan, const DiagramView& view)
    : Plan(std::make_unique<PlanRec>(plan)), View(view) {
    ResizePlan(*Plan);
    W = std::max(0, Plan->PlanRect.Width());
    H = std::max(0, Plan->PlanRect.Height());
}

TPlanPicture::~TPlanPicture() = default;

namespace {

// The print picture within the canvas's clip, with its frame.
void DrawPrintPart(PlanRec& plan, DiagramView& view, Canvas& c, int w, int h) {
    DrawPrintPicture(plan, view, c);
    c.SetPenColor(0);
    c.SetPenWidth(1);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle({2, 2, w - 2, h - 2});
}

} // namespace

void TPlanPicture::DrawPart(const TRect& src, QImage& tile) {
    tile.fill(Qt::white);
    if (src.Width() <= 0 || src.Height() <= 0)
        return;
    Canvas c(tile);
    c.SetOrigin(src.Left, src.Top);
    c.SetClipRect({src.Left, src.Top, std::min(src.Right, src.Left + tile.width()),
                   std::min(src.Bottom, src.Top + tile.height())});
    DrawPrintPart(*Plan, View, c, W, H);
}

QImage TPlanPicture::Fitted(int w, int h) {
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return QImage();
    if (FittedCache.width() == w && FittedCache.height() == h)
        return FittedCache;
    FittedCache = QImage(); // the old picture goes before the new one is made
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(Qt::white);
    constexpr int BandRows = 512;
    QImage band(W, std::min(BandRows, H), QImage::Format_RGB32);
    QPainter p(&out);
    for (int top = 0; top < H; top += BandRows) {
        const int count = std::min(BandRows, H - top);
        {
            Canvas c(band);
            c.SetOrigin(0, top);
            c.SetClipRect({0, top, W, top + count});
            DrawPrintPart(*Plan, View, c, W, H);
        }
        const double y0 = static_cast<double>(top) * h / H;
        const double y1 = static_cast<double>(top + count) * h / H;
        p.drawImage(QRectF(0, y0, w, y1 - y0), band, QRectF(0, 0, W, count));
    }
    p.end();
    FittedCache = out;
    return FittedCache;
}

bool TPlanPicture::Paint(TRenderContext& ctx, const TControl& image, const TRect& r) {
    if (ctx.PrintKind != pkPlanTiles && ctx.PrintKind != pkPlanFitted)
        return false;
    Canvas& c = *ctx.Target;
    if (ctx.PrintKind == pkPlanFitted) {
        // The preview never enlarges the picture beyond its own size.
        TRect target = r;
        if (ctx.Previewing) {
            target.Right = target.Left + std::min(r.Width(), W);
            target.Bottom = target.Top + std::min(r.Height(), H);
        }
        const QImage pic = Fitted(target.Width(), target.Height());
        if (!pic.isNull())
            c.CopyRect(target, pic, {0, 0, pic.width(), pic.height()});
        return true;
    }
    const int tw = std::max(1, image.Width);
    const int th = std::max(1, image.Height);
    const TRect src = PlanTileSource(ctx.Page, ctx.TileColumns, tw, th, W, H);
    if (Tile.width() != tw || Tile.height() != th)
        Tile = QImage(tw, th, QImage::Format_RGB32);
    DrawPart(src, Tile);
    if (ctx.Previewing) {
        const TRect target{r.Left, r.Top, r.Left + std::min(r.Width(), src.Width()),
                           r.Top + std::min(r.Height(), src.Height())};
        c.CopyRect(target, Tile, {0, 0, src.Width(), src.Height()});
    } else {
        // Every tile prints at the same scale: the whole tile bitmap, white
        // beyond the picture's edge, goes into the page's picture area.
        c.StretchDraw(r, Tile);
    }
    return true;
}

void PreparePlanPrint(TPrintEngine& engine, TLayoutForm& form, TPlanPicture& picture,
                      const PlanRec& plan, bool fullSize) {
    form.SetText(QStringLiteral("ltitel"), PlanPrintTitle(plan.PlanName, plan.Cyclic, fullSize));
    if (fullSize) {
        const TTileGrid grid = PlanTileGrid(picture.Width(), picture.Height());
        for (int i = 0; i < grid.Pages(); ++i)
            engine.AddPages(form);
        engine.PrintKind = pkPlanTiles;
        engine.TileColumns = std::max(1, grid.Columns);
    } else {
        if (picture.Width() > 0 && picture.Height() > 0)
            engine.AddPages(form);
        engine.PrintKind = pkPlanFitted;
    }
    engine.DrawPlanBox = [&picture](TRenderContext& ctx, const TControl& image, const TRect& r) {
        return picture.Paint(ctx, image, r);
    };
}
