#pragma once

#include "model/PlanRec.h"

#include <QString>

#include <cstdint>

class Tdm;

// Outcome of a plan routine: on failure a German text for the user, and
// nothing stored has changed. A success may carry a notice the user must
// read (shown as "Hinweis").
struct StoreResult {
    bool Ok = true;
    QString Error;
    QString Notice;
    explicit operator bool() const { return Ok; }
    static StoreResult Failed(const QString& text) { return StoreResult{false, text, QString()}; }
};

// Writes the whole plan as one transaction. DocState 1 inserts a new header
// row, DocState 2 replaces the plan on which tSavePlan stands. On success
// docState becomes 2, modified false, and tSavePlan stands on the plan's
// header; on failure both keep their values and the stored plans are as before.
// When the header of a stored plan was deleted by another program since it
// was read, the plan is stored as a new one and the result's notice says so.
StoreResult StorePlan(Tdm& dm, const PlanRec& plan, std::uint8_t& docState, bool& modified);

// Fills `plan` from the plan on which tSavePlan stands. A stored plan that
// does not fit PlanRec or contradicts itself is refused and `plan` stays as
// it was. DocState and Modified are the caller's; so is the edit mode
// (trains loaded and edit mode 0: switch to "Zug editieren").
StoreResult LoadPlan(Tdm& dm, PlanRec& plan);

// Deletes the station, track, train and point rows of the current plan; the
// header row stays. One transaction.
StoreResult DeletePlanDetails(Tdm& dm);

// Deletes the current plan with all its rows; tSavePlan then stands on the
// following plan (the preceding one when the last was deleted). One transaction.
StoreResult DeleteStoredPlan(Tdm& dm);

// Station removal in the stored plan (the current row of tSavePlan): deletes
// the station row number `station` (1-based, plan order) with its track rows
// and moves the points of the stations behind it one station to the front,
// so every point stays at its station. Refused when the plan is not stored
// (docState other than 2) or a stored point uses the station. One transaction;
// the caller reads the plan back with LoadPlan.
StoreResult DeletePlanStation(Tdm& dm, int station, std::uint8_t docState);
