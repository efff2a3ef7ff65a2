#include "tablestore/Cursor.h"

#include "tablestore/Database.h"
#include "tablestore/FieldValue.h"
#include "tablestore/StoreError.h"
#include "tablestore/ValueOrder.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString Quoted(const QString& text) {
    return u"„"_s + text + u"“"_s;
}

} // namespace

Cursor::Cursor(Database& db, const QString& fileName, QObject* parent)
    : QObject(parent), Base(&db), FileName(fileName) {
    Base->Register(this);
}

Cursor::~Cursor() {
    Base->Unregister(this);
    if (MasterCursor) {
        auto& list = MasterCursor->Details;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    for (Cursor* detail : Details)
        detail->MasterCursor = nullptr;
}

const TableDef& Cursor::Def() const {
    if (!TDef)
        return Base->Table(FileName);
    return *TDef;
}

int Cursor::FieldIndex(const QString& name) const {
    const TableDef& def = Def();
    // The program spells its field names as declared; try that first.
    for (int i = 0; i < def.Fields.size(); ++i)
        if (def.Fields[i].Name == name)
            return i;
    return def.FieldIndex(name);
}

Field Cursor::FieldByName(const QString& name) {
    const int column = FieldIndex(name);
    if (column < 0)
        throw StoreError(
            u"Das Feld %1 gibt es in der Tabelle %2 nicht."_s.arg(Quoted(name), Quoted(FileName)));
    return Field(*this, column);
}

void Cursor::CheckActive() const {
    if (St == State::Inactive)
        throw StoreError(u"Die Tabelle %1 ist nicht geöffnet."_s.arg(Quoted(FileName)));
}

void Cursor::CheckBrowseMode() {
    if (St == State::Edit || St == State::Insert)
        Post();
}

void Cursor::ResolveKeys() {
    const TableDef& def = Def();
    if (!Index.isEmpty() && !def.FindIndex(Index))
        throw StoreError(u"Den Index %1 gibt es in der Tabelle %2 nicht."_s.arg(Quoted(Index),
                                                                                Quoted(FileName)));
    QVector<int> keys;
    for (const QString& name : def.KeyFields(Index))
        keys.push_back(def.FieldIndex(name));
    QVector<int> masterColumns;
    if (MasterCursor) {
        if (MasterFields.size() > keys.size())
            throw StoreError(
                u"Der Index der Tabelle %1 hat zu wenige Felder für die Verknüpfung."_s.arg(
                    Quoted(FileName)));
        for (const QString& name : std::as_const(MasterFields)) {
            const int column = MasterCursor->FieldIndex(name);
            if (column < 0)
                throw StoreError(u"Das Feld %1 gibt es in der Tabelle %2 nicht."_s.arg(
                    Quoted(name), Quoted(MasterCursor->TableName())));
            masterColumns.push_back(column);
        }
    }
    int filterColumn = -1;
    if (!FilterName.isEmpty()) {
        filterColumn = def.FieldIndex(FilterName);
        if (filterColumn < 0)
            throw StoreError(u"Das Feld %1 gibt es in der Tabelle %2 nicht."_s.arg(
                Quoted(FilterName), Quoted(FileName)));
    }
    KeyColumns = keys;
    MasterColumns = masterColumns;
    FilterColumn = filterColumn;
    BuildSql();
}

void Cursor::SetIndexName(const QString& name) {
    const QString old = Index;
    Index = name;
    if (!Active())
        return;
    try {
        ResolveKeys();
    } catch (...) {
        Index = old;
        throw;
    }
    CheckBrowseMode();
    Requery(Bookmark(), Pos);
}

void Cursor::SetFilter(const QString& field, bool value) {
    FilterName = field;
    FilterValue = value;
    if (Active()) {
        ResolveKeys();
        CheckBrowseMode();
        Requery(-1, 0);
    }
}

void Cursor::ClearFilter() {
    FilterName.clear();
    FilterColumn = -1;
    if (Active()) {
        BuildSql();
        CheckBrowseMode();
        Requery(-1, 0);
    }
}

void Cursor::SetMaster(Cursor* master, const QStringList& masterFields) {
    if (MasterCursor) {
        auto& list = MasterCursor->Details;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    MasterCursor = master;
    MasterFields = master ? masterFields : QStringList{};
    if (master)
        master->Details.push_back(this);
    if (Active()) {
        ResolveKeys();
        FollowMaster();
    }
}

void Cursor::SetRange(const QVariantList& keys) {
    CheckActive();
    if (keys.size() > KeyColumns.size())
        throw StoreError(u"Der Bereich hat mehr Werte als der Index der Tabelle %1 Felder."_s.arg(
            Quoted(FileName)));
    CheckBrowseMode();
    RangeKeys = keys;
    RangeOn = true;
    BuildSql();
    Requery(-1, 0);
}

void Cursor::CancelRange() {
    CheckActive();
    CheckBrowseMode();
    RangeKeys.clear();
    RangeOn = false;
    BuildSql();
    Requery(Bookmark(), 0);
}

int Cursor::MasterDepth() const {
    int depth = 0;
    for (const Cursor* m = MasterCursor; m && depth < 16; m = m->MasterCursor)
        ++depth;
    return depth;
}

void Cursor::Open() {
    if (Active())
        return;
    TDef = &Base->Table(FileName);
    Qualified = Base->QualifiedName(FileName);
    QStringList columns;
    for (const FieldDef& field : TDef->Fields)
        columns << QuoteName(field.Name);
    SelectList = columns.join(u", "_s);
    ResolveKeys();
    St = State::Browse;
    try {
        Requery(-1, 0);
    } catch (...) {
        St = State::Inactive;
        throw;
    }
}

void Cursor::Close() {
    if (!Active())
        return;
    St = State::Inactive;
    Rows.clear();
    Buffer.clear();
    Pos = 0;
    EofFlag = BofFlag = true;
    emit RowsChanged();
    Changed(ForceNotify); // details of a closed master show nothing
}

void Cursor::Detach() {
    St = State::Inactive;
    Rows.clear();
    Buffer.clear();
    Pos = 0;
    EofFlag = BofFlag = true;
    TDef = nullptr;
}

void Cursor::EmptyTable() {
    if (Active())
        throw StoreError(
            u"Die Tabelle %1 ist geöffnet und kann nicht geleert werden."_s.arg(Quoted(FileName)));
    Base->EmptyTable(FileName);
}

void Cursor::BuildSql() {
    const TableDef& def = Def();
    QStringList parts;
    if (FilterColumn >= 0) {
        const QString truth = BooleanSql(QuoteName(def.Fields[FilterColumn].Name));
        parts << (FilterValue ? truth : u"NOT "_s + truth);
    }
    if (RangeOn)
        for (int i = 0; i < RangeKeys.size(); ++i)
            parts << QuoteName(def.Fields[KeyColumns[i]].Name) + u" IS ?"_s;
    for (int i = 0; i < MasterColumns.size(); ++i)
        parts << QuoteName(def.Fields[KeyColumns[i]].Name) + u" = ?"_s;
    WhereSql = parts.isEmpty() ? u"1"_s : parts.join(u" AND "_s);
    QStringList order;
    for (int column : std::as_const(KeyColumns))
        order << QuoteName(def.Fields[column].Name);
    order << u"rowid"_s;
    OrderSql = order.join(u", "_s);
    RequerySql = u"SELECT rowid, "_s + SelectList + u" FROM "_s + Qualified + u" WHERE "_s +
                 WhereSql + u" ORDER BY "_s + OrderSql;
    ReadbackSql = u"SELECT rowid, "_s + SelectList + u", ("_s + WhereSql + u") FROM "_s +
                  Qualified + u" WHERE rowid = ?"_s;
    WriteSql.clear();
}

bool Cursor::Binds(QVariantList& binds) const {
    if (RangeOn)
        binds << RangeKeys;
    if (MasterCursor) {
        // A master without a current row (empty, closed, inserting) shows no details.
        const Cursor* m = MasterCursor;
        if (!m->Active() || m->Rows.empty() || m->St == State::Insert)
            return false;
        for (int column : MasterColumns) {
            const QVariant& value = m->Rows[size_t(m->Pos)].Values[column];
            if (!value.isValid() || value.isNull())
                return false;
            binds << value;
        }
    }
    return true;
}

void Cursor::Requery(qint64 keepRow, int keepPos) {
    QVariantList binds;
    std::vector<Row> rows;
    if (Binds(binds)) {
        try {
            Statement st = Base->Prepare(RequerySql);
            for (int i = 0; i < binds.size(); ++i)
                st.Bind(i + 1, binds[i]);
            const int n = int(Def().Fields.size());
            while (st.Step()) {
                Row row;
                row.RowId = st.Int(0);
                row.Values.resize(n);
                for (int c = 0; c < n; ++c)
                    row.Values[c] = st.Value(c + 1);
                rows.push_back(std::move(row));
            }
        } catch (const StoreError& e) {
            // A damaged page or a lock shows only when the rows are read;
            // the user must learn which of the ten files it is.
            throw StoreError(ReadFailure(FileName, e.Text()));
        }
    }
    Rows = std::move(rows);
    int pos = -1;
    if (keepRow >= 0) {
        for (size_t i = 0; i < Rows.size(); ++i)
            if (Rows[i].RowId == keepRow) {
                pos = int(i);
                break;
            }
    }
    if (pos < 0)
        pos = std::clamp(keepPos, 0, std::max(0, int(Rows.size()) - 1));
    Pos = Rows.empty() ? 0 : pos;
    EofFlag = Rows.empty();
    BofFlag = Rows.empty() || Pos == 0;
    emit RowsChanged();
    // The rows themselves may have changed, so the details follow in any case.
    Changed(ForceNotify);
}

bool Cursor::RowLess(const Row& a, const Row& b) const {
    for (int column : KeyColumns) {
        const int c = CompareValues(a.Values[column], b.Values[column]);
        if (c != 0)
            return c < 0;
    }
    return a.RowId < b.RowId;
}

void Cursor::SetPos(int pos) {
    const qint64 previous = Bookmark();
    Pos = pos;
    Changed(previous);
}

void Cursor::Changed(qint64 previousRow) {
    if (previousRow != ForceNotify && previousRow == Bookmark())
        return;
    emit Moved();
    const std::vector<Cursor*> details = Details;
    for (Cursor* detail : details)
        detail->FollowMaster();
}

void Cursor::FollowMaster() {
    if (!Active())
        return;
    CheckBrowseMode();
    Requery(-1, 0);
}

void Cursor::First() {
    CheckActive();
    CheckBrowseMode();
    const qint64 previous = Bookmark();
    Pos = 0;
    BofFlag = true;
    EofFlag = Rows.empty();
    Changed(previous);
}

void Cursor::Last() {
    CheckActive();
    CheckBrowseMode();
    const qint64 previous = Bookmark();
    Pos = std::max(0, int(Rows.size()) - 1);
    EofFlag = true;
    BofFlag = Rows.empty();
    Changed(previous);
}

void Cursor::Next() {
    MoveBy(1);
}

void Cursor::Prior() {
    MoveBy(-1);
}

int Cursor::MoveBy(int n) {
    CheckActive();
    CheckBrowseMode();
    if (Rows.empty()) {
        EofFlag = BofFlag = true;
        return 0;
    }
    const int target = int(std::clamp<qint64>(qint64(Pos) + n, 0, qint64(Rows.size()) - 1));
    const int moved = target - Pos;
    EofFlag = n > 0 && moved < n;
    BofFlag = n < 0 && moved > n;
    SetPos(target);
    return moved;
}

void Cursor::SetRecNo(int recNo) {
    CheckActive();
    CheckBrowseMode();
    if (Rows.empty())
        return;
    EofFlag = BofFlag = false;
    SetPos(std::clamp(recNo, 1, int(Rows.size())) - 1);
}

bool Cursor::FindKey(const QVariantList& keys) {
    CheckActive();
    CheckBrowseMode();
    if (keys.isEmpty() || keys.size() > KeyColumns.size())
        throw StoreError(
            u"Falsche Zahl von Schlüsselwerten für die Tabelle %1."_s.arg(Quoted(FileName)));
    QVariantList binds;
    if (!Binds(binds))
        return false;
    QString where = WhereSql;
    for (int i = 0; i < keys.size(); ++i) {
        where += u" AND "_s + QuoteName(Def().Fields[KeyColumns[i]].Name) + u" IS ?"_s;
        binds << keys[i];
    }
    qint64 rowId = 0;
    try {
        Statement st = Base->Prepare(u"SELECT rowid FROM "_s + Qualified + u" WHERE "_s + where +
                                     u" ORDER BY "_s + OrderSql + u" LIMIT 1"_s);
        for (int i = 0; i < binds.size(); ++i)
            st.Bind(i + 1, binds[i]);
        if (!st.Step())
            return false;
        rowId = st.Int(0);
    } catch (const StoreError& e) {
        throw StoreError(ReadFailure(FileName, e.Text()));
    }
    for (size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].RowId == rowId) {
            EofFlag = BofFlag = false;
            SetPos(int(i));
            return true;
        }
    return false; // posted through another cursor and not yet refreshed
}

void Cursor::Refresh() {
    CheckActive();
    CheckBrowseMode();
    Requery(Bookmark(), Pos);
}

qint64 Cursor::Bookmark() const {
    if (St == State::Inactive || Rows.empty())
        return -1;
    return Rows[size_t(Pos)].RowId;
}

bool Cursor::GotoBookmark(qint64 bookmark) {
    CheckActive();
    CheckBrowseMode();
    for (size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].RowId == bookmark) {
            EofFlag = BofFlag = false;
            SetPos(int(i));
            return true;
        }
    return false;
}

QVariant Cursor::ValueAt(int recNo, int column) const {
    if (recNo < 1 || recNo > int(Rows.size()))
        return QVariant();
    return Rows[size_t(recNo - 1)].Values.value(column);
}

void Cursor::RestoreAfterRollback(bool wasActive, qint64 bookmark) {
    if (!Active() || !wasActive)
        return;
    St = State::Browse;
    Buffer.clear();
    Touched.clear();
    Requery(bookmark, Pos);
}
