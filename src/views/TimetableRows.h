#pragma once

#include <QString>
#include <QStringList>

class Cursor;
class Tdm;
struct PlanRec;

// The rows the three timetable views derive from the open plan, written
// into the scratch tables, and the choices, indexes and ranges through
// which the views (and their prints) read them back.

// One row per run of a train into Tabsort.DAT; the caller has emptied the table.
void BuildTrainRunRows(Cursor& tTabSort, const PlanRec& plan);
// One row per start, stop and end of a train at a station into Tabsort.DAT.
void BuildDispatcherRows(Cursor& tTabSort, const PlanRec& plan);
void AddDispatcherRow(Cursor& tTabSort, const QString& station, const QString& from,
                      bool hasDeparture, bool hasArrival, double departure, double arrival,
                      const QString& track, const QString& train, const QString& to);
// One row per arrival and per departure of a train at a station into TmpPlan.DAT.
void BuildStationTimetableRows(Cursor& tTabPlan, const PlanRec& plan);
void AddStationRow(Cursor& tTabPlan, const QString& station, const QString& train, double timeAtEnd,
                   double timeAtNeighbour, double time, bool isDeparture, const QString& endStation,
                   const QString& neighbour, const QString& track);

// Station names in plan order, a name left out when it equals the one before.
QStringList FillStationChoice(const PlanRec& plan);
// "Alle Züge", then each train name of Tabsort.DAT under IDX_ZUGS once.
QStringList TrainChoice(Cursor& tTabSort);
extern const QString AllTrainsText;

// Refill of a view's table: close, empty, open, lift any range left by
// another view, select the view's index and extract (in one transaction:
// after a store error the table is empty, never half filled).
void RefillTrainRun(Tdm& dm, const PlanRec& plan);
void RefillDispatcher(Tdm& dm, const PlanRec& plan);
void RefillStationTimetable(Tdm& dm, const PlanRec& plan);

// The choices of the views. Each lifts the old range before it sets the
// new one. An empty train name shows all runs.
void SelectTrainRange(Cursor& tTabSort, const QString& train);
// Sort 0 "Zugnamen", 1 "Ankunft", 2 "Abfahrt"; any other value keeps the index.
void SelectDispatcherRange(Cursor& tTabSort, const QString& station, int sort);
// Type 0 arrivals, 1 departures.
void SelectStationRange(Cursor& tTabPlan, const QString& station, int type);

extern const QStringList DispatcherSortItems;
extern const QStringList StationTypeItems;

// Column titles of the windows and the cell texts of the current row.
extern const QStringList TrainRunHeaders;
extern const QStringList DispatcherHeaders;
extern const QStringList ErrorListHeaders;
extern const QStringList StationRowHeaders;
QStringList TrainRunCells(Cursor& tTabSort);
QStringList DispatcherCells(Cursor& tTabSort);
QStringList ErrorListCells(Cursor& tTabCheck);
// Uhrzeit, Gleis, ZugN, NBhf, ZeitNB, LBhf, ZeitLB; times hh:mm, empty
// beside an empty station.
QStringList StationRowCells(Cursor& tTabPlan);
