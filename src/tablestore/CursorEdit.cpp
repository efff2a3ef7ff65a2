#include "tablestore/Cursor.h"

#include "tablestore/Database.h"
#include "tablestore/FieldValue.h"
#include "tablestore/StoreError.h"
#include "tablestore/ValueOrder.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

// Inserting, editing and deleting rows of a cursor.

namespace {

QString Quoted(const QString& text) {
    return u"„"_s + text + u"“"_s;
}

// An update or delete of the current row that hits nothing means another
// program deleted the row since this view was read; going on would report
// a change that was never stored.
[[noreturn]] void RowGone(const QString& fileName) {
    throw StoreError(
        u"Der Satz der Tabelle %1 wurde inzwischen von einem anderen Programm gelöscht."_s.arg(
            Quoted(fileName)));
}

} // namespace

void Cursor::DiscardEdit() {
    if (St == State::Edit || St == State::Insert)
        St = State::Browse;
    Buffer.clear();
    Touched.clear();
}

bool Cursor::InView(const QVector<QVariant>& values) const {
    if (FilterColumn >= 0 && ValueAsBoolean(values[FilterColumn]) != FilterValue)
        return false;
    if (RangeOn)
        for (int i = 0; i < RangeKeys.size(); ++i)
            if (CompareValues(values[KeyColumns[i]], RangeKeys[i]) != 0)
                return false;
    QVariantList binds;
    if (MasterCursor) {
        if (!Binds(binds))
            return false;
        const int first = RangeOn ? int(RangeKeys.size()) : 0;
        for (int i = 0; i < MasterColumns.size(); ++i)
            if (CompareValues(values[KeyColumns[i]], binds[first + i]) != 0)
                return false;
    }
    return true;
}

QVariant Cursor::ColumnValue(int column) const {
    if (St == State::Edit || St == State::Insert)
        return Buffer.value(column);
    if (Rows.empty() || St == State::Inactive)
        return QVariant();
    return Rows[size_t(Pos)].Values.value(column);
}

void Cursor::SetColumnValue(int column, const QVariant& value) {
    if (St != State::Edit && St != State::Insert)
        throw StoreError(u"Die Tabelle %1 ist nicht im Bearbeitungsmodus."_s.arg(Quoted(FileName)));
    const FieldDef& field = Def().Fields[column];
    if (field.Type == FieldType::AutoInc)
        throw StoreError(
            u"Das Feld %1 ist ein Zählerfeld und wird von der Datenbank vergeben."_s.arg(
                Quoted(field.Name)));
    Buffer[column] = value;
    Touched[column] = true;
}

void Cursor::Insert() {
    CheckActive();
    CheckBrowseMode();
    const int n = int(Def().Fields.size());
    Buffer = QVector<QVariant>(n);
    Touched = QVector<bool>(n, false);
    St = State::Insert;
    // Details of a row being inserted show nothing until it is posted.
    Changed(ForceNotify);
}

void Cursor::Edit() {
    CheckActive();
    if (St != State::Browse)
        return;
    if (Rows.empty())
        throw StoreError(
            u"Die Tabelle %1 enthält keinen Satz zum Bearbeiten."_s.arg(Quoted(FileName)));
    Buffer = Rows[size_t(Pos)].Values;
    Touched = QVector<bool>(Buffer.size(), false);
    St = State::Edit;
}

void Cursor::Cancel() {
    if (St != State::Edit && St != State::Insert)
        return;
    const bool inserting = St == State::Insert;
    St = State::Browse;
    Buffer.clear();
    Touched.clear();
    if (inserting)
        Changed(ForceNotify);
}

void Cursor::Post() {
    CheckActive();
    if (St != State::Edit && St != State::Insert)
        return;
    const TableDef& def = Def();
    // The statement depends only on which fields were written, so it is
    // made once per set of fields.
    quint64 mask = 0;
    QVariantList values;
    for (int c = 0; c < Buffer.size(); ++c)
        if (Touched[c] && def.Fields[c].Type != FieldType::AutoInc) {
            mask |= quint64(1) << c;
            values << Buffer[c];
        }
    const bool inserting = St == State::Insert;
    const quint64 key = mask | (inserting ? quint64(1) << 63 : 0);
    auto sql = WriteSql.constFind(key);
    if (sql == WriteSql.constEnd()) {
        QStringList names;
        for (int c = 0; c < Buffer.size(); ++c)
            if (mask & (quint64(1) << c))
                names << QuoteName(def.Fields[c].Name);
        QString text;
        if (inserting && names.isEmpty()) {
            text = u"INSERT INTO "_s + Qualified + u" DEFAULT VALUES"_s;
        } else if (inserting) {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << u"?"_s;
            text = u"INSERT INTO "_s + Qualified + u" ("_s + names.join(u", "_s) + u") VALUES ("_s +
                   marks.join(u", "_s) + u')';
        } else if (!names.isEmpty()) {
            text = u"UPDATE "_s + Qualified + u" SET "_s + names.join(u" = ?, "_s) +
                   u" = ? WHERE rowid = ?"_s;
        }
        sql = WriteSql.insert(key, text);
    }
    qint64 rowId = 0;
    if (inserting) {
        Base->CountWrite();
        Statement st = Base->Prepare(*sql);
        for (int i = 0; i < values.size(); ++i)
            st.Bind(i + 1, values[i]);
        st.Run();
        rowId = sqlite3_last_insert_rowid(Base->Handle());
        // An auto-increment field holds 32 bits; a larger number would read
        // back as no key at all and link the details to nothing.
        if (def.AutoIncField() >= 0 && rowId > std::numeric_limits<qint32>::max()) {
            Statement undo = Base->Prepare(u"DELETE FROM "_s + Qualified + u" WHERE rowid = ?"_s);
            undo.BindInt(1, rowId);
            undo.Run();
            throw StoreError(u"Die Tabelle %1 hat keine freien Satznummern mehr: die nächste "
                             u"Nummer %2 ist größer als %3."_s.arg(Quoted(FileName))
                                 .arg(rowId)
                                 .arg(std::numeric_limits<qint32>::max()));
        }
    } else {
        rowId = Rows[size_t(Pos)].RowId;
        if (!sql->isEmpty()) {
            Base->CountWrite();
            Statement st = Base->Prepare(*sql);
            for (int i = 0; i < values.size(); ++i)
                st.Bind(i + 1, values[i]);
            st.BindInt(int(values.size()) + 1, rowId);
            if (st.Run() == 0)
                RowGone(FileName);
        }
    }
    // The row as stored: the values were converted to their fields' kinds
    // before binding, so only the auto-increment value is new. Whether it
    // still belongs to this view is the same test the query makes.
    Row row;
    row.RowId = rowId;
    row.Values = std::move(Buffer);
    const int autoInc = def.AutoIncField();
    if (autoInc >= 0)
        row.Values[autoInc] = rowId;
    const bool inView = InView(row.Values);
    St = State::Browse;
    Buffer.clear();
    Touched.clear();
    int oldPos = Pos;
    if (!inserting) {
        Rows.erase(Rows.begin() + Pos);
    }
    if (inView) {
        // Rows are mostly posted in key order, so try the end first.
        const auto at =
            Rows.empty() || !RowLess(row, Rows.back())
                ? Rows.end()
                : std::upper_bound(Rows.begin(), Rows.end(), row,
                                   [this](const Row& a, const Row& b) { return RowLess(a, b); });
        Pos = int(at - Rows.begin());
        Rows.insert(at, std::move(row));
        EofFlag = BofFlag = false;
    } else {
        // A row that left the view goes as a deleted one does.
        const bool wasLast = oldPos >= int(Rows.size());
        Pos = Rows.empty() ? 0 : std::min(oldPos, int(Rows.size()) - 1);
        EofFlag = Rows.empty() || (!inserting && wasLast);
        BofFlag = Rows.empty();
    }
    emit RowsChanged();
    Changed(ForceNotify);
}

void Cursor::Delete() {
    CheckActive();
    if (St == State::Insert) {
        Cancel();
        return;
    }
    St = State::Browse;
    Buffer.clear();
    Touched.clear();
    if (Rows.empty())
        throw StoreError(
            u"Die Tabelle %1 enthält keinen Satz zum Löschen."_s.arg(Quoted(FileName)));
    const qint64 rowId = Rows[size_t(Pos)].RowId;
    Base->CountWrite();
    {
        Statement st = Base->Prepare(u"DELETE FROM "_s + Qualified + u" WHERE rowid = ?"_s);
        st.BindInt(1, rowId);
        if (st.Run() == 0)
            RowGone(FileName);
    }
    const bool wasLast = Pos == int(Rows.size()) - 1;
    Rows.erase(Rows.begin() + Pos);
    if (wasLast && Pos > 0)
        --Pos;
    EofFlag = wasLast || Rows.empty();
    BofFlag = Rows.empty();
    emit RowsChanged();
    Changed(rowId);
}

bool Cursor::CurrentRowStored() const {
    if (St == State::Inactive || Rows.empty())
        return false;
    Statement st = Base->Prepare(u"SELECT 1 FROM "_s + Qualified + u" WHERE rowid = ?"_s);
    st.BindInt(1, Rows[size_t(Pos)].RowId);
    return st.Step();
}

void Cursor::DeleteAll() {
    CheckActive();
    DiscardEdit();
    QVariantList binds;
    if (Binds(binds)) {
        Base->CountWrite();
        Statement st = Base->Prepare(u"DELETE FROM "_s + Qualified + u" WHERE "_s + WhereSql);
        for (int i = 0; i < binds.size(); ++i)
            st.Bind(i + 1, binds[i]);
        st.Run();
    }
    const qint64 previous = Bookmark();
    Rows.clear();
    Pos = 0;
    EofFlag = BofFlag = true;
    emit RowsChanged();
    Changed(previous);
}
