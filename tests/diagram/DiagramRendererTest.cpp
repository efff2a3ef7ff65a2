#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Rows of column x that show colour c between y0 and y1.
std::vector<int> RowsWith(const QImage& img, int x, int y0, int y1, TColor c) {
    std::vector<int> rows;
    for (int y = y0; y < y1; ++y)
        if (PixelAt(img, x, y) == c)
            rows.push_back(y);
    return rows;
}

int CountColour(const QImage& img, const TRect& r, TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += PixelAt(img, x, y) == c;
    return n;
}

} // namespace

struct SizeCase {
    const char* Name;
    PlanRec Plan;
    int Width, Height;
};

TEST(PlanCanvasSize, EdgeCases) {
    PlanRec equalHours = PlanWithStations({2}, 6, 6, 1);
    const SizeCase cases[] = {
        {"reset plan", PlanRec{}, 235, 1640},
        {"start = end", equalHours, 385, 200},
        {"one station", PlanWithStations({2}, 6, 8, 1), 385, 320},
        {"worked example", WorkedExample(clRed), 535, 320},
        {"five stations keep the sum", PlanWithStations({2, 2, 2, 2, 2}, 6, 8, 1), 985, 320},
        {"end before start", PlanWithStations({2}, 8, 6, 1), 385, 200},
    };
    for (const SizeCase& sc : cases) {
        EXPECT_EQ(PlanCanvasRect(sc.Plan), (TRect{0, 0, sc.Width, sc.Height})) << sc.Name;
    }
}

// Wherever the plain sum of the columns would not hold the last header, its
// name-box lane and the right margin, the canvas is just wide enough for them.
TEST(PlanCanvasSize, WidensForManyStations) {
    for (int n = 1; n <= MaxStations; ++n) {
        PlanRec plan = PlanWithStations({}, 0, 24, 1);
        plan.StationCount = n;
        for (int k = 1; k <= n; ++k)
            plan.Stations[k].TrackCount = 1 + (k * 7) % 30;
        int sum = 235;
        for (int k = 1; k <= n; ++k)
            sum += StationInnerWidth(plan.Stations[k].TrackCount) + 110;
        ResizePlan(plan);
        // the geometry is stored whatever the canvas shows
        QImage img(1, 1, QImage::Format_RGB32);
        DiagramView view;
        Canvas c(img);
        PaintPlan(plan, view, c);
        const int need = plan.Stations[n].HeaderRect.Right + 110 + 50;
        EXPECT_EQ(plan.PlanRect.Width(), std::max(sum, need)) << n;
    }
    PlanRec largest = LargestPlan();
    EXPECT_EQ(PlanCanvasRect(largest), (TRect{0, 0, 12527, 13160}));
}

TEST(DiagramStations, InnerWidthAndHeaderWidth) {
    const int widths[][2] = {{1, 56}, {2, 56}, {3, 56}, {4, 67}, {30, 509}};
    for (const auto& wc : widths) {
        PlanRec plan = PlanWithStations({wc[0]}, 6, 8, 1);
        DiagramView view;
        RenderScreen(plan, view);
        EXPECT_EQ(plan.Stations[1].HeaderRect.Width(), wc[1]) << wc[0];
    }
}

TEST(DiagramStations, OneStationGeometry) {
    PlanRec plan = PlanWithStations({2}, 6, 8, 1);
    DiagramView view;
    RenderScreen(plan, view);
    EXPECT_EQ(plan.Stations[1].HeaderRect, (TRect{97, 60, 153, 80}));
    EXPECT_EQ(plan.Stations[1].Tracks[1].X, 105);
    EXPECT_EQ(plan.Stations[1].Tracks[2].X, 122);
    EXPECT_EQ(plan.HeaderArea, (TRect{80, 60, 153, 120}));
    EXPECT_EQ(plan.DiagramArea, (TRect{80, 120, 153, 240}));
}

TEST(DiagramWorkedExample, GeometryStoredInPlan) {
    PlanRec plan = WorkedExample(clRed);
    DiagramView view;
    const QImage img = RenderScreen(plan, view);
    EXPECT_EQ(img.size(), QSize(535, 320));
    EXPECT_EQ(view.TimeAxisX, 80);
    EXPECT_EQ(view.TimeTop, 120);
    EXPECT_EQ(view.TimeSpan, 120);
    EXPECT_EQ(view.TimeBottom, 240);
    const PlanBhf& s1 = plan.Stations[1];
    const PlanBhf& s2 = plan.Stations[2];
    EXPECT_EQ(s1.HeaderRect, (TRect{97, 60, 153, 80}));
    EXPECT_EQ(s2.HeaderRect, (TRect{263, 60, 319, 80}));
    EXPECT_EQ(s1.ColumnRect, (TRect{97, 60, 153, 240}));
    EXPECT_EQ(s1.Tracks[1].X, 105);
    EXPECT_EQ(s1.Tracks[2].X, 122);
    EXPECT_EQ(s2.Tracks[1].X, 271);
    EXPECT_EQ(s2.Tracks[2].X, 288);
    EXPECT_EQ(s2.Tracks[3].X, 305);
    EXPECT_EQ(s1.Tracks[1].TrackRect, (TRect{97, 80, 114, 240}));
    EXPECT_EQ(plan.HeaderArea, (TRect{80, 60, 319, 120}));
    EXPECT_EQ(plan.DiagramArea, (TRect{80, 120, 319, 240}));
    const PlanZug& z = plan.Trains[1];
    EXPECT_EQ(z.Points[1].MarkerRect, (TRect{102, 127, 109, 134}));
    EXPECT_EQ(z.Points[2].MarkerRect, (TRect{285, 157, 292, 164}));
    EXPECT_EQ(z.Points[2].LabelRect, (TRect{168, 138, 248, 153}));
}

TEST(DiagramWorkedExample, Pixels) {
    PlanRec plan = WorkedExample(clRed);
    DiagramView view;
    const QImage img = RenderScreen(plan, view);
    // header boxes filled blue, left … right − 1
    EXPECT_EQ(PixelAt(img, 97, 60), clBlue);
    EXPECT_EQ(PixelAt(img, 152, 79), clBlue);
    EXPECT_EQ(PixelAt(img, 153, 70), clWhite);
    EXPECT_EQ(PixelAt(img, 96, 70), clWhite);
    EXPECT_EQ(PixelAt(img, 263, 60), clBlue);
    EXPECT_EQ(PixelAt(img, 318, 79), clBlue);
    EXPECT_GT(CountColour(img, {263, 60, 319, 80}, clWhite), 5) << "abbreviation";
    // track lines from y 80 down to TimeBottom, its end row left out (grid row)
    for (int x : {105, 122, 271, 288, 305}) {
        EXPECT_EQ(PixelAt(img, x, 80), clBlack) << x;
        EXPECT_EQ(PixelAt(img, x, 239), clBlack) << x;
        EXPECT_EQ(PixelAt(img, x, 240), clSilver) << x;
        EXPECT_EQ(PixelAt(img, x, 241), clWhite) << x;
    }
    EXPECT_GT(CountColour(img, {100, 88, 110, 102}, clBlack), 12) << "designation";
    // markers
    EXPECT_EQ(PixelAt(img, 102, 127), clRed);
    EXPECT_EQ(PixelAt(img, 108, 133), clRed);
    EXPECT_EQ(PixelAt(img, 101, 127), clWhite);
    EXPECT_EQ(PixelAt(img, 102, 126), clWhite);
    EXPECT_EQ(PixelAt(img, 285, 157), clRed);
    EXPECT_EQ(PixelAt(img, 291, 163), clRed);
    EXPECT_EQ(PixelAt(img, 292, 163), clWhite);
    EXPECT_EQ(PixelAt(img, 291, 164), clWhite);
    // first line: starts at (109, 130), last pixel before (168, 145)
    EXPECT_EQ(PixelAt(img, 109, 130), clRed);
    EXPECT_EQ(PixelAt(img, 167, 145), clRed);
    EXPECT_EQ(PixelAt(img, 110, 129), clWhite);
    // second line: starts at (248, 145) over the frame, last pixel before (285, 160);
    // the end points of the rightward lines lie under the boxes drawn after them
    EXPECT_EQ(PixelAt(img, 249, 145), clRed);
    EXPECT_EQ(PixelAt(img, 284, 160), clRed);
    EXPECT_EQ(PixelAt(img, 284, 159), clWhite);
    // name box framed in the train colour through right and bottom, filled white
    for (TPoint p : {TPoint{168, 138}, TPoint{248, 138}, TPoint{248, 153}, TPoint{168, 153},
                     TPoint{200, 138}, TPoint{248, 147}})
        EXPECT_EQ(PixelAt(img, p.X, p.Y), clRed) << p.X << "," << p.Y;
    EXPECT_EQ(PixelAt(img, 249, 140), clWhite);
    EXPECT_EQ(PixelAt(img, 240, 142), clWhite);
    // arrow: tip and base corners, filled in the train colour
    for (TPoint p : {TPoint{174, 145}, TPoint{168, 140}, TPoint{168, 151}, TPoint{170, 145}})
        EXPECT_EQ(PixelAt(img, p.X, p.Y), clRed) << p.X << "," << p.Y;
    EXPECT_EQ(PixelAt(img, 175, 145), clWhite);
    EXPECT_EQ(PixelAt(img, 170, 141), clWhite);
    // name text in red, centred on 211 from row 139
    EXPECT_GT(CountColour(img, {190, 139, 232, 152}, clRed), 20);
    EXPECT_EQ(CountColour(img, {169, 154, 248, 156}, clRed), 0);
}

// In the black-and-white look of a marked train the name's white text box
// shows on the black name box: it is centred on x 211 with its top at 139.
TEST(DiagramWorkedExample, NamePosition) {
    PlanRec plan = WorkedExample(clRed);
    DiagramView view{false, true, 1};
    const QImage img = RenderOutput(plan, view);
    QImage probe(10, 10, QImage::Format_RGB32);
    Canvas pc(probe);
    const int w = pc.TextWidth(QStringLiteral("Zug #1"));
    const int h = pc.TextHeight(QStringLiteral("Zug #1"));
    const int left = 211 - w / 2;
    EXPECT_EQ(PixelAt(img, left, 139), clWhite);
    EXPECT_EQ(PixelAt(img, left - 1, 139), clBlack);
    EXPECT_EQ(PixelAt(img, left + w - 1, 139), clWhite);
    EXPECT_EQ(PixelAt(img, left + w, 139), clBlack);
    EXPECT_EQ(PixelAt(img, left, 138), clBlack);
    EXPECT_EQ(PixelAt(img, left + w - 1, 139 + h - 1), clWhite);
}

TEST(DiagramWorkedExample, LeftwardRun) {
    PlanRec plan = PlanWithStations({2, 3}, 6, 8, 1);
    AddRun(plan, clGreen, 2, 2, 6, 10, 1, 1, 6, 40, RichtungLeft);
    DiagramView view{true, true, 1};
    const QImage img = RenderScreen(plan, view);
    const PlanZug& z = plan.Trains[1];
    EXPECT_EQ(z.Points[1].MarkerRect, (TRect{285, 127, 292, 134}));
    EXPECT_EQ(z.Points[2].MarkerRect, (TRect{102, 157, 109, 164}));
    // 15 + 80 left of station 2's header
    EXPECT_EQ(z.Points[2].LabelRect, (TRect{168, 138, 248, 153}));
    EXPECT_EQ(PixelAt(img, 242, 145), clBlack) << "arrow tip outlined black when marked";
    EXPECT_EQ(PixelAt(img, 246, 145), clGreen) << "arrow filled";
    EXPECT_EQ(PixelAt(img, 284, 130), clGreen) << "line from the departure's left side";
    EXPECT_EQ(PixelAt(img, 110, 160), clGreen) << "line to the arrival's right side";
    EXPECT_EQ(PixelAt(img, 109, 160), clWhite) << "its end point left out";

    // The name of a leftward run is centred on the box's left + 37, top + 1:
    // in black-and-white output of the marked train its white text box shows
    // on the black name box.
    DiagramView bw{false, true, 1};
    const QImage out = RenderOutput(plan, bw);
    QImage probe(10, 10, QImage::Format_RGB32);
    Canvas pc(probe);
    const int w = pc.TextWidth(plan.Trains[1].Name);
    const int h = pc.TextHeight(plan.Trains[1].Name);
    const int left = 168 + 37 - w / 2;
    EXPECT_EQ(PixelAt(out, left, 139), clWhite);
    EXPECT_EQ(PixelAt(out, left - 1, 139), clBlack);
    EXPECT_EQ(PixelAt(out, left + w - 1, 139), clWhite);
    EXPECT_EQ(PixelAt(out, left + w, 139), clBlack);
    EXPECT_EQ(PixelAt(out, left, 138), clBlack);
    EXPECT_EQ(PixelAt(out, left + w - 1, 139 + h - 1), clWhite);
}

TEST(DiagramTime, PointAtHalfPastSixZoomTwo) {
    PlanRec plan = PlanWithStations({2}, 6, 8, 2);
    DiagramView view;
    RenderScreen(plan, view);
    EXPECT_EQ(TimeToY(plan, EncodeTime(6, 30)), 180);
    EXPECT_EQ(PointMarkerRect(plan, 1, 2, EncodeTime(6, 30)), (TRect{119, 177, 126, 184}));
    EXPECT_EQ(TimeToY(plan, EncodeTime(5, 0)), 0) << "before the start, not clipped";
    EXPECT_EQ(TimeToY(plan, EncodeTime(6, 30, 59)), 180) << "seconds ignored";
}

// The hour label `text` exactly as the axis must show it: drawn alone in the
// axis font, opaque in `fore` on `back`, ending 5 pixels before the tick at
// x 72 and vertically centred on row y. Every pixel of its box must match.
void ExpectHourLabel(const QImage& img, const QString& text, int y, bool output, TColor fore,
                     TColor back) {
    QImage expected(img.size(), QImage::Format_RGB32);
    expected.fill(Qt::magenta);
    Canvas c(expected);
    if (output)
        SetCanvasFont(QStringLiteral("Arial"), 8, 0, c);
    const int w = c.TextWidth(text);
    const int h = c.TextHeight(text);
    const int left = 72 - w - 5;
    TextAt(fore, back, c, AlignLeftAt, text, {left, y - h / 2});
    int wrong = 0;
    for (int py = y - h / 2; py < y - h / 2 + h; ++py)
        for (int px = left; px < left + w; ++px)
            wrong += PixelAt(img, px, py) != PixelAt(expected, px, py);
    EXPECT_EQ(wrong, 0) << text.toStdString() << " at row " << y;
    EXPECT_EQ(CountColour(img, {left - 3, y - h / 2, left, y - h / 2 + h}, fore), 0)
        << text.toStdString() << ": nothing left of its box";
}

TEST(DiagramTimeAxis, StartEqualsEnd) {
    PlanRec plan = PlanWithStations({2}, 6, 6, 1);
    plan.GridStyle = 0;
    DiagramView view;
    const QImage img = RenderScreen(plan, view);
    EXPECT_EQ(img.height(), 200);
    EXPECT_EQ(view.TimeSpan, 0);
    EXPECT_EQ(plan.Stations[1].Tracks[1].TrackRect.Height(), 40);
    EXPECT_EQ(PixelAt(img, 105, 119), clBlack);
    EXPECT_EQ(PixelAt(img, 105, 120), clWhite);
    EXPECT_EQ(RowsWith(img, 73, 0, 200, clBlack), std::vector<int>{120}) << "one hour tick";
    EXPECT_EQ(RowsWith(img, 77, 0, 200, clBlack), std::vector<int>{120}) << "no quarter ticks";
    // one label, on the rows around 120
    std::vector<int> labelRows;
    for (int y = 0; y < 200; ++y)
        if (CountColour(img, {0, y, 68, y + 1}, clBlack) > 0)
            labelRows.push_back(y);
    ASSERT_FALSE(labelRows.empty());
    EXPECT_GE(labelRows.front(), 112);
    EXPECT_LE(labelRows.back(), 128);
    ExpectHourLabel(img, QStringLiteral("6.00 Uhr"), 120, false, clBlack, clWhite);
}

TEST(DiagramTimeAxis, TickSpacingAtZoomOneAndNine) {
    for (int zoom : {1, 9}) {
        PlanRec plan = PlanWithStations({2}, 6, 8, zoom);
        plan.GridStyle = 0;
        DiagramView view;
        const QImage img = RenderScreen(plan, view);
        const int hour = 60 * zoom;
        const int q = hour / 4;
        std::vector<int> hours, all;
        for (int h = 0; h <= 2; ++h) {
            hours.push_back(120 + h * hour);
            all.push_back(120 + h * hour);
            if (h < 2)
                for (int i = 1; i <= 3; ++i)
                    all.push_back(120 + h * hour + i * q);
        }
        std::sort(all.begin(), all.end());
        EXPECT_EQ(RowsWith(img, 73, 0, img.height(), clBlack), hours) << zoom;
        EXPECT_EQ(RowsWith(img, 77, 0, img.height(), clBlack), all) << zoom;
        EXPECT_EQ(RowsWith(img, 80, 118, img.height(), clBlack).back(), 120 + 2 * hour - 1);
    }
}

TEST(DiagramTimeAxis, GridLinesAtHoursAndHalfHours) {
    PlanRec plan = WorkedExample(clRed);
    plan.GridStyle = 1;
    DiagramView view;
    const QImage img = RenderScreen(plan, view);
    EXPECT_EQ(RowsWith(img, 90, 100, 260, clSilver), (std::vector<int>{120, 150, 180, 210, 240}));
    // 80 … 80 + W − 130 with its end left out
    EXPECT_EQ(PixelAt(img, 80, 150), clSilver);
    EXPECT_EQ(PixelAt(img, 484, 150), clSilver);
    EXPECT_EQ(PixelAt(img, 485, 150), clWhite);
}

TEST(DiagramModes, BlackAndWhiteOutputOfNavyPlan) {
    PlanRec plan = WorkedExample(clRed);
    plan.BackColor = clNavy;
    DiagramView view;
    view.ColourPrint = false;
    const QImage bw = RenderOutput(plan, view);
    EXPECT_EQ(PixelAt(bw, 5, 300), clWhite) << "page";
    EXPECT_EQ(PixelAt(bw, 80, 130), clBlack) << "axis";
    EXPECT_EQ(PixelAt(bw, 73, 180), clBlack) << "tick";
    EXPECT_GT(CountColour(bw, {0, 112, 68, 128}, clBlack), 10) << "hour label";
    ExpectHourLabel(bw, QStringLiteral("6.00 Uhr"), 120, true, clBlack, clWhite);
    ExpectHourLabel(bw, QStringLiteral("6.30 Uhr"), 150, true, clBlack, clWhite);
    ExpectHourLabel(bw, QStringLiteral("7.00 Uhr"), 180, true, clBlack, clWhite);
    EXPECT_EQ(PixelAt(bw, 105, 130), clBlack) << "track line";
    EXPECT_GT(CountColour(bw, {100, 88, 110, 102}, clBlack), 12) << "designation";
    EXPECT_EQ(PixelAt(bw, 98, 61), clBlack) << "header";
    EXPECT_GT(CountColour(bw, {97, 60, 153, 80}, clWhite), 5) << "abbreviation";
    EXPECT_EQ(PixelAt(bw, 90, 150), clSilver) << "grid";
    EXPECT_EQ(PixelAt(bw, 102, 127), clBlack) << "marker";
    EXPECT_EQ(PixelAt(bw, 168, 138), clBlack) << "name box frame";
    EXPECT_EQ(PixelAt(bw, 240, 142), clWhite) << "name box fill";
    EXPECT_EQ(CountColour(bw, {0, 0, 535, 320}, clNavy), 0);
    EXPECT_EQ(CountColour(bw, {0, 0, 535, 320}, clRed), 0);

    // colour output keeps the plan's colours, with a white foreground on navy
    view.ColourPrint = true;
    const QImage colour = RenderOutput(plan, view);
    EXPECT_EQ(PixelAt(colour, 5, 300), clNavy);
    EXPECT_EQ(PixelAt(colour, 80, 130), clWhite);
    EXPECT_EQ(PixelAt(colour, 98, 61), clBlue);
    EXPECT_EQ(PixelAt(colour, 102, 127), clRed);
    EXPECT_EQ(PixelAt(colour, 240, 142), clNavy);
}

TEST(DiagramModes, ForegroundAndMarkedStation) {
    DiagramView view;
    for (TColor light : {clSilver, clLime, clAqua, clYellow, clWhite})
        EXPECT_EQ(ForegroundOn(light, view, ScreenOutput), clBlack);
    for (TColor dark : {clBlack, clGray, clMaroon, clNavy, clRed, clBlue, clFuchsia})
        EXPECT_EQ(ForegroundOn(dark, view, ScreenOutput), clWhite);
    PlanRec plan = WorkedExample(clRed);
    plan.Stations[2].Marked = true;
    const QImage img = RenderScreen(plan, view);
    EXPECT_EQ(PixelAt(img, 98, 61), clBlue);
    EXPECT_EQ(PixelAt(img, 264, 61), clRed);
}

TEST(DiagramTrains, MarkedTrainTextColours) {
    struct Case {
        TColor Train, Text;
    };
    for (Case tc : {Case{clLime, clBlack}, Case{clYellow, clBlack}, Case{clSilver, clBlack},
                    Case{clAqua, clBlack}, Case{clNavy, clWhite}, Case{clRed, clWhite}}) {
        PlanRec plan = WorkedExample(tc.Train);
        DiagramView view{true, true, 1};
        const TrainColours col = TrainColoursOf(plan, view, ScreenOutput, 1);
        EXPECT_EQ(col.Text, tc.Text);
        EXPECT_EQ(col.TextBack, tc.Train);
        EXPECT_EQ(col.BoxFill, tc.Train);
        EXPECT_EQ(col.BoxFrame, clBlack);
    }
}

namespace {
// The inner frame of a marked train's marker box.
void ExpectInnerFrames(const QImage& img, const PlanZug& z, TColor train) {
    for (int p = 1; p <= z.PointCount; ++p) {
        const TRect r = ShrinkRect(z.Points[p].MarkerRect, 1);
        for (TPoint q : {TPoint{r.Left, r.Top}, TPoint{r.Right, r.Top}, TPoint{r.Right, r.Bottom},
                         TPoint{r.Left, r.Bottom}})
            EXPECT_EQ(PixelAt(img, q.X, q.Y), clBlack) << "point " << p;
        EXPECT_EQ(PixelAt(img, r.Left - 1, r.Top - 1), train) << "point " << p;
        EXPECT_EQ(PixelAt(img, r.Left + 2, r.Top + 2), train) << "point " << p;
    }
}
} // namespace

TEST(DiagramTrains, MarkedTrainFullRedrawAndHighlight) {
    PlanRec plan = PlanWithStations({2, 3, 2}, 6, 8, 1);
    AddRun(plan, clGreen, 1, 2, 6, 5, 3, 1, 6, 20, RichtungRight);
    const int slot = AddRun(plan, clPurple, 1, 1, 6, 10, 2, 2, 6, 40, RichtungRight);
    PlanZug& z = plan.Trains[slot];
    z.PointCount = 4;
    z.Points[3] = PlanCnt{ModusStopDeparture, 0, 2, 2, EncodeTime(6, 50), {}, {}};
    z.Points[4] = PlanCnt{ModusArrival, RichtungLeft, 1, 2, EncodeTime(7, 30), {}, {}};

    DiagramView marked{true, true, slot};
    const QImage full = RenderScreen(plan, marked);
    ExpectInnerFrames(full, z, clPurple);
    // the stop runs down track 2 of station 2 from the arrival to the departure
    EXPECT_EQ(PixelAt(full, 288, 170), clPurple);

    DiagramView unmarked{true, false, slot};
    const QImage plain = RenderScreen(plan, unmarked);
    QImage highlighted = plain;
    {
        Canvas c(highlighted);
        HighlightTrain(plan, unmarked, c, true);
    }
    EXPECT_TRUE(unmarked.TrainMarked);
    ExpectInnerFrames(highlighted, z, clPurple);
    EXPECT_TRUE(highlighted == full);
    {
        Canvas c(highlighted);
        HighlightTrain(plan, unmarked, c, false);
    }
    EXPECT_FALSE(unmarked.TrainMarked);
    EXPECT_TRUE(highlighted == plain) << "the unmarked look is restored";
}

TEST(DiagramTrains, SkipsSlotsNotInUseAndSelectionOutsideTrains) {
    PlanRec plan = WorkedExample(clRed);
    plan.TrainCount = 2;
    plan.Trains[2].InUse = false;
    DiagramView view{true, false, 0};
    const QImage before = RenderScreen(plan, view);
    QImage img = before;
    {
        Canvas c(img);
        HighlightTrain(plan, view, c, true);
        view.SelTrain = 2;
        HighlightTrain(plan, view, c, true);
        view.SelTrain = 77;
        HighlightTrain(plan, view, c, true);
    }
    EXPECT_TRUE(img == before);
}

TEST(DiagramDescription, ColourFollowsColourPrint) {
    PlanRec plan = WorkedExample(clRed);
    plan.BackColor = clNavy;
    plan.PlanDescription = QStringLiteral("Linie 1");
    DiagramView view;
    const QImage colour = RenderScreen(plan, view);
    EXPECT_GT(CountColour(colour, {10, 10, 80, 26}, clRed), 10);
    view.ColourPrint = false;
    const QImage bw = RenderScreen(plan, view);
    EXPECT_GT(CountColour(bw, {10, 10, 80, 26}, clBlack), 10);
    EXPECT_EQ(CountColour(bw, {10, 10, 80, 26}, clRed), 0);
    // a new text erases the old box first
    QImage edited = colour;
    {
        Canvas c(edited);
        view.ColourPrint = true;
        DrawDescription(plan, view, QString(), c);
    }
    EXPECT_EQ(CountColour(edited, {10, 10, 310, 23}, clRed), 0);
    EXPECT_EQ(PixelAt(edited, 10, 10), clNavy);
}

TEST(DiagramDragImage, SingleRunInWhite) {
    PlanRec plan = WorkedExample(clRed);
    DiagramView view;
    RenderScreen(plan, view);
    const PlanZug& z = plan.Trains[1];
    const TRect d = z.Points[1].MarkerRect;
    const TRect a = z.Points[2].MarkerRect;
    const TRect r{d.Left, d.Top, a.Right, a.Bottom};
    QImage img(r.Width(), r.Height(), QImage::Format_RGB32);
    img.fill(Qt::black);
    {
        Canvas c(img);
        DrawSIngleTrain(plan, 1, 2, r, c);
    }
    EXPECT_EQ(PixelAt(img, 0, 0), clWhite);
    EXPECT_EQ(PixelAt(img, 6, 6), clWhite);
    EXPECT_EQ(PixelAt(img, r.Width() - 1, r.Height() - 1), clWhite);
    EXPECT_EQ(PixelAt(img, r.Width() - 7, r.Height() - 7), clWhite);
    EXPECT_EQ(PixelAt(img, 8, 6), clBlack);
    // the name box at its place in the diagram, relative to r
    const TRect n = z.Points[2].LabelRect;
    EXPECT_EQ(PixelAt(img, n.Left - r.Left, n.Top - r.Top), clWhite);
    EXPECT_EQ(PixelAt(img, n.Right - r.Left, n.Bottom - r.Top), clWhite);
    EXPECT_EQ(PixelAt(img, n.Right - r.Left - 5, n.Top - r.Top + 3), clWhite);
    EXPECT_GT(CountColour(img,
                          {n.Left - r.Left + 20, n.Top - r.Top + 1, n.Right - r.Left - 10,
                           n.Bottom - r.Top},
                          clBlack),
              15)
        << "name in black";
    EXPECT_EQ(PixelAt(img, 109 - r.Left, 130 - r.Top), clWhite) << "line";
}

TEST(DiagramDragImage, LeftwardRunCorners) {
    PlanRec plan = PlanWithStations({2, 3}, 6, 8, 1);
    AddRun(plan, clGreen, 2, 2, 6, 10, 1, 1, 6, 40, RichtungLeft);
    DiagramView view;
    RenderScreen(plan, view);
    const PlanZug& z = plan.Trains[1];
    const TRect d = z.Points[1].MarkerRect;
    const TRect a = z.Points[2].MarkerRect;
    const TRect r{a.Left, d.Top, d.Right, a.Bottom};
    QImage img(r.Width(), r.Height(), QImage::Format_RGB32);
    img.fill(Qt::black);
    {
        Canvas c(img);
        DrawSIngleTrain(plan, 1, 2, r, c);
    }
    const int w = r.Width(), h = r.Height();
    EXPECT_EQ(PixelAt(img, w - 1, 0), clWhite) << "departure top right";
    EXPECT_EQ(PixelAt(img, w - 7, 6), clWhite);
    EXPECT_EQ(PixelAt(img, 0, h - 1), clWhite) << "arrival bottom left";
    EXPECT_EQ(PixelAt(img, 6, h - 7), clWhite);
    EXPECT_EQ(PixelAt(img, 0, 0), clBlack);
    EXPECT_EQ(PixelAt(img, w - 1, h - 1), clBlack);
    const TRect n = z.Points[2].LabelRect;
    EXPECT_EQ(PixelAt(img, n.Right - r.Left, n.Top - r.Top), clWhite);
    EXPECT_EQ(PixelAt(img, n.Left - r.Left - 1, n.Top - r.Top), clBlack);
}

TEST(ColourBoxes, ColorOfItemAndSelectColorItem) {
    const TColor table[] = {clBlack, clGray,   clMaroon,  clOlive, clGreen,  clTeal,
                            clNavy,  clPurple, clSilver,  clRed,   clYellow, clLime,
                            clAqua,  clBlue,   clFuchsia, clWhite};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(ColorOfItem(i), table[i]) << i;
        EXPECT_EQ(SelectColorItem(3, table[i]), i) << i;
    }
    EXPECT_EQ(ColorOfItem(-1), clBlue) << "no selection";
    EXPECT_EQ(ColorOfItem(16), clBlue);
    EXPECT_EQ(ColorOfItem(15, TrainColorItems), clBlue) << "outside the train box";
    EXPECT_EQ(SelectColorItem(4, 0x123456), 4) << "colour outside the table";
    EXPECT_EQ(SelectColorItem(-1, 0x123456), -1);
    EXPECT_EQ(SelectColorItem(2, clWhite, TrainColorItems), 2) << "white not in the train box";
}
