#include "cli/CliCommands.h"
#include "cli/CliPlan.h"

#include "diagram/DiagramView.h"
#include "model/PlanRec.h"
#include "print/PdfTarget.h"
#include "print/PlanPrint.h"
#include "print/PrintEngine.h"

using namespace Qt::StringLiterals;

// The value after an option (--pdf FILE), taken out of args; empty when the
// option is missing or has no value.
QString TakeOption(QStringList& args, const QString& option) {
    const qsizetype at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size())
        return QString();
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

int PrintToPdf(TPrintEngine& engine, const QString& file, const QString& title) {
    if (engine.PageCount() == 0) {
        CliErr(u"zentoria-cli: Es gibt keine Seite zu drucken."_s);
        return CliPrintError;
    }
    TPdfTarget pdf(file, title);
    QString error = PrintPages(engine, pdf, 1, 1, engine.PageCount());
    if (error.isEmpty() && !pdf.Commit())
        error = pdf.Error();
    engine.Clear();
    if (!error.isEmpty()) {
        CliErr(u"zentoria-cli: "_s + error);
        return CliPrintError;
    }
    return CliOk;
}

// print PLAN --pdf FILE [--fit] [--bw]: the diagram as the print menu
// prints it, one PDF page per sheet.
int CliPrint(CliContext& context) {
    QStringList args = context.Args;
    const bool fit = args.removeAll(u"--fit"_s) > 0;
    const bool blackAndWhite = args.removeAll(u"--bw"_s) > 0;
    const QString file = TakeOption(args, u"--pdf"_s);
    if (args.size() != 1 || file.isEmpty()) {
        CliErr(u"zentoria-cli: print erwartet PLAN und --pdf DATEI (wahlweise --fit, --bw)."_s);
        return CliUsage;
    }
    int exitCode = CliOk;
    const auto plan = LoadCliPlan(context, args[0], exitCode);
    if (!plan)
        return exitCode;
    DiagramView view;
    view.ColourPrint = !blackAndWhite;
    TPlanPicture picture(*plan, view);
    TLayoutForm form = MakePagePlan();
    TPrintEngine engine;
    PreparePlanPrint(engine, form, picture, *plan, !fit);
    return PrintToPdf(engine, file, form.Find(u"ltitel"_s)->Caption);
}
