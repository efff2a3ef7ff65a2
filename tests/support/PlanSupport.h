#pragma once

#include "PlanFixtures.h"
#include "model/PlanRec.h"

#include <QString>

#include <memory>
#include <ostream>

class Tdm;

// Plans for the tests of every folder: built in memory, stored, compared.

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A plan of `stations` stations with `tracks` tracks each and `trains`
// trains of `points` points running 0, 1, 2, 1, … to the right.
std::unique_ptr<PlanRec> MakePlan(int stations, int tracks, int trains, int points);
// Stores `plan` as a new plan; tSavePlan then stands on it.
void StoreNew(Tdm& dm, const PlanRec& plan);
// Every stored field of two plans is the same.
void ExpectSamePlan(const PlanRec& a, const PlanRec& b);
