#include "StoreFixture.h"

#include "model/TimeOfDay.h"
#include "store/PlanStore.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<PlanRec> Load(Tdm& dm) {
    auto plan = std::make_unique<PlanRec>();
    const StoreResult result = LoadPlan(dm, *plan);
    EXPECT_TRUE(result.Ok) << result.Error.toStdString();
    return plan;
}

QString PointTime(StoreFixture& f, int row) {
    Cursor& c = f.Dm->tZCntPlan;
    c.SetRecNo(row);
    return c.FieldByName(u"UHRZEIT"_s).AsString();
}

TEST(PlanStore, RoundTripKeepsEveryStoredField) {
    StoreFixture f;
    auto plan = MakePlan(4, 3, 5, 6);
    plan->Trains[3].Color = 0x808080;
    plan->Trains[3].Points[2].Richtung = RichtungLeft;
    StoreNew(*f.Dm, *plan);
    EXPECT_EQ(f.Rows(SavePlanFile), 1);
    EXPECT_EQ(f.Rows(BhfPlanFile), 4);
    EXPECT_EQ(f.Rows(GlsPlanFile), 12);
    EXPECT_EQ(f.Rows(ZugPlanFile), 5);
    EXPECT_EQ(f.Rows(ZCntPlanFile), 30);
    Cursor& h = f.Dm->tSavePlan;
    EXPECT_EQ(h.FieldByName(u"ANZBHF"_s).AsInteger(), 4);
    EXPECT_EQ(h.FieldByName(u"ANZZUG"_s).AsInteger(), 5);
    EXPECT_EQ(h.FieldByName(u"BACKCOL"_s).AsInteger(), 0xC0C0C0);
    EXPECT_TRUE(h.FieldByName(u"TAKTFP"_s).AsBoolean());
    auto loaded = Load(*f.Dm);
    ExpectSamePlan(*loaded, *plan);
    EXPECT_TRUE(loaded->Stations[2].InUse);
    EXPECT_FALSE(loaded->Stations[2].Marked);
    EXPECT_TRUE(loaded->Trains[5].InUse);
}

TEST(PlanStore, LargestAndSmallestLegalPlansComeBackEqual) {
    // 20 stations of 30 tracks, 50 trains of 100 points, every header field
    // at the top of its range, the last second of the day.
    StoreFixture f;
    auto largest = MakePlan(MaxStations, MaxTracks, MaxTrains, MaxPoints);
    largest->StartHour = 23;
    largest->EndHour = 24;
    largest->GridStyle = 4;
    largest->Zoom = 9;
    largest->Trains[MaxTrains].Points[MaxPoints].Time = EncodeTime(23, 59, 59);
    largest->Trains[1].Points[1].BhfIdx = MaxStations;
    largest->Trains[1].Points[1].GlsIdx = MaxTracks;
    StoreNew(*f.Dm, *largest);
    ExpectSamePlan(*Load(*f.Dm), *largest);
    // And at the bottom: one station without tracks, no trains.
    auto smallest = MakePlan(1, 0, 0, 0);
    smallest->StartHour = 0;
    smallest->EndHour = 1;
    smallest->GridStyle = 0;
    smallest->Zoom = 1;
    StoreNew(*f.Dm, *smallest);
    ExpectSamePlan(*Load(*f.Dm), *smallest);
    f.Dm->tSavePlan.First();
    ExpectSamePlan(*Load(*f.Dm), *largest);
}

TEST(PlanStore, LoadReadsRowsChangedByAnotherProgram) {
    StoreFixture f;
    auto plan = MakePlan(2, 2, 2, 2);
    StoreNew(*f.Dm, *plan);
    ExpectSamePlan(*Load(*f.Dm), *plan);
    sqlite3* other = nullptr;
    for (const char* change :
         {"BhfPlan.DAT|UPDATE BhfPlan SET BHFBEZ = 'Neustadt' WHERE BHFID = (SELECT min(BHFID) "
          "FROM BhfPlan)",
          "ZugPlan.DAT|UPDATE ZugPlan SET BEZ = 'IC 7' WHERE LFD = (SELECT max(LFD) FROM ZugPlan)",
          "ZCntPlan.DAT|UPDATE ZCntPlan SET UHRZEIT = '09:15:00' WHERE LFD = (SELECT min(LFD) FROM "
          "ZCntPlan)",
          "SavePlan.DAT|UPDATE SavePlan SET NAME = 'Umbenannt', ZOOM = 3"}) {
        const QList<QByteArray> parts = QByteArray(change).split('|');
        ASSERT_EQ(
            sqlite3_open((f.Dir.Path() + u'/' + QString::fromUtf8(parts[0])).toUtf8().constData(),
                         &other),
            SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, parts[1].constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
    }
    plan->Stations[1].Name = u"Neustadt"_s;
    plan->Trains[2].Name = u"IC 7"_s;
    plan->Trains[1].Points[1].Time = EncodeTime(9, 15);
    plan->PlanName = u"Umbenannt"_s;
    plan->Zoom = 3;
    ExpectSamePlan(*Load(*f.Dm), *plan);
    // A header deleted elsewhere is said so, and the open plan stays.
    ASSERT_EQ(sqlite3_open((f.Dir.Path() + u"/SavePlan.DAT"_s).toUtf8().constData(), &other),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "DELETE FROM SavePlan", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    auto open = MakePlan(3, 1, 0, 0);
    const auto copy = std::make_unique<PlanRec>(*open);
    const StoreResult result = LoadPlan(*f.Dm, *open);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Error, u"Der Fahrplan „Umbenannt“ kann nicht geöffnet werden. Er wurde "
                            u"inzwischen von einem anderen Programm gelöscht."_s);
    ExpectSamePlan(*open, *copy);
}

TEST(PlanStore, TextsAreCutTimesWrittenAsTextAndDesignationsToTwo) {
    StoreFixture f;
    auto plan = MakePlan(2, 2, 1, 4);
    plan->PlanName = QString(31, u'N');
    plan->Stations[1].Tracks[1].Designation = u"12a"_s;
    plan->Trains[1].Name = u"Eilzug 1234"_s; // eleven characters
    plan->Trains[1].Points[1].Time = EncodeTime(0, 0, 30, 400);
    plan->Trains[1].Points[2].Time = 1.0;
    plan->Trains[1].Points[3].Time = EncodeTime(7, 5);
    plan->Trains[1].Points[4].Time = EncodeTime(23, 59, 59, 999);
    StoreNew(*f.Dm, *plan);
    EXPECT_EQ(f.Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), QString(30, u'N'));
    EXPECT_EQ(PointTime(f, 1), u"00:00:30"_s);
    EXPECT_EQ(PointTime(f, 2), u"00:00:00"_s);
    EXPECT_EQ(PointTime(f, 3), u"07:05:00"_s);
    EXPECT_EQ(PointTime(f, 4), u"23:59:59"_s);
    auto loaded = Load(*f.Dm);
    EXPECT_EQ(loaded->PlanName, QString(30, u'N'));
    EXPECT_EQ(loaded->Stations[1].Tracks[1].Designation.Text(), u"12"_s);
    EXPECT_EQ(loaded->Trains[1].Name, u"Eilzug 123"_s);
    EXPECT_DOUBLE_EQ(loaded->Trains[1].Points[1].Time, EncodeTime(0, 0, 30));
    EXPECT_DOUBLE_EQ(loaded->Trains[1].Points[2].Time, 0.0);
    EXPECT_DOUBLE_EQ(loaded->Trains[1].Points[3].Time, EncodeTime(7, 5));
}

TEST(PlanStore, SlotsNotInUseAreSkippedAndRenumberedAndEmptyTrainsKept) {
    StoreFixture f;
    auto plan = MakePlan(3, 2, 5, 4);
    plan->Trains[2].InUse = false;
    plan->Trains[4].InUse = false;
    plan->Trains[5].PointCount = 0;
    StoreNew(*f.Dm, *plan);
    EXPECT_EQ(f.Rows(ZugPlanFile), 3);
    EXPECT_EQ(f.Rows(ZCntPlanFile), 8);
    auto loaded = Load(*f.Dm);
    ASSERT_EQ(loaded->TrainCount, 3);
    EXPECT_EQ(loaded->Trains[1].Number, 1);
    EXPECT_EQ(loaded->Trains[2].Number, 3);
    EXPECT_EQ(loaded->Trains[3].Number, 5);
    EXPECT_EQ(loaded->Trains[2].Name, u"Zug #3"_s);
    EXPECT_EQ(loaded->Trains[3].PointCount, 0);
    EXPECT_TRUE(loaded->Trains[3].InUse);
}

TEST(PlanStore, SavingTwiceKeepsTheHeaderAndGivesNewDetailRows) {
    StoreFixture f;
    auto plan = MakePlan(2, 2, 2, 2);
    StoreNew(*f.Dm, *plan);
    const int refPlan = f.Dm->tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger();
    const qint64 firstBhf = f.Query(u"SELECT min(BHFID) FROM %1"_s, {BhfPlanFile});
    const qint64 firstCnt = f.Query(u"SELECT min(LFD) FROM %1"_s, {ZCntPlanFile});
    auto before = Load(*f.Dm);
    std::uint8_t docState = DocStored;
    bool modified = true;
    ASSERT_TRUE(StorePlan(*f.Dm, *plan, docState, modified).Ok);
    EXPECT_EQ(docState, DocStored);
    EXPECT_FALSE(modified);
    EXPECT_EQ(f.Rows(SavePlanFile), 1);
    EXPECT_EQ(f.Dm->tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger(), refPlan);
    EXPECT_GT(f.Query(u"SELECT min(BHFID) FROM %1"_s, {BhfPlanFile}), firstBhf + 1);
    EXPECT_GT(f.Query(u"SELECT min(LFD) FROM %1"_s, {ZCntPlanFile}), firstCnt + 3);
    EXPECT_EQ(f.Rows(GlsPlanFile), 4);
    EXPECT_EQ(f.Orphans(), 0);
    ExpectSamePlan(*Load(*f.Dm), *before);
}

TEST(PlanStore, SaveAsInsertsANewHeaderAndLeavesTheOldPlan) {
    StoreFixture f;
    auto first = MakePlan(2, 1, 1, 2);
    StoreNew(*f.Dm, *first);
    auto second = MakePlan(3, 2, 2, 4);
    second->PlanName = u"Kopie"_s;
    StoreNew(*f.Dm, *second);
    EXPECT_EQ(f.Dm->tSavePlan.RecNo(), 2);
    ExpectSamePlan(*Load(*f.Dm), *second);
    f.Dm->tSavePlan.First();
    ExpectSamePlan(*Load(*f.Dm), *first);
}

TEST(PlanStore, LoadUsesTheRowsNotTheHeaderCountsAndLeavesSlotsBeyond) {
    StoreFixture f;
    StoreNew(*f.Dm, *MakePlan(3, 2, 0, 0));
    Cursor& h = f.Dm->tSavePlan;
    h.Edit();
    h.FieldByName(u"ANZBHF"_s).SetInteger(7);
    h.FieldByName(u"ANZZUG"_s).SetInteger(9);
    h.Post();
    auto plan = MakePlan(5, 4, 2, 2);
    plan->Spare = 5;
    ASSERT_TRUE(LoadPlan(*f.Dm, *plan).Ok);
    EXPECT_EQ(plan->StationCount, 3);
    EXPECT_EQ(plan->TrainCount, 0); // a plan without trains
    EXPECT_EQ(plan->Spare, 0);
    EXPECT_EQ(plan->Stations[4].Name, u"Bahnhof 4"_s); // beyond the count, as it was
}

TEST(PlanStore, PreconditionsAreRefusedWithoutWriting) {
    StoreFixture f;
    auto plan = MakePlan(2, 2, 1, 2);
    std::uint8_t docState = DocStored; // but no stored plan
    bool modified = true;
    StoreResult result = StorePlan(*f.Dm, *plan, docState, modified);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Error, u"Der Fahrplan „Plan 2×1“ wurde nicht gespeichert: Es ist kein "
                            u"gespeicherter Fahrplan gewählt."_s);
    docState = DocNone;
    EXPECT_FALSE(StorePlan(*f.Dm, *plan, docState, modified).Ok);
    EXPECT_EQ(docState, DocNone);
    EXPECT_TRUE(modified);
    plan->Stations[2].TrackCount = 31;
    docState = DocNew;
    EXPECT_FALSE(StorePlan(*f.Dm, *plan, docState, modified).Ok);
    EXPECT_FALSE(LoadPlan(*f.Dm, *plan).Ok);
    EXPECT_FALSE(DeleteStoredPlan(*f.Dm).Ok);
    EXPECT_EQ(f.Rows(SavePlanFile) + f.Rows(BhfPlanFile) + f.Rows(GlsPlanFile), 0);
}

TEST(PlanStore, DeleteRoutinesRemoveExactlyTheirRows) {
    StoreFixture f;
    for (int i = 1; i <= 3; ++i)
        StoreNew(*f.Dm, *MakePlan(2, 2, 2, 2));
    f.Dm->tSavePlan.SetRecNo(2);
    ASSERT_TRUE(DeletePlanDetails(*f.Dm).Ok);
    EXPECT_EQ(f.Rows(SavePlanFile), 3);
    EXPECT_EQ(f.Rows(BhfPlanFile), 4);
    EXPECT_EQ(f.Rows(ZCntPlanFile), 8);
    EXPECT_EQ(f.Dm->tBhfPlan.RecordCount(), 0);
    ASSERT_TRUE(DeleteStoredPlan(*f.Dm).Ok);
    EXPECT_EQ(f.Dm->tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger(), 3); // the following plan
    ASSERT_TRUE(DeleteStoredPlan(*f.Dm).Ok);
    EXPECT_EQ(f.Dm->tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger(), 1); // the last went: preceding
    EXPECT_EQ(f.Rows(SavePlanFile), 1);
    EXPECT_EQ(f.Rows(GlsPlanFile), 4);
    EXPECT_EQ(f.Rows(ZCntPlanFile), 4);
    EXPECT_EQ(f.Orphans(), 0);
    ASSERT_TRUE(DeleteStoredPlan(*f.Dm).Ok);
    EXPECT_EQ(f.Rows(SavePlanFile) + f.Rows(BhfPlanFile) + f.Rows(ZugPlanFile), 0);
}

TEST(PlanStore, StationNamesOfTheDatabaseAreCutToTwenty) {
    StoreFixture f;
    Cursor& t = f.Dm->tBhf;
    t.Insert();
    t.FieldByName(u"Bahnhof"_s).SetString(u"Oberweiler Hauptbhf."_s + u'X'); // 21
    t.Post();
    EXPECT_EQ(t.FieldByName(u"Bahnhof"_s).AsString(), u"Oberweiler Hauptbhf."_s);
    f.Reopen();
    EXPECT_TRUE(f.Dm->tBhf.FindKey({u"Oberweiler Hauptbhf."_s}));
}

} // namespace

TEST(PlanStore, AHeaderDeletedElsewhereIsStoredAnewWithANotice) {
    StoreFixture f;
    StoreNew(*f.Dm, *MakePlan(1, 1, 0, 0)); // a neighbour that stays
    auto plan = MakePlan(3, 2, 2, 4);
    plan->PlanName = u"Talbahn"_s;
    StoreNew(*f.Dm, *plan);
    const int oldRef = f.Dm->tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger();
    // Another program deletes the header row while the plan is open.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((f.Dir.Path() + u"/SavePlan.DAT"_s).toUtf8().constData(), &other),
              SQLITE_OK);
    const QByteArray sql = "DELETE FROM SavePlan WHERE REFPLAN = " + QByteArray::number(oldRef);
    EXPECT_EQ(sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);

    std::uint8_t docState = DocStored;
    bool modified = true;
    const StoreResult result = StorePlan(*f.Dm, *plan, docState, modified);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_EQ(result.Notice, u"Der gespeicherte Fahrplan „Talbahn“ wurde inzwischen von einem "
                             u"anderen Programm gelöscht; er wurde neu gespeichert."_s);
    EXPECT_EQ(docState, DocStored);
    EXPECT_FALSE(modified);
    EXPECT_EQ(f.Rows(SavePlanFile), 2);
    EXPECT_EQ(f.Orphans(), 0);
    EXPECT_EQ(f.Rows(BhfPlanFile), 4);
    EXPECT_EQ(f.Dm->tSavePlan.FieldByName(u"NAME"_s).AsString(), u"Talbahn"_s);
    EXPECT_GT(f.Dm->tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger(), oldRef);
    ExpectSamePlan(*Load(*f.Dm), *plan);
    // A plain save after that edits the new header again, without a notice.
    const StoreResult again = StorePlan(*f.Dm, *plan, docState, modified);
    EXPECT_TRUE(again.Ok);
    EXPECT_TRUE(again.Notice.isEmpty());
    EXPECT_EQ(f.Rows(SavePlanFile), 2);
}

// The store's next auto-increment number for `table`, as another program
// (or years of use) may have left it.
void SetNextNumber(StoreFixture& f, const QString& file, const QString& table, qint64 next) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((f.Dir.Path() + u'/' + file).toUtf8().constData(), &other), SQLITE_OK);
    const QByteArray sql = "DELETE FROM sqlite_sequence WHERE name = '" + table.toUtf8() +
                           "'; INSERT INTO sqlite_sequence (name, seq) VALUES ('" + table.toUtf8() +
                           "', " + QByteArray::number(next - 1) + ")";
    EXPECT_EQ(sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
}

TEST(PlanStore, KeysBeyond32BitsAreRefusedBeforeAnythingIsWritten) {
    struct KeyCase {
        const char16_t* File;
        const char16_t* Table;
        const char16_t* Key;
    };
    const KeyCase cases[] = {{u"SavePlan.DAT", u"SavePlan", u"REFPLAN"},
                             {u"BhfPlan.DAT", u"BhfPlan", u"BHFID"},
                             {u"ZugPlan.DAT", u"ZugPlan", u"LFD"},
                             {u"ZCntPlan.DAT", u"ZCntPlan", u"LFD"}};
    const qint64 largest = 2147483647;
    for (const KeyCase& c : cases) {
        const QString file = QString::fromUtf16(c.File);
        SCOPED_TRACE(file.toStdString());
        // One row of each table, so the largest number goes to that row.
        auto plan = MakePlan(1, 1, 1, 1);
        for (const qint64 next : {largest, largest + 1}) {
            StoreFixture f;
            SetNextNumber(f, file, QString::fromUtf16(c.Table), next);
            f.Reopen();
            std::uint8_t docState = DocNew;
            bool modified = true;
            const StoreResult result = StorePlan(*f.Dm, *plan, docState, modified);
            if (next == largest) {
                ASSERT_TRUE(result.Ok) << result.Error.toStdString();
                EXPECT_EQ(
                    f.Query(u"SELECT max("_s + QString::fromUtf16(c.Key) + u") FROM %1"_s, {file}),
                    largest);
                EXPECT_EQ(f.Orphans(), 0);
                ExpectSamePlan(*Load(*f.Dm), *plan);
                continue;
            }
            EXPECT_FALSE(result.Ok);
            EXPECT_TRUE(
                result.Error.contains(u"„%1“ hat keine freien Satznummern mehr"_s.arg(file)))
                << result.Error.toStdString();
            EXPECT_EQ(docState, DocNew);
            EXPECT_TRUE(modified);
            for (const QString& table :
                 {SavePlanFile, BhfPlanFile, GlsPlanFile, ZugPlanFile, ZCntPlanFile})
                EXPECT_EQ(f.Rows(table), 0) << table.toStdString();
        }
    }
}

TEST(PlanStore, AStoredPlanNumberBeyond32BitsIsRefused) {
    StoreFixture f;
    SetNextNumber(f, SavePlanFile, u"SavePlan"_s, 2147483648LL);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((f.Dir.Path() + u"/SavePlan.DAT"_s).toUtf8().constData(), &other),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "INSERT INTO SavePlan (NAME) VALUES ('Fremd')", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    f.Reopen();
    std::uint8_t docState = DocStored;
    bool modified = true;
    const StoreResult result = StorePlan(*f.Dm, *MakePlan(2, 1, 1, 2), docState, modified);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.Error.endsWith(u"Das Schlüsselfeld „REFPLAN“ der Tabelle „SavePlan.DAT“ hat "
                                      u"den Wert „2147483648“; erlaubt sind ganze Zahlen bis "
                                      u"2147483647."_s))
        << result.Error.toStdString();
    EXPECT_TRUE(modified);
    EXPECT_EQ(f.Rows(BhfPlanFile), 0);
    EXPECT_EQ(f.Rows(ZugPlanFile), 0);
}
