#include "cli/CliCommands.h"
#include "cli/CliPlan.h"

#include "diagram/DiagramView.h"
#include "model/PlanRec.h"
#include "print/PdfTarget.h"
#include "print/PlanPrint.h"
#include "print/PrintEngine.h"
#include "print/TablePrint.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "views/ConflictScan.h"
#include "views/TimetableRows.h"

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

namespace {

int StoreFailed(const QString& text) {
    CliErr(u"zentoria-cli: "_s + text);
    return CliStoreError;
}

} // namespace

// print-table zuglauf|fahrdienst|bahnhofsfahrplan|fehlerliste PLAN --pdf FILE
// with the options of the views: the list as its print button prints it.
int CliPrintTable(CliContext& context) {
    QStringList args = context.Args;
    const QString usage =
        u"zentoria-cli: print-table erwartet zuglauf|fahrdienst|bahnhofsfahrplan|fehlerliste, "
        u"PLAN und --pdf DATEI (dazu --train NAME, --station NAME, --sort "
        u"zugnamen|ankunft|abfahrt, --typ ankunft|abfahrt)."_s;
    const QString file = TakeOption(args, u"--pdf"_s);
    const QString train = TakeOption(args, u"--train"_s);
    const QString station = TakeOption(args, u"--station"_s);
    const QString sortText = TakeOption(args, u"--sort"_s);
    const QString typeText = TakeOption(args, u"--typ"_s);
    static const QStringList lists = {u"zuglauf"_s, u"fahrdienst"_s, u"bahnhofsfahrplan"_s,
                                      u"fehlerliste"_s};
    static const QStringList sorts = {u"zugnamen"_s, u"ankunft"_s, u"abfahrt"_s};
    static const QStringList types = {u"ankunft"_s, u"abfahrt"_s};
    const int list = args.isEmpty() ? -1 : int(lists.indexOf(args[0]));
    const int sort = sortText.isEmpty() ? 0 : int(sorts.indexOf(sortText));
    const int type = int(types.indexOf(typeText));
    const bool needsStation = list == 1 || list == 2;
    if (args.size() != 2 || list < 0 || file.isEmpty() || sort < 0 ||
        (needsStation && station.isEmpty()) || (list == 2 && type < 0) ||
        args[1].startsWith(u"--"_s)) {
        CliErr(usage);
        return CliUsage;
    }
    int exitCode = CliOk;
    const auto plan = LoadCliPlan(context, args[1], exitCode);
    if (!plan)
        return exitCode;
    Tdm& dm = *context.Tables();
    TPrintEngine engine;
    TLayoutForm form;
    try {
        if (needsStation && !FillStationChoice(*plan).contains(station))
            return StoreFailed(u"Einen Bahnhof „%1“ gibt es im Fahrplan „%2“ nicht."_s.arg(
                station, plan->PlanName));
        switch (list) {
        case 0:
            RefillTrainRun(dm, *plan);
            if (!train.isEmpty() && !TrainChoice(dm.tTabSort).mid(1).contains(train))
                return StoreFailed(
                    u"Einen Zug „%1“ gibt es im Fahrplan „%2“ nicht."_s.arg(train, plan->PlanName));
            SelectTrainRange(dm.tTabSort, train);
            form = MakePrnPlanTab();
            PrepareListPrint(engine, form, dm.tTabSort, pkTrainRun, plan->PlanName,
                             plan->PlanDescription);
            break;
        case 1:
            RefillDispatcher(dm, *plan);
            SelectDispatcherRange(dm.tTabSort, station, sort);
            form = MakePrnPlanTab1();
            PrepareListPrint(engine, form, dm.tTabSort, pkDispatcher, plan->PlanName, station);
            break;
        case 2:
            RefillStationTimetable(dm, *plan);
            SelectStationRange(dm.tTabPlan, station, type);
            form = MakePrnFahr();
            PrepareStationPrint(engine, form, dm.tTabPlan, plan->PlanName,
                                StationTypeItems.value(type), station);
            break;
        default:
            ScanPlan(dm, *plan);
            form = MakePrnError();
            PrepareListPrint(engine, form, dm.tTabCheck, pkErrorList, plan->PlanName, QString());
            break;
        }
        if (engine.PageCount() == 0) {
            CliErr(u"zentoria-cli: Die Liste ist leer; es wurde nichts gedruckt."_s);
            return CliPrintError;
        }
        return PrintToPdf(engine, file, form.Find(u"ltitel"_s)->Caption);
    } catch (const StoreError& e) {
        return StoreFailed(e.Text());
    }
}
