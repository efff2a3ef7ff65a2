#pragma once

#include "tablestore/Field.h"
#include "tablestore/TableDef.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <vector>

class Database;

// A cursor on one table file with its own index, filter, range, master link
// and position. It holds the ordered rows of its view; changes made through
// another cursor show after Refresh. Errors throw StoreError.
//
// Eof and Bof follow the record-store habit: Next on the last row sets Eof
// and stays there, Last sets Eof, First sets Bof.
class Cursor : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Cursor(Database& db, const QString& fileName, QObject* parent = nullptr);
    ~Cursor() override;

    const QString& TableName() const { return FileName; }
    const TableDef& Def() const;
    Database& Db() const { return *Base; }

    // Settings; each may change while the cursor is open.
    void SetIndexName(const QString& name); // empty: primary index
    const QString& IndexName() const { return Index; }
    void SetFilter(const QString& field, bool value); // field = 'True' / 'False'
    void ClearFilter();
    // Detail of `master`: shows the rows whose leading index keys equal the
    // master's current `masterFields`, and follows every move of the master.
    void SetMaster(Cursor* master, const QStringList& masterFields);
    Cursor* Master() const { return MasterCursor; }
    // Range with equal start and end on the leading key fields.
    void SetRange(const QVariantList& keys);
    void CancelRange();

    void Open();
    void Close();
    bool Active() const { return St != State::Inactive; }
    State GetState() const { return St; }
    // Deletes all rows; the cursor must be closed.
    void EmptyTable();

    void First();
    void Next();
    void Prior();
    void Last();
    int MoveBy(int n); // rows actually moved, negative backwards
    bool Eof() const { return EofFlag; }
    bool Bof() const { return BofFlag; }
    bool IsEmpty() const { return Rows.empty(); }
    int RecordCount() const { return int(Rows.size()); }
    int RecNo() const { return Rows.empty() ? 0 : Pos + 1; }
    void SetRecNo(int recNo);
    // Looks for the first row whose leading keys of the active index equal
    // `keys`; a found row becomes current.
    bool FindKey(const QVariantList& keys);
    // Reads the view again, staying on the current row while it exists.
    void Refresh();

    // Row number of the current row (-1 when there is none).
    qint64 Bookmark() const;
    // Whether the current row is still in its file; another program may
    // have deleted it since the view was read.
    bool CurrentRowStored() const;
    bool GotoBookmark(qint64 bookmark);

    Field FieldByName(const QString& name);
    int FieldIndex(const QString& name) const; // -1 when unknown

    void Insert(); // all fields empty
    void Edit();
    void Post();
    void Cancel();
    // Deletes the current row; the following row becomes current, or the
    // preceding one when the last was deleted (then Eof is set).
    void Delete();
    // Deletes every row of the view (filter, range, master link) at once.
    void DeleteAll();

    // For grids: a value of a row by position without moving the cursor.
    QVariant ValueAt(int recNo, int column) const;

    // Used by Field and by the database.
    QVariant ColumnValue(int column) const;
    void SetColumnValue(int column, const QVariant& value);
    void Detach();
    // Drops a pending insert or edit without writing or notifying anyone.
    void DiscardEdit();
    void RestoreAfterRollback(bool wasActive, qint64 bookmark);
    int MasterDepth() const;

signals:
    // The rows of the view changed (read again, row inserted, changed or deleted).
    void RowsChanged();
    // Another row became current.
    void Moved();

private:
    struct Row {
        qint64 RowId = 0;
        QVector<QVariant> Values;
    };

    void CheckActive() const;
    void CheckBrowseMode();
    void BuildSql();
    // Values for the ? of WhereSql; false when the view is empty anyway.
    bool Binds(QVariantList& binds) const;
    bool InView(const QVector<QVariant>& values) const;
    void Requery(qint64 keepRow, int keepPos);
    void PlaceRow(Row row, bool inView);
    bool RowLess(const Row& a, const Row& b) const;
    void SetPos(int pos);
    // Tells the details and the grid when another row became current;
    // ForceNotify tells them although the row stayed the same.
    static constexpr qint64 ForceNotify = -2;
    void Changed(qint64 previousRow);
    void FollowMaster();
    void ResolveKeys();

    Database* Base;
    QString FileName;
    const TableDef* TDef = nullptr;
    QString Qualified;
    QString SelectList;
    QString WhereSql;
    QString OrderSql;
    QString RequerySql;
    QString ReadbackSql;
    QHash<quint64, QString> WriteSql;
    QString Index;
    QVector<int> KeyColumns;
    int FilterColumn = -1;
    bool FilterValue = false;
    QString FilterName;
    QVariantList RangeKeys;
    bool RangeOn = false;
    Cursor* MasterCursor = nullptr;
    QStringList MasterFields;
    QVector<int> MasterColumns;
    std::vector<Cursor*> Details;

    std::vector<Row> Rows;
    int Pos = 0;
    bool EofFlag = true;
    bool BofFlag = true;
    State St = State::Inactive;
    QVector<QVariant> Buffer;
    QVector<bool> Touched;
};
