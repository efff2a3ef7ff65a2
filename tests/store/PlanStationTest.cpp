#include "StoreFixture.h"

#include "store/PlanStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct StationFixture : StoreFixture {
    StationFixture() {
        plan = MakePlan(4, 2, 2, 2);
        // Train 1 runs 1 → 2, train 2 runs 1 → 4; station 3 is free.
        plan->Trains[2].Points[2].BhfIdx = 4;
        StoreNew(*Dm, *MakePlan(3, 1, 1, 2)); // another plan, never touched
        StoreNew(*Dm, *plan);
    }
    std::unique_ptr<PlanRec> plan;
};

TEST(PlanStation, RemovesTheRowsAndKeepsPointsAtTheirStations) {
    StationFixture f;
    const StoreResult result = DeletePlanStation(*f.Dm, 3, DocStored);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_EQ(f.Rows(BhfPlanFile), 3 + 3);
    EXPECT_EQ(f.Rows(GlsPlanFile), 3 + 3 * 2);
    EXPECT_EQ(f.Orphans(), 0);
    auto loaded = std::make_unique<PlanRec>();
    ASSERT_TRUE(LoadPlan(*f.Dm, *loaded).Ok);
    ASSERT_EQ(loaded->StationCount, 3);
    EXPECT_EQ(loaded->Stations[3].Name, u"Bahnhof 4"_s);
    EXPECT_EQ(loaded->Trains[1].Points[2].BhfIdx, 2);
    EXPECT_EQ(loaded->Trains[2].Points[2].BhfIdx, 3); // still at "Bahnhof 4"
    // The other plan is as it was.
    f.Dm->tSavePlan.First();
    ASSERT_TRUE(LoadPlan(*f.Dm, *loaded).Ok);
    ExpectSamePlan(*loaded, *MakePlan(3, 1, 1, 2));
}

TEST(PlanStation, RefusesAUsedStationAPlanNeverStoredAndAStationNotThere) {
    StationFixture f;
    struct Case {
        int Station;
        std::uint8_t DocState;
        const char16_t* Error;
    };
    for (const Case& c : {
             Case{4, DocStored, u"Bahnhof kann nicht gelöscht werden -> Zugfahrten !"},
             Case{3, DocNew,
                  u"Der Bahnhof wurde nicht gelöscht: Der Fahrplan ist noch nicht "
                  u"gespeichert."},
             Case{5, DocStored,
                  u"Der Bahnhof wurde nicht gelöscht: Der gespeicherte Fahrplan "
                  u"hat keinen Bahnhof 5."},
         }) {
        const StoreResult result = DeletePlanStation(*f.Dm, c.Station, c.DocState);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Error, QString::fromUtf16(c.Error));
    }
    EXPECT_EQ(f.Rows(BhfPlanFile), 7);
    auto loaded = std::make_unique<PlanRec>();
    ASSERT_TRUE(LoadPlan(*f.Dm, *loaded).Ok);
    ExpectSamePlan(*loaded, *f.plan);
}

} // namespace
