#include "EditingFixture.h"
#include "StoreFixture.h"
#include "editing/StationCommands.h"
#include "model/TimeOfDay.h"
#include "store/PlanStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TPoint HeaderPoint(const PlanRec& plan, int station) {
    const TRect r = plan.Stations[station].HeaderRect;
    return {r.Left + 2, r.Top + 2};
}

bool Marked(const PlanRec& plan, int station) {
    return plan.Stations[station].Marked;
}

} // namespace

TEST(StationMark, AClickMovesTheMarkAndASecondClickDropsIt) {
    DrawnPlan d({2, 1, 3}, 6, 8, 1);
    TPoint p1 = HeaderPoint(d.Plan, 1);
    TPoint p3 = HeaderPoint(d.Plan, 3);
    EXPECT_EQ(ToggleStationMark(d.Plan, d.State, p1.X, p1.Y), std::vector<int>{1});
    EXPECT_TRUE(Marked(d.Plan, 1));
    EXPECT_EQ(d.State.EditMode, EditStations);
    EXPECT_EQ(ToggleStationMark(d.Plan, d.State, p3.X, p3.Y), (std::vector<int>{1, 3}));
    EXPECT_FALSE(Marked(d.Plan, 1));
    EXPECT_TRUE(Marked(d.Plan, 3));
    EXPECT_EQ(d.State.EditMode, EditStations);
    // unmarking: mode 0 without a train slot, mode 2 with one
    ToggleStationMark(d.Plan, d.State, p3.X, p3.Y);
    EXPECT_FALSE(Marked(d.Plan, 3));
    EXPECT_EQ(d.State.EditMode, EditNone);
    ToggleStationMark(d.Plan, d.State, p3.X, p3.Y);
    AddRun(d.Plan, 0, 1, 1, 6, 10, 2, 1, 6, 40, RichtungRight);
    ToggleStationMark(d.Plan, d.State, p3.X, p3.Y);
    EXPECT_EQ(d.State.EditMode, EditTrains);
    // between the headers nothing changes
    const TRect h1 = d.Plan.Stations[1].HeaderRect;
    d.State.EditMode = EditNone;
    EXPECT_TRUE(ToggleStationMark(d.Plan, d.State, h1.Right + 1, h1.Top).empty());
    EXPECT_EQ(d.State.EditMode, EditNone);
}

TEST(StationInsert, AppendsACleanSlotUpToTwentyStations) {
    PlanRec plan = PlanWithStations({2, 2}, 6, 8, 1);
    // a stale slot behind the last station
    plan.Stations[3].Marked = true;
    plan.Stations[3].TrackCount = 7;
    plan.Stations[3].Tracks[5].Designation = u"X"_s;
    StationChoice c{u"Neustadt"_s, u"NST"_s, 2, {u"1"_s, u"2a"_s}};
    ASSERT_TRUE(AppendStation(plan, c));
    const PlanBhf& b = plan.Stations[3];
    EXPECT_EQ(plan.StationCount, 3);
    EXPECT_EQ(b.Name, u"Neustadt"_s);
    EXPECT_EQ(b.Abbrev, u"NST"_s);
    EXPECT_EQ(b.TrackCount, 2);
    EXPECT_FALSE(b.Marked);
    EXPECT_EQ(b.Tracks[2].Designation.Text(), u"2a"_s);
    EXPECT_EQ(b.Tracks[5].Designation.Text(), QString());

    // 30 tracks are the most: further rows are ignored
    StationChoice wide{u"Weit"_s, u"W"_s, 31, {}};
    for (int r = 1; r <= 31; ++r)
        wide.Tracks.push_back(QString::number(r));
    ASSERT_TRUE(AppendStation(plan, wide));
    EXPECT_EQ(plan.Stations[4].TrackCount, 30);
    EXPECT_EQ(plan.Stations[4].Tracks[30].Designation.Text(), u"30"_s);

    while (plan.StationCount < MaxStations - 1)
        ASSERT_TRUE(AppendStation(plan, c));
    EXPECT_TRUE(StationInsertRefusal(plan).IsEmpty());
    ASSERT_TRUE(AppendStation(plan, c));
    EXPECT_EQ(plan.StationCount, MaxStations);
    EXPECT_EQ(StationInsertRefusal(plan).Text,
              u"Die max. Anzahl der Bahnhöfe ist überschritten !"_s);
    EXPECT_FALSE(AppendStation(plan, c));
    EXPECT_EQ(plan.StationCount, MaxStations);
}

TEST(StationRemove, RefusalsInOrder) {
    struct Case {
        std::vector<int> Tracks;
        int Marked;
        bool TrainAtMarked;
        const char* Title;
        const char* Text;
    } cases[] = {
        {{1, 1, 1}, 0, false, "Fehler", "Kein Bahnhof markiert !"},
        {{1, 1},
         2,
         false,
         "Hinweis",
         "Es werden mindestens 2 Bahnhöfe für einen Fahrplan gebraucht"},
        {{1, 1, 1}, 2, true, "Fehler", "Bahnhof kann nicht gelöscht werden -> Zugfahrten !"},
        {{1, 1, 1}, 2, false, "", ""},
    };
    for (const Case& c : cases) {
        PlanRec plan = PlanWithStations({}, 6, 8, 1);
        plan.StationCount = int(c.Tracks.size());
        for (int i = 1; i <= plan.StationCount; ++i) {
            plan.Stations[i].Name = u"S%1"_s.arg(i);
            plan.Stations[i].TrackCount = c.Tracks[i - 1];
        }
        if (c.Marked)
            plan.Stations[c.Marked].Marked = true;
        // a train passing the middle station, or one between 1 and 3 elsewhere
        if (c.TrainAtMarked)
            AddRun(plan, 0, 1, 1, 6, 10, 2, 1, 6, 20, RichtungRight);
        const EditMessage m = StationRemovalRefusal(plan);
        EXPECT_EQ(m.Title, QString::fromUtf8(c.Title)) << c.Text;
        EXPECT_EQ(m.Text, QString::fromUtf8(c.Text));
    }
}

TEST(StationRemove, PointsBehindTheStationFollowIt) {
    PlanRec plan = PlanWithStations({1, 2, 1, 3}, 6, 8, 1);
    AddRun(plan, 0, 3, 1, 6, 10, 4, 2, 6, 40, RichtungRight);
    AddRun(plan, 0, 1, 1, 6, 10, 2, 2, 6, 40, RichtungRight);
    plan.Stations[3].Marked = false;
    ASSERT_FALSE(RemoveStation(plan, 3)); // used by train 1
    plan.Trains[1].Points[1].BhfIdx = 2;
    ASSERT_TRUE(RemoveStation(plan, 3));
    EXPECT_EQ(plan.StationCount, 3);
    EXPECT_EQ(plan.Stations[3].Name, u"Station 4"_s);
    EXPECT_EQ(plan.Stations[3].TrackCount, 3);
    EXPECT_EQ(plan.Stations[4].Name, QString());
    EXPECT_EQ(plan.Trains[1].Points[2].BhfIdx, 3);
    EXPECT_EQ(plan.Trains[1].Points[1].BhfIdx, 2);
    EXPECT_EQ(plan.Trains[2].Points[1].BhfIdx, 1);
    EXPECT_EQ(plan.Trains[2].Points[2].BhfIdx, 2);
}

TEST(StationRemove, UnsavedEditsSurviveAndTheStoredPlanEqualsTheOpenOne) {
    StoreFixture f;
    PlanRec plan = PlanWithStations({1, 2, 1, 3}, 6, 8, 1);
    AddRun(plan, 0x0000FF, 1, 1, 6, 10, 2, 2, 6, 40, RichtungRight);
    StoreNew(*f.Dm, plan);
    // edits after the save, then the removal of station 3
    plan.Trains[1].Name = u"Neu"_s;
    AddRun(plan, 0x00FF00, 4, 1, 7, 0, 2, 1, 7, 30, RichtungLeft);
    plan.Trains[2].Points[2].Richtung = RichtungLeft;
    plan.Stations[3].Marked = true;
    std::uint8_t docState = DocStored;
    bool modified = true;
    // the second train is made by hand from station 4 to 2: it uses neither
    // station 3 nor keeps its index if the removal forgets to renumber
    const EditMessage m = RemoveMarkedStation(*f.Dm, plan, docState, modified);
    ASSERT_TRUE(m.IsEmpty()) << m.Text.toStdString();
    EXPECT_EQ(docState, DocStored);
    EXPECT_FALSE(modified);
    EXPECT_EQ(plan.StationCount, 3);
    EXPECT_EQ(plan.Trains[1].Name, u"Neu"_s);
    EXPECT_EQ(plan.TrainCount, 2);
    EXPECT_EQ(plan.Trains[2].Points[1].BhfIdx, 3);
    EXPECT_FALSE(plan.Stations[1].Marked || plan.Stations[2].Marked || plan.Stations[3].Marked);
    EXPECT_EQ(f.Rows(SavePlanFile), 1);
    PlanRec stored;
    ASSERT_TRUE(LoadPlan(*f.Dm, stored).Ok);
    ExpectSamePlan(plan, stored);
}

TEST(StationRemove, ANeverStoredPlanTouchesNoOtherStoredPlan) {
    StoreFixture f;
    const auto other = MakePlan(4, 2, 3, 6);
    StoreNew(*f.Dm, *other);
    PlanRec plan = PlanWithStations({1, 1, 1}, 6, 8, 1);
    plan.PlanName = u"Ungespeichert"_s;
    plan.Stations[2].Marked = true;
    std::uint8_t docState = DocNew;
    bool modified = true;
    const EditMessage m = RemoveMarkedStation(*f.Dm, plan, docState, modified);
    ASSERT_TRUE(m.IsEmpty()) << m.Text.toStdString();
    EXPECT_EQ(plan.StationCount, 2);
    EXPECT_EQ(docState, DocStored);
    EXPECT_EQ(f.Rows(SavePlanFile), 2);
    PlanRec stored;
    ASSERT_TRUE(LoadPlan(*f.Dm, stored).Ok);
    ExpectSamePlan(plan, stored);
    // the other plan is as it was
    Cursor& saved = f.Dm->tSavePlan;
    for (saved.First(); !saved.Eof(); saved.Next())
        if (saved.FieldByName(u"NAME"_s).AsString() == other->PlanName)
            break;
    ASSERT_FALSE(saved.Eof());
    PlanRec first;
    ASSERT_TRUE(LoadPlan(*f.Dm, first).Ok);
    ExpectSamePlan(*other, first);
}

TEST(StationInsert, DatabaseOffersTheStationsNotInThePlan) {
    StoreFixture f(true);
    // Take every database station but the last into the plan.
    PlanRec plan = PlanWithStations({}, 6, 8, 1);
    Cursor& t = f.Dm->tBhf;
    const int all = t.RecordCount();
    ASSERT_GE(all, 3);
    QString left;
    for (t.First(); !t.Eof(); t.Next()) {
        if (plan.StationCount == all - 1) {
            left = t.FieldByName(u"Bahnhof"_s).AsString();
            break;
        }
        PlanBhf& b = plan.Stations[++plan.StationCount];
        b.Name = t.FieldByName(u"Bahnhof"_s).AsString();
        b.TrackCount = 1;
    }
    // a plan station the database does not know stays in the plan
    plan.Stations[++plan.StationCount].Name = u"Unbekannt"_s;
    plan.Stations[plan.StationCount].TrackCount = 1;
    ASSERT_EQ(MarkPlanStations(*f.Dm, plan), 1);
    const StationChoice c = ChosenStation(*f.Dm);
    EXPECT_EQ(c.Name, left);
    EXPECT_EQ(c.Tracks.size(), c.NumGleise);
    EXPECT_EQ(c.Tracks.value(0), u"1"_s);

    std::uint8_t docState = DocNew;
    bool modified = true;
    const int before = plan.StationCount;
    const EditMessage m = InsertStation(*f.Dm, plan, c, docState, modified);
    ASSERT_TRUE(m.IsEmpty()) << m.Text.toStdString();
    EXPECT_EQ(plan.StationCount, before + 1);
    EXPECT_EQ(plan.Stations[before + 1].Name, left);
    EXPECT_EQ(docState, DocStored);
    EXPECT_FALSE(modified);
    PlanRec stored;
    ASSERT_TRUE(LoadPlan(*f.Dm, stored).Ok);
    ExpectSamePlan(plan, stored);
    EXPECT_EQ(MarkPlanStations(*f.Dm, plan), 0);
}
