#include "cli/CliCommands.h"

#include "store/Tdm.h"
#include "tablestore/StoreError.h"

using namespace Qt::StringLiterals;

// list: one line per stored plan, REFPLAN<TAB>NAME, in REFPLAN order.
int CliList(CliContext& context) {
    if (!context.Args.isEmpty()) {
        CliErr(u"zentoria-cli: list erwartet keine Argumente."_s);
        return CliUsage;
    }
    Tdm* dm = context.Tables();
    if (!dm)
        return CliStoreError;
    try {
        Cursor& t = dm->tSavePlan;
        for (int i = 1; i <= t.RecordCount(); ++i) {
            t.SetRecNo(i);
            CliOut(t.FieldByName(u"REFPLAN"_s).AsString() + u'\t' +
                   t.FieldByName(u"NAME"_s).AsString());
        }
    } catch (const StoreError& e) {
        CliErr(u"zentoria-cli: "_s + e.Text());
        return CliStoreError;
    }
    return CliOk;
}
