#pragma once

#include "model/PlanRec.h"

#include <QString>

class Tdm;

// A small invented line for a new installation: its station database and
// one stored plan with a few trains.
void MakeSamplePlan(PlanRec& plan);
// Writes the stations and/or the plan as one transaction.
bool WriteSampleData(Tdm& dm, bool stations, bool plan, QString& error);
