#pragma once

#include "diagram/DiagramView.h"
#include "model/Geometry.h"

#include <QImage>
#include <QRegion>

#include <memory>

class Canvas;
struct PlanRec;

// The picture of the paint box's visible part. The paint box cannot be
// drawn on outside its paint event, so everything that draws "on the
// screen" draws here, in canvas coordinates, and the paint box shows the
// image. Only the viewport is held, never the whole canvas.
//
// Like a window, the image keeps what was drawn on it until a part is
// invalidated; Validate then draws the invalid parts anew from the plan.
// A paint event calls Validate and shows the image; direct drawing (a
// highlighted train, a drag preview) stays until the next invalidation.
class ScreenImage {
public:
    // The visible part of the canvas, in canvas coordinates. Pixels still
    // visible after a scroll are kept; the rest becomes invalid.
    void SetViewport(const TRect& viewport);
    TRect Viewport() const { return View; }
    const QImage& Image() const { return Pixels; }
    // The pixels themselves, for block copies that need no canvas (the drag
    // sprites). What is written stays until the part is invalidated.
    QImage& MutableImage() { return Pixels; }

    // Marks a canvas rectangle for redrawing (the plan or its look changed).
    void Invalidate(const TRect& r);
    void InvalidateAll();
    bool IsValid() const { return Dirty.isEmpty(); }

    // Draws the invalid parts anew from the plan, as a full screen drawing
    // would, clipped to them. With no plan open they are filled white, the
    // colour of the scroll box.
    void Validate(PlanRec& plan, DiagramView& view, bool planOpen);
    // Draws the given part anew whether it was invalid or not.
    void Redraw(PlanRec& plan, DiagramView& view, const TRect& part, bool planOpen);

    // A canvas on the image in canvas coordinates, for drawing outside a
    // paint event. Null while the viewport is empty. Drop it before the
    // image is shown.
    std::unique_ptr<Canvas> OpenCanvas();

    // Where canvas rectangle r lies in the image; empty when not visible.
    TRect ToImage(const TRect& r) const;

private:
    TRect View;
    QImage Pixels;
    // Invalid parts, in canvas coordinates.
    QRegion Dirty;
};
