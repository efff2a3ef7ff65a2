#pragma once

#include "editing/EditState.h"

#include <QString>

#include <functional>

struct DiagramView;
struct PlanRec;

// Texts of the three status panels for the point under the pointer.
struct PointerReadout {
    QString Station; // "  Bahnhof: …" or "  Bahnhof:"
    QString Track;   // "  Gleis: …" or "  Gleis"
    QString Time;    // "  hh:mm:ss Uhr" or empty
};

// Read-out of a pointer move at (x, y): sets HoverTime (only when the time
// is valid), HoverTimeValid, HoverStation and HoverTrack from the
// rectangles and time axis of the last drawing, and returns the panel texts.
PointerReadout ReadPointer(const PlanRec& plan, const DiagramView& view, EditState& s, int x,
                           int y);

// Pointer shape id for the state: 1, 2, 3 for the insertion steps in mode 1,
// 0 (the default pointer) otherwise.
int PointerShapeId(const EditState& s);

// A train point whose name box or marker box holds (x, y): the first train
// in use in slot order, then point order. An all-zero name box (departures,
// cleared trains) is never hit. False when nothing is hit.
bool FindTrainAt(const PlanRec& plan, int x, int y, int& train, int& point);

// Selection by a press. highlight(marked) draws train SelTrain in that look
// and sets TrainMarked. Nothing happens while a move is armed; a miss leaves
// SelTrain and SelPoint as they are, unmarked.
void SelectTrainAt(const PlanRec& plan, EditState& s, int x, int y,
                   const std::function<void(bool)>& highlight);

// The slot names a train in use, and point a point it has.
bool TrainInUse(const PlanRec& plan, int train);
bool PointOfTrain(const PlanRec& plan, int train, int point);

// What a press does (only in mode 2, after the selection): drag the pressed
// point when the press lies on the selected point's marker, else arm a run
// or train move (which arm only on the selected point's name box).
enum class PressGesture { None, PointDrag, RunMove, TrainMove };
PressGesture GestureOfPress(const PlanRec& plan, const EditState& s, int x, int y);

// What a left release does.
enum class ReleaseAction {
    None,
    InsertionNotFinished, // header strip while inserting
    ToggleStation,        // header strip otherwise
    InsertPoint,          // diagram in mode 1
    RepaintAfterDrag,     // diagram in mode 2 after a drag
};
// The release ends every gesture (PointDragActive, MoveArmed, DragVariant
// cleared) and says what the left button's release asks for.
ReleaseAction LeftRelease(const PlanRec& plan, EditState& s, int x, int y);
