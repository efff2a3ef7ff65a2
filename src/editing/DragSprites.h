#pragma once

#include "editing/TrainMove.h"
#include "model/Geometry.h"
#include "model/PlanLimits.h"
#include "model/Slots.h"

#include <QImage>

class ScreenImage;

// The drag images of one moved run. The mask holds the run in black on
// white, the full height of the run but only the columns that were visible
// at the press (a run never moves sideways); the background holds the
// screen under the part of the run's current rectangle that is visible.
struct TRunSprite {
    TRect Prepared;
    TRect Current;
    int MaskLeft = 0;
    QImage Mask;
    QImage Background;
    // Where Background lies on the canvas; empty when nothing was saved.
    TRect Saved;
};

// The scratch of the moving gestures. The bitmaps are created with the
// window that owns this and are resized by each gesture that uses them, so a
// pointer move never allocates.
struct DragState {
    // Point drag: the screen area of the preview, the rectangle the pointer
    // must stay in, the diagram saved under the visible part of the preview
    // area (DragShown) and the current preview (white, the shapes black).
    TRect DragImageRect;
    TRect DragBounds;
    TRect DragShown;
    QImage DragBackground;
    QImage DragMask;
    // Run and train moves: one sprite per moved run, with its bounds.
    Slots<TRunSprite, MaxPoints> RunSprite;
    Slots<RunBounds, MaxPoints> MoveRuns;
    int SpriteCount = 0;
};

// Block copies between the screen image and drag bitmaps, in canvas
// coordinates. r must lie inside the screen's viewport (VisiblePart).
TRect VisiblePart(const ScreenImage& screen, const TRect& r);
// Sizes the bitmap to w × h, keeping its buffer when the size is unchanged.
void SizeBitmap(QImage& bitmap, int w, int h);
// Copies the screen under r into the top left of into (sized to r).
void SaveUnder(const ScreenImage& screen, const TRect& r, QImage& into);
// Copies the top left of from back onto the screen at r.
void RestoreUnder(ScreenImage& screen, const TRect& r, const QImage& from);
// Combines mask onto the screen at r with a logical AND; (maskX, maskY) is
// the canvas position of the mask's top left pixel.
void AndMask(ScreenImage& screen, const TRect& r, const QImage& mask, int maskX, int maskY);
