#pragma once

#include "model/Geometry.h"

struct PlanRec;

// Times of the moving gestures. Every time a gesture writes is a whole
// minute: the conflict scan compares times for equality, and sums of day
// fractions drift off the minute after a few moves.

// Minutes since midnight of a time, rounded to the nearest minute.
int RoundedMinute(double time);
// The time axis as the moves see it: StartHour:00, and EndHour:00 except
// that an axis ending at 24 ends at 23:59.
int StartBound(const PlanRec& plan);
int EndBound(const PlanRec& plan);

// One run of a moved train, fixed at the press: its arrival point, how far
// it may go and how long it runs (minutes).
struct RunBounds {
    int Arrival = 0;
    int Lower = 0;
    int Upper = 0;
    int RunningTime = 0;
};

// The run that ends at arrival: lower bound the previous run's arrival (the
// start bound for the first run), upper bound the following departure (the
// end bound for the last run).
RunBounds RunBoundsOf(const PlanRec& plan, int train, int arrival);

// The run's rectangle from its current times: from the departure's marker
// box to the arrival's, whichever side the run goes.
TRect RunRect(const PlanRec& plan, int train, int arrival);

// Moves the run by shift minutes, keeping its running time. A shift that
// would take the departure before the lower bound or the arrival past the
// upper bound is refused as a whole (false, nothing written).
bool ShiftRun(PlanRec& plan, int train, const RunBounds& run, int shift);

// Moves every run of the train by shift minutes. Refused as a whole when the
// first departure would leave before the start bound or the last arrival
// come after the end bound. runs are the train's runs in order.
bool ShiftTrain(PlanRec& plan, int train, const RunBounds* runs, int count, int shift);
