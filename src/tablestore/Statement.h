#pragma once

#include <QString>
#include <QVariant>

struct sqlite3_stmt;
class Database;

// A prepared statement borrowed from the database's cache (or owned when the
// cached one is busy). It is reset when it goes out of scope, so a thrown
// error never leaves a statement half-stepped.
class Statement {
public:
    Statement(Database& db, sqlite3_stmt* stmt, bool owned);
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    // Parameters count from 1.
    void Bind(int index, const QVariant& value);
    void BindInt(int index, qint64 value);
    void BindText(int index, const QString& value);
    // True while it delivers a row; throws StoreError on failure.
    bool Step();
    // Runs a statement that returns no rows; the number of rows it changed.
    int Run();

    int ColumnCount() const;
    QVariant Value(int column) const;
    qint64 Int(int column) const;
    QString Text(int column) const;
    bool IsNull(int column) const;

private:
    Database* Db;
    sqlite3_stmt* Stmt;
    bool Owned;
};
