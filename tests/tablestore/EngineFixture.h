#pragma once

#include "TempDir.h"
#include "tablestore/Cursor.h"
#include "tablestore/Database.h"
#include "tablestore/TableDef.h"

#include <QList>

#include <memory>
#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Two small tables: Kopf (stations by name) and Teil (their tracks).
QList<TableDef> EngineTables();

struct EngineFixture {
    EngineFixture();
    // Adds a Kopf row through `t` and returns its Nr.
    int AddKopf(Cursor& t, const QString& name, int folge, bool mark = false);
    void AddTeil(Cursor& t, int kopf, const QString& bez, int num);
    // Runs SQL on the file directly, as another program would.
    void Raw(const QString& file, const QString& sql);

    TempDir Dir;
    Database Db;
};
