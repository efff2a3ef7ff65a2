#include "EngineFixture.h"

#include "tablestore/Statement.h"
#include "tablestore/StoreError.h"
#include "tablestore/TableFile.h"
#include "tablestore/Transaction.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <thread>

using namespace Qt::StringLiterals;

namespace {

QByteArray DirectoryState(const QString& dir) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QFileInfo& info :
         QDir(dir).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        hash.addData(info.fileName().toUtf8());
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
    }
    return hash.result();
}

struct OpenCase {
    const char* Name;
    void (*Damage)(EngineFixture& f);
    const char16_t* Error; // %1 is the directory
};

class OpenFailure : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenFailure, NamesTheFileAndWhatIsWrongAndWritesNothing) {
    EngineFixture f;
    f.Db.Close();
    GetParam().Damage(f);
    const QByteArray before = DirectoryState(f.Dir.Path());
    Database db;
    try {
        db.Open(f.Dir.Path(), EngineTables());
        ADD_FAILURE() << "opened";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), QString::fromUtf16(GetParam().Error)
                                .replace(u"%1"_s, QDir(f.Dir.Path()).absolutePath()));
    }
    EXPECT_FALSE(db.IsOpen());
    EXPECT_EQ(DirectoryState(f.Dir.Path()), before);
}

void WriteFile(EngineFixture& f, const QString& name, const QByteArray& bytes) {
    QFile file(f.Dir.File(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, OpenFailure,
    ::testing::Values(
        OpenCase{"Missing", [](EngineFixture& f) { QFile::remove(f.Dir.File(u"Teil.DAT"_s)); },
                 u"Die Tabelle „Teil.DAT“ fehlt im Verzeichnis „%1“."},
        OpenCase{"Directory",
                 [](EngineFixture& f) {
                     QFile::remove(f.Dir.File(u"Kopf.DAT"_s));
                     QDir(f.Dir.Path()).mkdir(u"Kopf.DAT"_s);
                 },
                 u"„Kopf.DAT“ im Verzeichnis „%1“ ist keine Tabellendatei."},
        OpenCase{"NotSqliteMain",
                 [](EngineFixture& f) { WriteFile(f, u"Kopf.DAT"_s, QByteArray(4096, 'x')); },
                 u"Die Datei „Kopf.DAT“ ist keine Tabellendatei oder beschädigt."},
        OpenCase{"NotSqliteAttached",
                 [](EngineFixture& f) { WriteFile(f, u"Teil.DAT"_s, "Paradox table\n"); },
                 u"Die Datei „Teil.DAT“ ist keine Tabellendatei oder beschädigt."},
        OpenCase{"EmptyFile", [](EngineFixture& f) { WriteFile(f, u"Teil.DAT"_s, QByteArray()); },
                 u"Die Datei „Teil.DAT“ enthält keine Tabelle „Teil“."},
        OpenCase{
            "MissingField",
            [](EngineFixture& f) { f.Raw(u"Teil.DAT"_s, u"ALTER TABLE Teil DROP COLUMN Bez"_s); },
            u"In der Tabelle „Teil.DAT“ fehlt das Feld „Bez“."},
        OpenCase{"AutoIncNotRowNumber",
                 [](EngineFixture& f) {
                     f.Raw(u"Teil.DAT"_s,
                           u"DROP TABLE Teil; CREATE TABLE Teil (Lfd INTEGER, KopfNr "
                           u"INTEGER, Bez TEXT, Num INTEGER)"_s);
                 },
                 u"In der Tabelle „Teil.DAT“ ist das Feld „Lfd“ kein Zählerfeld."}),
    [](const auto& tested) { return std::string(tested.param.Name); });

class TransactionTest : public ::testing::Test {
protected:
    void SetUp() override {
        kopf.Open();
        teil.SetIndexName(u"IDX_KOPF"_s);
        teil.SetMaster(&kopf, {u"Nr"_s});
        teil.Open();
        a = f.AddKopf(kopf, u"Adorf"_s, 1);
        f.AddTeil(teil, a, u"1"_s, 1);
        f.AddTeil(teil, a, u"2"_s, 2);
        f.AddKopf(kopf, u"Bdorf"_s, 2);
        kopf.First();
        teil.Last();
    }
    int Rows(const QString& file) {
        Cursor c{f.Db, file};
        c.Open();
        return c.RecordCount();
    }
    EngineFixture f;
    Cursor kopf{f.Db, u"Kopf.DAT"_s};
    Cursor teil{f.Db, u"Teil.DAT"_s};
    int a = 0;
};

TEST_F(TransactionTest, RollbackUndoesEveryFileAndPutsCursorsBack) {
    {
        Transaction t(f.Db);
        teil.Delete();
        kopf.Last();
        kopf.Delete();
        f.AddKopf(kopf, u"Cdorf"_s, 3);
        teil.Insert(); // left pending: must not be posted by the restore
        teil.FieldByName(u"KopfNr"_s).SetInteger(a);
    }
    EXPECT_EQ(Rows(u"Kopf.DAT"_s), 2);
    EXPECT_EQ(Rows(u"Teil.DAT"_s), 2);
    EXPECT_EQ(kopf.FieldByName(u"Name"_s).AsString(), u"Adorf"_s);
    EXPECT_EQ(teil.RecordCount(), 2);
    EXPECT_EQ(teil.FieldByName(u"Bez"_s).AsString(), u"2"_s);
    EXPECT_EQ(teil.GetState(), Cursor::State::Browse);

    // A detail declared before its master comes back on its row too.
    Cursor detail{f.Db, u"Teil.DAT"_s};
    Cursor master{f.Db, u"Kopf.DAT"_s};
    detail.SetIndexName(u"IDX_KOPF"_s);
    detail.SetMaster(&master, {u"Nr"_s});
    master.Open();
    detail.Open();
    detail.Last();
    ASSERT_EQ(detail.FieldByName(u"Bez"_s).AsString(), u"2"_s);
    {
        Transaction t(f.Db);
        detail.Delete();
        master.Last();
    }
    EXPECT_EQ(master.FieldByName(u"Name"_s).AsString(), u"Adorf"_s);
    EXPECT_EQ(detail.RecordCount(), 2);
    EXPECT_EQ(detail.FieldByName(u"Bez"_s).AsString(), u"2"_s);
}

TEST_F(TransactionTest, CommitKeepsAndNestedRollbackUndoesOnlyItsPart) {
    {
        Transaction outer(f.Db);
        f.AddKopf(kopf, u"Cdorf"_s, 3);
        {
            Transaction inner(f.Db);
            f.AddKopf(kopf, u"Ddorf"_s, 4);
        }
        EXPECT_EQ(kopf.RecordCount(), 3);
        EXPECT_EQ(kopf.FieldByName(u"Name"_s).AsString(), u"Cdorf"_s);
        outer.Commit();
    }
    EXPECT_EQ(f.Db.TransactionDepth, 0);
    f.Db.Close();
    Database again;
    again.Open(f.Dir.Path(), EngineTables());
    Cursor check{again, u"Kopf.DAT"_s};
    check.Open();
    EXPECT_EQ(check.RecordCount(), 3);
}

TEST_F(TransactionTest, FaultHookFailsTheNthWriteIncludingTheCommit) {
    const int before = f.Db.WriteCount();
    f.Db.FailNthWrite(2);
    f.AddKopf(kopf, u"Cdorf"_s, 3);
    try {
        f.AddKopf(kopf, u"Ddorf"_s, 4);
        ADD_FAILURE() << "second write went through";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), StoreErrorText(SQLITE_IOERR));
    }
    kopf.Cancel();
    f.AddKopf(kopf, u"Edorf"_s, 5); // disarmed after firing
    EXPECT_EQ(f.Db.WriteCount() - before, 3);
    EXPECT_EQ(kopf.RecordCount(), 4);

    f.Db.FailNthWrite(2);
    {
        Transaction t(f.Db);
        f.AddKopf(kopf, u"Fdorf"_s, 6);
        EXPECT_THROW(t.Commit(), StoreError);
    }
    EXPECT_EQ(Rows(u"Kopf.DAT"_s), 4);
}

TEST_F(TransactionTest, LockHeldElsewhereIsRetriedAbout15TimesThenFails) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(f.Dir.File(u"Kopf.DAT"_s).toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    QElapsedTimer timer;
    timer.start();
    try {
        f.AddKopf(kopf, u"Cdorf"_s, 3);
        ADD_FAILURE() << "written through a lock";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), u"Die Tabelle ist von einem anderen Programm gesperrt."_s);
    }
    // 15 retries, 100 ms apart, and then it gives up.
    EXPECT_GE(timer.elapsed(), 1400);
    EXPECT_LT(timer.elapsed(), 3000);
    kopf.Cancel();

    // A lock given up while the store waits lets the write through.
    std::thread release([other] {
        sqlite3_sleep(300);
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    EXPECT_NO_THROW(f.AddKopf(kopf, u"Cdorf"_s, 3));
    release.join();
    sqlite3_close(other);
    EXPECT_EQ(Rows(u"Kopf.DAT"_s), 3);
}

TEST(DatabaseOpen, FileHeldInWalModeElsewhereIsRetriedThenNamed) {
    EngineFixture f;
    f.Db.Close();
    // Another program keeps Teil.DAT open in WAL mode.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(f.Dir.File(u"Teil.DAT"_s).toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode=WAL; SELECT count(*) FROM Teil", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    Database db;
    QElapsedTimer timer;
    timer.start();
    try {
        db.Open(f.Dir.Path(), EngineTables());
        ADD_FAILURE() << "opened while held";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), u"Die Tabelle „Teil.DAT“ kann nicht geöffnet werden: Die Tabelle ist "
                            u"von einem anderen Programm gesperrt."_s);
    }
    // 15 retries, 100 ms apart, and then it gives up.
    EXPECT_GE(timer.elapsed(), 1400);
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_FALSE(db.IsOpen());

    // Let go while the store waits: the file opens and is back in rollback mode.
    std::thread release([other] {
        sqlite3_sleep(300);
        sqlite3_close(other);
    });
    EXPECT_NO_THROW(db.Open(f.Dir.Path(), EngineTables()));
    release.join();
    EXPECT_TRUE(db.IsOpen());
    Statement mode = db.Prepare(u"PRAGMA t1.journal_mode"_s);
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Text(0), u"delete"_s);
}

TEST(DatabaseOpen, DamagedDataPageIsNamedWhenTheRowsAreRead) {
    EngineFixture f;
    f.Db.Close();
    f.Raw(u"Kopf.DAT"_s, u"INSERT INTO Kopf (Name, Folge) VALUES ('Adorf', 1)"_s);
    // Page 2 holds the rows; the schema on page 1 stays readable.
    QFile file(f.Dir.File(u"Kopf.DAT"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 8192);
    file.seek(4096);
    file.write(QByteArray(4096, char(0xA5)));
    file.close();
    Database db;
    db.Open(f.Dir.Path(), EngineTables());
    Cursor kopf{db, u"Kopf.DAT"_s};
    try {
        kopf.Open();
        ADD_FAILURE() << "read a damaged page";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), u"Die Tabelle „Kopf.DAT“ kann nicht gelesen werden: Die "
                            u"Tabellendatei ist beschädigt."_s);
    }
}

TEST(DatabaseOpen, DirectoryNamesWithUmlautsAndUriCharacters) {
    TempDir dir;
    const QString path = dir.File(u"Fahrpläne #1 %20?"_s);
    ASSERT_TRUE(QDir().mkpath(path));
    for (const TableDef& def : EngineTables())
        CreateTableFile(path, def);
    Database db;
    db.Open(path, EngineTables());
    Cursor kopf{db, u"Kopf.DAT"_s};
    kopf.Open();
    kopf.Insert();
    kopf.FieldByName(u"Name"_s).SetString(u"Adorf"_s);
    kopf.Post();
    EXPECT_EQ(kopf.RecordCount(), 1);
    EXPECT_EQ(QDir(path).entryList(QDir::Files), (QStringList{u"Kopf.DAT"_s, u"Teil.DAT"_s}));
}

TEST(TableFile, RefusesToOverwriteAndMakesNamedIndexes) {
    TempDir dir;
    const TableDef def = EngineTables().first();
    CreateTableFile(dir.Path(), def);
    EXPECT_THROW(CreateTableFile(dir.Path(), def), StoreError);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{u"Kopf.DAT"_s});
    // The names are those of the written file, as any SQLite tool reads them.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(dir.File(u"Kopf.DAT"_s).toUtf8().constData(), &db,
                              SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "SELECT name || ':' || (SELECT \"unique\" FROM "
                                 "pragma_index_list('Kopf') l WHERE l.name = m.name) FROM "
                                 "sqlite_master m WHERE type = 'index' AND sql IS NOT NULL "
                                 "ORDER BY name",
                                 -1, &st, nullptr),
              SQLITE_OK);
    QStringList indexes;
    while (sqlite3_step(st) == SQLITE_ROW)
        indexes << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    EXPECT_EQ(indexes, (QStringList{u"IDX_FOLGE:0"_s, u"PK_Kopf:1"_s}));
}

} // namespace
