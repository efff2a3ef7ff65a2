#include "cli/CliPlan.h"

#include "cli/CliCommands.h"
#include "model/PlanRec.h"
#include "store/PlanStore.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"

using namespace Qt::StringLiterals;

bool SelectPlan(Tdm& dm, const QString& arg, QString& error) {
    try {
        Cursor& t = dm.tSavePlan;
        bool isNumber = false;
        const int number = arg.toInt(&isNumber);
        if (isNumber && t.FindKey({number}))
            return true;
        int found = 0;
        int at = 0;
        for (int i = 1; i <= t.RecordCount(); ++i) {
            t.SetRecNo(i);
            if (t.FieldByName(u"NAME"_s).AsString() == arg) {
                ++found;
                at = i;
            }
        }
        if (found == 1) {
            t.SetRecNo(at);
            return true;
        }
        error = found == 0 ? u"Einen gespeicherten Fahrplan „%1“ gibt es nicht."_s.arg(arg)
                           : u"Der Name „%1“ passt auf %2 gespeicherte Fahrpläne; bitte die "
                             u"Nummer (REFPLAN) angeben."_s.arg(arg)
                                 .arg(found);
    } catch (const StoreError& e) {
        error = e.Text();
    }
    return false;
}

std::unique_ptr<PlanRec> LoadCliPlan(CliContext& context, const QString& arg, int& exitCode) {
    exitCode = CliStoreError;
    Tdm* dm = context.Tables();
    if (!dm)
        return nullptr;
    QString error;
    if (!SelectPlan(*dm, arg, error)) {
        CliErr(u"zentoria-cli: "_s + error);
        return nullptr;
    }
    // A plan is large; keep it off the stack.
    auto plan = std::make_unique<PlanRec>();
    try {
        const StoreResult loaded = LoadPlan(*dm, *plan);
        if (!loaded) {
            CliErr(u"zentoria-cli: "_s + loaded.Error);
            return nullptr;
        }
    } catch (const StoreError& e) {
        CliErr(u"zentoria-cli: "_s + e.Text());
        return nullptr;
    }
    exitCode = CliOk;
    return plan;
}
