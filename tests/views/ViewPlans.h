#pragma once

#include "model/PlanRec.h"

#include <initializer_list>

// Train points written as the plan shows them: kind, station, track, hh:mm.
struct Stop {
    int Modus;
    int Station;
    int Track;
    int Hour;
    int Minute;
};

// Appends a train; each arrival gets the direction of its run.
int AddTrain(PlanRec& plan, const QString& name, std::initializer_list<Stop> points);

// Stations named "A", "B", … (or the given names) with `tracks` tracks "1", "2", ….
PlanRec LinePlan(int stations, int tracks);
