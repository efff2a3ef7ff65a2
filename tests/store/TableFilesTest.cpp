#include "StoreFixture.h"

#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/TableSchema.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Column names of a file's table, read as any SQLite tool reads them.
QStringList Columns(const QString& path, const QString& table) {
    sqlite3* db = nullptr;
    QStringList names;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        const QByteArray sql = (u"PRAGMA table_info(\""_s + table + u"\")"_s).toUtf8();
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                names << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return names;
}

// Named indexes of a file with their key columns, "NAME(A,B)", by name.
QStringList Indexes(const QString& path) {
    sqlite3* db = nullptr;
    QStringList out;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db,
                               "SELECT name, (SELECT group_concat(name, ',') FROM "
                               "pragma_index_info(m.name)) FROM sqlite_master m WHERE type = "
                               "'index' AND sql IS NOT NULL ORDER BY name",
                               -1, &st, nullptr) == SQLITE_OK)
            while (sqlite3_step(st) == SQLITE_ROW)
                out << QString::fromUtf8(
                           reinterpret_cast<const char*>(sqlite3_column_text(st, 0))) +
                           u'(' +
                           QString::fromUtf8(
                               reinterpret_cast<const char*>(sqlite3_column_text(st, 1))) +
                           u')';
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
}

TEST(TableFiles, WritesTheTenTablesWithTheirFieldsAndRefusesToOverwrite) {
    TempDir dir;
    QStringList created;
    QString error;
    ASSERT_TRUE(WriteTableFiles(dir.Path(), false, false, created, error)) << error.toStdString();
    EXPECT_EQ(created.size(), 10);
    for (const TableDef& def : DfPlanTables()) {
        QStringList expected;
        for (const FieldDef& field : def.Fields)
            expected << field.Name;
        EXPECT_EQ(Columns(dir.File(def.FileName), def.TableName()), expected);
        // The index names the cursors choose, read back from the written file.
        QStringList indexes;
        if (!def.PrimaryIndexName.isEmpty() && !def.PrimaryKey.isEmpty())
            indexes << def.PrimaryIndexName + u'(' + def.PrimaryKey.join(u',') + u')';
        for (const IndexDef& index : def.Indexes)
            indexes << index.Name + u'(' + index.Fields.join(u',') + u')';
        indexes.sort();
        EXPECT_EQ(Indexes(dir.File(def.FileName)), indexes) << def.FileName.toStdString();
    }
    EXPECT_TRUE(Indexes(dir.File(ZCntPlanFile)).contains(u"IDX_ZCNT(ZCNT)"_s));
    EXPECT_TRUE(Indexes(dir.File(TabsortFile)).contains(u"IDX_BHF_ZUGS(BhfName,ZugS)"_s));
    EXPECT_TRUE(Indexes(dir.File(TmpPlanFile)).contains(u"IDX_BUG(Abfahrt,ABhf,Uhrzeit)"_s));
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files).size(), 10); // no leftovers

    // Changing one table must survive any further run.
    QFile::remove(dir.File(TmpPlanFile));
    const QByteArray kept = [&] {
        QFile file(dir.File(SavePlanFile));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    EXPECT_FALSE(WriteTableFiles(dir.Path(), true, false, created, error));
    EXPECT_TRUE(error.startsWith(u"Die Datei „"_s)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.File(TmpPlanFile))); // nothing written
    ASSERT_TRUE(WriteTableFiles(dir.Path(), true, true, created, error)) << error.toStdString();
    EXPECT_EQ(created, QStringList{TmpPlanFile});
    QFile file(dir.File(SavePlanFile));
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), kept); // no sample into an existing table
    EXPECT_FALSE(WriteTableFiles(dir.Path() + u"/fehlt"_s, false, false, created, error));
}

TEST(TableFiles, SampleIsAConsistentStationDatabaseAndPlan) {
    StoreFixture f(true);
    Tdm& dm = *f.Dm;
    EXPECT_EQ(f.Rows(BahnhofFile), 10);
    int tracks = 0;
    for (int i = 1; i <= dm.tBhf.RecordCount(); ++i) {
        dm.tBhf.SetRecNo(i);
        const int n = dm.tBhf.FieldByName(u"NumGleise"_s).AsInteger();
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 6);
        EXPECT_EQ(dm.tBhf.FieldByName(u"BhfID"_s).AsInteger(),
                  dm.tBhf.FieldByName(u"LfdNr"_s).AsInteger());
        EXPECT_FALSE(dm.tBhf.FieldByName(u"Abk"_s).AsString().isEmpty());
        ASSERT_EQ(dm.tGleis.RecordCount(), n);
        for (int k = 1; k <= n; ++k) {
            dm.tGleis.SetRecNo(k);
            EXPECT_EQ(dm.tGleis.FieldByName(u"GlsNum"_s).AsInteger(), k);
            EXPECT_EQ(dm.tGleis.FieldByName(u"Bez"_s).AsString(), QString::number(k));
        }
        tracks += n;
    }
    EXPECT_EQ(f.Rows(BahnhofGleisFile), tracks);

    ASSERT_EQ(f.Rows(SavePlanFile), 1);
    auto plan = std::make_unique<PlanRec>();
    const StoreResult result = LoadPlan(dm, *plan);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_GE(plan->TrainCount, 3);
    for (int b = 1; b <= plan->TrainCount; ++b) {
        const PlanZug& zug = plan->Trains[b];
        ASSERT_EQ(zug.PointCount % 2, 0);
        for (int p = 1; p <= zug.PointCount; ++p) {
            const PlanCnt& cnt = zug.Points[p];
            EXPECT_EQ(cnt.Modus, p == 1 ? 0 : (p % 2 == 0 ? 1 : 2)) << b << "/" << p;
            EXPECT_EQ(cnt.Richtung, RichtungRight);
            EXPECT_GE(cnt.Time * 24, plan->StartHour);
            EXPECT_LT(cnt.Time * 24, plan->EndHour);
            if (p > 1) {
                EXPECT_GT(cnt.Time, zug.Points[p - 1].Time);
                // A run goes to the right; a stop stays at its station and track.
                EXPECT_EQ(cnt.BhfIdx, zug.Points[p - 1].BhfIdx + (cnt.Modus == 1 ? 1 : 0));
                if (cnt.Modus == 2) {
                    EXPECT_EQ(cnt.GlsIdx, zug.Points[p - 1].GlsIdx);
                }
            }
            // Each plan station is a station of the database with its tracks.
            ASSERT_TRUE(dm.tBhf.FindKey({plan->Stations[cnt.BhfIdx].Name}));
            EXPECT_EQ(dm.tBhf.FieldByName(u"NumGleise"_s).AsInteger(),
                      plan->Stations[cnt.BhfIdx].TrackCount);
        }
    }
}

} // namespace
