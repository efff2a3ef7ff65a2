#pragma once

#include "PlanSupport.h"
#include "TempDir.h"
#include "model/PlanRec.h"
#include "store/Tdm.h"

#include <memory>
#include <ostream>

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
