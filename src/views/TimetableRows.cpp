#include "views/TimetableRows.h"

#include "model/PlanRec.h"
#include "store/Tdm.h"
#include "tablestore/Cursor.h"
#include "tablestore/Transaction.h"
#include "views/WholeMinute.h"

using namespace Qt::StringLiterals;

const QString AllTrainsText = u"Alle Züge"_s;
const QStringList DispatcherSortItems = {u"Zugnamen"_s, u"Ankunft"_s, u"Abfahrt"_s};
const QStringList StationTypeItems = {u"Ankunft"_s, u"Abfahrt"_s};
const QStringList TrainRunHeaders = {u"Zugname"_s, u"Abfahrt"_s, u"Bahnhof"_s, u"Gleis"_s,
                                     u"Ankunft"_s, u"Bahnhof"_s, u"Gleis"_s};
const QStringList DispatcherHeaders = {u"Zugname"_s, u"Bahnhof(Von)"_s, u"Ankunft"_s,
                                       u"Gleis"_s,   u"Abfahrt"_s,      u"Bahnhof (Nach)"_s};
const QStringList ErrorListHeaders = {u"Fehlertyp"_s, u"Zugname"_s, u"Uhrzeit"_s, u"Bahnhof"_s,
                                      u"Gleis"_s,     u"Bahnhof"_s, u"Zugname"_s};
const QStringList StationRowHeaders = {u"Uhrzeit"_s, u"Gleis"_s, u"ZugN"_s,  u"NBhf"_s,
                                       u"ZeitNB"_s,  u"LBhf"_s,  u"ZeitLB"_s};

namespace {

// Longest station name a range can match: the stored field's length.
constexpr int StationFieldLength = 30;

const QString& StationOf(const PlanRec& plan, const PlanCnt& p) {
    return plan.Stations[p.BhfIdx].Name;
}

const QString& TrackOf(const PlanRec& plan, const PlanCnt& p) {
    return plan.Stations[p.BhfIdx].Tracks[p.GlsIdx].Designation.Text();
}

void SetTime(Cursor& t, const QString& field, double time) {
    t.FieldByName(field).SetDateTime(OnWholeMinute(time));
}

void Refill(Cursor& t) {
    t.Close();
    t.EmptyTable();
    t.Open();
    t.CancelRange();
    // Rows are written in the order of their numbers, each at the end of the
    // cursor's view; the view's index then orders them all at once.
    t.SetIndexName(QString());
}

QString TimeCell(Cursor& t, const QString& field) {
    return LongTimeText(t.FieldByName(field).AsDateTime());
}

} // namespace

void BuildTrainRunRows(Cursor& t, const PlanRec& plan) {
    for (int b = 1; b <= plan.TrainCount; ++b) {
        const PlanZug& z = plan.Trains[b];
        for (int p = 1; p < z.PointCount; ++p) {
            const PlanCnt& from = z.Points[p];
            // An arrival ends a run; a kind the editor never makes starts none.
            if (from.Modus != ModusDeparture && from.Modus != ModusStopDeparture)
                continue;
            const PlanCnt& to = z.Points[p + 1];
            t.Insert();
            t.FieldByName(u"ZugS"_s).SetString(z.Name);
            SetTime(t, u"AbTime"_s, from.Time);
            t.FieldByName(u"BhfS"_s).SetString(StationOf(plan, from));
            t.FieldByName(u"GlsS"_s).SetString(TrackOf(plan, from));
            SetTime(t, u"AnZeit"_s, to.Time);
            t.FieldByName(u"BhfS1"_s).SetString(StationOf(plan, to));
            t.FieldByName(u"GlsS1"_s).SetString(TrackOf(plan, to));
            t.Post();
        }
    }
}

void AddDispatcherRow(Cursor& t, const QString& station, const QString& from, bool hasDeparture,
                      bool hasArrival, double departure, double arrival, const QString& track,
                      const QString& train, const QString& to) {
    t.Insert();
    t.FieldByName(u"BhfName"_s).SetString(station);
    t.FieldByName(u"ZugS"_s).SetString(train);
    t.FieldByName(u"BhfS1"_s).SetString(from);
    t.FieldByName(u"IsTime"_s).SetBoolean(hasArrival);
    SetTime(t, u"AnZeit"_s, hasArrival ? arrival : 0.0);
    t.FieldByName(u"GlsS"_s).SetString(track);
    t.FieldByName(u"IsTime1"_s).SetBoolean(hasDeparture);
    SetTime(t, u"AbTime"_s, hasDeparture ? departure : 0.0);
    t.FieldByName(u"BhfS"_s).SetString(to);
    t.Post();
}

void BuildDispatcherRows(Cursor& t, const PlanRec& plan) {
    for (int k = 1; k <= plan.StationCount; ++k) {
        const QString& station = plan.Stations[k].Name;
        for (int b = 1; b <= plan.TrainCount; ++b) {
            const PlanZug& z = plan.Trains[b];
            const int n = z.PointCount;
            for (int p = 1; p <= n; ++p) {
                const PlanCnt& pt = z.Points[p];
                if (pt.BhfIdx != k)
                    continue;
                if (pt.Modus == ModusDeparture) {
                    const QString to = p < n ? StationOf(plan, z.Points[p + 1]) : QString();
                    AddDispatcherRow(t, station, QString(), true, false, pt.Time, 0.0,
                                     TrackOf(plan, pt), z.Name, to);
                } else if (pt.Modus == ModusArrival) {
                    const QString from = p > 1 ? StationOf(plan, z.Points[p - 1]) : QString();
                    const bool leaves = p < n;
                    const double departure = leaves ? z.Points[p + 1].Time : 0.0;
                    const QString to = p + 2 <= n ? StationOf(plan, z.Points[p + 2]) : QString();
                    AddDispatcherRow(t, station, from, leaves, true, departure, pt.Time,
                                     TrackOf(plan, pt), z.Name, to);
                }
                // A departure after a stop is on the row of its arrival.
            }
        }
    }
}

void AddStationRow(Cursor& t, const QString& station, const QString& train, double timeAtEnd,
                   double timeAtNeighbour, double time, bool isDeparture, const QString& endStation,
                   const QString& neighbour, const QString& track) {
    t.Insert();
    t.FieldByName(u"ABhf"_s).SetString(station);
    t.FieldByName(u"ZugN"_s).SetString(train);
    SetTime(t, u"Uhrzeit"_s, time);
    t.FieldByName(u"Abfahrt"_s).SetInteger(isDeparture ? 1 : 0);
    t.FieldByName(u"Gleis"_s).SetString(track);
    t.FieldByName(u"LBhf"_s).SetString(endStation);
    SetTime(t, u"ZeitLB"_s, timeAtEnd);
    t.FieldByName(u"NBhf"_s).SetString(neighbour);
    SetTime(t, u"ZeitNB"_s, neighbour.isEmpty() ? 0.0 : timeAtNeighbour);
    t.Post();
}

void BuildStationTimetableRows(Cursor& t, const PlanRec& plan) {
    for (int k = 1; k <= plan.StationCount; ++k) {
        const QString& station = plan.Stations[k].Name;
        for (int b = 1; b <= plan.TrainCount; ++b) {
            const PlanZug& z = plan.Trains[b];
            const int n = z.PointCount;
            for (int p = 1; p <= n; ++p) {
                const PlanCnt& pt = z.Points[p];
                if (pt.BhfIdx != k)
                    continue;
                if (pt.Modus == ModusDeparture || pt.Modus == ModusStopDeparture) {
                    // The next stop is named only when it is not the destination.
                    const bool via = p + 2 < n;
                    const PlanCnt& last = z.Points[n];
                    AddStationRow(t, station, z.Name, last.Time, via ? z.Points[p + 1].Time : 0.0,
                                  pt.Time, true, StationOf(plan, last),
                                  via ? StationOf(plan, z.Points[p + 1]) : QString(),
                                  TrackOf(plan, pt));
                } else if (pt.Modus == ModusArrival) {
                    const bool via = p > 3;
                    const PlanCnt& first = z.Points[1];
                    AddStationRow(t, station, z.Name, first.Time, via ? z.Points[p - 1].Time : 0.0,
                                  pt.Time, false, StationOf(plan, first),
                                  via ? StationOf(plan, z.Points[p - 1]) : QString(),
                                  TrackOf(plan, pt));
                }
            }
        }
    }
}

QStringList FillStationChoice(const PlanRec& plan) {
    QStringList names;
    if (plan.StationCount < 1)
        return names;
    names << plan.Stations[1].Name;
    for (int k = 2; k <= plan.StationCount; ++k)
        if (plan.Stations[k].Name != names.constLast())
            names << plan.Stations[k].Name;
    return names;
}

QStringList TrainChoice(Cursor& t) {
    QStringList names{AllTrainsText};
    for (int i = 1; i <= t.RecordCount(); ++i) {
        t.SetRecNo(i);
        const QString name = t.FieldByName(u"ZugS"_s).AsString();
        if (names.size() == 1 || name != names.constLast())
            names << name;
    }
    t.First();
    return names;
}

// The rows go in as one transaction: a row posted on its own costs the
// store a journal of its own, thousands of times over, and a failure then
// leaves an empty table rather than half a timetable.
template <typename Build>
void Extract(Tdm& dm, Cursor& t, const QString& index, const PlanRec& plan, Build build) {
    Refill(t);
    Transaction transaction(dm.DBAll);
    build(t, plan);
    transaction.Commit();
    t.SetIndexName(index);
}

void RefillTrainRun(Tdm& dm, const PlanRec& plan) {
    Extract(dm, dm.tTabSort, u"IDX_ZUGS"_s, plan, BuildTrainRunRows);
}

void RefillDispatcher(Tdm& dm, const PlanRec& plan) {
    Extract(dm, dm.tTabSort, u"IDX_BHF_ZUGS"_s, plan, BuildDispatcherRows);
}

void RefillStationTimetable(Tdm& dm, const PlanRec& plan) {
    Extract(dm, dm.tTabPlan, u"IDX_BUG"_s, plan, BuildStationTimetableRows);
}

void SelectTrainRange(Cursor& t, const QString& train) {
    t.CancelRange();
    if (!train.isEmpty())
        t.SetRange({train});
    t.First();
}

void SelectDispatcherRange(Cursor& t, const QString& station, int sort) {
    static const char* const indexes[] = {"IDX_BHF_ZUGS", "IDX_BHF_AN", "IDX_BHF_AB"};
    if (sort >= 0 && sort < 3)
        t.SetIndexName(QString::fromLatin1(indexes[sort]));
    t.CancelRange();
    t.SetRange({station.left(StationFieldLength)});
    t.First();
}

void SelectStationRange(Cursor& t, const QString& station, int type) {
    t.CancelRange();
    t.SetRange({type, station.left(StationFieldLength)});
    t.First();
}

QStringList TrainRunCells(Cursor& t) {
    return {t.FieldByName(u"ZugS"_s).AsString(),
            TimeCell(t, u"AbTime"_s),
            t.FieldByName(u"BhfS"_s).AsString(),
            t.FieldByName(u"GlsS"_s).AsString(),
            TimeCell(t, u"AnZeit"_s),
            t.FieldByName(u"BhfS1"_s).AsString(),
            t.FieldByName(u"GlsS1"_s).AsString()};
}

QStringList DispatcherCells(Cursor& t) {
    const bool arrives = t.FieldByName(u"IsTime"_s).AsBoolean();
    const bool leaves = t.FieldByName(u"IsTime1"_s).AsBoolean();
    return {t.FieldByName(u"ZugS"_s).AsString(),
            t.FieldByName(u"BhfS1"_s).AsString(),
            arrives ? TimeCell(t, u"AnZeit"_s) : QString(),
            t.FieldByName(u"GlsS"_s).AsString(),
            leaves ? TimeCell(t, u"AbTime"_s) : QString(),
            t.FieldByName(u"BhfS"_s).AsString()};
}

QStringList ErrorListCells(Cursor& t) {
    return {t.FieldByName(u"Fehler"_s).AsString(),
            t.FieldByName(u"Zug1"_s).AsString(),
            TimeCell(t, u"Uhrzeit"_s),
            t.FieldByName(u"Bhf1"_s).AsString(),
            t.FieldByName(u"Gls"_s).AsString(),
            t.FieldByName(u"Bhf2"_s).AsString(),
            t.FieldByName(u"Zug2"_s).AsString()};
}

QStringList StationRowCells(Cursor& t) {
    const QString next = t.FieldByName(u"NBhf"_s).AsString();
    const QString end = t.FieldByName(u"LBhf"_s).AsString();
    return {ShortTimeText(t.FieldByName(u"Uhrzeit"_s).AsDateTime()),
            t.FieldByName(u"Gleis"_s).AsString(),
            t.FieldByName(u"ZugN"_s).AsString(),
            next,
            next.isEmpty() ? QString() : ShortTimeText(t.FieldByName(u"ZeitNB"_s).AsDateTime()),
            end,
            end.isEmpty() ? QString() : ShortTimeText(t.FieldByName(u"ZeitLB"_s).AsDateTime())};
}
