#include "StoreFixture.h"
#include "ViewPlans.h"
#include "model/TimeOfDay.h"
#include "views/ConflictScan.h"
#include "views/TimetableRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int Dep = ModusDeparture;
constexpr int Arr = ModusArrival;
constexpr int StopDep = ModusStopDeparture;

// The rows of TmpCheck.DAT as the error list shows them, "|" between the cells.
QStringList Findings(Tdm& dm) {
    QStringList rows;
    Cursor& t = dm.tTabCheck;
    for (t.First(); !t.Eof(); t.Next())
        rows << ErrorListCells(t).join(u'|');
    return rows;
}

struct ScanCase {
    const char* Name;
    PlanRec Plan;
    QStringList Expected;
};

std::vector<ScanCase> EdgeCases() {
    std::vector<ScanCase> cases;
    {
        // X stops at B on track 1 from 08:00 to 08:10; Y arrives there at 08:10.
        PlanRec p = LinePlan(3, 2);
        AddTrain(
            p, u"X"_s,
            {{Dep, 1, 1, 7, 50}, {Arr, 2, 1, 8, 0}, {StopDep, 2, 1, 8, 10}, {Arr, 3, 1, 8, 20}});
        AddTrain(p, u"Y"_s, {{Dep, 1, 2, 7, 55}, {Arr, 2, 1, 8, 10}});
        // X's departure meets Y's last point; Y's arrival lies in X's stop.
        cases.push_back(
            {"equal minute counts as occupied",
             p,
             {u"Gleis besetzt|X|08:10:00|B|1||Y"_s, u"Gleis besetzt|Y|08:10:00|B|1||X"_s}});
    }
    {
        PlanRec p = LinePlan(3, 2);
        AddTrain(
            p, u"X"_s,
            {{Dep, 1, 1, 7, 50}, {Arr, 2, 1, 8, 0}, {StopDep, 2, 1, 8, 10}, {Arr, 3, 1, 8, 20}});
        AddTrain(
            p, u"Y"_s,
            {{Dep, 3, 2, 7, 50}, {Arr, 2, 2, 8, 0}, {StopDep, 2, 2, 8, 10}, {Arr, 1, 2, 8, 20}});
        cases.push_back({"same time on different tracks", p, {}});
    }
    {
        PlanRec p = LinePlan(2, 2);
        AddTrain(p, u"A"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 30}});
        AddTrain(p, u"B"_s, {{Dep, 1, 2, 8, 5}, {Arr, 2, 2, 8, 20}});
        cases.push_back({"overtaking", p, {u"Überholung|A|08:30:00|A||B|B"_s}});
    }
    {
        PlanRec p = LinePlan(2, 2);
        AddTrain(p, u"A"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 30}});
        AddTrain(p, u"B"_s, {{Dep, 1, 2, 8, 0}, {Arr, 2, 2, 8, 20}});
        cases.push_back({"leaving at the same minute is no overtaking", p, {}});
    }
    {
        PlanRec p = LinePlan(2, 2);
        AddTrain(p, u"A"_s, {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 30}});
        AddTrain(p, u"B"_s, {{Dep, 2, 2, 8, 5}, {Arr, 1, 2, 8, 20}});
        cases.push_back({"opposite directions", p, {}});
    }
    {
        // A ends on B/1 at 08:00 where C's run begins at 08:00.
        PlanRec p = LinePlan(3, 1);
        AddTrain(p, u"A"_s, {{Dep, 1, 1, 7, 30}, {Arr, 2, 1, 8, 0}});
        AddTrain(p, u"C"_s, {{Dep, 2, 1, 8, 0}, {Arr, 3, 1, 8, 30}});
        cases.push_back(
            {"last arrival meets a first departure",
             p,
             {u"Gleis besetzt|A|08:00:00|B|1||C"_s, u"Gleis besetzt|C|08:00:00|B|1||A"_s}});
    }
    {
        PlanRec p = LinePlan(3, 1);
        AddTrain(p, u"A"_s, {{Dep, 1, 1, 7, 30}, {Arr, 2, 1, 8, 0}});
        AddTrain(p, u"C"_s, {{Dep, 2, 1, 8, 1}, {Arr, 3, 1, 8, 30}});
        cases.push_back({"a minute apart", p, {}});
    }
    {
        PlanRec p = LinePlan(3, 1);
        AddTrain(
            p, u"A"_s,
            {{Dep, 1, 1, 8, 0}, {Arr, 2, 1, 8, 30}, {StopDep, 2, 1, 8, 40}, {Arr, 3, 1, 9, 0}});
        cases.push_back({"one train", p, {}});
    }
    return cases;
}

TEST(ScanPlan, EdgeCases) {
    for (ScanCase& c : EdgeCases()) {
        SCOPED_TRACE(c.Name);
        StoreFixture f;
        const bool found = ScanPlan(*f.Dm, c.Plan);
        EXPECT_EQ(found, !c.Expected.isEmpty());
        EXPECT_EQ(Findings(*f.Dm), c.Expected);
    }
}

TEST(ScanPlan, EmptiesTheTableOfTheLastScan) {
    StoreFixture f;
    PlanRec p = EdgeCases()[0].Plan;
    ASSERT_TRUE(ScanPlan(*f.Dm, p));
    EXPECT_EQ(Findings(*f.Dm).size(), 2);
    p.TrainCount = 1;
    EXPECT_FALSE(ScanPlan(*f.Dm, p));
    EXPECT_TRUE(Findings(*f.Dm).isEmpty());
    PlanRec none = LinePlan(2, 1);
    EXPECT_FALSE(ScanPlan(*f.Dm, none));
}

TEST(ScanPlan, ComparesOnTheWholeMinute) {
    // Times a hair beside their minute, as a text or a drag may leave them.
    const double hair = 1e-7;
    PlanRec p = LinePlan(3, 1);
    AddTrain(p, u"A"_s, {{Dep, 1, 1, 7, 30}, {Arr, 2, 1, 8, 0}});
    AddTrain(p, u"C"_s, {{Dep, 2, 1, 8, 0}, {Arr, 3, 1, 8, 30}});
    p.Trains[1].Points[2].Time -= hair;
    p.Trains[2].Points[1].Time += hair;
    StoreFixture f;
    ASSERT_TRUE(ScanPlan(*f.Dm, p));
    EXPECT_EQ(Findings(*f.Dm), (QStringList{u"Gleis besetzt|A|08:00:00|B|1||C"_s,
                                            u"Gleis besetzt|C|08:00:00|B|1||A"_s}));
}

TEST(ScanPlan, EachCheckReportsWhetherItWroteARow) {
    StoreFixture f;
    PlanRec p = EdgeCases()[2].Plan; // A overtaken by B
    Cursor& t = f.Dm->tTabCheck;
    EXPECT_TRUE(CheckOvertaking(t, p, 1, 1)); // point 1 has no run before it
    EXPECT_FALSE(CheckOvertaking(t, p, 1, 2));
    EXPECT_TRUE(CheckOvertaking(t, p, 2, 2));
    EXPECT_TRUE(CheckStopOverlap(t, p, 1, 2));
    EXPECT_TRUE(CheckEndpointClash(t, p, 1, 2));
    t.Refresh();
    EXPECT_EQ(t.RecordCount(), 1);
}

// The rules read once more, plainly and on their own: every fact of the plan
// first, then each rule as a filter over those facts.
struct Fact {
    int Train;
    int Point;
    int Modus;
    int Station;
    int Track;
    int Minute;
    int Richtung;
    bool First;
    bool Last;
};

QStringList ReferenceScan(const PlanRec& plan) {
    std::vector<Fact> facts;
    for (int b = 1; b <= plan.TrainCount; ++b) {
        const PlanZug& z = plan.Trains[b];
        for (int p = 1; p <= z.PointCount; ++p) {
            const PlanCnt& c = z.Points[p];
            facts.push_back({b, p, c.Modus, c.BhfIdx, c.GlsIdx, MinuteOfDay(c.Time), c.Richtung,
                             p == 1, p == z.PointCount});
        }
    }
    auto at = [&](int train, int point) -> const Fact& {
        for (const Fact& f : facts)
            if (f.Train == train && f.Point == point)
                return f;
        throw std::logic_error("no such point");
    };
    auto name = [&](int train) { return plan.Trains[train].Name; };
    auto station = [&](int k) { return plan.Stations[k].Name; };
    auto clock = [](int minute) { return TimeToText(MinutesToTime(minute)); };
    QStringList rows;
    for (const Fact& x : facts) {
        // Overtaking: x ends a run of its train that another train's run on
        // the same stretch and way starts later and ends sooner.
        if (x.Point >= 2) {
            const Fact& xFrom = at(x.Train, x.Point - 1);
            for (const Fact& y : facts) {
                if (y.Train == x.Train || y.Modus != ModusArrival || y.Point < 2)
                    continue;
                const Fact& yFrom = at(y.Train, y.Point - 1);
                if (y.Station == x.Station && yFrom.Station == xFrom.Station &&
                    y.Richtung == x.Richtung && xFrom.Minute < yFrom.Minute && x.Minute > y.Minute)
                    rows << u"Überholung|%1|%2|%3||%4|%5"_s.arg(name(x.Train), clock(x.Minute),
                                                                station(xFrom.Station),
                                                                station(x.Station), name(y.Train));
            }
        }
        const QString occupied = u"Gleis besetzt|%1|%2|%3|%4||%5"_s;
        const QString track = plan.Stations[x.Station].Tracks[x.Track].Designation.Text();
        // Occupied: x lies inside another train's stop on the same track.
        for (const Fact& y : facts) {
            if (y.Train == x.Train || y.Modus != ModusArrival)
                continue;
            if (y.Point + 1 >= plan.Trains[y.Train].PointCount)
                continue; // no departure after it that is not the last point
            const Fact& yLeave = at(y.Train, y.Point + 1);
            if (y.Station == x.Station && y.Track == x.Track && y.Minute <= x.Minute &&
                x.Minute <= yLeave.Minute)
                rows << occupied.arg(name(x.Train), clock(x.Minute), station(x.Station), track,
                                     name(y.Train));
        }
        // Occupied: x meets another train's first or last point to the minute.
        for (const Fact& y : facts) {
            if (y.Train == x.Train || !(y.First || y.Last))
                continue;
            if (y.Station == x.Station && y.Track == x.Track && y.Minute == x.Minute)
                rows << occupied.arg(name(x.Train), clock(x.Minute), station(x.Station), track,
                                     name(y.Train));
        }
    }
    return rows;
}

// Trains wandering on a short line in a busy hour: many meetings, stops,
// overtakings and unfinished trains.
PlanRec RandomPlan(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int stations = pick(2, 4);
    PlanRec plan = LinePlan(stations, 2);
    const int trains = pick(1, 7);
    for (int b = 1; b <= trains; ++b) {
        const int slot = ++plan.TrainCount;
        PlanZug& z = plan.Trains[slot];
        z.InUse = true;
        z.Name = u"Z%1"_s.arg(b);
        const int n = pick(0, 8);
        int k = pick(1, stations);
        int track = pick(1, 2);
        int minute = 480 + pick(0, 40);
        for (int p = 1; p <= n; ++p) {
            PlanCnt& c = z.Points[p];
            if (p == 1) {
                c.Modus = ModusDeparture;
            } else if (p % 2 == 0) {
                const int step = k == 1 ? 1 : k == stations ? -1 : (pick(0, 1) ? 1 : -1);
                k += step;
                track = pick(1, 2);
                minute += pick(1, 20);
                c.Modus = ModusArrival;
                c.Richtung = step > 0 ? RichtungRight : RichtungLeft;
            } else {
                minute += pick(0, 8);
                c.Modus = ModusStopDeparture;
                c.Richtung = z.Points[p - 1].Richtung;
            }
            c.BhfIdx = k;
            c.GlsIdx = track;
            c.Time = MinutesToTime(minute);
        }
        z.PointCount = n;
    }
    return plan;
}

TEST(ScanPlan, AgreesWithAPlainReadingOfTheRulesOnGeneratedPlans) {
    StoreFixture f;
    std::mt19937 rng(20261211);
    int withFindings = 0;
    int overtakings = 0;
    for (int round = 0; round < 300; ++round) {
        PlanRec plan = RandomPlan(rng);
        const bool found = ScanPlan(*f.Dm, plan);
        QStringList got = Findings(*f.Dm);
        QStringList want = ReferenceScan(plan);
        EXPECT_EQ(found, !want.isEmpty()) << "round " << round;
        withFindings += found ? 1 : 0;
        overtakings += int(want.filter(u"Überholung"_s).size());
        std::sort(got.begin(), got.end());
        std::sort(want.begin(), want.end());
        ASSERT_EQ(got, want) << "round " << round;
    }
    // The generated plans must actually exercise the rules.
    EXPECT_GT(withFindings, 100);
    EXPECT_GT(overtakings, 20);
}

} // namespace
