#include "store/PlanStore.h"

#include "store/PlanStoreRows.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "tablestore/Transaction.h"

using namespace Qt::StringLiterals;

namespace {

const QString StationInUseText = u"Bahnhof kann nicht gelöscht werden -> Zugfahrten !"_s;
struct StationInUse {};

// Points at stations behind the removed one move one station to the front,
// so they stay at their stations. Refuses when a point uses the station.
void ShiftPoints(Tdm& dm, int station) {
    Cursor& t = dm.tZugPlan;
    Cursor& c = dm.tZCntPlan;
    // Check every point first, so nothing is written for a refused removal.
    for (int pass = 0; pass < 2; ++pass) {
        t.First();
        for (int b = 1; b <= t.RecordCount(); ++b) {
            t.SetRecNo(b);
            for (int p = 1; p <= c.RecordCount(); ++p) {
                c.SetRecNo(p);
                const int bhfIdx = c.FieldByName(u"BHFIDX"_s).AsInteger();
                if (pass == 0 && bhfIdx == station)
                    throw StationInUse{};
                if (pass == 1 && bhfIdx > station) {
                    c.Edit();
                    c.FieldByName(u"BHFIDX"_s).SetInteger(bhfIdx - 1);
                    c.Post();
                }
            }
        }
    }
}

} // namespace

StoreResult DeletePlanStation(Tdm& dm, int station, std::uint8_t docState) {
    const QString failed = u"Der Bahnhof wurde nicht gelöscht: %1"_s;
    // The stored rows of a plan that was never stored belong to another plan.
    if (docState != DocStored)
        return StoreResult::Failed(failed.arg(u"Der Fahrplan ist noch nicht gespeichert."_s));
    try {
        Transaction transaction(dm.DBAll);
        PlanRows::RequireCurrentPlan(dm);
        PlanRows::RefreshDetails(dm);
        Cursor& t = dm.tBhfPlan;
        if (station < 1 || station > t.RecordCount())
            throw StoreError(u"Der gespeicherte Fahrplan hat keinen Bahnhof %1."_s.arg(station));
        ShiftPoints(dm, station);
        t.SetRecNo(station);
        dm.tGlsPlan.DeleteAll();
        t.Delete();
        transaction.Commit();
    } catch (const StationInUse&) {
        return StoreResult::Failed(StationInUseText);
    } catch (const StoreError& e) {
        return StoreResult::Failed(failed.arg(e.Text()));
    }
    return StoreResult{};
}
