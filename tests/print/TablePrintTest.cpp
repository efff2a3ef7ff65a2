#include "StoreFixture.h"
#include "ViewPlans.h"

#include "platform/Canvas.h"
#include "print/PrintEngine.h"
#include "print/TablePrint.h"
#include "views/TimetableRows.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>

namespace {

// A line of two stations and `trains` trains of one run each, named so
// that their order is their number.
PlanRec RunsPlan(int trains) {
    PlanRec plan = LinePlan(2, 1);
    plan.PlanName = QStringLiteral("Liste");
    plan.PlanDescription = QStringLiteral("Beschreibung");
    for (int i = 1; i <= trains; ++i)
        AddTrain(plan, QStringLiteral("Z%1").arg(i, 2, 10, QChar(u'0')),
                 {{ModusDeparture, 1, 1, i % 24, 0}, {ModusArrival, 2, 1, i % 24, 30}});
    return plan;
}

std::vector<StationEntry> Entries(const std::vector<int>& minutes) {
    std::vector<StationEntry> rows;
    for (int m : minutes) {
        StationEntry e;
        e.Minute = m;
        e.Train = QStringLiteral("Z");
        e.Track = QStringLiteral("1");
        rows.push_back(e);
    }
    return rows;
}

std::vector<int> InOneHour(int n, int hour) {
    std::vector<int> m;
    for (int i = 0; i < n; ++i)
        m.push_back(hour * 60 + i % 60);
    return m;
}

// The paint box pb of the station page on a 96 dpi printer.
const TRect PrinterArea{60, 178, 705, 984};

struct ParamsOnImage {
    QImage Img{10, 10, QImage::Format_RGB32};
    StationLayoutParams Printer;
    StationLayoutParams Preview;
    ParamsOnImage() {
        Canvas c(Img);
        Printer = StationPrintParams(c, false, 1.0, PrinterScales(96, 96));
        Preview = StationPrintParams(c, true, 1.0, PreviewScales(1.0, 0));
    }
};

// Every row of the range once, in order; on paper every box inside the
// paint box. (The preview's boxes are 40 high instead of 36 and may reach
// a little further down the sheet.)
void ExpectCompleteAndInside(const std::vector<StationEntry>& rows,
                             const StationLayoutParams& params, const char* what,
                             bool inside = true) {
    const int n = StationPageCount(rows);
    const auto pages = StationPages(rows, n, params);
    ASSERT_EQ(static_cast<int>(pages.size()), n) << what;
    int next = 0;
    for (const TStationPage& p : pages) {
        EXPECT_EQ(p.First, next) << what;
        EXPECT_LE(p.Left, p.Count) << what;
        next += p.Count;
        const auto places =
            StationBoxPlaces(rows.data() + p.First, p.Count, p.Left, params, PrinterArea);
        for (const StationBoxPlace& b : places) {
            if (inside) {
                EXPECT_LE(b.Y + params.BoxHeight, PrinterArea.Bottom)
                    << what << " page from " << p.First;
            }
        }
    }
    EXPECT_EQ(next, static_cast<int>(rows.size())) << what;
}

} // namespace

TEST(ListPrint, RowsPerPage) {
    struct Case {
        int Rows, Pages, LastGridRows;
    };
    for (const Case& c :
         {Case{1, 1, 2}, Case{42, 1, 43}, Case{43, 2, 2}, Case{84, 2, 43}, Case{85, 3, 2}}) {
        EXPECT_EQ(ListPageCount(c.Rows), c.Pages) << c.Rows;
        EXPECT_EQ(ListGridRows(c.Pages, c.Rows), c.LastGridRows) << c.Rows;
        if (c.Pages > 1) {
            EXPECT_EQ(ListGridRows(1, c.Rows), 43) << c.Rows;
        }
    }
    EXPECT_EQ(ListPageCount(0), 0);
}

// 43 runs print on two pages: the second grid holds the header and the
// 43rd row; the header texts are the printed ones; the preview's filling
// reports its progress row by row.
TEST(ListPrint, TrainRunPages) {
    StoreFixture f;
    const PlanRec plan = RunsPlan(43);
    RefillTrainRun(*f.Dm, plan);
    Cursor& t = f.Dm->tTabSort;
    SelectTrainRange(t, QString());
    ASSERT_EQ(t.RecordCount(), 43);
    TLayoutForm form = MakePrnPlanTab();
    TPrintEngine e;
    std::vector<int> steps;
    int maximum = -1;
    bool ended = false;
    TListProgress progress{[&](int m) { maximum = m; }, [&](int s) { steps.push_back(s); },
                           [&] { ended = true; }};
    EXPECT_EQ(PrepareListPrint(e, form, t, pkTrainRun, plan.PlanName, plan.PlanDescription,
                               [&] { return &progress; }),
              2);
    EXPECT_EQ(form.Find(QStringLiteral("ltitel"))->Caption, QStringLiteral("Fahrplan: Liste"));
    EXPECT_EQ(form.Find(QStringLiteral("PlanBez"))->Caption, QStringLiteral("Beschreibung"));
    const TControl& grid = *form.Find(QStringLiteral("sg1"));

    e.FillPage(1, true);
    EXPECT_EQ(grid.RowCount, 43);
    EXPECT_EQ(maximum, 42);
    EXPECT_EQ(steps.size(), 42u);
    EXPECT_TRUE(ended);
    EXPECT_EQ(grid.Cell(0, 1), QStringLiteral("Z01"));
    EXPECT_EQ(grid.Cell(0, 42), QStringLiteral("Z42"));

    steps.clear();
    e.FillPage(2, false);
    EXPECT_TRUE(steps.empty()) << "printing fills without progress";
    EXPECT_EQ(grid.RowCount, 2);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(grid.Cell(c, 0), TrainRunPrintHeaders[c]);
    EXPECT_EQ(grid.Cell(0, 1), QStringLiteral("Z43"));
    EXPECT_EQ(grid.Cell(1, 1), QStringLiteral("19:00:00"));
    EXPECT_EQ(grid.Cell(0, 2), QString());
    EXPECT_EQ(form.Find(QStringLiteral("PageNum"))->Caption, QStringLiteral("2/2"));
}

// Trains that all start at the station: the printed "Ankunft" stays empty.
TEST(ListPrint, DispatcherOfStartersHasNoArrivals) {
    StoreFixture f;
    const PlanRec plan = RunsPlan(3);
    RefillDispatcher(*f.Dm, plan);
    Cursor& t = f.Dm->tTabSort;
    SelectDispatcherRange(t, QStringLiteral("A"), 0);
    ASSERT_EQ(t.RecordCount(), 3);
    TLayoutForm form = MakePrnPlanTab1();
    TPrintEngine e;
    ASSERT_EQ(PrepareListPrint(e, form, t, pkDispatcher, plan.PlanName, QStringLiteral("A")), 1);
    e.FillPage(1, false);
    const TControl& grid = *form.Find(QStringLiteral("sg1"));
    EXPECT_EQ(grid.Cell(1, 0), QStringLiteral("Bahnhof (von)"));
    EXPECT_EQ(grid.Cell(5, 0), QStringLiteral("Bahnhof (nach)"));
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grid.Cell(2, r), QString()) << r;
        EXPECT_FALSE(grid.Cell(4, r).isEmpty()) << r;
        EXPECT_EQ(grid.Cell(5, r), QStringLiteral("B")) << r;
    }
    EXPECT_EQ(form.Find(QStringLiteral("PlanBez"))->Caption, QStringLiteral("A"));
}

TEST(StationPrint, ParamsOfPreviewAndPrinter) {
    ParamsOnImage p;
    EXPECT_EQ(p.Preview.BoxHeight, 40);
    EXPECT_EQ(p.Printer.BoxHeight, 36);
    EXPECT_EQ(p.Printer.BandHeight, 19);
    QImage img(10, 10, QImage::Format_RGB32);
    Canvas c(img);
    const StationLayoutParams hi = StationPrintParams(c, false, 1.0, PrinterScales(300, 300));
    EXPECT_EQ(hi.BoxHeight, 112);
    EXPECT_EQ(hi.PenWidth, 3);
    EXPECT_EQ(hi.Padding, 4);
    const StationLayoutParams half = StationPrintParams(c, true, 2.0, PreviewScales(2.0, 0));
    EXPECT_EQ(half.BoxHeight, 20);
    EXPECT_EQ(half.BandHeight, 9);
}

// 34 rows: one page, split by height as the window splits; 35 rows in one
// hour: two pages, the first 19 + 16 rows, the second only the frame.
TEST(StationPrint, EdgeCasesOfThePageCount) {
    ParamsOnImage p;
    const auto rows34 = Entries(InOneHour(34, 7));
    EXPECT_EQ(StationPageCount(rows34), 1);
    const auto one = StationPages(rows34, 1, p.Printer);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Count, 34);
    EXPECT_EQ(one[0].Left, LeftColumnCount(rows34.data(), 34, p.Printer, 7));
    EXPECT_EQ(one[0].Left, 17);

    const auto rows35 = Entries(InOneHour(35, 7));
    EXPECT_EQ(StationPageCount(rows35), 2);
    const auto two = StationPages(rows35, 2, p.Printer);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].Count, 35);
    EXPECT_EQ(two[0].Left, 19);
    EXPECT_EQ(two[1].Count, 0);
    EXPECT_TRUE(StationPageCount({}) == 0);
}

// The slot rule: a column ends when its slots reach 20; every odd change
// of hour within it costs one slot more.
TEST(StationPrint, SlotRule) {
    EXPECT_EQ(SlotColumnCount(Entries(InOneHour(30, 5)), 0, 5), 19);
    // a new hour on every row: after row k (from 0) 2 + 3 · k / 2 slots
    std::vector<int> everyHour;
    for (int h = 0; h < 24; ++h)
        everyHour.push_back(h * 60);
    EXPECT_EQ(SlotColumnCount(Entries(everyHour), 0, 0), 13);
    // the hour before the column counts: a change at its first row
    EXPECT_EQ(SlotColumnCount(Entries(InOneHour(30, 5)), 0, 4), 18);
}

// Where 17 rows a column would give too few pages (many hours), the print
// gets the pages it needs; no row is ever left out or runs off the sheet,
// in the preview as on paper.
TEST(StationPrint, EveryRowPrintedOnce) {
    ParamsOnImage p;
    std::vector<int> hours;
    for (int h = 0; h < 24; ++h)
        hours.push_back(h * 60);
    for (int i = 0; i < 10; ++i)
        hours.push_back(23 * 60 + 10 + i);
    const auto many = Entries(hours);
    ASSERT_EQ(many.size(), 34u);
    EXPECT_EQ(StationPageCount(many), 2) << "17 rows a column would say 1";
    ExpectCompleteAndInside(many, p.Printer, "24 hours");

    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + static_cast<int>(rng() % 160);
        std::vector<int> minutes;
        for (int i = 0; i < n; ++i)
            minutes.push_back(static_cast<int>(rng() % (24 * 60)));
        std::sort(minutes.begin(), minutes.end());
        const auto rows = Entries(minutes);
        ExpectCompleteAndInside(rows, p.Printer, "printer");
        ExpectCompleteAndInside(rows, p.Preview, "preview", false);
        // The preview divides the rows as the paper does.
        const int pages = StationPageCount(rows);
        const auto paper = StationPages(rows, pages, p.Printer);
        const auto shown = StationPages(rows, pages, p.Preview);
        for (std::size_t i = 0; i < paper.size(); ++i) {
            EXPECT_EQ(shown[i].Count, paper[i].Count);
            EXPECT_EQ(shown[i].Left, paper[i].Left);
        }
        if (testing::Test::HasFailure())
            break;
    }
}
