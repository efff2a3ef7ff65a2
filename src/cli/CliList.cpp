#include "cli/CliCommands.h"

#include "store/Tdm.h"
#include "tablestore/StoreError.h"

using namespace Qt::StringLiterals;

namespace {

// A tab or line break inside a name would split its line or its columns
// for whoever reads the list.
QString OneLine(QString name) {
    for (QChar& c : name)
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' ||
            c == QChar(0x85) || c == QChar(0x2028) || c == QChar(0x2029))
            c = u' ';
    return name;
}

} // namespace

// list: one line per stored plan, REFPLAN<TAB>NAME, in REFPLAN order; tabs
// and line breaks in names are printed as spaces.
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
                   OneLine(t.FieldByName(u"NAME"_s).AsString()));
        }
    } catch (const StoreError& e) {
        CliErr(u"zentoria-cli: "_s + e.Text());
        return CliStoreError;
    }
    return CliOk;
}
