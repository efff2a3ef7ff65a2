#include "tablestore/Statement.h"

#include "tablestore/Database.h"

#include <sqlite3.h>

Statement::Statement(Database& db, sqlite3_stmt* stmt, bool owned)
    : Db(&db), Stmt(stmt), Owned(owned) {}

Statement::Statement(Statement&& other) noexcept
    : Db(other.Db), Stmt(other.Stmt), Owned(other.Owned) {
    other.Stmt = nullptr;
}

Statement::~Statement() {
    if (!Stmt)
        return;
    if (Owned) {
        sqlite3_finalize(Stmt);
    } else {
        sqlite3_reset(Stmt);
        sqlite3_clear_bindings(Stmt);
    }
}

void Statement::Bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(Stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            rc = sqlite3_bind_int64(Stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(Stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(Stmt, index, bytes.constData(),
                                     static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            BindText(index, value.toString());
            return;
        }
    }
    if (rc != SQLITE_OK)
        Db->Fail(rc, QString());
}

void Statement::BindInt(int index, qint64 value) {
    const int rc = sqlite3_bind_int64(Stmt, index, value);
    if (rc != SQLITE_OK)
        Db->Fail(rc, QString());
}

void Statement::BindText(int index, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    const int rc =
        sqlite3_bind_text64(Stmt, index, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK)
        Db->Fail(rc, QString());
}

bool Statement::Step() {
    const int rc = sqlite3_step(Stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    Db->Fail(rc, QString());
}

int Statement::Run() {
    while (Step()) {
    }
    return sqlite3_changes(sqlite3_db_handle(Stmt));
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(Stmt);
}

QVariant Statement::Value(int column) const {
    switch (sqlite3_column_type(Stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(Stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(Stmt, column));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Stmt, column));
        // Invalid UTF-8 in a foreign file becomes replacement characters.
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(Stmt, column)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(Stmt, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(Stmt, column)));
    }
    default:
        return QVariant();
    }
}

qint64 Statement::Int(int column) const {
    return sqlite3_column_int64(Stmt, column);
}

QString Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(Stmt, column));
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(Stmt, column) == SQLITE_NULL;
}
