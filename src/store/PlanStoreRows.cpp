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
    // Tracks and points go by their plan in one statement each, then the
    // station and train rows; the detail views follow as their masters empty.
    Database& db = dm.DBAll;
    const QVariant refPlan = dm.tSavePlan.FieldByName(u"REFPLAN"_s).Value();
    db.Execute(u"DELETE FROM %1 WHERE BHFID IN (SELECT BHFID FROM %2 WHERE REFPLAN = ?)"_s.arg(
                   db.QualifiedName(GlsPlanFile), db.QualifiedName(BhfPlanFile)),
               {refPlan});
    db.Execute(u"DELETE FROM %1 WHERE ZCNT IN (SELECT LFD FROM %2 WHERE REFPLAN = ?)"_s.arg(
                   db.QualifiedName(ZCntPlanFile), db.QualifiedName(ZugPlanFile)),
               {refPlan});
    RefreshDetails(dm);
    dm.tBhfPlan.DeleteAll();
    dm.tZugPlan.DeleteAll();
}

} // namespace PlanRows
