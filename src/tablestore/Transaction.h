#pragma once

#include <QtGlobal>

#include <vector>

class Database;
class Cursor;

// One transaction across all table files. It rolls back unless committed, and
// a rollback brings every cursor back to the row it stood on at the start.
// Transactions nest as savepoints.
class Transaction {
public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    // Throws StoreError; the destructor then rolls back.
    void Commit();

private:
    struct Mark {
        Cursor* Owner;
        bool Active;
        qint64 Bookmark;
    };
    void Rollback() noexcept;

    Database& Db;
    int Depth;
    bool Done = false;
    std::vector<Mark> Marks;
};
