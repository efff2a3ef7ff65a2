#pragma once

#include "model/Geometry.h"

class ScreenImage;
struct DiagramView;
struct DragState;
struct EditState;
struct PlanRec;

// The three gestures that move a train in time: a point drag, a run move
// ("Teilstrecke") and a whole-train move ("Gesamter Zug"). The data change on
// every accepted pointer move; the screen meanwhile shows a preview combined
// over a saved copy of the diagram, and is never redrawn from the plan until
// the release repaints it.
struct MovingContext {
    PlanRec& Plan;
    EditState& State;
    DragState& Drag;
    ScreenImage& Screen;
    DiagramView& View;
    bool& Modified;
};

// Press on the marker box of point SelPoint of SelTrain: classifies the
// point, sets the bounds and saves the diagram under the preview area.
void BeginPointDrag(MovingContext& m, int x, int y);
// Pointer move while PointDragActive. Returns the canvas rectangle of the
// screen that changed (empty when nothing did).
TRect DragPoint(MovingContext& m, int x, int y);

// Press for a run move: arms it when (x, y) lies on the name box of point
// SelPoint and prepares the run's sprite. Marks the plan modified either way.
void BeginRunMove(MovingContext& m, int x, int y);
TRect MoveRun(MovingContext& m);

// Press for a whole-train move: arms it on the name box of SelPoint and
// prepares a sprite for every run of SelTrain.
void BeginTrainMove(MovingContext& m, int x, int y);
TRect MoveTrain(MovingContext& m);
