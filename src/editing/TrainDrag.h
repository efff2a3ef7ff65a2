#pragma once

#include "model/Geometry.h"

class Canvas;
struct PlanRec;
struct PlanZug;

// Dragging one point of a train to another track of its station and another
// minute. The situation of the point (first departure, last arrival, arrival
// or departure of a stop, and the directions of the runs around it) decides
// which runs the preview shows and how far the pointer may go.

// Drag variants 1 … 12; 0 when the point fits no situation and is not dragged.
//  1 / 7   first departure, its run goes right / left
//  2 / 8   last arrival, its run came going right / left
//  3 6 9 11  arrival before a stop: (came, continues) right-right, left-left,
//            right-left, left-right
//  4 5 10 12 departure after a stop, in the same order
int ClassifyDragPoint(const PlanZug& train, int point);

// Whether the variant moves the stop partner's track along: the following
// departure for an arrival, the preceding arrival for a departure.
int StopPartnerOf(int variant, int point);

// The screen area the preview may cover and the rectangle the pointer must
// stay in, from the marker boxes of the last drawing and the press row.
struct PointDragFrame {
    TRect ImageRect;
    TRect Bounds;
};
PointDragFrame PointDragFrameOf(const PlanRec& plan, int train, int point, int variant, int pressY);

// Where the dragged point goes for a pointer at (x, y) with the minute under
// it: Follow is false when the point stays (pointer outside the bounds, or a
// first departure going right pulled past its arrival).
struct PointPlace {
    bool Follow = false;
    int Track = 0;
    int Minute = 0;
};
PointPlace DragPointPlace(const PlanRec& plan, int train, int point, int variant,
                          const TRect& bounds, int x, int y, double hoverTime);

// The minute written for the point: the pointer's minute, held between the
// neighbours' times so a train's times never go backwards. A stop or a run
// of zero minutes is allowed.
int ClampedDragMinute(const PlanZug& train, int point, int minute);

// Writes the place: the point's track and time, and the stop partner's track
// (its time stays, so a stop stays on one track).
void WriteDragPlace(PlanRec& plan, int train, int point, int variant, const PointPlace& place);

// Draws the preview for the place white on a black mask (the name black in
// its white box), in canvas coordinates; the caller inverts it into the
// white mask with the preview in black. canvas is the mask's canvas, its
// origin at the part of the diagram the mask covers.
void DrawDragPreview(const PlanRec& plan, int train, int point, int variant,
                     const PointPlace& place, Canvas& mask);
