#include "tablestore/TableFile.h"

#include "tablestore/Database.h"
#include "tablestore/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

QString ColumnType(const FieldDef& field) {
    switch (field.Type) {
    case FieldType::AutoInc:
        return u"INTEGER PRIMARY KEY AUTOINCREMENT"_s;
    case FieldType::Integer:
        return u"INTEGER"_s;
    case FieldType::SmallInt:
        return u"SMALLINT"_s;
    case FieldType::String:
        return u"VARCHAR(%1)"_s.arg(field.Size);
    case FieldType::Boolean:
        return u"BOOLEAN"_s;
    case FieldType::Time:
        return u"TIME"_s; // REAL affinity: day fractions
    }
    return QString();
}

QString IndexSql(const TableDef& def, const QString& name, const QStringList& fields, bool unique) {
    QStringList columns;
    for (const QString& field : fields)
        columns << QuoteName(field);
    return (unique ? u"CREATE UNIQUE INDEX "_s : u"CREATE INDEX "_s) + QuoteName(name) + u" ON "_s +
           QuoteName(def.TableName()) + u" ("_s + columns.join(u", "_s) + u')';
}

} // namespace

QStringList TableFileSql(const TableDef& def) {
    QStringList columns;
    for (const FieldDef& field : def.Fields)
        columns << QuoteName(field.Name) + u' ' + ColumnType(field);
    QStringList sql{u"CREATE TABLE "_s + QuoteName(def.TableName()) + u" ("_s +
                    columns.join(u", "_s) + u')'};
    if (!def.PrimaryIndexName.isEmpty() && !def.PrimaryKey.isEmpty())
        sql << IndexSql(def, def.PrimaryIndexName, def.PrimaryKey, true);
    for (const IndexDef& index : def.Indexes)
        sql << IndexSql(def, index.Name, index.Fields, index.Unique);
    return sql;
}

void CreateTableFile(const QString& dir, const TableDef& def) {
    const QString path = QDir(dir).filePath(def.FileName);
    if (QFileInfo::exists(path))
        throw StoreError(u"Die Datei „%1“ gibt es schon; sie wird nicht überschrieben."_s.arg(
            QDir::toNativeSeparators(path)));
    // Built under a temporary name and renamed at the end, so a failure never
    // leaves a half-made table under the real name.
    const QString temp = path + u".new"_s;
    QFile::remove(temp);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString error;
    if (rc == SQLITE_OK) {
        const QString script = u"BEGIN;"_s + TableFileSql(def).join(u";"_s) + u";COMMIT;"_s;
        char* message = nullptr;
        rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK)
            error = QString::fromUtf8(message ? message : "");
        sqlite3_free(message);
    }
    if (rc != SQLITE_OK && error.isEmpty())
        error = StoreErrorText(rc);
    sqlite3_close(db);
    if (rc == SQLITE_OK && !QFile::rename(temp, path))
        error = u"Umbenennen nicht möglich"_s, rc = SQLITE_CANTOPEN;
    if (rc != SQLITE_OK) {
        QFile::remove(temp);
        throw StoreError(u"Die Datei „%1“ kann nicht geschrieben werden: %2"_s.arg(
            QDir::toNativeSeparators(path), error));
    }
}
