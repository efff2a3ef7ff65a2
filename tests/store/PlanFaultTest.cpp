#include "StoreFixture.h"

#include "store/PlanStore.h"
#include "tablestore/Database.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct FaultFixture : StoreFixture {
    FaultFixture() {
        old = MakePlan(5, 2, 3, 4);
        old->PlanName = u"Alt"_s;
        old->Trains[1].Points[4].BhfIdx = 5;  // moves when station 4 goes
        StoreNew(*Dm, *MakePlan(2, 1, 1, 2)); // a neighbour that must stay untouched
        StoreNew(*Dm, *old);
        changed = MakePlan(4, 3, 4, 6);
        changed->PlanName = u"Neu"_s;
    }
    // The state every failed routine must leave behind.
    void ExpectUnchanged() {
        EXPECT_EQ(Dm->DBAll.TransactionDepth, 0);
        EXPECT_EQ(Orphans(), 0);
        EXPECT_EQ(Rows(SavePlanFile), 2);
        EXPECT_EQ(Rows(BhfPlanFile), 7);
        EXPECT_EQ(Rows(GlsPlanFile), 12);
        EXPECT_EQ(Rows(ZugPlanFile), 4);
        EXPECT_EQ(Rows(ZCntPlanFile), 14);
        ASSERT_EQ(Dm->tSavePlan.RecNo(), 2); // still on the old plan
        auto loaded = std::make_unique<PlanRec>();
        ASSERT_TRUE(LoadPlan(*Dm, *loaded).Ok);
        ExpectSamePlan(*loaded, *old);
    }
    std::unique_ptr<PlanRec> old;
    std::unique_ptr<PlanRec> changed;
};

// Fails the routine at its 1st, 2nd, … write, up to and including the
// commit, and checks after each that nothing stored changed.
template <typename Routine> void FailAtEveryWrite(Routine routine) {
    int writes = 0;
    {
        FaultFixture clean;
        const int before = clean.Dm->DBAll.WriteCount();
        ASSERT_TRUE(routine(clean).Ok);
        writes = clean.Dm->DBAll.WriteCount() - before;
    }
    ASSERT_GT(writes, 2);
    FaultFixture f;
    for (int n = 1; n <= writes; ++n) {
        SCOPED_TRACE("write " + std::to_string(n) + " of " + std::to_string(writes));
        f.Dm->DBAll.FailNthWrite(n);
        const StoreResult result = routine(f);
        ASSERT_FALSE(result.Ok);
        EXPECT_TRUE(result.Error.endsWith(u"Lese- oder Schreibfehler des Datenträgers."_s))
            << result.Error.toStdString();
        f.ExpectUnchanged();
    }
    f.Dm->DBAll.FailNthWrite(0);
    EXPECT_TRUE(routine(f).Ok);
}

TEST(PlanFault, ReplacingAStoredPlanIsAllOrNothing) {
    FailAtEveryWrite([](FaultFixture& f) {
        std::uint8_t docState = DocStored;
        bool modified = true;
        const StoreResult result = StorePlan(*f.Dm, *f.changed, docState, modified);
        EXPECT_EQ(docState, DocStored);
        EXPECT_EQ(modified, !result.Ok);
        return result;
    });
}

TEST(PlanFault, StoringANewPlanIsAllOrNothing) {
    FailAtEveryWrite([](FaultFixture& f) {
        std::uint8_t docState = DocNew;
        bool modified = true;
        const StoreResult result = StorePlan(*f.Dm, *f.changed, docState, modified);
        EXPECT_EQ(docState, result.Ok ? DocStored : DocNew);
        EXPECT_EQ(modified, !result.Ok);
        return result;
    });
}

TEST(PlanFault, DeletingAPlanIsAllOrNothing) {
    FailAtEveryWrite([](FaultFixture& f) { return DeleteStoredPlan(*f.Dm); });
}

TEST(PlanFault, DeletingPlanDetailsIsAllOrNothing) {
    FailAtEveryWrite([](FaultFixture& f) { return DeletePlanDetails(*f.Dm); });
}

TEST(PlanFault, RemovingAStationIsAllOrNothing) {
    FailAtEveryWrite([](FaultFixture& f) {
        // No point of the old plan is at station 4; one behind it moves.
        return DeletePlanStation(*f.Dm, 4, DocStored);
    });
}

} // namespace
