#include "store/Tdm.h"

#include "store/TableSchema.h"
#include "tablestore/StoreError.h"

#include <QDir>

using namespace Qt::StringLiterals;

std::unique_ptr<Tdm> Tdm::Open(const QString& dir, QString& error) {
    std::unique_ptr<Tdm> dm(new Tdm);
    try {
        dm->Connect(dir);
    } catch (const StoreError& e) {
        error = e.Text();
        return nullptr;
    }
    error.clear();
    return dm;
}

void Tdm::Connect(const QString& dir) {
    DBAll.Open(dir, DfPlanTables());

    tBhfU.SetFilter(u"Mark"_s, false);
    tBhfM.SetFilter(u"Mark"_s, true);
    tBhfM.SetIndexName(u"IDX_FOLGE"_s);
    for (Cursor* tracks : {&tGleis, &tGleisU, &tGleisM})
        tracks->SetIndexName(u"IDX_BHFID"_s);
    tGleis.SetMaster(&tBhf, {u"BhfID"_s});
    tGleisU.SetMaster(&tBhfU, {u"BhfID"_s});
    tGleisM.SetMaster(&tBhfM, {u"BhfID"_s});

    tBhfPlan.SetIndexName(u"IDX_REFPLAN"_s);
    tBhfPlan.SetMaster(&tSavePlan, {u"REFPLAN"_s});
    tGlsPlan.SetIndexName(u"IDX_BHFID"_s);
    tGlsPlan.SetMaster(&tBhfPlan, {u"BHFID"_s});
    tZugPlan.SetIndexName(u"IDX_REFPLAN"_s);
    tZugPlan.SetMaster(&tSavePlan, {u"REFPLAN"_s});
    tZCntPlan.SetIndexName(u"IDX_ZCNT"_s);
    tZCntPlan.SetMaster(&tZugPlan, {u"LFD"_s});
    tTabSort.SetIndexName(u"IDX_BHF_ZUGS"_s);
    tTabPlan.SetIndexName(u"IDX_BUG"_s);

    for (Cursor* cursor :
         {&tBhf, &tGleis, &tBhfM, &tGleisM, &tBhfU, &tGleisU, &tSavePlan, &tBhfPlan, &tGlsPlan,
          &tZugPlan, &tZCntPlan, &tTabSort, &tTabCheck, &tTabPlan})
        cursor->Open();
}
