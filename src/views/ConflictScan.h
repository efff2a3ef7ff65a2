#pragma once

class Cursor;
class Tdm;
struct PlanRec;

// The plan scan: finds tracks occupied by two trains and trains overtaking
// each other on a stretch, and writes one TmpCheck.DAT row per finding.
// It lives with the views rather than the diagram because, like them, it
// writes a scratch table of the data module, which the diagram never reaches.

// Empties TmpCheck.DAT and runs the three checks for every point of every
// train; true when any check wrote a row.
bool ScanPlan(Tdm& dm, const PlanRec& plan);

// The checks for point a of train slot T; each is false when it wrote a row.
bool CheckOvertaking(Cursor& tTabCheck, const PlanRec& plan, int T, int a);
bool CheckStopOverlap(Cursor& tTabCheck, const PlanRec& plan, int T, int a);
bool CheckEndpointClash(Cursor& tTabCheck, const PlanRec& plan, int T, int a);
