#include "store/PlanStoreRows.h"

#include "store/Tdm.h"
#include "tablestore/StoreError.h"

using namespace Qt::StringLiterals;

namespace PlanRows {

void RequireCurrentPlan(Tdm& dm) {
    if (!dm.tSavePlan.Active() || dm.tSavePlan.IsEmpty() ||
        dm.tSavePlan.GetState() == Cursor::State::Insert)
        throw StoreError(u"Es ist kein gespeicherter Fahrplan gewählt."_s);
}

void RefreshDetails(Tdm& dm) {
    dm.tBhfPlan.Refresh();
    dm.tZugPlan.Refresh();
}

void DeleteDetails(Tdm& dm) {
    RefreshDetails(dm);
    // Always the first row: each delete moves the detail on to the next
    // station or train, whose tracks or points its detail then shows.
    dm.tBhfPlan.First();
    for (int n = dm.tBhfPlan.RecordCount(); n > 0; --n) {
        dm.tGlsPlan.DeleteAll();
        dm.tBhfPlan.Delete();
    }
    dm.tZugPlan.First();
    for (int n = dm.tZugPlan.RecordCount(); n > 0; --n) {
        dm.tZCntPlan.DeleteAll();
        dm.tZugPlan.Delete();
    }
}

} // namespace PlanRows
