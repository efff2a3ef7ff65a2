#pragma once

#include "editing/EditState.h"

#include <QString>
#include <QStringList>

#include <cstdint>

#include <vector>

class Tdm;
struct PlanRec;

// A message for the user: title and text.
struct EditMessage {
    QString Title;
    QString Text;
    bool IsEmpty() const { return Text.isEmpty(); }
};

// A left release on the header strip at (x, y): the station whose header
// holds the point is marked, or unmarked when it was, and every other mark
// is dropped; the mode follows (3 when marked; 2 when unmarked and the plan
// has a train slot, else 0). Returns the stations whose header look changed.
std::vector<int> ToggleStationMark(PlanRec& plan, EditState& s, int x, int y);

// A station of the database as the plan takes it.
struct StationChoice {
    QString Name;
    QString Abbrev;
    int NumGleise = 0;
    // Designations of the track rows in their order.
    QStringList Tracks;
};

// Why no station can be appended, empty when one can.
EditMessage StationInsertRefusal(const PlanRec& plan);
// Appends the chosen station as the last column with a clean slot: not
// marked, TrackCount = min(NumGleise, 30), track r designated by the first
// three characters of row r; rows beyond the 30th are ignored. False (and
// nothing changed) when the plan holds 20 stations already.
bool AppendStation(PlanRec& plan, const StationChoice& choice);

// Database side of the insertion: every station's Mark cleared, then set for
// the stations of the plan (found by name), and tBhfU refreshed. Returns the
// number of stations still available.
int MarkPlanStations(Tdm& dm, const PlanRec& plan);
// The station on which tBhfU stands, with its track rows.
StationChoice ChosenStation(Tdm& dm);

// The insertion's end: the chosen station appended and the plan stored at
// once (DocState 2, not modified afterwards). On a refusal or a failed store
// the plan stays as it was and the message says why.
EditMessage InsertStation(Tdm& dm, PlanRec& plan, const StationChoice& choice,
                          std::uint8_t& docState, bool& modified);

// The marked station, 0 when none.
int MarkedStation(const PlanRec& plan);
// Why the marked station cannot be removed, empty when it can.
EditMessage StationRemovalRefusal(const PlanRec& plan);
// Removes station k in memory: the stations behind it move one to the
// front, and every point at them follows (BhfIdx lowered by one), so each
// point stays at its station. All station marks are cleared. False when a
// point uses the station or k is no station; nothing changes then.
bool RemoveStation(PlanRec& plan, int k);
// The removal command after its checks: the marked station removed from the
// plan in memory, with every unsaved edit kept, and the plan stored as it now
// is, so the stored plan equals it. A plan never stored becomes a stored plan
// of its own; no other stored plan is touched. On a refusal or a failed store
// the plan stays as it was and the message says why.
EditMessage RemoveMarkedStation(Tdm& dm, PlanRec& plan, std::uint8_t& docState, bool& modified);
