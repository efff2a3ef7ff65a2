// The timetable commands: the conflict scan and the three views as
// tab-separated text, through the same refill, index and range as the windows.
#include "cli/CliCommands.h"
#include "cli/CliPlan.h"

#include "model/PlanRec.h"
#include "store/PlanStore.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"
#include "views/ConflictScan.h"
#include "views/TimetableRows.h"

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Takes "--name VALUE" (or "--name=VALUE") out of args.
std::optional<QString> TakeOption(QStringList& args, const QString& name, bool& missingValue) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size()) {
                missingValue = true;
                return std::nullopt;
            }
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(name + u'=')) {
            const QString value = args[i].mid(name.size() + 1);
            args.removeAt(i);
            return value;
        }
    }
    return std::nullopt;
}

void PrintRow(const QStringList& cells) {
    CliOut(cells.join(u'\t'));
}

// The stored plan named by PLAN in memory; an exit code other than CliOk
// after printing why not.
int LoadNamed(CliContext& context, const QString& name, Tdm*& dm, PlanRec& plan) {
    dm = context.Tables();
    if (!dm)
        return CliStoreError;
    QString error;
    if (!SelectPlan(*dm, name, error)) {
        CliErr(u"zentoria-cli: "_s + error);
        return CliStoreError;
    }
    const StoreResult loaded = LoadPlan(*dm, plan);
    if (!loaded) {
        CliErr(u"zentoria-cli: "_s + loaded.Error);
        return CliStoreError;
    }
    return CliOk;
}

int StoreFailure(const StoreError& e) {
    CliErr(u"zentoria-cli: "_s + e.Text());
    return CliStoreError;
}

int UnknownStation(const QString& station, const PlanRec& plan) {
    CliErr(u"zentoria-cli: Einen Bahnhof „%1“ gibt es im Fahrplan „%2“ nicht."_s.arg(
        station, plan.PlanName));
    return CliStoreError;
}

// Rest of the arguments after the options: exactly PLAN; `valid` says
// whether the options were complete and known.
bool OnlyPlanLeft(const QStringList& args, const char* command, const QString& expected,
                  bool valid = true) {
    if (valid && args.size() == 1 && !args[0].startsWith(u"--"_s))
        return true;
    CliErr(u"zentoria-cli: %1 erwartet %2."_s.arg(QString::fromLatin1(command), expected));
    return false;
}

} // namespace

int CliScan(CliContext& context) {
    const QStringList& args = context.Args;
    if (!OnlyPlanLeft(args, "scan", u"PLAN"_s))
        return CliUsage;
    Tdm* dm = nullptr;
    auto plan = std::make_unique<PlanRec>();
    try {
        if (const int code = LoadNamed(context, args[0], dm, *plan); code != CliOk)
            return code;
        if (!ScanPlan(*dm, *plan)) {
            CliOut(u"Keine Fehler festgestellt !"_s);
            return CliOk;
        }
        PrintRow(ErrorListHeaders);
        Cursor& t = dm->tTabCheck;
        for (t.First(); !t.Eof(); t.Next())
            PrintRow(ErrorListCells(t));
    } catch (const StoreError& e) {
        return StoreFailure(e);
    }
    return CliOk;
}

int CliZuglauf(CliContext& context) {
    QStringList args = context.Args;
    bool missing = false;
    const std::optional<QString> train = TakeOption(args, u"--train"_s, missing);
    if (!OnlyPlanLeft(args, "zuglauf", u"PLAN (und wahlweise --train NAME)"_s, !missing))
        return CliUsage;
    Tdm* dm = nullptr;
    auto plan = std::make_unique<PlanRec>();
    try {
        if (const int code = LoadNamed(context, args[0], dm, *plan); code != CliOk)
            return code;
        RefillTrainRun(*dm, *plan);
        Cursor& t = dm->tTabSort;
        if (train) {
            const QStringList choice = TrainChoice(t);
            if (!choice.mid(1).contains(*train)) {
                CliErr(u"zentoria-cli: Einen Zug „%1“ gibt es im Fahrplan „%2“ nicht."_s.arg(
                    *train, plan->PlanName));
                return CliStoreError;
            }
        }
        SelectTrainRange(t, train.value_or(QString()));
        PrintRow(TrainRunHeaders);
        for (t.First(); !t.Eof(); t.Next())
            PrintRow(TrainRunCells(t));
    } catch (const StoreError& e) {
        return StoreFailure(e);
    }
    return CliOk;
}

int CliFahrdienst(CliContext& context) {
    QStringList args = context.Args;
    bool missing = false;
    const std::optional<QString> station = TakeOption(args, u"--station"_s, missing);
    const std::optional<QString> sortText = TakeOption(args, u"--sort"_s, missing);
    static const QStringList sorts = {u"zugnamen"_s, u"ankunft"_s, u"abfahrt"_s};
    const int sort = sortText ? int(sorts.indexOf(*sortText)) : 0;
    if (!OnlyPlanLeft(args, "fahrdienst",
                      u"PLAN --station NAME (und wahlweise --sort zugnamen|ankunft|abfahrt)"_s,
                      !missing && station && sort >= 0))
        return CliUsage;
    Tdm* dm = nullptr;
    auto plan = std::make_unique<PlanRec>();
    try {
        if (const int code = LoadNamed(context, args[0], dm, *plan); code != CliOk)
            return code;
        if (!FillStationChoice(*plan).contains(*station))
            return UnknownStation(*station, *plan);
        RefillDispatcher(*dm, *plan);
        Cursor& t = dm->tTabSort;
        SelectDispatcherRange(t, *station, sort);
        PrintRow(DispatcherHeaders);
        for (t.First(); !t.Eof(); t.Next())
            PrintRow(DispatcherCells(t));
    } catch (const StoreError& e) {
        return StoreFailure(e);
    }
    return CliOk;
}

int CliBahnhofsfahrplan(CliContext& context) {
    QStringList args = context.Args;
    bool missing = false;
    const std::optional<QString> station = TakeOption(args, u"--station"_s, missing);
    const std::optional<QString> typeText = TakeOption(args, u"--typ"_s, missing);
    static const QStringList types = {u"ankunft"_s, u"abfahrt"_s};
    const int type = typeText ? int(types.indexOf(*typeText)) : -1;
    if (!OnlyPlanLeft(args, "bahnhofsfahrplan", u"PLAN --station NAME --typ ankunft|abfahrt"_s,
                      !missing && station && type >= 0))
        return CliUsage;
    Tdm* dm = nullptr;
    auto plan = std::make_unique<PlanRec>();
    try {
        if (const int code = LoadNamed(context, args[0], dm, *plan); code != CliOk)
            return code;
        if (!FillStationChoice(*plan).contains(*station))
            return UnknownStation(*station, *plan);
        RefillStationTimetable(*dm, *plan);
        Cursor& t = dm->tTabPlan;
        SelectStationRange(t, *station, type);
        PrintRow(StationRowHeaders);
        for (t.First(); !t.Eof(); t.Next())
            PrintRow(StationRowCells(t));
    } catch (const StoreError& e) {
        return StoreFailure(e);
    }
    return CliOk;
}
