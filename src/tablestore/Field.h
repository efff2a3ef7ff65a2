#pragma once

#include "tablestore/TableDef.h"

#include <QString>
#include <QVariant>

class Cursor;

// A field of a cursor's current row (or of the row being inserted or edited),
// read and written by type. Writing needs the cursor in edit or insert state.
class Field {
public:
    Field(Cursor& cursor, int column) : Owner(&cursor), Column(column) {}

    const FieldDef& Def() const;
    QString Name() const { return Def().Name; }
    QVariant Value() const;
    bool IsNull() const;

    QString AsString() const;
    int AsInteger() const;
    bool AsBoolean() const;
    double AsDateTime() const;
    // A key linking rows: a 32-bit integer, else the store's error naming
    // the field, so no row is ever written under a wrong key.
    int AsKey() const;
    // Strict reading: false for NULL and for values of the wrong kind.
    bool ToInteger(int& value) const;
    bool ToDateTime(double& value) const;

    void SetString(const QString& value);
    void SetInteger(qint64 value);
    void SetBoolean(bool value);
    void SetDateTime(double value);
    void SetNull();

private:
    Cursor* Owner;
    int Column;
};
