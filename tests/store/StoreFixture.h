#pragma once

#include "TempDir.h"
#include "model/PlanRec.h"
#include "store/Tdm.h"

#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A scratch directory with the ten empty tables, made by the same code as
// make-tables, and the data module opened on it.
struct StoreFixture {
    explicit StoreFixture(bool sample = false);
    void Reopen();
    // Rows of a table, and rows of the plan tables that belong to nothing.
    int Rows(const QString& file);
    int Orphans();
    // A single number from SQL over the tables; %1… are the qualified names of `files`.
    qint64 Query(const QString& sql, const QStringList& files = {});

    TempDir Dir;
    std::unique_ptr<Tdm> Dm;
};

// A plan of `stations` stations with `tracks` tracks each and `trains`
// trains of `points` points running 0, 1, 2, 1, … to the right.
std::unique_ptr<PlanRec> MakePlan(int stations, int tracks, int trains, int points);
// Stores `plan` as a new plan; the fixture's tSavePlan then stands on it.
void StoreNew(Tdm& dm, const PlanRec& plan);
// Every stored field of two plans is the same.
void ExpectSamePlan(const PlanRec& a, const PlanRec& b);
