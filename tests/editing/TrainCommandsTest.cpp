#include "EditingFixture.h"
#include "diagram/ColorTable.h"
#include "editing/TrainCommands.h"
#include "editing/TrainInsert.h"

#include <gtest/gtest.h>

namespace {

// Four one-run trains; train 2 or the one given is marked.
struct FourTrains : DrawnPlan {
    explicit FourTrains(int marked = 2) : DrawnPlan({2, 2}, 6, 8, 1) {
        for (int i = 0; i < 4; ++i)
            AddRun(Plan, ColorTableEntry(i), 1, 1, 6, 10 + i, 2, 1, 6, 40 + i, RichtungRight);
        State.EditMode = EditTrains;
        State.SelTrain = State.InsertTrain = marked;
        State.SelPoint = 1;
        State.TrainMarked = true;
    }
};

} // namespace

TEST(DeleteTrain, SlotsBehindMoveDownWithTheirNames) {
    FourTrains d(2);
    QString error;
    ASSERT_TRUE(DeleteSelectedTrain(d.Plan, d.State, d.Modified, error));
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(d.Plan.TrainCount, 3);
    EXPECT_FALSE(d.State.TrainMarked);
    EXPECT_EQ(d.State.SelTrain, 2);
    EXPECT_EQ(d.Plan.Trains[2].Name, QStringLiteral("Zug #3"));
    EXPECT_EQ(d.Plan.Trains[2].Number, 3);
    EXPECT_EQ(d.Plan.Trains[3].Name, QStringLiteral("Zug #4"));
    EXPECT_EQ(d.Plan.Trains[3].Color, ColorTableEntry(3));
    EXPECT_FALSE(d.Plan.Trains[4].InUse);
    EXPECT_EQ(d.Plan.Trains[4].PointCount, 0);
    // a second press right after answers that nothing is marked
    d.Modified = false;
    EXPECT_FALSE(DeleteSelectedTrain(d.Plan, d.State, d.Modified, error));
    EXPECT_EQ(error, QStringLiteral("Kein Zug markiert"));
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(d.Plan.TrainCount, 3);
}

TEST(DeleteTrain, TheLastSlotEmptiesAndLeavesNothingSelected) {
    FourTrains d(4);
    QString error;
    ASSERT_TRUE(DeleteSelectedTrain(d.Plan, d.State, d.Modified, error));
    EXPECT_EQ(d.Plan.TrainCount, 3);
    EXPECT_FALSE(d.Plan.Trains[4].InUse);
    EXPECT_EQ(d.Plan.Trains[4].PointCount, 0);
    EXPECT_EQ(d.State.SelTrain, 0);
    EXPECT_EQ(d.State.SelPoint, 0);
    EXPECT_EQ(d.State.InsertTrain, 0);
    // the next new train takes the slot again, named after it, with no points
    ASSERT_TRUE(NewTrain(d.Plan, d.State, clBlue, error));
    EXPECT_EQ(d.State.InsertTrain, 4);
    EXPECT_EQ(d.Plan.Trains[4].Name, QStringLiteral("Zug #4"));
    EXPECT_EQ(d.Plan.Trains[4].PointCount, 0);
    EXPECT_EQ(d.Plan.Trains[4].Points[1].MarkerRect, TRect{});
}

TEST(DeleteTrain, AMarkOnAnEmptySlotDeletesNothing) {
    FourTrains d(3);
    d.Plan.Trains[3].InUse = false;
    QString error;
    EXPECT_FALSE(DeleteSelectedTrain(d.Plan, d.State, d.Modified, error));
    EXPECT_EQ(error, QStringLiteral("Kein Zug markiert"));
    EXPECT_EQ(d.Plan.TrainCount, 4);
    EXPECT_FALSE(d.State.TrainMarked);
}

TEST(RenameTrain, RefusalsAndTheTenCharacterBound) {
    {
        DrawnPlan d({2, 2}, 6, 8, 1);
        EXPECT_EQ(RenameRefusal(d.Plan, d.State), QStringLiteral("Kein Zug gespeichert"));
    }
    FourTrains d(2);
    d.State.TrainMarked = false;
    EXPECT_EQ(RenameRefusal(d.Plan, d.State), QStringLiteral("Kein Zug markiert"));
    EXPECT_FALSE(RenameTrain(d.Plan, d.State, d.Modified, QStringLiteral("IC 1")));
    EXPECT_FALSE(d.Modified);
    d.State.TrainMarked = true;
    EXPECT_TRUE(RenameRefusal(d.Plan, d.State).isEmpty());
    struct Case {
        const char* Typed;
        const char* Stored;
    } cases[] = {
        {"ICE 1234 X", "ICE 1234 X"}, {"ICE 1234 XY", "ICE 1234 X"}, {"", ""}, {"Ölzug", "Ölzug"}};
    for (const Case& c : cases) {
        d.Modified = false;
        ASSERT_TRUE(RenameTrain(d.Plan, d.State, d.Modified, QString::fromUtf8(c.Typed)));
        EXPECT_EQ(d.Plan.Trains[2].Name, QString::fromUtf8(c.Stored));
        EXPECT_TRUE(d.Modified);
    }
    EXPECT_EQ(d.Plan.Trains[1].Name, QStringLiteral("Zug #1"));
}

TEST(RecolourTrain, ByEditMode) {
    struct Case {
        std::uint8_t Mode;
        bool Marked;
        TColor Choice;
        bool Changes;
        bool Redraw;
    } cases[] = {
        {EditTrains, true, clRed, true, true},
        {EditTrains, true, ColorTableEntry(1), false, false}, // its own colour
        {EditTrains, false, clRed, false, false},
        {EditInsertTrain, false, clRed, true, false},
        {EditInsertTrain, true, clRed, false, false},
        {EditNone, true, clRed, false, false},
        {EditStations, true, clRed, false, false},
    };
    for (const Case& c : cases) {
        FourTrains d(2);
        d.State.EditMode = c.Mode;
        d.State.TrainMarked = c.Marked;
        bool redraw = true;
        EXPECT_EQ(RecolourTrain(d.Plan, d.State, d.Modified, c.Choice, redraw), c.Changes)
            << int(c.Mode);
        EXPECT_EQ(d.Modified, c.Changes) << int(c.Mode);
        EXPECT_EQ(redraw, c.Redraw) << int(c.Mode);
        EXPECT_EQ(d.Plan.Trains[2].Color, c.Changes ? c.Choice : ColorTableEntry(1)) << int(c.Mode);
        for (int other : {1, 3, 4})
            EXPECT_EQ(d.Plan.Trains[other].Color, ColorTableEntry(other - 1));
    }
    // after "Öffnen" nothing is selected: no read of slot 0
    FourTrains d(0);
    d.State.SelTrain = d.State.InsertTrain = 0;
    bool redraw = false;
    EXPECT_FALSE(RecolourTrain(d.Plan, d.State, d.Modified, clRed, redraw));
    EXPECT_FALSE(d.State.TrainMarked);
}
