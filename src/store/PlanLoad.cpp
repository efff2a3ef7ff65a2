#include "store/PlanStore.h"

#include "store/PlanStoreRows.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A stored plan that does not fit PlanRec or contradicts itself.
class BadPlan {
public:
    explicit BadPlan(QString text) : Text(std::move(text)) {}
    QString Text;
};

QString Quoted(const QString& text) {
    return u"„"_s + text + u"“"_s;
}

// A whole number in `low` … `high`, or the plan is refused with `what` named.
int ReadNumber(Cursor& t, const QString& field, int low, int high, const QString& what) {
    Field f = t.FieldByName(field);
    int value = 0;
    if (!f.ToInteger(value))
        throw BadPlan(u"%1: %2 ist keine Zahl (%3)."_s.arg(what, field, Quoted(f.AsString())));
    if (value < low || value > high)
        throw BadPlan(u"%1: %2 = %3 liegt außerhalb von %4 bis %5."_s.arg(what, field)
                          .arg(value)
                          .arg(low)
                          .arg(high));
    return value;
}

void ReadHeader(Tdm& dm, PlanRec& plan) {
    Cursor& t = dm.tSavePlan;
    const QString what = u"Kopfdaten"_s;
    plan.PlanName = t.FieldByName(u"NAME"_s).AsString();
    plan.PlanDescription = t.FieldByName(u"BESCHREIB"_s).AsString();
    plan.StartHour = ReadNumber(t, u"UHRVON"_s, 0, 23, what);
    plan.EndHour = ReadNumber(t, u"UHRBIS"_s, 1, 24, what);
    plan.GridStyle = ReadNumber(t, u"GRIDLINE"_s, 0, 4, what);
    plan.Zoom = ReadNumber(t, u"ZOOM"_s, 1, 9, what);
    plan.BackColor = static_cast<TColor>(t.FieldByName(u"BACKCOL"_s).AsInteger());
    plan.Cyclic = t.FieldByName(u"TAKTFP"_s).AsBoolean();
    plan.Spare = 0;
}

void ReadStations(Tdm& dm, PlanRec& plan) {
    Cursor& t = dm.tBhfPlan;
    const int count = t.RecordCount();
    if (count > MaxStations)
        throw BadPlan(
            u"Er hat %1 Bahnhöfe; erlaubt sind höchstens %2."_s.arg(count).arg(MaxStations));
    plan.StationCount = count;
    t.First();
    for (int i = 1; i <= count; ++i) {
        PlanBhf& bhf = plan.Stations[i];
        bhf.InUse = true;
        bhf.Marked = false;
        bhf.Name = t.FieldByName(u"BHFBEZ"_s).AsString();
        bhf.Abbrev = t.FieldByName(u"BHFABK"_s).AsString();
        const QString what = u"Bahnhof %1 (%2)"_s.arg(i).arg(Quoted(bhf.Name));
        bhf.TrackCount = ReadNumber(t, u"ANZGLS"_s, 0, MaxTracks, what);
        Cursor& g = dm.tGlsPlan;
        const int rows = g.RecordCount();
        if (rows > MaxTracks)
            throw BadPlan(
                u"%1 hat %2 Gleiszeilen; erlaubt sind höchstens %3."_s.arg(what).arg(rows).arg(
                    MaxTracks));
        if (rows < bhf.TrackCount)
            throw BadPlan(u"%1 nennt %2 Gleise, gespeichert sind nur %3."_s.arg(what)
                              .arg(bhf.TrackCount)
                              .arg(rows));
        g.First();
        for (int j = 1; j <= bhf.TrackCount; ++j) {
            bhf.Tracks[j].Designation = g.FieldByName(u"GLSBEZ"_s).AsString();
            g.Next();
        }
        t.Next();
    }
}

void ReadPoint(Cursor& c, const PlanRec& plan, PlanCnt& cnt, const QString& what) {
    cnt.Modus = ReadNumber(c, u"MODUS"_s, ModusDeparture, ModusStopDeparture, what);
    cnt.Richtung = c.FieldByName(u"RICHTUNG"_s).AsInteger();
    cnt.BhfIdx = ReadNumber(c, u"BHFIDX"_s, 1, plan.StationCount, what);
    cnt.GlsIdx = ReadNumber(c, u"GLSIDX"_s, 1, plan.Stations[cnt.BhfIdx].TrackCount, what);
    Field time = c.FieldByName(u"UHRZEIT"_s);
    if (!time.ToDateTime(cnt.Time))
        throw BadPlan(u"%1: UHRZEIT %2 ist keine Uhrzeit."_s.arg(what, Quoted(time.AsString())));
}

void ReadTrains(Tdm& dm, PlanRec& plan) {
    Cursor& t = dm.tZugPlan;
    const int count = t.RecordCount();
    if (count > MaxTrains)
        throw BadPlan(u"Er hat %1 Züge; erlaubt sind höchstens %2."_s.arg(count).arg(MaxTrains));
    plan.TrainCount = count;
    t.First();
    for (int b = 1; b <= count; ++b) {
        PlanZug& zug = plan.Trains[b];
        zug.InUse = true;
        zug.Name = t.FieldByName(u"BEZ"_s).AsString();
        zug.Number = t.FieldByName(u"NUM"_s).AsInteger();
        zug.Color = static_cast<TColor>(t.FieldByName(u"COL"_s).AsInteger());
        const QString what = u"Zug %1 (%2)"_s.arg(b).arg(Quoted(zug.Name));
        zug.PointCount = ReadNumber(t, u"ANZCNT"_s, 0, MaxPoints, what);
        Cursor& c = dm.tZCntPlan;
        const int rows = c.RecordCount();
        if (rows > MaxPoints)
            throw BadPlan(u"%1 hat %2 Punkte; erlaubt sind höchstens %3."_s.arg(what).arg(rows).arg(
                MaxPoints));
        if (rows < zug.PointCount)
            throw BadPlan(u"%1 nennt %2 Punkte, gespeichert sind nur %3."_s.arg(what)
                              .arg(zug.PointCount)
                              .arg(rows));
        c.First();
        for (int p = 1; p <= zug.PointCount; ++p) {
            ReadPoint(c, plan, zug.Points[p], u"%1, Punkt %2"_s.arg(what).arg(p));
            c.Next();
        }
        t.Next();
    }
}

} // namespace

StoreResult LoadPlan(Tdm& dm, PlanRec& plan) {
    // Read into a copy, so a refused plan leaves the open one as it was; slots
    // beyond the counts keep their contents as a load always did.
    auto loaded = std::make_unique<PlanRec>(plan);
    QString name;
    try {
        PlanRows::RequireCurrentPlan(dm);
        name = dm.tSavePlan.FieldByName(u"NAME"_s).AsString();
        // Another program may have changed the header since it was read, or
        // deleted it; a refresh would then move on to another plan.
        if (!dm.tSavePlan.CurrentRowStored())
            throw BadPlan(u"Er wurde inzwischen von einem anderen Programm gelöscht."_s);
        dm.tSavePlan.Refresh();
        PlanRows::RefreshDetails(dm);
        ReadHeader(dm, *loaded);
        ReadStations(dm, *loaded);
        ReadTrains(dm, *loaded);
    } catch (const BadPlan& bad) {
        return StoreResult::Failed(
            u"Der Fahrplan %1 kann nicht geöffnet werden. %2"_s.arg(Quoted(name), bad.Text));
    } catch (const StoreError& e) {
        return StoreResult::Failed(
            u"Der Fahrplan %1 kann nicht geöffnet werden: %2"_s.arg(Quoted(name), e.Text()));
    }
    plan = std::move(*loaded);
    return StoreResult{};
}
