#include "EngineFixture.h"

#include "tablestore/TableFile.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

QList<TableDef> EngineTables() {
    TableDef kopf;
    kopf.FileName = u"Kopf.DAT"_s;
    kopf.Fields = {{u"Name"_s, FieldType::String, 10}, {u"Nr"_s, FieldType::AutoInc, 0},
                   {u"Mark"_s, FieldType::Boolean, 0}, {u"Folge"_s, FieldType::SmallInt, 0},
                   {u"Zeit"_s, FieldType::Time, 0},    {u"Anzahl"_s, FieldType::Integer, 0}};
    kopf.PrimaryKey = {u"Name"_s};
    kopf.PrimaryIndexName = u"PK_Kopf"_s;
    kopf.Indexes = {{u"IDX_FOLGE"_s, {u"Folge"_s}, false}};
    TableDef teil;
    teil.FileName = u"Teil.DAT"_s;
    teil.Fields = {{u"Lfd"_s, FieldType::AutoInc, 0},
                   {u"KopfNr"_s, FieldType::Integer, 0},
                   {u"Bez"_s, FieldType::String, 2},
                   {u"Num"_s, FieldType::SmallInt, 0}};
    teil.Indexes = {{u"IDX_KOPF"_s, {u"KopfNr"_s}, false}};
    return {kopf, teil};
}

EngineFixture::EngineFixture() {
    for (const TableDef& def : EngineTables())
        CreateTableFile(Dir.Path(), def);
    Db.Open(Dir.Path(), EngineTables());
}

int EngineFixture::AddKopf(Cursor& t, const QString& name, int folge, bool mark) {
    t.Insert();
    t.FieldByName(u"Name"_s).SetString(name);
    t.FieldByName(u"Folge"_s).SetInteger(folge);
    t.FieldByName(u"Mark"_s).SetBoolean(mark);
    t.Post();
    return t.FieldByName(u"Nr"_s).AsInteger();
}

void EngineFixture::AddTeil(Cursor& t, int kopf, const QString& bez, int num) {
    t.Insert();
    t.FieldByName(u"KopfNr"_s).SetInteger(kopf);
    t.FieldByName(u"Bez"_s).SetString(bez);
    t.FieldByName(u"Num"_s).SetInteger(num);
    t.Post();
}

void EngineFixture::Raw(const QString& file, const QString& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Dir.File(file).toUtf8().constData(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}
