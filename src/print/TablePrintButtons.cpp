// The print buttons "Tabelle ausdrucken" of the three table windows and the
// error list: what the window shows goes through the print preview.
#include "print/TFPageBar.h"
#include "print/TPrintPreview.h"
#include "print/TablePrint.h"

#include "model/PlanRec.h"
#include "platform/Messages.h"
#include "store/Tdm.h"
#include "views/TFFahrdienst.h"
#include "views/TFPlanError.h"
#include "views/TFTabAnAb.h"
#include "views/TFTabPlan.h"

#include <QComboBox>

#include <exception>

namespace {

TPrintPreview& Preview(QWidget* owner) {
    if (TPrintPreview* p = ThePrintPreview())
        return *p;
    return *new TPrintPreview(owner);
}

// Runs one print job: the preparation adds the pages, the preview shows
// them; the page list is empty afterwards, also after an error.
template <typename Prepare> void RunPrint(QWidget* owner, Prepare prepare) {
    TPrintPreview& preview = Preview(owner);
    TPrintEngine& engine = preview.Engine;
    auto reset = [&engine] {
        engine.Clear();
        engine.FillList = {};
        engine.DrawPaintBox = {};
    };
    try {
        if (prepare(engine) > 0)
            preview.ShowPreview();
        reset();
    } catch (const std::exception& e) {
        reset();
        ShowMessageBox(QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
    }
}

const TListProgress* PageBarProgress() {
    return ThePageBar().Progress();
}

} // namespace

void TFTabPlan::PrnPlanTabBtnClick() {
    TLayoutForm form = MakePrnPlanTab();
    RunPrint(this, [&](TPrintEngine& engine) {
        return PrepareListPrint(engine, form, Dm.tTabSort, pkTrainRun, Plan.PlanName,
                                Plan.PlanDescription, PageBarProgress);
    });
}

void TFFahrdienst::PrnPlanTabBtnClick() {
    TLayoutForm form = MakePrnPlanTab1();
    RunPrint(this, [&](TPrintEngine& engine) {
        return PrepareListPrint(engine, form, Dm.tTabSort, pkDispatcher, Plan.PlanName,
                                cbsort->currentText(), PageBarProgress);
    });
}

void TFTabAnAb::PrnPlanTabBtnClick() {
    TLayoutForm form = MakePrnFahr();
    RunPrint(this, [&](TPrintEngine& engine) {
        return PrepareStationPrint(engine, form, Dm.tTabPlan, Plan.PlanName, cbTyp->currentText(),
                                   cbsort->currentText());
    });
}

void TFPlanError::PrnPlanTabBtnClick() {
    if (!Source)
        return;
    TLayoutForm form = MakePrnError();
    RunPrint(this, [&](TPrintEngine& engine) {
        return PrepareListPrint(engine, form, *Source, pkErrorList, PlanName, QString(),
                                PageBarProgress);
    });
}
