#include "EditingFixture.h"
#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "editing/Pointer.h"
#include "editing/TrainInsert.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

namespace {

// A plan of three stations (two, one and two tracks), 6 to 8 o'clock at
// zoom 2, with a train being inserted.
struct Inserting : DrawnPlan {
    Inserting() : DrawnPlan({2, 1, 2}, 6, 8, 2) {
        QString error;
        EXPECT_TRUE(NewTrain(Plan, State, clBlue, error));
    }
    // A left release on track g of station b at minute m after 6:00.
    bool Click(int b, int g, int m) { return ClickAt(TrackX(b, g), Row(m)); }
    bool ClickAt(int x, int y) {
        ReadPointer(Plan, View, State, x, y);
        return InsertClick(Plan, State, Modified, x, y);
    }
    const PlanZug& Train() const { return Plan.Trains[State.InsertTrain]; }
};

} // namespace

TEST(NewTrain, TakesTheNextSlotUpToFifty) {
    DrawnPlan d({2, 2}, 6, 8, 1);
    QString error;
    d.Plan.TrainCount = 2;
    ASSERT_TRUE(NewTrain(d.Plan, d.State, clRed, error));
    EXPECT_EQ(d.State.EditMode, EditInsertTrain);
    EXPECT_EQ(d.State.InsertStep, StepDeparture);
    EXPECT_EQ(d.State.InsertTrain, 3);
    EXPECT_EQ(d.Plan.Trains[3].Name, QStringLiteral("Zug #3"));
    EXPECT_EQ(d.Plan.Trains[3].Number, 3);
    EXPECT_EQ(d.Plan.Trains[3].Color, clRed);
    EXPECT_TRUE(d.Plan.Trains[3].InUse);
    EXPECT_FALSE(d.Modified);

    d.Plan.TrainCount = MaxTrains - 1;
    EXPECT_TRUE(NewTrain(d.Plan, d.State, clRed, error));
    EXPECT_EQ(d.Plan.TrainCount, MaxTrains);
    d.State = EditState{};
    EXPECT_FALSE(NewTrain(d.Plan, d.State, clRed, error));
    EXPECT_EQ(error, QStringLiteral("Die max. Anzahl der Züge (50) ist erreicht !"));
    EXPECT_EQ(d.Plan.TrainCount, MaxTrains);
    EXPECT_EQ(d.State.EditMode, EditNone);
}

TEST(InsertClick, EachOfTheNineChecksRefusesWithItsText) {
    struct Case {
        const char* Name;
        // points laid before the refused click: station, track, minute
        std::vector<std::array<int, 3>> Before;
        int X, Y; // the refused click, -1 for "the track line of b/g at minute m"
        std::array<int, 3> At;
        const char* Text;
    };
    const Case cases[] = {
        {"no station", {}, 2, -1, {0, 0, 10}, "Kein Bahnhof ausgewählt !"},
        {"no track", {}, -2, -1, {2, 1, 10}, "Kein Gleis ausgewählt !"},
        {"no time", {}, -1, 0, {1, 1, 0}, "Keine gültige Uhrzeit ausgewählt !"},
        {"arrival early",
         {{1, 1, 20}},
         -1,
         -1,
         {2, 1, 19},
         "Ankunftszeit liegt vor der Abfahrtszeit !"},
        {"same station",
         {{1, 1, 20}},
         -1,
         -1,
         {1, 2, 30},
         "Zug kann nicht am gleichen Bahnhof ankommen !"},
        {"skipped", {{1, 1, 20}}, -1, -1, {3, 1, 30}, "Zielbahnhof übersprungen !"},
        {"stop elsewhere",
         {{1, 1, 20}, {2, 1, 30}},
         -1,
         -1,
         {3, 1, 40},
         "Erst die Abfahtzeit festlegen !"},
        {"other track",
         {{2, 1, 20}, {3, 1, 30}},
         -1,
         -1,
         {3, 2, 40},
         "Zug kann nur vom gleichen Gleis abfahren !"},
        {"stop early",
         {{1, 1, 20}, {2, 1, 30}},
         -1,
         -1,
         {2, 1, 29},
         "Ankunftszeit liegt vor der Abfahrtszeit !"},
    };
    for (const Case& c : cases) {
        Inserting d;
        for (const auto& p : c.Before)
            ASSERT_TRUE(d.Click(p[0], p[1], p[2])) << c.Name;
        d.Modified = false;
        const int points = d.Train().PointCount;
        const std::uint8_t step = d.State.InsertStep;
        int x = c.X >= 0 ? c.X : d.TrackX(c.At[0], c.At[1]);
        if (c.X == -2) // right of the single track, inside the column
            x = d.TrackX(c.At[0], c.At[1]) + 12;
        const int y = c.Y >= 0 ? d.Row(120) : d.Row(c.At[2]); // 120: the end hour
        EXPECT_FALSE(d.ClickAt(x, y)) << c.Name;
        EXPECT_EQ(d.State.InsertError, QString::fromUtf8(c.Text)) << c.Name;
        // a refused click still marks the plan modified, and lays nothing
        EXPECT_TRUE(d.Modified) << c.Name;
        EXPECT_EQ(d.Train().PointCount, points) << c.Name;
        EXPECT_EQ(d.State.InsertPoints, points) << c.Name;
        EXPECT_EQ(d.State.InsertStep, step) << c.Name;
    }
}

TEST(InsertClick, ZeroMinuteRunAndStopAreAccepted) {
    Inserting d;
    EXPECT_TRUE(d.Click(1, 2, 15));
    EXPECT_TRUE(d.Click(2, 1, 15));
    EXPECT_TRUE(d.Click(2, 1, 15));
    EXPECT_EQ(d.Train().PointCount, 3);
    const PlanCnt& arr = d.Train().Points[2];
    EXPECT_EQ(arr.Modus, ModusArrival);
    EXPECT_EQ(arr.BhfIdx, 2);
    EXPECT_EQ(arr.GlsIdx, 1);
    EXPECT_EQ(TimeToText(arr.Time), QStringLiteral("06:15:00"));
    EXPECT_EQ(d.Train().Points[3].Modus, ModusStopDeparture);
}

TEST(InsertClick, RightThenLeftSetsDirectionsAndPlacesTheNameBoxes) {
    Inserting d;
    ASSERT_TRUE(d.Click(1, 1, 10));
    ASSERT_TRUE(d.Click(2, 1, 20));
    ASSERT_TRUE(d.Click(2, 1, 25));
    ASSERT_TRUE(d.Click(1, 2, 40));
    const PlanZug& z = d.Train();
    ASSERT_EQ(z.PointCount, 4);
    const int modus[] = {ModusDeparture, ModusArrival, ModusStopDeparture, ModusArrival};
    const int richtung[] = {0, 0, 0, 1};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(z.Points[p].Modus, modus[p - 1]) << p;
        EXPECT_EQ(z.Points[p].Richtung, richtung[p - 1]) << p;
    }
    // The marker lies around the release row; the name boxes in the lanes
    // beside the departure's station, 15 pixels from it.
    const TRect h1 = d.Plan.Stations[1].HeaderRect;
    const TRect h2 = d.Plan.Stations[2].HeaderRect;
    EXPECT_EQ(z.Points[1].MarkerRect,
              (TRect{d.TrackX(1, 1) - 3, d.Row(10) - 3, d.TrackX(1, 1) + 4, d.Row(10) + 4}));
    EXPECT_EQ(z.Points[2].LabelRect.Left, h1.Right + 15);
    EXPECT_EQ(z.Points[4].LabelRect.Right, h2.Left - 15);
    EXPECT_LT(z.Points[4].LabelRect.Right, d.Plan.Stations[2].ColumnRect.Left);
    EXPECT_EQ(z.Points[4].LabelRect.Width(), 80);
    EXPECT_EQ(z.Points[4].LabelRect.Height(), 15);
    const int mid = z.Points[3].MarkerRect.Bottom +
                    (z.Points[4].MarkerRect.Top - z.Points[3].MarkerRect.Bottom) / 2;
    EXPECT_EQ(z.Points[4].LabelRect.Top, mid - 7);
    EXPECT_EQ(z.Points[1].LabelRect, TRect{});
}

TEST(InsertClick, TheHundredthPointIsLaidTheHundredAndFirstRefused) {
    // Zoom 1 over a whole day gives room for 99 minutes of runs and stops.
    DrawnPlan d({1, 1}, 0, 24, 1);
    QString error;
    ASSERT_TRUE(NewTrain(d.Plan, d.State, clBlue, error));
    auto click = [&](int b, int m) {
        ReadPointer(d.Plan, d.View, d.State, d.TrackX(b, 1), d.Row(m));
        return InsertClick(d.Plan, d.State, d.Modified, d.TrackX(b, 1), d.Row(m));
    };
    ASSERT_TRUE(click(1, 0));
    int station = 1;
    for (int n = 2; n <= MaxPoints; ++n) {
        if (n % 2 == 0)
            station = 3 - station;
        ASSERT_TRUE(click(station, n)) << n << " " << d.State.InsertError.toStdString();
    }
    EXPECT_EQ(d.Plan.Trains[1].PointCount, MaxPoints);
    EXPECT_FALSE(click(station, MaxPoints + 1));
    EXPECT_EQ(d.State.InsertError,
              QStringLiteral("Die max. Anzahl der Zugpunkte (100) ist erreicht !"));
    EXPECT_EQ(d.Plan.Trains[1].PointCount, MaxPoints);
}

TEST(FinishInsertion, EndingKeepsOnlyWholeRuns) {
    {
        // Ending right after the new-train button releases the slot; the
        // next train is named after the next slot.
        Inserting d;
        EXPECT_FALSE(EndInsertion(d.Plan, d.State));
        EXPECT_EQ(d.Plan.TrainCount, 1);
        EXPECT_FALSE(d.Plan.Trains[1].InUse);
        EXPECT_EQ(d.State.EditMode, EditTrains);
        EXPECT_EQ(d.State.SelTrain, 0);
        EXPECT_FALSE(d.State.TrainMarked);
        QString error;
        ASSERT_TRUE(NewTrain(d.Plan, d.State, clBlue, error));
        EXPECT_EQ(d.Plan.Trains[2].Name, QStringLiteral("Zug #2"));
    }
    {
        Inserting d;
        ASSERT_TRUE(d.Click(1, 1, 10));
        ASSERT_TRUE(d.Click(2, 1, 20));
        ASSERT_TRUE(d.Click(2, 1, 25));
        EXPECT_TRUE(EndInsertion(d.Plan, d.State));
        EXPECT_EQ(d.Plan.Trains[1].PointCount, 2);
        EXPECT_TRUE(d.Plan.Trains[1].InUse);
        EXPECT_EQ(d.State.SelTrain, 1);
        EXPECT_EQ(d.State.InsertTrain, 1);
        EXPECT_EQ(d.State.EditMode, EditTrains);
    }
    {
        // a lone first departure is no train either
        Inserting d;
        ASSERT_TRUE(d.Click(1, 1, 10));
        EXPECT_FALSE(EndInsertion(d.Plan, d.State));
        EXPECT_FALSE(d.Plan.Trains[1].InUse);
        EXPECT_EQ(d.Plan.Trains[1].PointCount, 0);
    }
}

TEST(DrawInsertedPoint, DrawsMarkerRunAndStopInTheTrainColour) {
    Inserting d;
    QImage img = d.Picture.copy();
    Canvas c(img);
    ASSERT_TRUE(d.Click(1, 1, 10));
    DrawInsertedPoint(d.Plan, 1, 1, c);
    ASSERT_TRUE(d.Click(2, 1, 40));
    DrawInsertedPoint(d.Plan, 1, 2, c);
    ASSERT_TRUE(d.Click(2, 1, 50));
    DrawInsertedPoint(d.Plan, 1, 3, c);
    const PlanZug& z = d.Train();
    for (int p = 1; p <= 3; ++p) {
        const TRect m = z.Points[p].MarkerRect;
        EXPECT_EQ(PixelAt(img, m.Left, m.Top), clBlue) << p;
        EXPECT_EQ(PixelAt(img, m.Right - 1, m.Bottom - 1), clBlue) << p;
        EXPECT_NE(PixelAt(d.Picture, m.Left, m.Top), clBlue) << p;
    }
    const TRect box = z.Points[2].LabelRect;
    // the box is outlined, its middle keeps the background
    EXPECT_EQ(PixelAt(img, box.Left + 40, box.Top), clBlue);
    EXPECT_EQ(PixelAt(img, box.Left + 70, box.Bottom), clBlue);
    EXPECT_EQ(PixelAt(img, box.Right - 2, box.Top + 3),
              PixelAt(d.Picture, box.Right - 2, box.Top + 3));
    // the stop line down the track between arrival and departure
    const int x = z.Points[2].MarkerRect.Left + 3;
    const int y = (z.Points[2].MarkerRect.Bottom + z.Points[3].MarkerRect.Top) / 2;
    EXPECT_EQ(PixelAt(img, x, y), clBlue);
}
