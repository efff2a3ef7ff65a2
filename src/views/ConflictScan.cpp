#include "views/ConflictScan.h"

#include "model/PlanRec.h"
#include "store/Tdm.h"
#include "tablestore/Cursor.h"
#include "views/WholeMinute.h"

using namespace Qt::StringLiterals;

namespace {

const QString TrackOccupied = u"Gleis besetzt"_s;
const QString Overtaking = u"Überholung"_s;

void WriteFinding(Cursor& t, const QString& kind, const QString& train, const QString& other,
                  const QString& from, const QString& to, const QString& track, double time) {
    t.Insert();
    t.FieldByName(u"Fehler"_s).SetString(kind);
    t.FieldByName(u"Zug1"_s).SetString(train);
    t.FieldByName(u"Zug2"_s).SetString(other);
    t.FieldByName(u"Bhf1"_s).SetString(from);
    if (!to.isEmpty())
        t.FieldByName(u"Bhf2"_s).SetString(to);
    if (!track.isEmpty())
        t.FieldByName(u"Gls"_s).SetString(track);
    t.FieldByName(u"Uhrzeit"_s).SetDateTime(OnWholeMinute(time));
    t.Post();
}

void WriteOccupied(Cursor& t, const PlanRec& plan, const PlanZug& train, const PlanZug& other,
                   const PlanCnt& at) {
    const PlanBhf& station = plan.Stations[at.BhfIdx];
    WriteFinding(t, TrackOccupied, train.Name, other.Name, station.Name, QString(),
                 station.Tracks[at.GlsIdx].Designation.Text(), at.Time);
}

} // namespace

bool CheckOvertaking(Cursor& t, const PlanRec& plan, int T, int a) {
    if (a < 2)
        return true;
    const PlanZug& train = plan.Trains[T];
    const PlanCnt& dep = train.Points[a - 1];
    const PlanCnt& arr = train.Points[a];
    const int d = WholeMinute(dep.Time);
    const int e = WholeMinute(arr.Time);
    bool clean = true;
    for (int O = 1; O <= plan.TrainCount; ++O) {
        if (O == T)
            continue;
        const PlanZug& other = plan.Trains[O];
        for (int j = 2; j <= other.PointCount; ++j) {
            const PlanCnt& oArr = other.Points[j];
            if (oArr.Modus != ModusArrival || oArr.BhfIdx != arr.BhfIdx ||
                oArr.Richtung != arr.Richtung)
                continue;
            const PlanCnt& oDep = other.Points[j - 1];
            if (oDep.BhfIdx != dep.BhfIdx)
                continue;
            // O leaves after T and arrives before it.
            if (d < WholeMinute(oDep.Time) && e > WholeMinute(oArr.Time)) {
                WriteFinding(t, Overtaking, train.Name, other.Name, plan.Stations[dep.BhfIdx].Name,
                             plan.Stations[arr.BhfIdx].Name, QString(), arr.Time);
                clean = false;
            }
        }
    }
    return clean;
}

bool CheckStopOverlap(Cursor& t, const PlanRec& plan, int T, int a) {
    const PlanZug& train = plan.Trains[T];
    const PlanCnt& at = train.Points[a];
    const int time = WholeMinute(at.Time);
    bool clean = true;
    for (int O = 1; O <= plan.TrainCount; ++O) {
        if (O == T)
            continue;
        const PlanZug& other = plan.Trains[O];
        // An arrival followed by the departure that ends its stop.
        for (int j = 1; j + 1 < other.PointCount; ++j) {
            const PlanCnt& oArr = other.Points[j];
            if (oArr.Modus != ModusArrival || oArr.BhfIdx != at.BhfIdx || oArr.GlsIdx != at.GlsIdx)
                continue;
            if (WholeMinute(oArr.Time) <= time && time <= WholeMinute(other.Points[j + 1].Time)) {
                WriteOccupied(t, plan, train, other, at);
                clean = false;
            }
        }
    }
    return clean;
}

bool CheckEndpointClash(Cursor& t, const PlanRec& plan, int T, int a) {
    const PlanZug& train = plan.Trains[T];
    const PlanCnt& at = train.Points[a];
    const int time = WholeMinute(at.Time);
    bool clean = true;
    for (int O = 1; O <= plan.TrainCount; ++O) {
        if (O == T)
            continue;
        const PlanZug& other = plan.Trains[O];
        const int n = other.PointCount;
        // Its first point, then its last one; a single point is both, once.
        const int ends[2] = {1, n};
        for (int e = 0; e < (n > 1 ? 2 : n); ++e) {
            const PlanCnt& end = other.Points[ends[e]];
            if (end.BhfIdx == at.BhfIdx && end.GlsIdx == at.GlsIdx &&
                WholeMinute(end.Time) == time) {
                WriteOccupied(t, plan, train, other, at);
                clean = false;
            }
        }
    }
    return clean;
}

bool ScanPlan(Tdm& dm, const PlanRec& plan) {
    Cursor& t = dm.tTabCheck;
    t.Close();
    t.EmptyTable();
    t.Open();
    bool found = false;
    for (int T = 1; T <= plan.TrainCount; ++T) {
        for (int a = 1; a <= plan.Trains[T].PointCount; ++a) {
            // All three, whatever the first ones found.
            const bool overtaking = CheckOvertaking(t, plan, T, a);
            const bool stop = CheckStopOverlap(t, plan, T, a);
            const bool ends = CheckEndpointClash(t, plan, T, a);
            found = found || !overtaking || !stop || !ends;
        }
    }
    t.First();
    return found;
}
