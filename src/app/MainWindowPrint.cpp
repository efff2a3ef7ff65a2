// The menu "Drucken": the diagram at full size or fitted to one sheet.
#include "app/MainWindow.h"

#include "platform/Messages.h"
#include "print/PlanPrint.h"
#include "print/TPrintPreview.h"

#include <QAction>

#include <exception>

namespace {

// The preview of the program, made with the main window and kept.
TPrintPreview& Preview(TFMain* owner) {
    if (TPrintPreview* p = ThePrintPreview())
        return *p;
    return *new TPrintPreview(owner);
}

void PrintPlan(TFMain& main, bool fullSize) {
    TPrintPreview& preview = Preview(&main);
    TPrintEngine& engine = preview.Engine;
    try {
        // The layout form and the picture live only during the command; the
        // picture draws each page's tile when the page is drawn.
        TLayoutForm form = MakePagePlan();
        TPlanPicture picture(main.Plan, main.CurrentView());
        PreparePlanPrint(engine, form, picture, main.Plan, fullSize);
        preview.ShowPreview();
        engine.Clear();
        engine.DrawPlanBox = {};
    } catch (const std::exception& e) {
        engine.Clear();
        engine.DrawPlanBox = {};
        ShowMessageBox(QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
    }
}

} // namespace

void TFMain::ConnectPrint() {
    Preview(this);
    connect(dxBarButton3, &QAction::triggered, this, [this] { PrnPlanBtnClick(); });
    connect(dxBarButton5, &QAction::triggered, this, [this] { PrnPage1Click(); });
}

void TFMain::PrnPlanBtnClick() {
    PrintPlan(*this, true);
}

void TFMain::PrnPage1Click() {
    PrintPlan(*this, false);
}
