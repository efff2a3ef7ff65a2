#pragma once

#include "editing/EditState.h"
#include "model/Geometry.h"

#include <QString>

class Canvas;
struct DiagramView;
struct PlanRec;

// Texts of the refusals that guard the plan's fixed arrays.
QString TooManyTrainsText();
QString TooManyPointsText();

// The new-train button: takes the next train slot (named "Zug #n", in the
// colour given) and switches to mode 1. The caller has drawn a marked train
// unmarked before. False with `error` set when all 50 slots are taken;
// nothing changes then.
bool NewTrain(PlanRec& plan, EditState& s, TColor color, QString& error);

// The nine checks of an insertion click on the editing state and the train
// InsertTrain; true when the click is refused, the reason in InsertError.
// A point beyond the 100th is refused as well.
bool CheckInsertClick(const PlanRec& plan, EditState& s);

// A left release at (x, y) in the diagram while inserting: marks the plan
// modified, then lays the next point unless CheckInsertClick refuses (true
// when a point was laid; the text of a refusal is in InsertError). The point
// gets its marker box at the release row and, on an arrival, its name box.
bool InsertClick(PlanRec& plan, EditState& s, bool& modified, int x, int y);

// Draws the point just laid as insertion draws it: the marker, and on an
// arrival the run to it, on a departure after a stop the stop line.
void DrawInsertedPoint(const PlanRec& plan, int train, int point, Canvas& c);

// Drops trailing points that do not end a run; a train left without points
// releases its slot.
void FinishInsertedTrain(PlanRec& plan, EditState& s);

// The end of an insertion as the right release ends it: mode 2, InsertTrain
// and SelTrain the last slot, the train finished. True when a train remains
// to be drawn marked; a released slot leaves nothing selected.
bool EndInsertion(PlanRec& plan, EditState& s);
