#include "StoreFixture.h"

#include "store/StationDb.h"
#include "store/TableSchema.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Tracks = std::vector<std::pair<int, QString>>;

// GlsNum and Bez of the current station's track rows, read from the table.
Tracks TracksOf(StoreFixture& f, const QString& station) {
    Tracks tracks;
    Statement st = f.Dm->DBAll.Prepare(
        u"SELECT g.GlsNum, g.Bez FROM %1 g JOIN %2 b ON g.BhfID = b.BhfID "_s
        u"WHERE b.Bahnhof = ? ORDER BY g.GlsNum"_s.arg(f.Dm->DBAll.QualifiedName(BahnhofGleisFile),
                                                       f.Dm->DBAll.QualifiedName(BahnhofFile)));
    st.BindText(1, station);
    while (st.Step())
        tracks.emplace_back(int(st.Int(0)), st.Text(1));
    return tracks;
}

StationPostResult NewStation(Tdm& dm, const StationInput& input) {
    dm.tBhf.Insert();
    PutStationInput(dm.tBhf, input);
    return PostNewStation(dm);
}

StationPostResult EditStation(Tdm& dm, const QString& name, const StationInput& input) {
    EXPECT_TRUE(dm.tBhf.FindKey({name}));
    dm.tBhf.Edit();
    PutStationInput(dm.tBhf, input);
    return PostEditedStation(dm);
}

void SetBez(Tdm& dm, int track, const QString& bez) {
    dm.tGleis.SetRecNo(track);
    dm.tGleis.Edit();
    dm.tGleis.FieldByName(u"Bez"_s).SetString(bez);
    dm.tGleis.Post();
}

} // namespace

TEST(StationDb, ThreeToFiveToTwoTracksKeepsTheFirstDesignationsAndNumbersNewOnes) {
    StoreFixture f;
    Tdm& dm = *f.Dm;
    ASSERT_TRUE(NewStation(dm, {u"Adorf"_s, u"AD"_s, u"3"_s}));
    EXPECT_EQ(TracksOf(f, u"Adorf"_s), (Tracks{{1, u"1"_s}, {2, u"2"_s}, {3, u"3"_s}}));
    EXPECT_EQ(dm.tBhf.FieldByName(u"BhfID"_s).AsInteger(),
              dm.tBhf.FieldByName(u"LfdNr"_s).AsInteger());
    EXPECT_FALSE(dm.tBhf.FieldByName(u"Mark"_s).AsBoolean());

    SetBez(dm, 1, u"A"_s);
    SetBez(dm, 2, u"B"_s);
    ASSERT_TRUE(EditStation(dm, u"Adorf"_s, {u"Adorf"_s, u"AD"_s, u"5"_s}));
    EXPECT_EQ(TracksOf(f, u"Adorf"_s),
              (Tracks{{1, u"A"_s}, {2, u"B"_s}, {3, u"3"_s}, {4, u"4"_s}, {5, u"5"_s}}));
    ASSERT_TRUE(EditStation(dm, u"Adorf"_s, {u"Adorf"_s, u"AD"_s, u"2"_s}));
    EXPECT_EQ(TracksOf(f, u"Adorf"_s), (Tracks{{1, u"A"_s}, {2, u"B"_s}}));
    EXPECT_EQ(dm.tGleis.RecordCount(), 2);
    // The same count again changes nothing.
    ASSERT_TRUE(EditStation(dm, u"Adorf"_s, {u"Adorf"_s, u"ADF"_s, u"2"_s}));
    EXPECT_EQ(TracksOf(f, u"Adorf"_s), (Tracks{{1, u"A"_s}, {2, u"B"_s}}));
    EXPECT_EQ(f.Rows(BahnhofGleisFile), 2);
}

TEST(StationDb, EmptyOrZeroCountGivesNoTrackRows) {
    StoreFixture f;
    ASSERT_TRUE(NewStation(*f.Dm, {u"Leer"_s, QString(), QString()}));
    ASSERT_TRUE(NewStation(*f.Dm, {u"Null"_s, QString(), u"0"_s}));
    EXPECT_TRUE(f.Dm->tBhf.FindKey({u"Leer"_s}));
    EXPECT_TRUE(f.Dm->tBhf.FieldByName(u"NumGleise"_s).IsNull());
    EXPECT_EQ(f.Rows(BahnhofFile), 2);
    EXPECT_EQ(f.Rows(BahnhofGleisFile), 0);
}

TEST(StationDb, TrackCountTakesWholeNumbersFromZeroToThirty) {
    struct Case {
        const char16_t* Typed;
        int Tracks;              // when taken
        const char16_t* Refusal; // start of the message, null when taken
    };
    const Case cases[] = {
        {u"30", 30, nullptr},
        {u"31", 0, u"Ein Bahnhof kann höchstens 30 Gleise haben."},
        {u"0", 0, nullptr},
        {u"-1", 0, u"Die Gleisanzahl darf nicht negativ sein."},
        {u"", 0, nullptr},
        {u" 7 ", 7, nullptr},
        {u"+5", 5, nullptr},
        {u"99999999999999999999", 0, u"Ein Bahnhof kann höchstens 30 Gleise haben."},
        {u"-99999999999999999999", 0, u"Die Gleisanzahl darf nicht negativ sein."},
        {u"1-2", 0, u"'1-2' ist keine gültige Gleisanzahl."},
        {u"-", 0, u"'-' ist keine gültige Gleisanzahl."},
        {u"2,5", 0, u"'2,5' ist keine gültige Gleisanzahl."},
    };
    for (const Case& c : cases) {
        const QString typed = QString::fromUtf16(c.Typed);
        int tracks = -7;
        const QString error = TrackCountError(typed, tracks);
        if (c.Refusal) {
            EXPECT_TRUE(error.startsWith(QString::fromUtf16(c.Refusal))) << error.toStdString();
        } else {
            EXPECT_TRUE(error.isEmpty()) << typed.toStdString() << ": " << error.toStdString();
            EXPECT_EQ(tracks, c.Tracks) << typed.toStdString();
        }
    }
    int tracks = 0;
    EXPECT_FALSE(StationInputError({u" "_s, QString(), u"3"_s}, tracks).isEmpty());
    EXPECT_TRUE(StationInputError({u"X"_s, QString(), u"3"_s}, tracks).isEmpty());
}

TEST(StationDb, DuplicateNameIsRefusedAndLeavesNothingPending) {
    StoreFixture f(true);
    Tdm& dm = *f.Dm;
    const int stations = f.Rows(BahnhofFile);
    const int tracks = f.Rows(BahnhofGleisFile);

    const StationPostResult added = NewStation(dm, {u"Lindenau"_s, u"LX"_s, u"4"_s});
    EXPECT_FALSE(added);
    EXPECT_TRUE(added.DuplicateName);
    EXPECT_EQ(added.Error, u"Ein Bahnhof mit diesem Namen existiert bereits !"_s);
    EXPECT_EQ(dm.tBhf.GetState(), Cursor::State::Browse);
    EXPECT_EQ(f.Rows(BahnhofFile), stations);
    EXPECT_EQ(f.Rows(BahnhofGleisFile), tracks);

    // Renaming onto another station is refused; the edited row stays as it was.
    const StationPostResult renamed =
        EditStation(dm, u"Mühlbach"_s, {u"Lindenau"_s, u"M"_s, u"9"_s});
    EXPECT_TRUE(renamed.DuplicateName);
    EXPECT_EQ(dm.tBhf.GetState(), Cursor::State::Browse);
    EXPECT_EQ(dm.tBhf.FieldByName(u"Bahnhof"_s).AsString(), u"Mühlbach"_s);
    EXPECT_EQ(TracksOf(f, u"Mühlbach"_s), (Tracks{{1, u"1"_s}}));
    // A station keeps its own name without being taken for a duplicate.
    EXPECT_TRUE(EditStation(dm, u"Mühlbach"_s, {u"Mühlbach"_s, u"MUE"_s, u"1"_s}));
    EXPECT_EQ(f.Rows(BahnhofFile), stations);
}

TEST(StationDb, FailedWriteLeavesNeitherStationNorTracks) {
    StoreFixture f;
    Tdm& dm = *f.Dm;
    // The station row, its BhfID, then the second of its tracks fails.
    dm.DBAll.FailNthWrite(4);
    const StationPostResult r = NewStation(dm, {u"Adorf"_s, u"AD"_s, u"3"_s});
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.DuplicateName);
    EXPECT_FALSE(r.Error.isEmpty());
    EXPECT_EQ(dm.tBhf.GetState(), Cursor::State::Browse);
    EXPECT_EQ(f.Rows(BahnhofFile), 0);
    EXPECT_EQ(f.Rows(BahnhofGleisFile), 0);
    // The next try goes through.
    EXPECT_TRUE(NewStation(dm, {u"Adorf"_s, u"AD"_s, u"3"_s}));
    EXPECT_EQ(f.Rows(BahnhofGleisFile), 3);
}

TEST(StationDb, DeleteRemovesTheStationWithItsTracksAndKeepsStoredPlans) {
    StoreFixture f(true);
    Tdm& dm = *f.Dm;
    const qint64 planRows = f.Rows(BhfPlanFile) + f.Rows(GlsPlanFile);
    const int tracks = f.Rows(BahnhofGleisFile);
    ASSERT_TRUE(dm.tBhf.FindKey({u"Oberweiler Hbf"_s}));
    EXPECT_TRUE(DeleteStation(dm).isEmpty());
    EXPECT_FALSE(dm.tBhf.FindKey({u"Oberweiler Hbf"_s}));
    EXPECT_EQ(f.Rows(BahnhofGleisFile), tracks - 6);
    EXPECT_TRUE(TracksOf(f, u"Oberweiler Hbf"_s).empty());
    EXPECT_EQ(f.Rows(BhfPlanFile) + f.Rows(GlsPlanFile), planRows);
    EXPECT_EQ(f.Query(u"SELECT count(*) FROM %1 WHERE BHFBEZ = 'Oberweiler Hbf'"_s, {BhfPlanFile}),
              1);
}

TEST(StationDb, DeleteOnAnEmptyDatabaseDoesNothing) {
    StoreFixture f;
    EXPECT_TRUE(DeleteStation(*f.Dm).isEmpty());
    EXPECT_EQ(f.Rows(BahnhofFile), 0);
}
