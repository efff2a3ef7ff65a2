#include "EditingFixture.h"
#include "editing/Pointer.h"
#include "model/TimeOfDay.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    int Offset;
    const char* Time;
};

} // namespace

TEST(PointerReadout, TimeRowsRoundDownAndTheEndHourIsEmpty) {
    DrawnPlan d({2, 3}, 6, 22, 3);
    const int x = d.TrackX(1, 1);
    const Row rows[] = {{0, "  06:00:00 Uhr"},   {1, "  06:00:00 Uhr"},   {2, "  06:00:00 Uhr"},
                        {3, "  06:01:00 Uhr"},   {179, "  06:59:00 Uhr"}, {180, "  07:00:00 Uhr"},
                        {2879, "  21:59:00 Uhr"}};
    for (const Row& r : rows) {
        const PointerReadout out =
            ReadPointer(d.Plan, d.View, d.State, x, d.View.TimeTop + r.Offset);
        EXPECT_EQ(out.Time, QString::fromUtf8(r.Time)) << r.Offset;
        EXPECT_TRUE(d.State.HoverTimeValid) << r.Offset;
    }
    // Past the end hour and above the axis the panel is empty and the last
    // valid time stays.
    for (int y : {d.View.TimeTop + 2880, d.View.TimeTop - 1, 0}) {
        const PointerReadout out = ReadPointer(d.Plan, d.View, d.State, x, y);
        EXPECT_TRUE(out.Time.isEmpty()) << y;
        EXPECT_FALSE(d.State.HoverTimeValid) << y;
        EXPECT_EQ(TimeToText(d.State.HoverTime), QStringLiteral("21:59:00")) << y;
    }
}

TEST(PointerReadout, StationAndTrackUnderThePointer) {
    DrawnPlan d({1, 3}, 6, 8, 1);
    const int y = d.Row(10);
    const int x1 = d.TrackX(1, 1);
    struct Case {
        int X;
        int Station, Track;
        const char* StationText;
        const char* TrackText;
    } cases[] = {
        {x1 - 5, 1, 1, "  Bahnhof: Station 1", "  Gleis: 1"},
        {x1 + 9, 1, 1, "  Bahnhof: Station 1", "  Gleis: 1"},
        // right of the one track, still inside the wider column
        {x1 + 10, 1, 0, "  Bahnhof: Station 1", "  Gleis"},
        // the shared edge of two track rectangles belongs to the higher track
        {d.TrackX(2, 1) + 9, 2, 2, "  Bahnhof: Station 2", "  Gleis: 2"},
        {d.TrackX(2, 3), 2, 3, "  Bahnhof: Station 2", "  Gleis: 3"},
        {2, 0, 0, "  Bahnhof:", "  Gleis"},
    };
    ASSERT_TRUE(d.Plan.Stations[1].ColumnRect.Right >= x1 + 10);
    for (const Case& c : cases) {
        const PointerReadout out = ReadPointer(d.Plan, d.View, d.State, c.X, y);
        EXPECT_EQ(d.State.HoverStation, c.Station) << c.X;
        EXPECT_EQ(d.State.HoverTrack, c.Track) << c.X;
        EXPECT_EQ(out.Station, QString::fromUtf8(c.StationText)) << c.X;
        EXPECT_EQ(out.Track, QString::fromUtf8(c.TrackText)) << c.X;
    }
}

TEST(PointerShape, FollowsTheInsertionStepOnlyWhileInserting) {
    EditState s;
    for (std::uint8_t mode : {EditNone, EditTrains, EditStations}) {
        s.EditMode = mode;
        s.InsertStep = StepArrival;
        EXPECT_EQ(PointerShapeId(s), 0);
    }
    s.EditMode = EditInsertTrain;
    for (std::uint8_t step : {StepDeparture, StepArrival, StepStopDeparture}) {
        s.InsertStep = step;
        EXPECT_EQ(PointerShapeId(s), step + 1);
    }
}

namespace {

// Two one-run trains over the same points, so their markers overlap.
struct TwoTrains : DrawnPlan {
    TwoTrains() : DrawnPlan({2, 2}, 6, 8, 1) {
        AddRun(Plan, 0xFF0000, 1, 1, 6, 10, 2, 1, 6, 40, RichtungRight);
        AddRun(Plan, 0x0000FF, 1, 1, 6, 10, 2, 1, 6, 40, RichtungRight);
        Draw();
    }
    std::function<void(bool)> Highlight() {
        return [this](bool marked) {
            State.TrainMarked = marked;
            Highlights.push_back({State.SelTrain, marked});
        };
    }
    std::vector<std::pair<int, bool>> Highlights;
};

TPoint Centre(const TRect& r) {
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

} // namespace

TEST(Selection, OverlappingTrainsSelectTheLowerSlotOnMarkerAndNameBox) {
    TwoTrains d;
    const TRect marker = d.Plan.Trains[2].Points[2].MarkerRect;
    const TRect label = d.Plan.Trains[2].Points[2].LabelRect;
    ASSERT_EQ(marker, d.Plan.Trains[1].Points[2].MarkerRect);
    // inclusive edges: all four corners of both boxes hit
    for (TPoint p :
         {TPoint{marker.Left, marker.Top}, TPoint{marker.Right, marker.Bottom},
          TPoint{label.Left, label.Top}, TPoint{label.Right, label.Bottom}, Centre(label)}) {
        int train = 0, point = 0;
        ASSERT_TRUE(FindTrainAt(d.Plan, p.X, p.Y, train, point)) << p.X << "," << p.Y;
        EXPECT_EQ(train, 1);
        EXPECT_EQ(point, 2);
    }
    int train = 0, point = 0;
    EXPECT_FALSE(FindTrainAt(d.Plan, marker.Right + 1, marker.Top, train, point));
    EXPECT_FALSE(FindTrainAt(d.Plan, label.Left - 1, label.Top, train, point));
    // Departures have an all-zero name box and unused slots hold zero boxes:
    // the paint box's corner hits nothing.
    EXPECT_FALSE(FindTrainAt(d.Plan, 0, 0, train, point));
}

TEST(Selection, APressMarksAndAMissUnmarksButKeepsTheSelection) {
    TwoTrains d;
    const TRect dep = d.Plan.Trains[1].Points[1].MarkerRect;
    SelectTrainAt(d.Plan, d.State, dep.Left, dep.Top, d.Highlight());
    EXPECT_EQ(d.State.SelTrain, 1);
    EXPECT_EQ(d.State.SelPoint, 1);
    EXPECT_EQ(d.State.InsertTrain, 1);
    EXPECT_EQ(d.State.InsertPoints, 1);
    EXPECT_TRUE(d.State.TrainMarked);

    SelectTrainAt(d.Plan, d.State, 2, d.Row(100), d.Highlight());
    EXPECT_EQ(d.State.SelTrain, 1);
    EXPECT_EQ(d.State.SelPoint, 1);
    EXPECT_FALSE(d.State.TrainMarked);
    const std::vector<std::pair<int, bool>> expected{{1, true}, {1, false}};
    EXPECT_EQ(d.Highlights, expected);

    // An armed move keeps everything.
    d.State.MoveArmed = true;
    SelectTrainAt(d.Plan, d.State, dep.Left, dep.Top, d.Highlight());
    EXPECT_FALSE(d.State.TrainMarked);
    EXPECT_EQ(d.Highlights.size(), 2u);
}

TEST(PressAndRelease, GestureAndReleaseDispatch) {
    TwoTrains d;
    d.State.EditMode = EditTrains;
    const TRect marker = d.Plan.Trains[1].Points[2].MarkerRect;
    const TRect label = d.Plan.Trains[1].Points[2].LabelRect;
    SelectTrainAt(d.Plan, d.State, marker.Left, marker.Top, d.Highlight());
    EXPECT_EQ(GestureOfPress(d.Plan, d.State, marker.Left, marker.Top), PressGesture::PointDrag);
    EXPECT_EQ(GestureOfPress(d.Plan, d.State, label.Left, label.Top), PressGesture::RunMove);
    d.State.MoveKind = MoveTrainKind;
    EXPECT_EQ(GestureOfPress(d.Plan, d.State, label.Left, label.Top), PressGesture::TrainMove);
    // nothing selected: no gesture reads slot 0
    d.State.SelTrain = 0;
    d.State.SelPoint = 0;
    EXPECT_EQ(GestureOfPress(d.Plan, d.State, 0, 0), PressGesture::None);

    const TRect header = d.Plan.Stations[1].HeaderRect;
    d.State.PointDragActive = true;
    d.State.MoveArmed = true;
    d.State.DragVariant = 4;
    EXPECT_EQ(LeftRelease(d.Plan, d.State, header.Left, header.Top), ReleaseAction::ToggleStation);
    EXPECT_FALSE(d.State.PointDragActive);
    EXPECT_FALSE(d.State.MoveArmed);
    EXPECT_EQ(d.State.DragVariant, 0);
    // the row TimeTop lies in both areas; the header strip wins
    d.State.EditMode = EditInsertTrain;
    EXPECT_EQ(LeftRelease(d.Plan, d.State, header.Left, d.View.TimeTop),
              ReleaseAction::InsertionNotFinished);
    EXPECT_EQ(LeftRelease(d.Plan, d.State, marker.Left, marker.Top), ReleaseAction::InsertPoint);
    d.State.EditMode = EditTrains;
    EXPECT_EQ(LeftRelease(d.Plan, d.State, marker.Left, marker.Top), ReleaseAction::None);
    d.State.DragMoved = true;
    EXPECT_EQ(LeftRelease(d.Plan, d.State, marker.Left, marker.Top),
              ReleaseAction::RepaintAfterDrag);
    // a drag ending on the header strip or beyond the paint box still takes
    // its preview away, and marks no station
    EXPECT_EQ(LeftRelease(d.Plan, d.State, header.Left, header.Top),
              ReleaseAction::RepaintAfterDrag);
    EXPECT_EQ(LeftRelease(d.Plan, d.State, -40, -40), ReleaseAction::RepaintAfterDrag);
    d.State.DragMoved = false;
    EXPECT_EQ(LeftRelease(d.Plan, d.State, -40, -40), ReleaseAction::None);
}
