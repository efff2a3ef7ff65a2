#include "tablestore/Transaction.h"

#include "tablestore/Cursor.h"
#include "tablestore/Database.h"

#include <sqlite3.h>

#include <algorithm>

using namespace Qt::StringLiterals;

Transaction::Transaction(Database& db) : Db(db), Depth(db.TransactionDepth) {
    // Taking the write lock at once keeps a save from failing half-way on
    // a lock it could have waited for at the start.
    Db.Exec(Depth == 0 ? u"BEGIN IMMEDIATE"_s : u"SAVEPOINT sp%1"_s.arg(Depth));
    ++Db.TransactionDepth;
    for (Cursor* cursor : Db.Cursors())
        Marks.push_back(Mark{cursor, cursor->Active(), cursor->Bookmark()});
}

Transaction::~Transaction() {
    if (!Done)
        Rollback();
}

void Transaction::Commit() {
    if (Done)
        return;
    Db.CountWrite();
    Db.Exec(Depth == 0 ? u"COMMIT"_s : u"RELEASE sp%1"_s.arg(Depth));
    Done = true;
    --Db.TransactionDepth;
}

void Transaction::Rollback() noexcept {
    Done = true;
    --Db.TransactionDepth;
    try {
        if (Depth == 0) {
            if (!sqlite3_get_autocommit(Db.Handle()))
                Db.Exec(u"ROLLBACK"_s);
        } else {
            Db.Exec(u"ROLLBACK TO sp%1"_s.arg(Depth));
            Db.Exec(u"RELEASE sp%1"_s.arg(Depth));
        }
    } catch (...) {
        // Nothing more can be done here; the cursors are brought back below.
    }
    // Masters first, so that each detail finds its master on the old row.
    std::stable_sort(Marks.begin(), Marks.end(), [](const Mark& a, const Mark& b) {
        return a.Owner->MasterDepth() < b.Owner->MasterDepth();
    });
    const auto& alive = Db.Cursors();
    // A pending insert or edit would otherwise be posted when its master moves.
    for (Cursor* cursor : alive)
        cursor->DiscardEdit();
    for (const Mark& mark : Marks) {
        if (std::find(alive.begin(), alive.end(), mark.Owner) == alive.end())
            continue;
        try {
            mark.Owner->RestoreAfterRollback(mark.Active, mark.Bookmark);
        } catch (...) {
            // A cursor that cannot read its rows again shows them on the next refresh.
        }
    }
}
