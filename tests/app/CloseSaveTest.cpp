#include "StoreFixture.h"
#include "ScriptedRunner.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "store/PlanStore.h"

#include <gtest/gtest.h>

namespace {

// The running program's data module on a scratch directory.
struct ProgramTables : StoreFixture {
    ProgramTables() { dm = Dm.get(); }
    ~ProgramTables() { dm = nullptr; }
};

} // namespace

TEST(CloseWithSave, YesStoresTheNewPlan) {
    ProgramTables tables;
    ScriptedRunner runner;
    TFMain w;
    auto plan = MakePlan(2, 2, 1, 2);
    w.Plan = *plan;
    w.Plan.PlanName = QStringLiteral("Abend");
    w.DocState = DocNew;
    w.Modified = true;
    runner.QueueYes();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(tables.Rows(QStringLiteral("SavePlan.DAT")), 1);
    EXPECT_EQ(w.DocState, DocStored);
    EXPECT_FALSE(w.Modified);
}

TEST(CloseWithSave, FailedStoreShowsTheErrorKeepsWindowAndStoredPlan) {
    ProgramTables tables;
    auto stored = MakePlan(2, 3, 2, 4);
    StoreNew(*tables.Dm, *stored);
    const int rowsBefore = tables.Rows(QStringLiteral("ZCntPlan.DAT"));

    ScriptedRunner runner;
    TFMain w;
    w.Plan = *MakePlan(3, 2, 3, 6);
    w.DocState = DocStored; // replaces the stored plan
    w.Modified = true;
    w.show();
    tables.Dm->DBAll.FailNthWrite(5);
    runner.QueueYes();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Modified);
    EXPECT_EQ(w.DocState, DocStored);
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[1].Title, QStringLiteral("Fehler"));
    EXPECT_FALSE(runner.Shown[1].Text.isEmpty());

    // The stored plan is untouched.
    tables.Dm->DBAll.FailNthWrite(0);
    EXPECT_EQ(tables.Rows(QStringLiteral("ZCntPlan.DAT")), rowsBefore);
    EXPECT_EQ(tables.Orphans(), 0);
    PlanRec loaded;
    tables.Dm->tSavePlan.First();
    ASSERT_TRUE(LoadPlan(*tables.Dm, loaded));
    ExpectSamePlan(loaded, *stored);

    // With the store working again the plan is saved and the window closes.
    runner.QueueYes();
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.Modified);
}
