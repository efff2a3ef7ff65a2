#pragma once

#include <QString>

class Cursor;
class Tdm;

// The station database's decisions, without a window: what "Gleisanzahl:"
// may hold, posting a new or edited station with its track rows, deleting a
// station. The editor windows only read their fields and call these.

// A plan station holds at most this many tracks, so the database does too.
constexpr int MaxStationTracks = 30;

// What the user typed into the station dialog.
struct StationInput {
    QString Name;  // "Bezeichnung:"
    QString Abbr;  // "Abkürzung:"
    QString Count; // "Gleisanzahl:" as typed
};

// German reason why a typed track count cannot be stored, empty when it can;
// the count goes into `tracks` (an empty text is no tracks). Only whole
// numbers from 0 to MaxStationTracks pass.
QString TrackCountError(const QString& text, int& tracks);
// German reason why the input cannot be stored (no name, bad count), empty
// when it can.
QString StationInputError(const StationInput& input, int& tracks);

// Writes the input into the row tBhf is inserting or editing.
void PutStationInput(Cursor& tBhf, const StationInput& input);
// The input as the current (or pending) tBhf row holds it.
StationInput StationInputOfRow(Cursor& tBhf);

// Whether another station row than the one tBhf stands on (or inserts)
// already has this name.
bool StationNameTaken(Tdm& dm, const QString& name);

// Creates or deletes the track rows (tGleis) of tBhf's current station so
// that they match its NumGleise; new rows get their number as designation,
// existing ones keep theirs and the highest numbers go first.
void AdjustTracks(Tdm& dm, bool newStation);

struct StationPostResult {
    bool Ok = true;
    bool DuplicateName = false;
    QString Error; // German, for the user
    explicit operator bool() const { return Ok; }
};

// Posts the station tBhf is inserting: not marked, BhfID := LfdNr, then its
// track rows. A refused post leaves nothing pending: the insert is cancelled.
StationPostResult PostNewStation(Tdm& dm);
// Posts the station tBhf is editing and adjusts its track rows; a refused
// post cancels the edit.
StationPostResult PostEditedStation(Tdm& dm);

// Deletes tBhf's current station and all its track rows, together or not at
// all; an empty database is left alone. Gives the store's text on failure.
QString DeleteStation(Tdm& dm);
