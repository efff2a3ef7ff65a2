#include "StoreFixture.h"
#include "ViewPlans.h"
#include "model/TimeOfDay.h"
#include "views/StationTimetableLayout.h"
#include "views/TimetableRows.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Dep = ModusDeparture;
constexpr int Arr = ModusArrival;
constexpr int StopDep = ModusStopDeparture;

template <typename Cells> QStringList Rows(Cursor& t, Cells cells) {
    QStringList rows;
    for (t.First(); !t.Eof(); t.Next())
        rows << cells(t).join(u'|');
    return rows;
}

struct Views {
    StoreFixture F;
    PlanRec Plan;
    explicit Views(PlanRec plan) : Plan(std::move(plan)) {}

    QStringList TrainRuns(const QString& train = QString()) {
        RefillTrainRun(*F.Dm, Plan);
        SelectTrainRange(F.Dm->tTabSort, train);
        return Rows(F.Dm->tTabSort, TrainRunCells);
    }
    QStringList Dispatcher(const QString& station, int sort = 0) {
        RefillDispatcher(*F.Dm, Plan);
        SelectDispatcherRange(F.Dm->tTabSort, station, sort);
        return Rows(F.Dm->tTabSort, DispatcherCells);
    }
    QStringList Station(const QString& station, int type) {
        RefillStationTimetable(*F.Dm, Plan);
        SelectStationRange(F.Dm->tTabPlan, station, type);
        return Rows(F.Dm->tTabPlan, StationRowCells);
    }
};

TEST(Extraction, OneRunFromAToB) {
    PlanRec p = LinePlan(2, 2);
    AddTrain(p, u"Z1"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 2, 8, 30}});
    Views v(p);
    EXPECT_EQ(v.TrainRuns(), QStringList{u"Z1|08:00:00|A|1|08:30:00|B|2"_s});
    EXPECT_EQ(v.Dispatcher(u"A"_s), QStringList{u"Z1|||1|08:00:00|B"_s});
    EXPECT_EQ(v.Dispatcher(u"B"_s), QStringList{u"Z1|A|08:30:00|2||"_s});
    EXPECT_EQ(v.Station(u"A"_s, 1), QStringList{u"08:00|1|Z1|||B|08:30"_s});
    EXPECT_EQ(v.Station(u"B"_s, 0), QStringList{u"08:30|2|Z1|||A|08:00"_s});
    EXPECT_TRUE(v.Station(u"A"_s, 0).isEmpty());
    EXPECT_TRUE(v.Station(u"B"_s, 1).isEmpty());
}

TEST(Extraction, TwoRunsWithAStop) {
    PlanRec p = LinePlan(3, 1);
    AddTrain(p, u"Z"_s,
             {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 20}, {StopDep, 2, 1, 8, 25}, {Arr, 3, 1, 8, 50}});
    Views v(p);
    EXPECT_EQ(v.TrainRuns(),
              (QStringList{u"Z|08:00:00|A|1|08:20:00|B|1"_s, u"Z|08:25:00|B|1|08:50:00|C|1"_s}));
    EXPECT_EQ(v.Dispatcher(u"A"_s), QStringList{u"Z|||1|08:00:00|B"_s});
    EXPECT_EQ(v.Dispatcher(u"B"_s), QStringList{u"Z|A|08:20:00|1|08:25:00|C"_s});
    EXPECT_EQ(v.Dispatcher(u"C"_s), QStringList{u"Z|B|08:50:00|1||"_s});
    EXPECT_EQ(v.Station(u"B"_s, 0), QStringList{u"08:20|1|Z|||A|08:00"_s});
    EXPECT_EQ(v.Station(u"B"_s, 1), QStringList{u"08:25|1|Z|||C|08:50"_s});
    EXPECT_EQ(v.Station(u"C"_s, 0), QStringList{u"08:50|1|Z|B|08:25|A|08:00"_s});
    EXPECT_EQ(v.Station(u"A"_s, 1), QStringList{u"08:00|1|Z|B|08:20|C|08:50"_s});
}

TEST(Extraction, ThreeRunsNameTheIntermediateStopsOnly) {
    PlanRec p = LinePlan(4, 1);
    AddTrain(p, u"Z"_s,
             {{Dep, 1, 1, 8, 0},
              {Arr, 2, 1, 8, 10},
              {StopDep, 2, 1, 8, 12},
              {Arr, 3, 1, 8, 20},
              {StopDep, 3, 1, 8, 22},
              {Arr, 4, 1, 8, 30}});
    Views v(p);
    EXPECT_EQ(v.Station(u"A"_s, 1), QStringList{u"08:00|1|Z|B|08:10|D|08:30"_s});
    EXPECT_EQ(v.Station(u"D"_s, 0), QStringList{u"08:30|1|Z|C|08:22|A|08:00"_s});
    EXPECT_EQ(v.Station(u"B"_s, 1), QStringList{u"08:12|1|Z|C|08:20|D|08:30"_s});
    EXPECT_EQ(v.Station(u"C"_s, 1), QStringList{u"08:22|1|Z|||D|08:30"_s});
    EXPECT_EQ(v.Station(u"B"_s, 0), QStringList{u"08:10|1|Z|||A|08:00"_s});
    EXPECT_EQ(v.Station(u"C"_s, 0), QStringList{u"08:20|1|Z|B|08:12|A|08:00"_s});
    EXPECT_EQ(v.TrainRuns().size(), 3);
}

TEST(Extraction, SinglePointTrain) {
    PlanRec p = LinePlan(2, 1);
    AddTrain(p, u"S"_s, {{Dep, 1, 1, 8, 0}});
    Views v(p);
    EXPECT_TRUE(v.TrainRuns().isEmpty());
    EXPECT_EQ(v.Dispatcher(u"A"_s), QStringList{u"S|||1|08:00:00|"_s});
    EXPECT_EQ(v.Station(u"A"_s, 1), QStringList{u"08:00|1|S|||A|08:00"_s});
}

TEST(Extraction, PlanWithoutTrainsLeavesTheTablesEmpty) {
    Views v(LinePlan(2, 1));
    EXPECT_TRUE(v.TrainRuns().isEmpty());
    EXPECT_EQ(TrainChoice(v.F.Dm->tTabSort), QStringList{u"Alle Züge"_s});
    EXPECT_TRUE(v.Dispatcher(u"A"_s).isEmpty());
    EXPECT_TRUE(v.Station(u"A"_s, 0).isEmpty());
}

TEST(Extraction, StationChoiceDropsAdjacentDuplicatesAndTheRangeShowsBoth) {
    PlanRec p = LinePlan(4, 1);
    p.Stations[3].Name = u"B"_s; // B, B side by side
    p.Stations[4].Name = u"A"_s; // A again further on
    EXPECT_EQ(FillStationChoice(p), (QStringList{u"A"_s, u"B"_s, u"A"_s}));
    AddTrain(p, u"Z"_s,
             {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}, {StopDep, 2, 1, 8, 12}, {Arr, 3, 1, 8, 20}});
    Views v(p);
    EXPECT_EQ(v.Dispatcher(u"B"_s),
              (QStringList{u"Z|A|08:10:00|1|08:12:00|B"_s, u"Z|B|08:20:00|1||"_s}));
    EXPECT_EQ(v.Station(u"B"_s, 0),
              (QStringList{u"08:10|1|Z|||A|08:00"_s, u"08:20|1|Z|B|08:12|A|08:00"_s}));
    EXPECT_TRUE(FillStationChoice(LinePlan(0, 1)).isEmpty());
}

TEST(Extraction, TrainChoiceNamesEachTrainOnceAndItsRangeHoldsAllOfThem) {
    PlanRec p = LinePlan(2, 1);
    AddTrain(p, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}});
    AddTrain(p, u"Y"_s, {{Dep, 1, 1, 9, 0}, {Arr, 2, 1, 9, 10}});
    AddTrain(p, u"Z"_s,
             {{Dep, 2, 1, 7, 0}, {Arr, 1, 1, 7, 10}, {StopDep, 1, 1, 7, 20}, {Arr, 2, 1, 7, 30}});
    Views v(p);
    const QStringList all = v.TrainRuns();
    EXPECT_EQ(all,
              (QStringList{u"Y|09:00:00|A|1|09:10:00|B|1"_s, u"Z|08:00:00|A|1|08:10:00|B|1"_s,
                           u"Z|07:00:00|B|1|07:10:00|A|1"_s, u"Z|07:20:00|A|1|07:30:00|B|1"_s}));
    EXPECT_EQ(TrainChoice(v.F.Dm->tTabSort), (QStringList{u"Alle Züge"_s, u"Y"_s, u"Z"_s}));
    Cursor& t = v.F.Dm->tTabSort;
    SelectTrainRange(t, u"Z"_s);
    EXPECT_EQ(Rows(t, TrainRunCells), all.mid(1));
    SelectTrainRange(t, u"Y"_s);
    EXPECT_EQ(Rows(t, TrainRunCells), all.mid(0, 1));
    SelectTrainRange(t, QString()); // "Alle Züge" again
    EXPECT_EQ(Rows(t, TrainRunCells), all);
}

TEST(Extraction, DispatcherSortsPutStartersOrEndersFirst) {
    PlanRec p = LinePlan(3, 2);
    AddTrain(p, u"Ende"_s, {{Dep, 1, 1, 8, 40}, {Arr, 2, 1, 9, 0}});
    AddTrain(p, u"Anfang"_s, {{Dep, 2, 2, 8, 30}, {Arr, 3, 2, 8, 50}});
    AddTrain(p, u"Halt"_s,
             {{Dep, 1, 2, 8, 0}, {Arr, 2, 2, 8, 10}, {StopDep, 2, 2, 8, 15}, {Arr, 3, 2, 8, 40}});
    Views v(p);
    auto names = [](const QStringList& rows) {
        QStringList n;
        for (const QString& r : rows)
            n << r.section(u'|', 0, 0);
        return n;
    };
    EXPECT_EQ(names(v.Dispatcher(u"B"_s, 0)), (QStringList{u"Anfang"_s, u"Ende"_s, u"Halt"_s}));
    EXPECT_EQ(names(v.Dispatcher(u"B"_s, 1)), (QStringList{u"Anfang"_s, u"Halt"_s, u"Ende"_s}));
    EXPECT_EQ(names(v.Dispatcher(u"B"_s, 2)), (QStringList{u"Ende"_s, u"Halt"_s, u"Anfang"_s}));
    EXPECT_EQ(v.Dispatcher(u"B"_s, 1).constFirst(), u"Anfang|||2|08:30:00|C"_s);
    // A station no train touches.
    PlanRec quiet = LinePlan(4, 1);
    AddTrain(quiet, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}});
    Views w(quiet);
    EXPECT_TRUE(w.Dispatcher(u"D"_s).isEmpty());
}

TEST(Extraction, SortOutsideTheItemsKeepsTheIndex) {
    PlanRec p = LinePlan(2, 1);
    Views v(p);
    RefillDispatcher(*v.F.Dm, p);
    SelectDispatcherRange(v.F.Dm->tTabSort, u"A"_s, 2);
    SelectDispatcherRange(v.F.Dm->tTabSort, u"A"_s, 3);
    EXPECT_EQ(v.F.Dm->tTabSort.IndexName(), u"IDX_BHF_AB"_s);
    SelectDispatcherRange(v.F.Dm->tTabSort, u"A"_s, -1);
    EXPECT_EQ(v.F.Dm->tTabSort.IndexName(), u"IDX_BHF_AB"_s);
}

TEST(Extraction, RefillLiftsTheRangeAnotherViewLeft) {
    PlanRec p = LinePlan(2, 1);
    AddTrain(p, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}});
    AddTrain(p, u"Y"_s, {{Dep, 2, 1, 9, 0}, {Arr, 1, 1, 9, 10}});
    Views v(p);
    EXPECT_EQ(v.Dispatcher(u"B"_s).size(), 2);
    RefillTrainRun(*v.F.Dm, p);
    EXPECT_EQ(v.F.Dm->tTabSort.RecordCount(), 2);
    EXPECT_EQ(v.F.Dm->tTabSort.IndexName(), u"IDX_ZUGS"_s);
    EXPECT_EQ(v.Station(u"A"_s, 1).size(), 1);
    RefillStationTimetable(*v.F.Dm, p);
    EXPECT_EQ(v.F.Dm->tTabPlan.RecordCount(), 4);
}

TEST(Extraction, PointsOfAnUnknownKindGiveNoRow) {
    PlanRec p = LinePlan(2, 1);
    AddTrain(p, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}, {7, 2, 1, 8, 20}});
    Views v(p);
    EXPECT_EQ(v.TrainRuns().size(), 1);
    EXPECT_EQ(v.Dispatcher(u"B"_s), QStringList{u"Z|A|08:10:00|1|08:20:00|"_s});
    RefillStationTimetable(*v.F.Dm, p);
    EXPECT_EQ(v.F.Dm->tTabPlan.RecordCount(), 2);
}

TEST(Extraction, TimesLandOnTheirWholeMinute) {
    PlanRec p = LinePlan(2, 1);
    AddTrain(p, u"Z"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 9, 0}});
    p.Trains[1].Points[1].Time -= 1e-7; // a hair before 08:00
    p.Trains[1].Points[2].Time -= 1e-7; // a hair before 09:00
    Views v(p);
    EXPECT_EQ(v.TrainRuns(), QStringList{u"Z|08:00:00|A|1|09:00:00|B|1"_s});
    EXPECT_EQ(v.Station(u"B"_s, 0), QStringList{u"09:00|1|Z|||A|08:00"_s});
    const std::vector<StationEntry> rows = ReadStationEntries(v.F.Dm->tTabPlan);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Hour(), 9);
}

TEST(Extraction, LongTextsAreStoredCut) {
    PlanRec p = LinePlan(2, 1);
    p.Stations[1].Name = QString(40, u'S');
    AddTrain(p, QString(20, u'Z'), {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 10}});
    Views v(p);
    EXPECT_EQ(v.TrainRuns(), QStringList{QString(15, u'Z') + u"|08:00:00|"_s + QString(30, u'S') +
                                         u"|1|08:10:00|B|1"_s});
    // The full name from the station choice still finds the cut rows.
    EXPECT_EQ(v.Dispatcher(FillStationChoice(p).constFirst()).size(), 1);
}

} // namespace
