#include "tablestore/Field.h"

#include "tablestore/Cursor.h"
#include "tablestore/FieldValue.h"

const FieldDef& Field::Def() const {
    return Owner->Def().Fields[Column];
}

QVariant Field::Value() const {
    return Owner->ColumnValue(Column);
}

bool Field::IsNull() const {
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

QString Field::AsString() const {
    return ValueAsString(Value(), Def());
}

int Field::AsInteger() const {
    return ValueAsInteger(Value());
}

bool Field::AsBoolean() const {
    return ValueAsBoolean(Value());
}

double Field::AsDateTime() const {
    return ValueAsTime(Value());
}

bool Field::ToInteger(int& value) const {
    return ValueToInteger(Value(), value);
}

bool Field::ToDateTime(double& value) const {
    return ValueToTime(Value(), value);
}

void Field::SetString(const QString& value) {
    Owner->SetColumnValue(Column, StoredFromString(value, Def()));
}

void Field::SetInteger(qint64 value) {
    Owner->SetColumnValue(Column, StoredFromInteger(value, Def()));
}

void Field::SetBoolean(bool value) {
    Owner->SetColumnValue(Column, StoredFromBoolean(value, Def()));
}

void Field::SetDateTime(double value) {
    Owner->SetColumnValue(Column, StoredFromTime(value, Def()));
}

void Field::SetNull() {
    Owner->SetColumnValue(Column, QVariant());
}
