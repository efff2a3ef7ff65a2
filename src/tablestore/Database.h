#pragma once

#include "tablestore/Statement.h"
#include "tablestore/TableDef.h"

#include <QHash>
#include <QString>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class Cursor;

// The database directory: one SQLite connection on the first table file with
// the others attached, so that a transaction spans all of them and commits
// atomically (rollback journal with a super-journal across the files).
class Database {
public:
    Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Opens the table files of `tables` in `dir` read-write; creates nothing.
    // Throws StoreError naming the file and what is wrong with it.
    void Open(const QString& dir, const QList<TableDef>& tables);
    void Close();
    bool IsOpen() const { return Db != nullptr; }
    QString Directory() const { return Dir; }

    // The table of a file name (letter case ignored); throws when unknown.
    const TableDef& Table(const QString& fileName) const;
    // "schema"."table" for use in SQL.
    QString QualifiedName(const QString& fileName) const;

    Statement Prepare(const QString& sql);
    // Runs SQL without rows; `write` counts it for the fault hook.
    void Exec(const QString& sql, bool write = false);
    // Runs one writing statement with its parameters (a write for the fault
    // hook). Cursors on the tables it changes see the change after Refresh.
    void Execute(const QString& sql, const QVariantList& binds);

    // Deletes all rows of a table none of whose cursors is open.
    void EmptyTable(const QString& fileName);

    // Fault hook for tests: the n-th write from now on (insert, update,
    // delete or commit) fails as a disk error would; 0 disarms it.
    void FailNthWrite(int n);
    int WriteCount() const { return Writes; }
    // Called before every write; throws when the armed write is reached.
    void CountWrite();

    [[noreturn]] void Fail(int rc, const QString& context);
    sqlite3* Handle() const { return Db; }

    // Cursors register themselves so a rolled back transaction can bring
    // them back to the rows they stood on.
    void Register(Cursor* cursor);
    void Unregister(Cursor* cursor);
    const std::vector<Cursor*>& Cursors() const { return OpenCursors; }
    int TransactionDepth = 0;

private:
    struct Attached {
        TableDef Def;
        QString Schema;
    };
    const Attached* Find(const QString& fileName) const;
    void CheckFile(const Attached& table);
    void LeaveWal(const Attached& table);
    QString FilePath(const QString& fileName) const;

    sqlite3* Db = nullptr;
    QString Dir;
    std::vector<Attached> Tables;
    QHash<QString, sqlite3_stmt*> Cache;
    std::vector<Cursor*> OpenCursors;
    int Writes = 0;
    int FailAt = 0;
};

// German text for an SQLite result code.
QString StoreErrorText(int rc);
// "Die Tabelle „file“ kann nicht gelesen werden: text": a failed read names its file.
QString ReadFailure(const QString& fileName, const QString& text);
QString QuoteName(const QString& name);
