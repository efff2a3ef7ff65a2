#include "tablestore/FieldValue.h"

#include "model/TimeOfDay.h"
#include "tablestore/StoreError.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QStringList& TrueWords() {
    static const QStringList words{u"true"_s, u"t"_s,  u"1"_s, u"yes"_s,
                                   u"y"_s,    u"ja"_s, u"j"_s, u"wahr"_s};
    return words;
}

QString Quoted(const QString& text) {
    return u"„"_s + text + u"“"_s;
}

[[noreturn]] void Refuse(const QString& text, const FieldDef& def) {
    throw StoreError(
        u"%1 ist kein gültiger Wert für das Feld %2."_s.arg(Quoted(text), Quoted(def.Name)));
}

bool IsNumber(const QVariant& value) {
    const int type = value.typeId();
    return type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Double ||
           type == QMetaType::Bool;
}

} // namespace

QString CutText(const QString& text, int size) {
    if (size <= 0 || text.size() <= size)
        return text;
    QString cut = text.left(size);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

QString ValueAsString(const QVariant& value, const FieldDef& def) {
    if (!value.isValid() || value.isNull())
        return QString();
    switch (def.Type) {
    case FieldType::Boolean:
        return ValueAsBoolean(value) ? u"True"_s : u"False"_s;
    case FieldType::Time:
        if (IsNumber(value))
            return TimeToText(value.toDouble());
        break;
    default:
        break;
    }
    if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<qint64>(d));
        return QString::number(d, 'g', 15);
    }
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

bool ValueToInteger(const QVariant& value, int& result) {
    if (!value.isValid() || value.isNull())
        return false;
    qint64 v = 0;
    if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 2147483647.0)
            return false;
        v = static_cast<qint64>(d);
    } else if (IsNumber(value)) {
        v = value.toLongLong();
    } else {
        bool ok = false;
        v = ValueAsString(value, FieldDef{}).trimmed().toLongLong(&ok);
        if (!ok)
            return false;
    }
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    result = static_cast<int>(v);
    return true;
}

int ValueAsInteger(const QVariant& value) {
    int result = 0;
    return ValueToInteger(value, result) ? result : 0;
}

bool ValueAsBoolean(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return false;
    if (IsNumber(value))
        return value.toDouble() != 0.0;
    if (value.typeId() == QMetaType::QString)
        return TrueWords().contains(value.toString().trimmed().toLower());
    return false;
}

bool ValueToTime(const QVariant& value, double& result) {
    if (!value.isValid() || value.isNull())
        return false;
    if (IsNumber(value)) {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            return false;
        result = d;
        return true;
    }
    if (value.typeId() == QMetaType::QString)
        return TextToTime(value.toString(), result);
    return false;
}

double ValueAsTime(const QVariant& value) {
    double result = 0.0;
    return ValueToTime(value, result) ? result : 0.0;
}

QVariant StoredFromString(const QString& text, const FieldDef& def) {
    switch (def.Type) {
    case FieldType::String:
        return CutText(text, def.Size);
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::AutoInc: {
        if (text.trimmed().isEmpty())
            return QVariant();
        bool ok = false;
        const qint64 v = text.trimmed().toLongLong(&ok);
        if (!ok)
            Refuse(text, def);
        return StoredFromInteger(v, def);
    }
    case FieldType::Boolean: {
        const QString word = text.trimmed().toLower();
        if (TrueWords().contains(word))
            return qint64(1);
        if (word == u"false"_s || word == u"f"_s || word == u"0"_s || word == u"nein"_s ||
            word == u"n"_s || word == u"no"_s || word == u"falsch"_s)
            return qint64(0);
        if (word.isEmpty())
            return QVariant();
        Refuse(text, def);
    }
    case FieldType::Time: {
        if (text.trimmed().isEmpty())
            return QVariant();
        double time = 0.0;
        if (!TextToTime(text, time))
            Refuse(text, def);
        return time;
    }
    }
    return QVariant();
}

QVariant StoredFromInteger(qint64 value, const FieldDef& def) {
    switch (def.Type) {
    case FieldType::String:
        return CutText(QString::number(value), def.Size);
    case FieldType::Boolean:
        return qint64(value != 0 ? 1 : 0);
    case FieldType::Time:
        return static_cast<double>(value);
    case FieldType::SmallInt:
        if (value < -32768 || value > 32767)
            Refuse(QString::number(value), def);
        return value;
    case FieldType::Integer:
    case FieldType::AutoInc:
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            Refuse(QString::number(value), def);
        return value;
    }
    return QVariant();
}

QVariant StoredFromBoolean(bool value, const FieldDef& def) {
    if (def.Type == FieldType::String)
        return CutText(value ? u"True"_s : u"False"_s, def.Size);
    return StoredFromInteger(value ? 1 : 0, def);
}

QVariant StoredFromTime(double time, const FieldDef& def) {
    if (!std::isfinite(time))
        Refuse(QString::number(time), def);
    switch (def.Type) {
    case FieldType::Time:
        return time;
    case FieldType::String:
        return CutText(TimeToText(time), def.Size);
    default:
        Refuse(TimeToText(time), def);
    }
}

QString BooleanSql(const QString& c) {
    return u"(CASE typeof(%1) WHEN 'integer' THEN %1<>0 WHEN 'real' THEN %1<>0 WHEN 'text' THEN "
           u"lower(trim(%1)) IN ('true','t','1','yes','y','ja','j','wahr') ELSE 0 END)"_s.arg(c);
}
