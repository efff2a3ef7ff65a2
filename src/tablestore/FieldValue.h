#pragma once

#include "tablestore/TableDef.h"

#include <QString>
#include <QVariant>

// Conversions between stored SQLite values and the typed views of a field.
// Reading never fails: a user's file may hold NULLs, wrong types or garbage,
// and the strict readers say so instead of guessing.

// Text cut to `size` characters, never inside a surrogate pair.
QString CutText(const QString& text, int size);

QString ValueAsString(const QVariant& value, const FieldDef& def);
// False for NULL, text that is not a whole number and values beyond 32 bits.
bool ValueToInteger(const QVariant& value, int& result);
int ValueAsInteger(const QVariant& value);
bool ValueAsBoolean(const QVariant& value);
// Day fraction from a REAL/INTEGER or from a text hh:mm[:ss]; false otherwise.
bool ValueToTime(const QVariant& value, double& result);
double ValueAsTime(const QVariant& value);

// The value stored for a field written as text, integer, boolean or time.
// Throws StoreError when the value does not fit the field.
QVariant StoredFromString(const QString& text, const FieldDef& def);
QVariant StoredFromInteger(qint64 value, const FieldDef& def);
QVariant StoredFromBoolean(bool value, const FieldDef& def);
QVariant StoredFromTime(double time, const FieldDef& def);

// SQL truth of a boolean column, the same rule as ValueAsBoolean.
QString BooleanSql(const QString& quotedColumn);
