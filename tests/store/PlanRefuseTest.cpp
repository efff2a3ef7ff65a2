#include "StoreFixture.h"

#include "model/TimeOfDay.h"
#include "store/PlanStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Rows as another program may have written them, added to a stored plan of
// 2 stations × 2 tracks and 1 train of 2 points.
struct RefuseCase {
    const char* Name;
    void (*Spoil)(Tdm& dm);
    const char16_t* Error; // after "Der Fahrplan „Plan 2×1“ kann nicht geöffnet werden. "
};

void AddStations(Tdm& dm, int n, int tracks) {
    const int refPlan = dm.tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger();
    for (int i = 0; i < n; ++i) {
        dm.tBhfPlan.Insert();
        dm.tBhfPlan.FieldByName(u"REFPLAN"_s).SetInteger(refPlan);
        dm.tBhfPlan.FieldByName(u"ANZGLS"_s).SetInteger(tracks);
        dm.tBhfPlan.Post();
        for (int j = 0; j < tracks; ++j) {
            dm.tGlsPlan.Insert();
            dm.tGlsPlan.FieldByName(u"BHFID"_s)
                .SetInteger(dm.tBhfPlan.FieldByName(u"BHFID"_s).AsInteger());
            dm.tGlsPlan.Post();
        }
    }
}

void AddTrains(Tdm& dm, int n, int points) {
    const int refPlan = dm.tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger();
    for (int i = 0; i < n; ++i) {
        dm.tZugPlan.Insert();
        dm.tZugPlan.FieldByName(u"REFPLAN"_s).SetInteger(refPlan);
        dm.tZugPlan.FieldByName(u"ANZCNT"_s).SetInteger(points);
        dm.tZugPlan.Post();
        for (int p = 0; p < points; ++p) {
            dm.tZCntPlan.Insert();
            dm.tZCntPlan.FieldByName(u"ZCNT"_s).SetInteger(
                dm.tZugPlan.FieldByName(u"LFD"_s).AsInteger());
            for (const QString& field : {u"MODUS"_s, u"BHFIDX"_s, u"GLSIDX"_s})
                dm.tZCntPlan.FieldByName(field).SetInteger(1);
            dm.tZCntPlan.FieldByName(u"UHRZEIT"_s).SetString(u"08:00:00"_s);
            dm.tZCntPlan.Post();
        }
    }
}

void SetField(Cursor& t, int recNo, const QString& field, const QVariant& value) {
    t.SetRecNo(recNo);
    t.Edit();
    if (value.typeId() == QMetaType::QString)
        t.FieldByName(field).SetString(value.toString());
    else if (value.isNull())
        t.FieldByName(field).SetNull();
    else
        t.FieldByName(field).SetInteger(value.toInt());
    t.Post();
}

class PlanRefuse : public ::testing::TestWithParam<RefuseCase> {};

TEST_P(PlanRefuse, SaysWhatIsWrongAndLeavesTheOpenPlan) {
    StoreFixture f;
    StoreNew(*f.Dm, *MakePlan(2, 2, 1, 2));
    GetParam().Spoil(*f.Dm);
    auto open = MakePlan(3, 3, 3, 3);
    open->PlanName = u"Offen"_s;
    const auto copy = std::make_unique<PlanRec>(*open);
    const StoreResult result = LoadPlan(*f.Dm, *open);
    ASSERT_FALSE(result.Ok);
    EXPECT_EQ(result.Error, u"Der Fahrplan „Plan 2×1“ kann nicht geöffnet werden. "_s +
                                QString::fromUtf16(GetParam().Error));
    ExpectSamePlan(*open, *copy);
}

INSTANTIATE_TEST_SUITE_P(
    StoredPlans, PlanRefuse,
    ::testing::Values(
        RefuseCase{"TooManyStations", [](Tdm& dm) { AddStations(dm, 19, 1); },
                   u"Er hat 21 Bahnhöfe; erlaubt sind höchstens 20."},
        RefuseCase{"TooManyTrains", [](Tdm& dm) { AddTrains(dm, 50, 0); },
                   u"Er hat 51 Züge; erlaubt sind höchstens 50."},
        RefuseCase{"TooManyTrackRows",
                   [](Tdm& dm) {
                       AddStations(dm, 1, 31);
                       SetField(dm.tBhfPlan, 3, u"ANZGLS"_s, 30);
                   },
                   u"Bahnhof 3 („“) hat 31 Gleiszeilen; erlaubt sind höchstens 30."},
        RefuseCase{"TrackCountOverLimit",
                   [](Tdm& dm) { SetField(dm.tBhfPlan, 2, u"ANZGLS"_s, 31); },
                   u"Bahnhof 2 („Bahnhof 2“): ANZGLS = 31 liegt außerhalb von 0 bis 30."},
        RefuseCase{"FewerTrackRows", [](Tdm& dm) { SetField(dm.tBhfPlan, 1, u"ANZGLS"_s, 3); },
                   u"Bahnhof 1 („Bahnhof 1“) nennt 3 Gleise, gespeichert sind nur 2."},
        RefuseCase{"TrackCountGarbage",
                   [](Tdm& dm) { SetField(dm.tBhfPlan, 1, u"ANZGLS"_s, QVariant()); },
                   u"Bahnhof 1 („Bahnhof 1“): ANZGLS ist keine Zahl („“)."},
        RefuseCase{"TooManyPointRows", [](Tdm& dm) { AddTrains(dm, 1, 101); },
                   u"Zug 2 („“): ANZCNT = 101 liegt außerhalb von 0 bis 100."},
        RefuseCase{"PointRowsOverLimit",
                   [](Tdm& dm) {
                       AddTrains(dm, 1, 101);
                       SetField(dm.tZugPlan, 2, u"ANZCNT"_s, 1);
                   },
                   u"Zug 2 („“) hat 101 Punkte; erlaubt sind höchstens 100."},
        RefuseCase{"FewerPointRows", [](Tdm& dm) { SetField(dm.tZugPlan, 1, u"ANZCNT"_s, 4); },
                   u"Zug 1 („Zug #1“) nennt 4 Punkte, gespeichert sind nur 2."},
        RefuseCase{"ModusOutside", [](Tdm& dm) { SetField(dm.tZCntPlan, 2, u"MODUS"_s, 3); },
                   u"Zug 1 („Zug #1“), Punkt 2: MODUS = 3 liegt außerhalb von 0 bis 2."},
        RefuseCase{"BhfIdxOutside", [](Tdm& dm) { SetField(dm.tZCntPlan, 1, u"BHFIDX"_s, 3); },
                   u"Zug 1 („Zug #1“), Punkt 1: BHFIDX = 3 liegt außerhalb von 1 bis 2."},
        RefuseCase{"BhfIdxZero", [](Tdm& dm) { SetField(dm.tZCntPlan, 2, u"BHFIDX"_s, 0); },
                   u"Zug 1 („Zug #1“), Punkt 2: BHFIDX = 0 liegt außerhalb von 1 bis 2."},
        RefuseCase{"GlsIdxOutside", [](Tdm& dm) { SetField(dm.tZCntPlan, 2, u"GLSIDX"_s, 3); },
                   u"Zug 1 („Zug #1“), Punkt 2: GLSIDX = 3 liegt außerhalb von 1 bis 2."},
        RefuseCase{"TimeText", [](Tdm& dm) { SetField(dm.tZCntPlan, 1, u"UHRZEIT"_s, u"7 Uhr"_s); },
                   u"Zug 1 („Zug #1“), Punkt 1: UHRZEIT „7 Uhr“ ist keine Uhrzeit."},
        RefuseCase{"ZoomOutside", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"ZOOM"_s, 0); },
                   u"Kopfdaten: ZOOM = 0 liegt außerhalb von 1 bis 9."},
        RefuseCase{"ZoomAbove", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"ZOOM"_s, 10); },
                   u"Kopfdaten: ZOOM = 10 liegt außerhalb von 1 bis 9."},
        RefuseCase{"StartHourAbove", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"UHRVON"_s, 24); },
                   u"Kopfdaten: UHRVON = 24 liegt außerhalb von 0 bis 23."},
        RefuseCase{"StartHourBelow", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"UHRVON"_s, -1); },
                   u"Kopfdaten: UHRVON = -1 liegt außerhalb von 0 bis 23."},
        RefuseCase{"EndHourBelow", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"UHRBIS"_s, 0); },
                   u"Kopfdaten: UHRBIS = 0 liegt außerhalb von 1 bis 24."},
        RefuseCase{"EndHourAbove", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"UHRBIS"_s, 25); },
                   u"Kopfdaten: UHRBIS = 25 liegt außerhalb von 1 bis 24."},
        RefuseCase{"GridAbove", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"GRIDLINE"_s, 5); },
                   u"Kopfdaten: GRIDLINE = 5 liegt außerhalb von 0 bis 4."},
        RefuseCase{"GridBelow", [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"GRIDLINE"_s, -1); },
                   u"Kopfdaten: GRIDLINE = -1 liegt außerhalb von 0 bis 4."},
        RefuseCase{"SecondSixty",
                   [](Tdm& dm) { SetField(dm.tZCntPlan, 2, u"UHRZEIT"_s, u"12:00:60"_s); },
                   u"Zug 1 („Zug #1“), Punkt 2: UHRZEIT „12:00:60“ ist keine Uhrzeit."},
        RefuseCase{"MinuteSixty",
                   [](Tdm& dm) { SetField(dm.tZCntPlan, 2, u"UHRZEIT"_s, u"12:60:00"_s); },
                   u"Zug 1 („Zug #1“), Punkt 2: UHRZEIT „12:60:00“ ist keine Uhrzeit."},
        RefuseCase{"HourTwentyFour",
                   [](Tdm& dm) { SetField(dm.tZCntPlan, 2, u"UHRZEIT"_s, u"24:00:00"_s); },
                   u"Zug 1 („Zug #1“), Punkt 2: UHRZEIT „24:00:00“ ist keine Uhrzeit."},
        RefuseCase{"EndHourMissing",
                   [](Tdm& dm) { SetField(dm.tSavePlan, 1, u"UHRBIS"_s, QVariant()); },
                   u"Kopfdaten: UHRBIS ist keine Zahl („“)."}),
    [](const auto& tested) { return std::string(tested.param.Name); });

TEST(PlanLoad, ReadsOddButHarmlessValuesWithoutComplaint) {
    StoreFixture f;
    auto plan = MakePlan(2, 2, 1, 2);
    StoreNew(*f.Dm, *plan);
    SetField(f.Dm->tSavePlan, 1, u"NAME"_s, QVariant());
    SetField(f.Dm->tZugPlan, 1, u"COL"_s, QVariant());
    SetField(f.Dm->tZCntPlan, 1, u"UHRZEIT"_s, u"7:5"_s);
    SetField(f.Dm->tBhfPlan, 1, u"ANZGLS"_s, 1); // more track rows than needed
    auto loaded = std::make_unique<PlanRec>();
    const StoreResult result = LoadPlan(*f.Dm, *loaded);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_TRUE(loaded->PlanName.isEmpty());
    EXPECT_EQ(loaded->Trains[1].Color, 0u);
    EXPECT_EQ(TimeToText(loaded->Trains[1].Points[1].Time), u"07:05:00"_s);
    EXPECT_EQ(loaded->Stations[1].TrackCount, 1);
}

} // namespace
