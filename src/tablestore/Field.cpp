#include "tablestore/Field.h"

#include "tablestore/Cursor.h"
#include "tablestore/FieldValue.h"
#include "tablestore/StoreError.h"

using namespace Qt::StringLiterals;

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

int Field::AsKey() const {
    int key = 0;
    if (!ToInteger(key))
        throw StoreError(
            u"Das Schlüsselfeld „%1“ der Tabelle „%2“ hat den Wert „%3“; erlaubt "
            u"sind ganze Zahlen bis 2147483647."_s.arg(Name(), Owner->TableName(), AsString()));
    return key;
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
