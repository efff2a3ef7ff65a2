#pragma once

#include "tablestore/TableDef.h"

#include <QString>

// Writes an empty table file for `def` into `dir`: an SQLite database with
// one table named after the file stem and the table's indexes. An existing
// file is never touched. Throws StoreError.
void CreateTableFile(const QString& dir, const TableDef& def);

// The statements that make the table and its indexes.
QStringList TableFileSql(const TableDef& def);
