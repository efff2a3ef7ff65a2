#include "StoreFixture.h"

#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/TableSchema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray DirectoryState(const QString& dir) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QFileInfo& info :
         QDir(dir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        hash.addData(info.fileName().toUtf8());
        QFile file(info.filePath());
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
    }
    return hash.result();
}

TEST(Tdm, OpensAllCursorsWithTheirIndexesFiltersAndLinks) {
    StoreFixture f(true);
    Tdm& dm = *f.Dm;
    for (Cursor* c : {&dm.tBhf, &dm.tBhfU, &dm.tBhfM, &dm.tGleis, &dm.tGleisU, &dm.tGleisM,
                      &dm.tSavePlan, &dm.tBhfPlan, &dm.tGlsPlan, &dm.tZugPlan, &dm.tZCntPlan,
                      &dm.tTabSort, &dm.tTabCheck, &dm.tTabPlan})
        EXPECT_TRUE(c->Active()) << c->TableName().toStdString();
    EXPECT_EQ(dm.tBhfM.IndexName(), u"IDX_FOLGE"_s);
    EXPECT_EQ(dm.tTabSort.IndexName(), u"IDX_BHF_ZUGS"_s);
    EXPECT_EQ(dm.tZCntPlan.Master(), &dm.tZugPlan);
    EXPECT_EQ(dm.tGleisU.Master(), &dm.tBhfU);
    // The sample: ten stations, none chosen, the first in name order shown.
    EXPECT_EQ(dm.tBhf.RecordCount(), 10);
    EXPECT_EQ(dm.tBhfU.RecordCount(), 10);
    EXPECT_EQ(dm.tBhfM.RecordCount(), 0);
    EXPECT_EQ(dm.tBhf.FieldByName(u"Bahnhof"_s).AsString(), u"Birkenhain"_s);
    EXPECT_EQ(dm.tGleis.RecordCount(), 2);
    EXPECT_EQ(dm.dsBhf.rowCount(), 10);
    // tSavePlan stands on the first stored plan, its details on its rows.
    EXPECT_EQ(dm.tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Talbahn Werktag"_s);
    EXPECT_EQ(dm.tBhfPlan.RecordCount(), 5);
    EXPECT_EQ(dm.tGlsPlan.RecordCount(), 6);
    // Marking through tBhfU shows in tBhfM after its refresh.
    dm.tBhfU.Edit();
    dm.tBhfU.FieldByName(u"Mark"_s).SetBoolean(true);
    dm.tBhfU.FieldByName(u"Folge"_s).SetInteger(1);
    dm.tBhfU.Post();
    EXPECT_EQ(dm.tBhfU.RecordCount(), 9);
    EXPECT_EQ(dm.tBhfM.RecordCount(), 0);
    dm.tBhfM.Refresh();
    ASSERT_EQ(dm.tBhfM.RecordCount(), 1);
    EXPECT_EQ(dm.tBhfM.FieldByName(u"Bahnhof"_s).AsString(), u"Birkenhain"_s);
    EXPECT_EQ(dm.tGleisM.RecordCount(), 2);
}

// Page 2 holds the table's rows; the schema on page 1 stays readable, so
// the damage shows only when the rows are read.
void DamageRowPage(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 8192);
    file.seek(4096);
    file.write(QByteArray(4096, char(0xA5)));
}

struct BrokenCase {
    const char* Name;
    void (*Break)(const QString& dir);
    const char16_t* Error; // %1 is the directory
};

class TdmBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(TdmBroken, GivesAGermanMessageAndTouchesNothing) {
    StoreFixture f;
    f.Dm.reset();
    GetParam().Break(f.Dir.Path());
    const QByteArray before = DirectoryState(f.Dir.Path());
    QString error;
    EXPECT_EQ(Tdm::Open(f.Dir.Path(), error), nullptr);
    EXPECT_EQ(error, QString::fromUtf16(GetParam().Error).replace(u"%1"_s, f.Dir.Path()));
    EXPECT_EQ(DirectoryState(f.Dir.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TdmBroken,
    ::testing::Values(
        BrokenCase{"FileMissing", [](const QString& d) { QFile::remove(d + u"/ZCntPlan.DAT"_s); },
                   u"Die Tabelle „ZCntPlan.DAT“ fehlt im Verzeichnis „%1“."},
        BrokenCase{"AllMissing",
                   [](const QString& d) {
                       for (const TableDef& def : DfPlanTables())
                           QFile::remove(d + u'/' + def.FileName);
                   },
                   u"Die Tabelle „Bahnhof.DAT“ fehlt im Verzeichnis „%1“."},
        BrokenCase{"NotATableFile",
                   [](const QString& d) {
                       QFile file(d + u"/GlsPlan.DAT"_s);
                       file.open(QIODevice::WriteOnly | QIODevice::Truncate);
                       file.write("GLSBEZ;BHFID\n1;1\n");
                   },
                   u"Die Datei „GlsPlan.DAT“ ist keine Tabellendatei oder beschädigt."},
        BrokenCase{"FieldMissing",
                   [](const QString& d) {
                       sqlite3* db = nullptr;
                       sqlite3_open((d + u"/SavePlan.DAT"_s).toUtf8().constData(), &db);
                       sqlite3_exec(db, "ALTER TABLE SavePlan DROP COLUMN TAKTFP", nullptr, nullptr,
                                    nullptr);
                       sqlite3_close(db);
                   },
                   u"In der Tabelle „SavePlan.DAT“ fehlt das Feld „TAKTFP“."},
        BrokenCase{"TableMissing",
                   [](const QString& d) {
                       sqlite3* db = nullptr;
                       sqlite3_open((d + u"/Tabsort.DAT"_s).toUtf8().constData(), &db);
                       sqlite3_exec(db, "ALTER TABLE Tabsort RENAME TO Sortiert", nullptr, nullptr,
                                    nullptr);
                       sqlite3_close(db);
                   },
                   u"Die Datei „Tabsort.DAT“ enthält keine Tabelle „Tabsort“."},
        BrokenCase{"DataPageDamaged",
                   [](const QString& d) { DamageRowPage(d + u"/SavePlan.DAT"_s); },
                   u"Die Tabelle „SavePlan.DAT“ kann nicht gelesen werden: Die Tabellendatei ist "
                   u"beschädigt."}),
    [](const auto& tested) { return std::string(tested.param.Name); });

} // namespace
