#pragma once

#include "print/PrintControls.h"
#include "print/PrintScales.h"

#include <functional>

class Canvas;

// Everything drawing one page needs: the canvas, the scales, whether it is
// the preview, and the painters of the parts that come from elsewhere (the
// plan picture, the station timetable's paint box).
struct TRenderContext {
    Canvas* Target = nullptr;
    TPrintScales Scales;
    bool Previewing = true;
    double PreviewScale = 2.0;
    int PrintTags = 0;
    // The page being drawn: the current page in the preview, the page being
    // printed on the printer.
    int Page = 1;
    int PrintKind = 0;
    int TileColumns = 1;
    // Called with each control just before it is printed (not in the preview).
    std::function<void(const TControl&)> OnUpdatePrintStatus;
    // An image named "PlanBox"; return false to have it drawn as an image.
    std::function<bool(TRenderContext&, const TControl&, const TRect&)> DrawPlanBox;
    std::function<void(TRenderContext&, const TControl&, const TRect&)> DrawPaintBox;
};

// Visible, tag not negative and, with print tags set, holding all of them.
bool PassesPrintFilter(const TControl& c, int printTags);

// The font the canvas gets for a text control: in the preview "Arial" at
// the size divided by the preview scale, on the printer the control's own.
void ApplyControlFont(TRenderContext& ctx, const TFontSpec& font);

// Draws one control (and, for containers, its visible children) in its
// mapped rectangle; hs, vs are the page box's scroll positions.
void RenderControl(TRenderContext& ctx, const TControl& c, int hs, int vs);
// The filtered controls of a page box.
void RenderChildren(TRenderContext& ctx, const std::vector<TControl>& controls, int hs, int vs);
