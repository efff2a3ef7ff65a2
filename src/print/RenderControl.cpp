#include "print/RenderControl.h"

#include "platform/Canvas.h"

#include <QPainter>

#include <algorithm>

namespace {

int Tr(double v) {
    return static_cast<int>(v);
}

void ResetTools(TRenderContext& ctx) {
    Canvas& c = *ctx.Target;
    c.SetPenWidth(ctx.Scales.PenScaleY);
    c.SetPenColor(0);
    c.SetPenStyle(TPenStyle::Solid);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.SetBrushColor(0xFFFFFF);
}

QRect Q(const TRect& r) {
    return QRect(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

Qt::Alignment AlignOf(TAlignment a) {
    switch (a) {
    case TAlignment::Right:
        return Qt::AlignRight;
    case TAlignment::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// Text through the painter in the canvas's font and font colour.
void DrawText(Canvas& c, const TRect& r, int flags, const QString& text) {
    if (text.isEmpty() || r.Width() <= 0 || r.Height() <= 0)
        return;
    QPainter& p = c.Painter();
    p.setFont(c.CurrentQFont());
    p.setPen(ToQColor(c.FontColor()));
    p.drawText(Q(r), flags, text);
    // The canvas restores its own pen at its next drawing.
    c.SetPenColor(c.PenColor());
}

QString ExpandTabs(QString s) {
    return s.replace(u'\t', QStringLiteral("        "));
}

void Outline(Canvas& c, const TRect& r) {
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(r);
}

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void RenderLabel(TRenderContext& ctx, const TControl& ctl, TRect r) {
    Canvas& c = *ctx.Target;
    ApplyControlFont(ctx, ctl.Font);
    r.Right += 3 * ctx.Scales.PenScaleX;
    int flags = static_cast<int>(AlignOf(ctl.Alignment) | Qt::AlignTop | Qt::TextExpandTabs);
    if (ctl.WordWrap)
        flags |= Qt::TextWordWrap;
    DrawText(c, r, flags, ctl.Caption.left(254));
}

void RenderMemo(TRenderContext& ctx, const TControl& ctl, TRect r) {
    Canvas& c = *ctx.Target;
    if (ctl.SingleBorder)
        Outline(c, r);
    r.Left += 2 * ctx.Scales.PenScaleX;
    r.Right -= 2 * ctx.Scales.PenScaleX;
    r.Top += 3 * ctx.Scales.PenScaleY;
    ApplyControlFont(ctx, ctl.Font);
    int flags = static_cast<int>(AlignOf(ctl.Alignment) | Qt::AlignTop);
    if (ctl.WordWrap)
        flags |= Qt::TextWordWrap;
    DrawText(c, r, flags, ExpandTabs(ctl.Caption));
}

void RenderEditText(TRenderContext& ctx, const TControl& ctl, TRect r) {
    ApplyControlFont(ctx, ctl.Font);
    r.Left += 2 * ctx.Scales.PenScaleX;
    DrawText(*ctx.Target, r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             ctl.Caption.left(254));
}

void RenderShape(TRenderContext& ctx, const TControl& ctl, TRect r) {
    Canvas& c = *ctx.Target;
    c.SetPenColor(ctl.PenColor);
    c.SetPenWidth(std::max(1, ctl.PenWidth) * ctx.Scales.PenScaleY);
    c.SetBrushColor(ctl.BrushColor);
    c.SetBrushStyle(ctl.BrushClear ? TBrushStyle::Clear : TBrushStyle::Solid);
    const bool square = ctl.Shape == TShapeType::Square || ctl.Shape == TShapeType::RoundSquare ||
                        ctl.Shape == TShapeType::Circle;
    if (square) {
        const int side = std::min(r.Width(), r.Height());
        const int x = r.Left + (r.Width() - side) / 2;
        const int y = r.Top + (r.Height() - side) / 2;
        r = {x, y, x + side, y + side};
    }
    switch (ctl.Shape) {
    case TShapeType::Rectangle:
    case TShapeType::Square:
        c.Rectangle(r);
        break;
    case TShapeType::RoundRect:
    case TShapeType::RoundSquare: {
        const int corner = std::min(r.Width(), r.Height()) / 4;
        c.RoundRect(r, corner, corner);
        break;
    }
    default:
        c.Ellipse(r);
        break;
    }
    ResetTools(ctx);
}

void RenderGrid(TRenderContext& ctx, const TControl& g, int hs, int vs) {
    Canvas& c = *ctx.Target;
    ApplyControlFont(ctx, g.Font);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine |
                      (g.Is(ccCalendar) ? Qt::AlignHCenter : Qt::AlignLeft);
    c.SetPenWidth(g.GridLineWidth * ctx.Scales.PenScaleY);
    for (int col = 0; col < g.ColCount; ++col)
        for (int row = 0; row < g.RowCount; ++row) {
            TRect cell = g.CellRect(col, row);
            if (cell.Width() <= 0 || cell.Height() <= 0)
                continue;
            cell = {cell.Left + g.Left, cell.Top + g.Top, cell.Right + g.Left + g.GridLineWidth,
                    cell.Bottom + g.Top + g.GridLineWidth};
            const TRect r = MapRect(cell, hs, vs, ctx.Scales);
            const bool fixed = col < g.FixedCols || row < g.FixedRows;
            if (fixed) {
                c.SetBrushStyle(TBrushStyle::Solid);
                c.SetBrushColor(g.FixedColor);
                c.FillRect(r);
            }
            if (g.GridLineWidth > 0) {
                c.SetPenColor(0xC0C0C0);
                Outline(c, r);
                c.SetPenColor(0);
            }
            TRect text = r;
            text.Left += 2 * ctx.Scales.PenScaleX + 3;
            text.Right -= 2 * ctx.Scales.PenScaleX + 5;
            DrawText(c, text, flags, g.Cell(col, row));
            c.SetBrushStyle(TBrushStyle::Clear);
        }
    ResetTools(ctx);
}

void RenderCheck(TRenderContext& ctx, const TControl& ctl, const TRect& r, bool radio) {
    Canvas& c = *ctx.Target;
    const int bw = Tr(12 * ctx.Scales.ScaleX);
    const int bh = Tr(12 * ctx.Scales.ScaleY);
    const int top = r.Top + (r.Height() - bh) / 2;
    const int gap = (radio ? 3 : 2) * ctx.Scales.PenScaleX;
    TRect box, text;
    if (ctl.BoxLeft) {
        box = {r.Left, top, r.Left + bw, top + bh};
        text = {box.Right + gap, r.Top, r.Right, r.Bottom};
    } else {
        box = {r.Right - bw, top, r.Right, top + bh};
        text = {r.Left, r.Top, box.Left - gap, r.Bottom};
    }
    if (radio) {
        c.Ellipse(box);
        if (ctl.Checked) {
            const int ix = bw / 3;
            const int iy = bh / 3;
            c.SetBrushStyle(TBrushStyle::Solid);
            c.SetBrushColor(0);
            c.Ellipse({box.Left + ix, box.Top + iy, box.Right - ix, box.Bottom - iy});
            c.SetBrushStyle(TBrushStyle::Clear);
        }
    } else {
        Outline(c, box);
        if (ctl.Checked) {
            c.SetPenWidth(2 * ctx.Scales.PenScaleY);
            const int midY = box.Top + bh / 2;
            const int cx = box.Left + bw / 2 - bw / 8;
            c.MoveTo(box.Left + bw / 6, midY);
            c.LineTo(cx, box.Bottom - bh / 6);
            c.LineTo(box.Right - bw / 6, box.Top + bh / 6);
            c.SetPenWidth(ctx.Scales.PenScaleY);
        }
    }
    ApplyControlFont(ctx, ctl.Font);
    DrawText(c, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ctl.Caption);
}

void RenderBevel(Canvas& c, const TControl& ctl, const TRect& r) {
    switch (ctl.Bevel) {
    case TBevelShape::Box:
    case TBevelShape::Frame:
        Outline(c, r);
        break;
    case TBevelShape::TopLine:
        Line(c, r.Left, r.Top, r.Right, r.Top);
        break;
    case TBevelShape::BottomLine:
        Line(c, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
        break;
    case TBevelShape::LeftLine:
        Line(c, r.Left, r.Top, r.Left, r.Bottom);
        break;
    case TBevelShape::RightLine:
        Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        break;
    case TBevelShape::Spacer:
        break;
    }
}

// The selected tab's caption in bold inside a tab outline, a line on to
// the right end.
void RenderTab(TRenderContext& ctx, const TControl& ctl, const TRect& r) {
    if (ctl.TabIndex < 0 || ctl.TabIndex >= ctl.Tabs.size())
        return;
    Canvas& c = *ctx.Target;
    TFontSpec bold = ctl.Font;
    bold.Style |= fsBold;
    ApplyControlFont(ctx, bold);
    const QString caption = ctl.Tabs[ctl.TabIndex];
    const int x = r.Left + Tr(15 * ctx.Scales.ScaleX);
    const int w = c.TextWidth(caption);
    const int h = c.TextHeight(caption);
    const int pad = Tr(4 * ctx.Scales.ScaleX);
    DrawText(c, {x, r.Top, x + w + 1, r.Top + h}, Qt::AlignLeft | Qt::AlignTop, caption);
    const int bottom = r.Top + h + Tr(2 * ctx.Scales.ScaleY);
    c.MoveTo(r.Left, bottom);
    c.LineTo(x - pad, bottom);
    c.LineTo(x - pad, r.Top);
    c.LineTo(x + w + pad, r.Top);
    c.LineTo(x + w + pad, bottom);
    c.LineTo(r.Right, bottom);
}

void RenderPicture(TRenderContext& ctx, const TControl& ctl, const TRect& r, bool outline) {
    if (!ctl.PictureIsBitmap || ctl.Picture.isNull())
        return;
    ctx.Target->StretchDraw(r, ctl.Picture);
    if (outline && ctx.Previewing)
        Outline(*ctx.Target, r);
}

void RenderGroupFrame(TRenderContext& ctx, const TControl& ctl, const TRect& r) {
    Canvas& c = *ctx.Target;
    if (ctl.Caption.isEmpty()) {
        Outline(c, r);
        return;
    }
    ApplyControlFont(ctx, ctl.Font);
    const int x = r.Left + Tr(8 * ctx.Scales.ScaleX);
    const int w = c.TextWidth(ctl.Caption);
    const int h = c.TextHeight(ctl.Caption);
    const int mid = r.Top + h / 2;
    DrawText(c, {x, r.Top, x + w + 1, r.Top + h}, Qt::AlignLeft | Qt::AlignTop, ctl.Caption);
    c.MoveTo(x, mid);
    c.LineTo(r.Left, mid);
    c.LineTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Right - 1, mid);
    c.LineTo(x + w, mid);
}

// Children of a container are placed relative to it.
void RenderInside(TRenderContext& ctx, const TControl& parent, const std::vector<TControl>& kids,
                  int hs, int vs) {
    ctx.Scales.OriginX += parent.Left;
    ctx.Scales.OriginY += parent.Top;
    RenderChildren(ctx, kids, hs, vs);
    ctx.Scales.OriginX -= parent.Left;
    ctx.Scales.OriginY -= parent.Top;
}

} // namespace

bool PassesPrintFilter(const TControl& c, int printTags) {
    return c.Visible && c.Tag >= 0 && (printTags == 0 || (c.Tag & printTags) == printTags);
}

void ApplyControlFont(TRenderContext& ctx, const TFontSpec& font) {
    Canvas& c = *ctx.Target;
    if (ctx.Previewing)
        c.SetFont(QStringLiteral("Arial"), Tr(font.Size / ctx.PreviewScale), font.Style);
    else
        c.SetFont(font.Name, font.Size, font.Style);
    c.SetFontColor(font.Color);
}

void RenderControl(TRenderContext& ctx, const TControl& ctl, int hs, int vs) {
    if (!ctx.Target)
        return;
    Canvas& c = *ctx.Target;
    ResetTools(ctx);
    if (!ctx.Previewing && ctx.OnUpdatePrintStatus)
        ctx.OnUpdatePrintStatus(ctl);
    const TRect r = MapRect(ctl.Bounds(), hs, vs, ctx.Scales);

    if (ctl.Is(ccDBLabel) || ctl.Is(ccLabel))
        RenderLabel(ctx, ctl, r);
    if (ctl.Is(ccMemo))
        RenderMemo(ctx, ctl, r);
    if (ctl.Is(ccEdit) && !ctl.Is(ccMemo)) {
        if (ctl.SingleBorder)
            Outline(c, r);
        RenderEditText(ctx, ctl, r);
    }
    if (ctl.Is(ccComboBox)) {
        Outline(c, r);
        RenderEditText(ctx, ctl, r);
    }
    if (ctl.Is(ccShape))
        RenderShape(ctx, ctl, r);
    if (ctl.Is(ccStringGrid) || ctl.Is(ccCalendar))
        RenderGrid(ctx, ctl, hs, vs);
    if (ctl.Is(ccCheckBox))
        RenderCheck(ctx, ctl, r, false);
    if (ctl.Is(ccRadioButton))
        RenderCheck(ctx, ctl, r, true);
    if (ctl.Is(ccBevel))
        RenderBevel(c, ctl, r);
    if (ctl.Is(ccTabSet))
        RenderTab(ctx, ctl, r);
    if (ctl.Is(ccImage)) {
        const bool special = ctl.Name == QStringLiteral("PlanBox") && ctx.DrawPlanBox &&
                             ctx.DrawPlanBox(ctx, ctl, r);
        if (!special)
            RenderPicture(ctx, ctl, r, false);
    }
    if (ctl.Is(ccDBImage))
        RenderPicture(ctx, ctl, r, true);
    if (ctl.Is(ccGroupBox)) {
        RenderGroupFrame(ctx, ctl, r);
        RenderInside(ctx, ctl, ctl.Children, hs, vs);
    }
    if (ctl.Is(ccPanel)) {
        if (ctl.Lowered) {
            Line(c, r.Left, r.Bottom - 1, r.Left, r.Top);
            c.LineTo(r.Right - 1, r.Top);
            c.SetPenWidth(2 * ctx.Scales.PenScaleY);
            Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
            c.LineTo(r.Left, r.Bottom - 1);
            c.SetPenWidth(ctx.Scales.PenScaleY);
        }
        RenderInside(ctx, ctl, ctl.Children, hs, vs);
    }
    if (ctl.Is(ccNotebook) || ctl.Is(ccTabbedNotebook)) {
        if (ctl.TabIndex >= 0 && ctl.TabIndex < static_cast<int>(ctl.Children.size())) {
            const TControl& page = ctl.Children[static_cast<std::size_t>(ctl.TabIndex)];
            if (ctl.Is(ccTabbedNotebook))
                RenderTab(ctx, ctl, r);
            RenderInside(ctx, ctl, page.Children, hs, vs);
        }
    }
    if (ctl.Is(ccPaintBox) && ctx.DrawPaintBox) {
        if (ctx.Previewing)
            c.SetFont(QStringLiteral("Arial"), Tr(10 / ctx.PreviewScale), 0);
        else
            c.SetFont(QStringLiteral("Arial"), 8, 0);
        ctx.DrawPaintBox(ctx, ctl, r);
    }
    ResetTools(ctx);
}

void RenderChildren(TRenderContext& ctx, const std::vector<TControl>& controls, int hs, int vs) {
    for (const TControl& c : controls)
        if (PassesPrintFilter(c, ctx.PrintTags))
            RenderControl(ctx, c, hs, vs);
}
