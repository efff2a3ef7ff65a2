#include "store/PlanStore.h"

#include "model/TimeOfDay.h"
#include "store/PlanStoreRows.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "tablestore/Transaction.h"

using namespace Qt::StringLiterals;

namespace {

// Counts outside the arrays can only come from a damaged plan in memory;
// storing them would write rows that no load could take back.
QString CheckCounts(const PlanRec& plan) {
    if (plan.StationCount < 0 || plan.StationCount > MaxStations)
        return u"Die Zahl der Bahnhöfe (%1) liegt außerhalb von 0 bis %2."_s.arg(plan.StationCount)
            .arg(MaxStations);
    if (plan.TrainCount < 0 || plan.TrainCount > MaxTrains)
        return u"Die Zahl der Züge (%1) liegt außerhalb von 0 bis %2."_s.arg(plan.TrainCount)
            .arg(MaxTrains);
    for (int i = 1; i <= plan.StationCount; ++i) {
        const int tracks = plan.Stations[i].TrackCount;
        if (tracks < 0 || tracks > MaxTracks)
            return u"Bahnhof %1 hat %2 Gleise; erlaubt sind 0 bis %3."_s.arg(i).arg(tracks).arg(
                MaxTracks);
    }
    for (int b = 1; b <= plan.TrainCount; ++b) {
        const PlanZug& zug = plan.Trains[b];
        if (zug.InUse && (zug.PointCount < 0 || zug.PointCount > MaxPoints))
            return u"Zug %1 hat %2 Punkte; erlaubt sind 0 bis %3."_s.arg(b)
                .arg(zug.PointCount)
                .arg(MaxPoints);
    }
    return QString();
}

void WriteHeader(Tdm& dm, const PlanRec& plan) {
    Cursor& t = dm.tSavePlan;
    t.FieldByName(u"NAME"_s).SetString(plan.PlanName);
    t.FieldByName(u"BESCHREIB"_s).SetString(plan.PlanDescription);
    t.FieldByName(u"UHRVON"_s).SetInteger(plan.StartHour);
    t.FieldByName(u"UHRBIS"_s).SetInteger(plan.EndHour);
    t.FieldByName(u"GRIDLINE"_s).SetInteger(plan.GridStyle);
    t.FieldByName(u"ZOOM"_s).SetInteger(plan.Zoom);
    t.FieldByName(u"BACKCOL"_s).SetInteger(static_cast<qint32>(plan.BackColor));
    t.FieldByName(u"TAKTFP"_s).SetBoolean(plan.Cyclic);
    t.FieldByName(u"ANZBHF"_s).SetInteger(plan.StationCount);
    t.FieldByName(u"ANZZUG"_s).SetInteger(plan.TrainCount);
    t.Post();
}

void WriteStations(Tdm& dm, const PlanRec& plan, int refPlan) {
    for (int i = 1; i <= plan.StationCount; ++i) {
        const PlanBhf& bhf = plan.Stations[i];
        Cursor& t = dm.tBhfPlan;
        t.Insert();
        t.FieldByName(u"REFPLAN"_s).SetInteger(refPlan);
        t.FieldByName(u"BHFBEZ"_s).SetString(bhf.Name);
        t.FieldByName(u"BHFABK"_s).SetString(bhf.Abbrev);
        t.FieldByName(u"ANZGLS"_s).SetInteger(bhf.TrackCount);
        t.Post();
        const int bhfId = t.FieldByName(u"BHFID"_s).AsKey();
        for (int j = 1; j <= bhf.TrackCount; ++j) {
            Cursor& g = dm.tGlsPlan;
            g.Insert();
            g.FieldByName(u"BHFID"_s).SetInteger(bhfId);
            g.FieldByName(u"GLSBEZ"_s).SetString(bhf.Tracks[j].Designation);
            g.Post();
        }
    }
}

void WriteTrains(Tdm& dm, const PlanRec& plan, int refPlan) {
    for (int b = 1; b <= plan.TrainCount; ++b) {
        const PlanZug& zug = plan.Trains[b];
        if (!zug.InUse)
            continue; // an abandoned insertion writes nothing
        Cursor& t = dm.tZugPlan;
        t.Insert();
        t.FieldByName(u"REFPLAN"_s).SetInteger(refPlan);
        t.FieldByName(u"NUM"_s).SetInteger(zug.Number);
        t.FieldByName(u"BEZ"_s).SetString(zug.Name);
        t.FieldByName(u"COL"_s).SetInteger(static_cast<qint32>(zug.Color));
        t.FieldByName(u"ANZCNT"_s).SetInteger(zug.PointCount);
        t.Post();
        const int lfd = t.FieldByName(u"LFD"_s).AsKey();
        for (int p = 1; p <= zug.PointCount; ++p) {
            const PlanCnt& cnt = zug.Points[p];
            Cursor& c = dm.tZCntPlan;
            c.Insert();
            c.FieldByName(u"ZCNT"_s).SetInteger(lfd);
            c.FieldByName(u"MODUS"_s).SetInteger(cnt.Modus);
            c.FieldByName(u"RICHTUNG"_s).SetInteger(cnt.Richtung);
            c.FieldByName(u"BHFIDX"_s).SetInteger(cnt.BhfIdx);
            c.FieldByName(u"GLSIDX"_s).SetInteger(cnt.GlsIdx);
            c.FieldByName(u"UHRZEIT"_s).SetString(TimeToText(cnt.Time));
            c.Post();
        }
    }
}

} // namespace

StoreResult StorePlan(Tdm& dm, const PlanRec& plan, std::uint8_t& docState, bool& modified) {
    const QString failed = u"Der Fahrplan „%1“ wurde nicht gespeichert: %2"_s;
    if (docState != DocNew && docState != DocStored)
        return StoreResult::Failed(failed.arg(plan.PlanName, u"Es ist kein Fahrplan geöffnet."_s));
    const QString wrong = CheckCounts(plan);
    if (!wrong.isEmpty())
        return StoreResult::Failed(failed.arg(plan.PlanName, wrong));
    QString notice;
    try {
        Transaction transaction(dm.DBAll);
        bool insert = docState == DocNew;
        if (!insert) {
            PlanRows::RequireCurrentPlan(dm);
            PlanRows::DeleteDetails(dm);
            // Another program may have deleted the header since it was read;
            // editing it would store details under no plan. Storing the plan
            // anew keeps it.
            if (!dm.tSavePlan.CurrentRowStored()) {
                dm.tSavePlan.Refresh();
                insert = true;
                notice = u"Der gespeicherte Fahrplan „%1“ wurde inzwischen von einem anderen "
                         u"Programm gelöscht; er wurde neu gespeichert."_s.arg(plan.PlanName);
            }
        }
        if (insert)
            dm.tSavePlan.Insert();
        else
            dm.tSavePlan.Edit();
        WriteHeader(dm, plan);
        const int refPlan = dm.tSavePlan.FieldByName(u"REFPLAN"_s).AsKey();
        WriteStations(dm, plan, refPlan);
        WriteTrains(dm, plan, refPlan);
        transaction.Commit();
    } catch (const StoreError& e) {
        return StoreResult::Failed(failed.arg(plan.PlanName, e.Text()));
    }
    docState = DocStored;
    modified = false;
    StoreResult result;
    result.Notice = notice;
    return result;
}

StoreResult DeletePlanDetails(Tdm& dm) {
    try {
        Transaction transaction(dm.DBAll);
        PlanRows::RequireCurrentPlan(dm);
        PlanRows::DeleteDetails(dm);
        transaction.Commit();
    } catch (const StoreError& e) {
        return StoreResult::Failed(
            u"Die Zeilen des Fahrplans wurden nicht gelöscht: %1"_s.arg(e.Text()));
    }
    return StoreResult{};
}

StoreResult DeleteStoredPlan(Tdm& dm) {
    try {
        Transaction transaction(dm.DBAll);
        PlanRows::RequireCurrentPlan(dm);
        PlanRows::DeleteDetails(dm);
        dm.tSavePlan.Delete();
        transaction.Commit();
    } catch (const StoreError& e) {
        return StoreResult::Failed(u"Der Fahrplan wurde nicht gelöscht: %1"_s.arg(e.Text()));
    }
    return StoreResult{};
}
