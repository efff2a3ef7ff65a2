#include "tablestore/Database.h"

#include "tablestore/Cursor.h"
#include "tablestore/StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A lock held by another program is retried 15 times, 100 ms apart.
constexpr int LockRetries = 15;
constexpr int LockRetryMs = 100;

int RetryLock(void*, int count) {
    if (count >= LockRetries)
        return 0;
    sqlite3_sleep(LockRetryMs);
    return 1;
}

QString Quoted(const QString& text) {
    return u"„"_s + text + u"“"_s;
}

// file: URI with mode=rw, so a missing file is never created.
QString FileUri(const QString& path) {
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()) + u"?mode=rw"_s;
}

} // namespace

QString QuoteName(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', u"\"\""_s);
    return u'"' + quoted + u'"';
}

QString StoreErrorText(int rc) {
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return u"Die Tabelle ist von einem anderen Programm gesperrt."_s;
    case SQLITE_FULL:
        return u"Der Datenträger ist voll."_s;
    case SQLITE_READONLY:
        return u"Die Tabelle ist schreibgeschützt."_s;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return u"Der Zugriff auf die Tabelle ist nicht erlaubt."_s;
    case SQLITE_IOERR:
        return u"Lese- oder Schreibfehler des Datenträgers."_s;
    case SQLITE_CORRUPT:
        return u"Die Tabellendatei ist beschädigt."_s;
    case SQLITE_NOTADB:
        return u"Die Datei ist keine Tabellendatei."_s;
    case SQLITE_CANTOPEN:
        return u"Die Tabellendatei kann nicht geöffnet werden."_s;
    case SQLITE_CONSTRAINT:
        return u"Schlüsselverletzung: ein Satz mit diesem Schlüssel ist schon vorhanden."_s;
    case SQLITE_NOMEM:
        return u"Nicht genügend Arbeitsspeicher."_s;
    case SQLITE_TOOBIG:
        return u"Der Wert ist zu groß für die Tabelle."_s;
    default:
        return u"Unerwarteter Fehler der Datenbank (Code %1)."_s.arg(rc);
    }
}

QString ReadFailure(const QString& fileName, const QString& text) {
    return u"Die Tabelle %1 kann nicht gelesen werden: %2"_s.arg(Quoted(fileName), text);
}

Database::Database() = default;

Database::~Database() {
    Close();
}

QString Database::FilePath(const QString& fileName) const {
    return QDir(Dir).filePath(fileName);
}

void Database::Open(const QString& dir, const QList<TableDef>& tables) {
    Close();
    Dir = QDir(dir).absolutePath();
    if (tables.isEmpty() || tables.size() > 10)
        throw StoreError(u"Ungültige Zahl von Tabellen."_s);
    // Every file must be there before anything is opened.
    for (const TableDef& def : tables) {
        const QFileInfo info(FilePath(def.FileName));
        if (!info.exists())
            throw StoreError(u"Die Tabelle %1 fehlt im Verzeichnis %2."_s.arg(
                Quoted(def.FileName), Quoted(QDir::toNativeSeparators(Dir))));
        if (!info.isFile())
            throw StoreError(u"%1 im Verzeichnis %2 ist keine Tabellendatei."_s.arg(
                Quoted(def.FileName), Quoted(QDir::toNativeSeparators(Dir))));
    }
    const QByteArray mainUri = FileUri(FilePath(tables.first().FileName)).toUtf8();
    const int rc =
        sqlite3_open_v2(mainUri.constData(), &Db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(Db);
        Db = nullptr;
        throw StoreError(u"Die Tabelle %1 kann nicht geöffnet werden: %2"_s.arg(
            Quoted(tables.first().FileName), StoreErrorText(rc)));
    }
    sqlite3_busy_handler(Db, RetryLock, nullptr);
    try {
        for (int i = 0; i < tables.size(); ++i) {
            const TableDef& def = tables[i];
            Attached table{def, i == 0 ? u"main"_s : u"t%1"_s.arg(i)};
            if (i > 0) {
                Statement attach = Prepare(u"ATTACH DATABASE ? AS "_s + QuoteName(table.Schema));
                attach.BindText(1, FileUri(FilePath(def.FileName)));
                try {
                    attach.Run();
                } catch (const StoreError& e) {
                    const int code = sqlite3_errcode(Db);
                    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
                        throw StoreError(
                            u"Die Datei %1 ist keine Tabellendatei oder beschädigt."_s.arg(
                                Quoted(def.FileName)));
                    throw StoreError(u"Die Tabelle %1 kann nicht geöffnet werden: %2"_s.arg(
                        Quoted(def.FileName), e.Text()));
                }
            }
            Tables.push_back(table);
            CheckFile(Tables.back());
        }
    } catch (...) {
        Close();
        throw;
    }
}

void Database::CheckFile(const Attached& table) {
    const QString schema = QuoteName(table.Schema);
    const QString file = Quoted(table.Def.FileName);
    // The first read tells whether the file is an SQLite database at all.
    const int rc = sqlite3_exec(
        Db, (u"SELECT count(*) FROM "_s + schema + u".sqlite_master"_s).toUtf8().constData(),
        nullptr, nullptr, nullptr);
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT)
        throw StoreError(u"Die Datei %1 ist keine Tabellendatei oder beschädigt."_s.arg(file));
    if (rc != SQLITE_OK)
        throw StoreError(ReadFailure(table.Def.FileName, StoreErrorText(rc)));

    struct Column {
        QString Type;
        int Pk;
    };
    QHash<QString, Column> columns;
    {
        Statement info = Prepare(u"PRAGMA "_s + schema + u".table_info("_s +
                                 QuoteName(table.Def.TableName()) + u')');
        while (info.Step())
            columns.insert(info.Text(1).toLower(), Column{info.Text(2), int(info.Int(5))});
    }
    if (columns.isEmpty())
        throw StoreError(
            u"Die Datei %1 enthält keine Tabelle %2."_s.arg(file, Quoted(table.Def.TableName())));
    for (const FieldDef& field : table.Def.Fields) {
        const auto it = columns.constFind(field.Name.toLower());
        if (it == columns.constEnd())
            throw StoreError(
                u"In der Tabelle %1 fehlt das Feld %2."_s.arg(file, Quoted(field.Name)));
        // An auto-increment field must be the row number, or new rows get none.
        if (field.Type == FieldType::AutoInc &&
            (it->Pk != 1 || it->Type.compare(u"INTEGER"_s, Qt::CaseInsensitive) != 0))
            throw StoreError(u"In der Tabelle %1 ist das Feld %2 kein Zählerfeld."_s.arg(
                file, Quoted(field.Name)));
    }
    try {
        Prepare(u"SELECT rowid FROM "_s + QualifiedName(table.Def.FileName) + u" LIMIT 0"_s).Run();
    } catch (const StoreError& e) {
        throw StoreError(ReadFailure(table.Def.FileName, e.Text()));
    }
    // Only the rollback journal commits atomically across files.
    QString mode;
    {
        Statement journal = Prepare(u"PRAGMA "_s + schema + u".journal_mode"_s);
        if (journal.Step())
            mode = journal.Text(0);
    }
    if (mode.compare(u"wal"_s, Qt::CaseInsensitive) == 0)
        LeaveWal(table);
    if (table.Def.Scratch)
        Exec(u"PRAGMA "_s + schema + u".synchronous=OFF"_s);
}

void Database::LeaveWal(const Attached& table) {
    // While another program has the file open in WAL mode the switch is
    // refused at once, without the busy handler: that is a lock like any
    // other, so it gets the same 15 tries, 100 ms apart.
    const QByteArray sql =
        (u"PRAGMA "_s + QuoteName(table.Schema) + u".journal_mode=DELETE"_s).toUtf8();
    sqlite3_busy_handler(Db, nullptr, nullptr);
    int rc = SQLITE_OK;
    for (int attempt = 0;; ++attempt) {
        sqlite3_stmt* stmt = nullptr;
        rc = sqlite3_prepare_v2(Db, sql.constData(), int(sql.size()), &stmt, nullptr);
        QString mode;
        if (rc == SQLITE_OK) {
            rc = sqlite3_step(stmt);
            if (rc == SQLITE_ROW) {
                mode =
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
                rc = SQLITE_OK;
            }
        }
        sqlite3_finalize(stmt);
        // The mode that could not be changed is answered unchanged.
        if (rc == SQLITE_OK && mode.compare(u"wal"_s, Qt::CaseInsensitive) == 0)
            rc = SQLITE_BUSY;
        const bool locked = (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
        if (!locked || attempt >= LockRetries)
            break;
        sqlite3_sleep(LockRetryMs);
    }
    sqlite3_busy_handler(Db, RetryLock, nullptr);
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw StoreError(u"Die Tabelle %1 kann nicht geöffnet werden: %2"_s.arg(
            Quoted(table.Def.FileName), StoreErrorText(rc)));
}

void Database::Close() {
    // Cursors stay registered for their lifetime; they only lose their rows.
    for (Cursor* cursor : OpenCursors)
        cursor->Detach();
    for (sqlite3_stmt* stmt : std::as_const(Cache))
        sqlite3_finalize(stmt);
    Cache.clear();
    Tables.clear();
    if (Db)
        sqlite3_close_v2(Db);
    Db = nullptr;
    TransactionDepth = 0;
}

const Database::Attached* Database::Find(const QString& fileName) const {
    for (const Attached& table : Tables)
        if (table.Def.FileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return &table;
    return nullptr;
}

const TableDef& Database::Table(const QString& fileName) const {
    const Attached* table = Find(fileName);
    if (!table)
        throw StoreError(u"Die Tabelle %1 ist nicht geöffnet."_s.arg(Quoted(fileName)));
    return table->Def;
}

QString Database::QualifiedName(const QString& fileName) const {
    const Attached* table = Find(fileName);
    if (!table)
        throw StoreError(u"Die Tabelle %1 ist nicht geöffnet."_s.arg(Quoted(fileName)));
    return QuoteName(table->Schema) + u'.' + QuoteName(table->Def.TableName());
}

Statement Database::Prepare(const QString& sql) {
    if (!Db)
        throw StoreError(u"Die Datenbank ist nicht geöffnet."_s);
    auto it = Cache.constFind(sql);
    if (it != Cache.constEnd() && !sqlite3_stmt_busy(*it))
        return Statement(*this, *it, false);
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(Db, utf8.constData(), int(utf8.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        Fail(rc, QString());
    }
    if (it != Cache.constEnd())
        return Statement(*this, stmt, true);
    Cache.insert(sql, stmt);
    return Statement(*this, stmt, false);
}

void Database::Exec(const QString& sql, bool write) {
    if (write)
        CountWrite();
    Prepare(sql).Run();
}

void Database::Execute(const QString& sql, const QVariantList& binds) {
    CountWrite();
    Statement st = Prepare(sql);
    for (int i = 0; i < binds.size(); ++i)
        st.Bind(i + 1, binds[i]);
    st.Run();
}

void Database::EmptyTable(const QString& fileName) {
    const TableDef& def = Table(fileName);
    for (const Cursor* cursor : OpenCursors)
        if (cursor->Active() && cursor->TableName().compare(def.FileName, Qt::CaseInsensitive) == 0)
            throw StoreError(u"Die Tabelle %1 ist geöffnet und kann nicht geleert werden."_s.arg(
                Quoted(fileName)));
    Exec(u"DELETE FROM "_s + QualifiedName(fileName), true);
}

void Database::FailNthWrite(int n) {
    FailAt = n > 0 ? Writes + n : 0;
}

void Database::CountWrite() {
    ++Writes;
    if (FailAt > 0 && Writes == FailAt) {
        FailAt = 0;
        throw StoreError(StoreErrorText(SQLITE_IOERR));
    }
}

void Database::Fail(int rc, const QString& context) {
    QString text = StoreErrorText(rc);
    if ((rc & 0xff) == SQLITE_ERROR || (rc & 0xff) == SQLITE_MISUSE || (rc & 0xff) == SQLITE_RANGE)
        text = u"Fehler der Datenbank: %1"_s.arg(QString::fromUtf8(sqlite3_errmsg(Db)));
    if (!context.isEmpty())
        text = context + u": "_s + text;
    throw StoreError(text);
}

void Database::Register(Cursor* cursor) {
    OpenCursors.push_back(cursor);
}

void Database::Unregister(Cursor* cursor) {
    OpenCursors.erase(std::remove(OpenCursors.begin(), OpenCursors.end(), cursor),
                      OpenCursors.end());
}
