#include "cli/CliCommands.h"
#include "cli/CliPlan.h"

#include "diagram/DiagramView.h"
#include "export/PictureExport.h"
#include "model/PlanRec.h"
#include "store/PlanStore.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"

#include <memory>

using namespace Qt::StringLiterals;

// export PLAN FILE [--bw]: the stored plan's diagram as the export button
// writes it, in colour unless --bw. Batch use: an existing file is replaced
// (through a temporary file, so a failure leaves it as it was).
int CliExport(CliContext& context) {
    QStringList args = context.Args;
    const bool blackAndWhite = args.removeAll(u"--bw"_s) > 0;
    if (args.size() != 2) {
        CliErr(u"zentoria-cli: export erwartet PLAN und DATEI (und wahlweise --bw)."_s);
        return CliUsage;
    }
    const QString& file = args[1];
    const QString refusal = ExtensionRefusal(file);
    if (!refusal.isEmpty()) {
        CliErr(u"zentoria-cli: "_s + refusal);
        return CliUsage;
    }
    Tdm* dm = context.Tables();
    if (!dm)
        return CliStoreError;
    QString error;
    if (!SelectPlan(*dm, args[0], error)) {
        CliErr(u"zentoria-cli: "_s + error);
        return CliStoreError;
    }
    // A plan is large; keep it off the stack.
    auto plan = std::make_unique<PlanRec>();
    try {
        const StoreResult loaded = LoadPlan(*dm, *plan);
        if (!loaded) {
            CliErr(u"zentoria-cli: "_s + loaded.Error);
            return CliStoreError;
        }
    } catch (const StoreError& e) {
        CliErr(u"zentoria-cli: "_s + e.Text());
        return CliStoreError;
    }
    DiagramView view;
    view.ColourPrint = !blackAndWhite;
    const QString failure = ExportPicture(*plan, view, file);
    if (!failure.isEmpty()) {
        CliErr(u"zentoria-cli: "_s + failure);
        return CliExportError;
    }
    return CliOk;
}
