#include "views/ConflictScan.h"

#include "model/PlanRec.h"
#include "store/Tdm.h"
#include "tablestore/Cursor.h"
#include "tablestore/Transaction.h"
#include "views/WholeMinute.h"

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString TrackOccupied = u"Gleis besetzt"_s;
const QString Overtaking = u"Überholung"_s;

// What the checks compare of a point, packed tight and with its whole
// minute worked out once: every point is compared with every other one.
struct Point {
    int Modus;
    int Richtung;
    int Bhf;
    int Gls;
    int Minute;
};

struct Ref {
    int Train;
    int Point;
};

// Lists of the arrivals that can take part in a rule, per arrival station,
// in slot and point order: a point only ever meets the arrivals at its own
// station, so it need not look at the others.
struct Points {
    explicit Points(const PlanRec& plan) {
        for (int b = 1; b <= plan.TrainCount; ++b) {
            const PlanZug& z = plan.Trains[b];
            const int n = z.PointCount;
            Count[b] = n;
            for (int p = 1; p <= n; ++p) {
                const PlanCnt& c = z.Points[p];
                At[b][p] = Point{c.Modus, c.Richtung, c.BhfIdx, c.GlsIdx, WholeMinute(c.Time)};
                if (c.Modus != ModusArrival)
                    continue;
                if (p >= 2)
                    RunEnds[List(c.BhfIdx)].push_back(Ref{b, p});
                if (p + 1 < n)
                    Stops[List(c.BhfIdx)].push_back(Ref{b, p});
            }
        }
    }
    // Stations outside the plan share list 0 and still compare by number.
    static int List(int bhf) { return bhf >= 1 && bhf <= MaxStations ? bhf : 0; }
    int Count[MaxTrains + 1] = {};
    Point At[MaxTrains + 1][MaxPoints + 1] = {};
    std::vector<Ref> RunEnds[MaxStations + 1];
    std::vector<Ref> Stops[MaxStations + 1];
};

void WriteFinding(Cursor& t, const QString& kind, const QString& train, const QString& other,
                  const QString& from, const QString& to, const QString& track, int minute) {
    t.Insert();
    t.FieldByName(u"Fehler"_s).SetString(kind);
    t.FieldByName(u"Zug1"_s).SetString(train);
    t.FieldByName(u"Zug2"_s).SetString(other);
    t.FieldByName(u"Bhf1"_s).SetString(from);
    if (!to.isEmpty())
        t.FieldByName(u"Bhf2"_s).SetString(to);
    if (!track.isEmpty())
        t.FieldByName(u"Gls"_s).SetString(track);
    t.FieldByName(u"Uhrzeit"_s).SetDateTime(MinutesToTime(minute));
    t.Post();
}

void WriteOccupied(Cursor& t, const PlanRec& plan, int T, int O, const Point& at) {
    const PlanBhf& station = plan.Stations[at.Bhf];
    WriteFinding(t, TrackOccupied, plan.Trains[T].Name, plan.Trains[O].Name, station.Name,
                 QString(), station.Tracks[at.Gls].Designation.Text(), at.Minute);
}

bool Overtaken(Cursor& t, const PlanRec& plan, const Points& pts, int T, int a) {
    if (a < 2)
        return true;
    const Point& dep = pts.At[T][a - 1];
    const Point& arr = pts.At[T][a];
    bool clean = true;
    for (const Ref& r : pts.RunEnds[Points::List(arr.Bhf)]) {
        const int O = r.Train;
        const Point& oArr = pts.At[O][r.Point];
        if (O == T || oArr.Bhf != arr.Bhf || oArr.Richtung != arr.Richtung)
            continue;
        const Point& oDep = pts.At[O][r.Point - 1];
        // O leaves after T and arrives before it.
        if (oDep.Bhf == dep.Bhf && dep.Minute < oDep.Minute && arr.Minute > oArr.Minute) {
            WriteFinding(t, Overtaking, plan.Trains[T].Name, plan.Trains[O].Name,
                         plan.Stations[dep.Bhf].Name, plan.Stations[arr.Bhf].Name, QString(),
                         arr.Minute);
            clean = false;
        }
    }
    return clean;
}

bool InStop(Cursor& t, const PlanRec& plan, const Points& pts, int T, int a) {
    const Point& at = pts.At[T][a];
    bool clean = true;
    // Arrivals followed by the departure that ends their stop.
    for (const Ref& r : pts.Stops[Points::List(at.Bhf)]) {
        const int O = r.Train;
        const Point& oArr = pts.At[O][r.Point];
        if (O == T || oArr.Bhf != at.Bhf || oArr.Gls != at.Gls)
            continue;
        if (oArr.Minute <= at.Minute && at.Minute <= pts.At[O][r.Point + 1].Minute) {
            WriteOccupied(t, plan, T, O, at);
            clean = false;
        }
    }
    return clean;
}

bool AtEnd(Cursor& t, const PlanRec& plan, const Points& pts, int T, int a) {
    const Point& at = pts.At[T][a];
    bool clean = true;
    for (int O = 1; O <= plan.TrainCount; ++O) {
        if (O == T)
            continue;
        const int n = pts.Count[O];
        // Its first point, then its last one; a single point is both, once.
        const int ends[2] = {1, n};
        for (int e = 0; e < (n > 1 ? 2 : n); ++e) {
            const Point& end = pts.At[O][ends[e]];
            if (end.Bhf == at.Bhf && end.Gls == at.Gls && end.Minute == at.Minute) {
                WriteOccupied(t, plan, T, O, at);
                clean = false;
            }
        }
    }
    return clean;
}

} // namespace

bool CheckOvertaking(Cursor& t, const PlanRec& plan, int T, int a) {
    return Overtaken(t, plan, *std::make_unique<Points>(plan), T, a);
}

bool CheckStopOverlap(Cursor& t, const PlanRec& plan, int T, int a) {
    return InStop(t, plan, *std::make_unique<Points>(plan), T, a);
}

bool CheckEndpointClash(Cursor& t, const PlanRec& plan, int T, int a) {
    return AtEnd(t, plan, *std::make_unique<Points>(plan), T, a);
}

bool ScanPlan(Tdm& dm, const PlanRec& plan) {
    Cursor& t = dm.tTabCheck;
    t.Close();
    t.EmptyTable();
    t.Open();
    const auto pts = std::make_unique<Points>(plan);
    bool found = false;
    // One transaction for all findings, as the views write their rows.
    Transaction transaction(dm.DBAll);
    for (int T = 1; T <= plan.TrainCount; ++T) {
        for (int a = 1; a <= pts->Count[T]; ++a) {
            // All three, whatever the first ones found.
            const bool overtaking = Overtaken(t, plan, *pts, T, a);
            const bool stop = InStop(t, plan, *pts, T, a);
            const bool ends = AtEnd(t, plan, *pts, T, a);
            found = found || !overtaking || !stop || !ends;
        }
    }
    transaction.Commit();
    t.First();
    return found;
}
