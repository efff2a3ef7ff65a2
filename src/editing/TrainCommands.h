#pragma once

#include "editing/EditState.h"
#include "model/Geometry.h"

#include <QString>

struct PlanRec;

// Longest train name the rename dialog takes (the stored field's width).
constexpr int MaxTrainNameLength = 10;

// A marked slot that holds no train, or a selection beyond the last slot,
// ends unmarked and unselected, so no command acts on an empty slot.
void DropEmptySelection(const PlanRec& plan, EditState& s);

// Delete the marked train: the slots behind it move down one with their
// whole content and the former last slot is emptied. False with `error`
// ("Kein Zug markiert") when no train is marked; nothing changes then.
// SelTrain then names the train that moved into the slot, unmarked.
bool DeleteSelectedTrain(PlanRec& plan, EditState& s, bool& modified, QString& error);

// Why the rename command refuses, empty when it may ask for the new name.
QString RenameRefusal(const PlanRec& plan, const EditState& s);
// The marked train gets `name` (cut to 10 characters; an empty name is
// accepted). False when RenameRefusal refuses.
bool RenameTrain(PlanRec& plan, EditState& s, bool& modified, const QString& name);

// The colour box's choice: in mode 2 recolours the marked train, in mode 1
// the train being inserted while none is marked; otherwise nothing. True
// when a train's colour changed (the plan is then modified); `redraw` tells
// whether the train is to be drawn marked anew.
bool RecolourTrain(PlanRec& plan, EditState& s, bool& modified, TColor color, bool& redraw);
