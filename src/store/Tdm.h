#pragma once

#include "store/TableSchema.h"
#include "tablestore/Cursor.h"
#include "tablestore/DataSource.h"
#include "tablestore/Database.h"

#include <QString>

#include <memory>

// The data module: database "DFPlan" with its ten tables, the fourteen
// cursors and their data sources. It lives from program start to exit.
class Tdm {
public:
    // Opens the tables in `dir` (the program's directory). A missing or
    // unreadable table gives nullptr and a German `error` naming the file and
    // what is wrong; nothing is created or written then.
    static std::unique_ptr<Tdm> Open(const QString& dir, QString& error);

    Tdm(const Tdm&) = delete;
    Tdm& operator=(const Tdm&) = delete;

    Database DBAll;

    Cursor tBhf{DBAll, BahnhofFile};
    Cursor tBhfU{DBAll, BahnhofFile};
    Cursor tBhfM{DBAll, BahnhofFile};
    Cursor tGleis{DBAll, BahnhofGleisFile};
    Cursor tGleisU{DBAll, BahnhofGleisFile};
    Cursor tGleisM{DBAll, BahnhofGleisFile};
    Cursor tSavePlan{DBAll, SavePlanFile};
    Cursor tBhfPlan{DBAll, BhfPlanFile};
    Cursor tGlsPlan{DBAll, GlsPlanFile};
    Cursor tZugPlan{DBAll, ZugPlanFile};
    Cursor tZCntPlan{DBAll, ZCntPlanFile};
    Cursor tTabSort{DBAll, TabsortFile};
    Cursor tTabCheck{DBAll, TmpCheckFile};
    Cursor tTabPlan{DBAll, TmpPlanFile};

    DataSource dsBhf{tBhf};
    DataSource dsBhfU{tBhfU};
    DataSource dsBhfM{tBhfM};
    DataSource dsGleis{tGleis};
    DataSource dsGleisU{tGleisU};
    DataSource dsGleisM{tGleisM};
    DataSource dsSavePlan{tSavePlan};
    DataSource dsBhfPlan{tBhfPlan};
    DataSource dsGlsPlan{tGlsPlan};
    DataSource dsZugPlan{tZugPlan};
    DataSource dsZCntPlan{tZCntPlan};
    DataSource dsTabsort{tTabSort};
    DataSource dsTabCheck{tTabCheck};
    DataSource dsTabPlan{tTabPlan};

private:
    Tdm() = default;
    void Connect(const QString& dir);
};
