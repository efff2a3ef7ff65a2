#include "store/SampleData.h"

#include "model/TimeOfDay.h"
#include "store/PlanStore.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "tablestore/Transaction.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct SampleStation {
    const char16_t* Name;
    const char16_t* Abk;
    int Tracks;
};

// The Talbahn from Oberweiler to Kesselbrunn, in line order.
constexpr SampleStation Line[] = {
    {u"Oberweiler Hbf", u"OWH", 6}, {u"Oberweiler Süd", u"OWS", 2}, {u"Lindenau", u"LIN", 3},
    {u"Mühlbach", u"MBH", 1},       {u"Haselfeld", u"HSF", 2},      {u"Steinach", u"STN", 4},
    {u"Rotenbühl", u"RTB", 1},      {u"Birkenhain", u"BKH", 2},     {u"Kaltenquell", u"KQL", 3},
    {u"Kesselbrunn", u"KBR", 5},
};

// Stations of the sample plan, as indexes into Line.
constexpr int PlanStations[] = {0, 2, 3, 5, 9};

// As the station editor makes them: BhfID from LfdNr, tracks 1 … n named by number.
void WriteStations(Tdm& dm) {
    Cursor& t = dm.tBhf;
    for (const SampleStation& s : Line) {
        t.Insert();
        t.FieldByName(u"Bahnhof"_s).SetString(QString::fromUtf16(s.Name));
        t.FieldByName(u"Abk"_s).SetString(QString::fromUtf16(s.Abk));
        t.FieldByName(u"NumGleise"_s).SetInteger(s.Tracks);
        t.FieldByName(u"Mark"_s).SetBoolean(false);
        t.Post();
        t.Edit();
        t.FieldByName(u"BhfID"_s).SetInteger(t.FieldByName(u"LfdNr"_s).AsKey());
        t.Post();
        for (int k = 1; k <= s.Tracks; ++k) {
            Cursor& g = dm.tGleis;
            g.Insert();
            g.FieldByName(u"GlsNum"_s).SetInteger(k);
            g.FieldByName(u"BhfID"_s).SetInteger(t.FieldByName(u"BhfID"_s).AsKey());
            g.FieldByName(u"Bez"_s).SetString(QString::number(k));
            g.Post();
        }
    }
}

// A train running to the right through the plan's stations with stops:
// departure, then arrival and departure at each stop, arrival at the end.
void AddTrain(PlanRec& plan, int number, const QString& name, TColor color, int startMinute,
              const int (&tracks)[5], const int (&runMinutes)[4]) {
    PlanZug& zug = plan.Trains[number];
    zug.InUse = true;
    zug.Number = number;
    zug.Name = name;
    zug.Color = color;
    int minute = startMinute;
    int p = 0;
    auto point = [&](int modus, int richtung, int bhf) {
        PlanCnt& cnt = zug.Points[++p];
        cnt.Modus = modus;
        cnt.Richtung = richtung;
        cnt.BhfIdx = bhf;
        cnt.GlsIdx = tracks[bhf - 1];
        cnt.Time = MinutesToTime(minute);
    };
    point(ModusDeparture, RichtungRight, 1);
    for (int bhf = 2; bhf <= 5; ++bhf) {
        minute += runMinutes[bhf - 2];
        point(ModusArrival, RichtungRight, bhf);
        if (bhf < 5) {
            minute += 1; // one minute's stop
            point(ModusStopDeparture, RichtungRight, bhf);
        }
    }
    zug.PointCount = p;
    plan.TrainCount = std::max(plan.TrainCount, number);
}

} // namespace

void MakeSamplePlan(PlanRec& plan) {
    ResetPlan(plan);
    plan.PlanName = u"Talbahn Werktag"_s;
    plan.PlanDescription = u"Beispiel: Oberweiler Hbf – Kesselbrunn, Morgen"_s;
    plan.StartHour = 6;
    plan.EndHour = 10;
    plan.GridStyle = 2;
    plan.Zoom = 4;
    plan.StationCount = int(std::size(PlanStations));
    for (int i = 1; i <= plan.StationCount; ++i) {
        const SampleStation& s = Line[PlanStations[i - 1]];
        PlanBhf& bhf = plan.Stations[i];
        bhf.InUse = true;
        bhf.Name = QString::fromUtf16(s.Name);
        bhf.Abbrev = QString::fromUtf16(s.Abk);
        bhf.TrackCount = s.Tracks;
        for (int j = 1; j <= s.Tracks; ++j)
            bhf.Tracks[j].Designation = QString::number(j);
    }
    AddTrain(plan, 1, u"RB 3101"_s, 0x0000FF, 6 * 60 + 10, {1, 1, 1, 1, 1}, {9, 6, 11, 14});
    AddTrain(plan, 2, u"RE 3201"_s, 0x008000, 6 * 60 + 40, {2, 2, 1, 2, 3}, {7, 5, 9, 12});
    AddTrain(plan, 3, u"RB 3103"_s, 0x800000, 7 * 60 + 10, {1, 1, 1, 1, 1}, {9, 6, 11, 14});
    AddTrain(plan, 4, u"Gz 6011"_s, 0x000080, 8 * 60 + 5, {6, 3, 1, 4, 5}, {12, 8, 15, 18});
}

bool WriteSampleData(Tdm& dm, bool stations, bool plan, QString& error) {
    try {
        Transaction transaction(dm.DBAll);
        if (stations)
            WriteStations(dm);
        if (plan) {
            auto sample = std::make_unique<PlanRec>();
            MakeSamplePlan(*sample);
            std::uint8_t docState = DocNew;
            bool modified = true;
            const StoreResult stored = StorePlan(dm, *sample, docState, modified);
            if (!stored)
                throw StoreError(stored.Error);
        }
        transaction.Commit();
    } catch (const StoreError& e) {
        error = e.Text();
        return false;
    }
    return true;
}
