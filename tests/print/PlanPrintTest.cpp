#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "platform/Canvas.h"
#include "print/PlanPrint.h"
#include "print/PrintEngine.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The print picture of the whole plan in one image, for comparison.
QImage WholePrintPicture(const PlanRec& source, const DiagramView& v) {
    PlanRec plan = source;
    DiagramView view = v;
    ResizePlan(plan);
    QImage img(plan.PlanRect.Width(), plan.PlanRect.Height(), QImage::Format_RGB32);
    img.fill(Qt::white);
    Canvas c(img);
    DrawPrintPicture(plan, view, c);
    c.SetPenColor(0);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle({2, 2, img.width() - 2, img.height() - 2});
    return img;
}

// Pages rendered as a printer at 96 dpi renders them: one design pixel to
// one device pixel.
QImage PrintedPage(TPrintEngine& e, int page) {
    QImage sheet(737, 1046, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    Canvas c(sheet);
    e.PrintingPage = page;
    e.FillPage(page, false);
    e.RenderPage(c, page, PrinterScales(96, 96), false);
    return sheet;
}

} // namespace

TEST(PlanPrint, TileGrid) {
    struct Case {
        int W, H, Columns, Rows;
    };
    for (const Case& c : {Case{645, 836, 1, 1}, Case{646, 836, 2, 1}, Case{645, 837, 1, 2},
                          Case{1300, 900, 3, 2}, Case{1290, 1672, 2, 2}, Case{0, 900, 0, 0}}) {
        const TTileGrid g = PlanTileGrid(c.W, c.H);
        EXPECT_EQ(g.Columns, c.Columns) << c.W << "x" << c.H;
        EXPECT_EQ(g.Rows, c.Rows) << c.W << "x" << c.H;
    }
    // 1300 × 900: page 4 is the left part of the lower band, page 6 the cut corner.
    EXPECT_EQ(PlanTileSource(4, 3, 645, 836, 1300, 900), (TRect{0, 836, 645, 900}));
    EXPECT_EQ(PlanTileSource(3, 3, 645, 836, 1300, 900), (TRect{1290, 0, 1300, 836}));
    EXPECT_EQ(PlanTileSource(6, 3, 645, 836, 1300, 900), (TRect{1290, 836, 1300, 900}));
    EXPECT_EQ(PlanTileSource(7, 3, 645, 836, 1300, 900), (TRect{}));
}

TEST(PlanPrint, TitleCarriesTheCyclicSuffixOnTheFullSizePrintOnly) {
    EXPECT_EQ(PlanPrintTitle(QStringLiteral("Talbahn"), true, true),
              QStringLiteral("Fahrplan: Talbahn - (Taktfahrplan)"));
    EXPECT_EQ(PlanPrintTitle(QStringLiteral("Talbahn"), true, false),
              QStringLiteral("Fahrplan: Talbahn"));
    EXPECT_EQ(PlanPrintTitle(QStringLiteral("Talbahn"), false, true),
              QStringLiteral("Fahrplan: Talbahn"));
}

// Each full-size page shows its tile of the picture, pixel for pixel what a
// drawing of the whole picture has there, and white past the picture's
// edge, even after a full tile was printed before it.
TEST(PlanPrint, FullSizePagesShowTheirTiles) {
    const PlanRec plan = GeneratedPlan(5, 2, 6, 10, 1);
    DiagramView view;
    const QImage whole = WholePrintPicture(plan, view);
    TPlanPicture picture(plan, view);
    ASSERT_EQ(picture.Width(), whole.width());
    const TTileGrid grid = PlanTileGrid(picture.Width(), picture.Height());
    ASSERT_GE(grid.Columns, 2);
    ASSERT_GE(grid.Rows, 2);
    TLayoutForm form = MakePagePlan();
    TPrintEngine e;
    PreparePlanPrint(e, form, picture, plan, true);
    EXPECT_EQ(e.PageCount(), grid.Pages());
    EXPECT_EQ(e.TileColumns, grid.Columns);
    EXPECT_EQ(e.PrintKind, pkPlanTiles);

    for (int page : {1, grid.Columns + 1, grid.Pages()}) {
        const QImage sheet = PrintedPage(e, page);
        const TRect src =
            PlanTileSource(page, grid.Columns, 645, 836, whole.width(), whole.height());
        int wrong = 0;
        for (int y = 0; y < 836; y += 3)
            for (int x = 0; x < 645; x += 3) {
                const QRgb want = x < src.Width() && y < src.Height()
                                      ? whole.pixel(src.Left + x, src.Top + y)
                                      : qRgb(255, 255, 255);
                wrong += sheet.pixel(60 + x, 144 + y) != want;
            }
        EXPECT_EQ(wrong, 0) << "page " << page;
    }
    EXPECT_EQ(form.Find(QStringLiteral("PageNum"))->Caption,
              QString::number(grid.Pages()) + u'/' + QString::number(grid.Pages()));
}

// Without "Farbdruck" the page shows only black and white (and the
// diagram's silver grid lines); with it the plan's background colour.
TEST(PlanPrint, ColourPrintChoosesTheColours) {
    PlanRec plan = GeneratedPlan(3, 2, 4, 6, 1);
    plan.BackColor = clOlive;
    for (bool colour : {false, true}) {
        DiagramView view;
        view.ColourPrint = colour;
        TPlanPicture picture(plan, view);
        TLayoutForm form = MakePagePlan();
        TPrintEngine e;
        PreparePlanPrint(e, form, picture, plan, true);
        const QImage sheet = PrintedPage(e, 1);
        bool onlyBlackWhite = true;
        bool olive = false;
        for (int y = 144; y < 980; ++y)
            for (int x = 60; x < 705; ++x) {
                const QRgb p = sheet.pixel(x, y) & 0xFFFFFF;
                onlyBlackWhite = onlyBlackWhite && (p == 0 || p == 0xFFFFFF || p == 0xC0C0C0);
                olive = olive || p == 0x808000;
            }
        EXPECT_EQ(onlyBlackWhite, !colour);
        EXPECT_EQ(olive, colour);
    }
}

// The fitted print fills the picture area on the printer, stretched in
// both directions alike; the preview does not enlarge a small picture.
TEST(PlanPrint, FittedPrint) {
    PlanRec plan = WorkedExample(clRed);
    plan.Cyclic = true;
    DiagramView view;
    TPlanPicture picture(plan, view);
    ASSERT_LT(picture.Width(), 645);
    TLayoutForm form = MakePagePlan();
    TPrintEngine e;
    PreparePlanPrint(e, form, picture, plan, false);
    EXPECT_EQ(e.PageCount(), 1);
    EXPECT_EQ(e.PrintKind, pkPlanFitted);
    EXPECT_EQ(form.Find(QStringLiteral("ltitel"))->Caption, QStringLiteral("Fahrplan: Testplan"));

    const QImage sheet = PrintedPage(e, 1);
    // The frame 2 pixels inside the picture lands 2 · scale inside the area.
    const int frameX = 60 + 2 * 645 / picture.Width();
    EXPECT_EQ(sheet.pixel(frameX, 500) & 0xFFFFFF, 0u);
    EXPECT_EQ(sheet.pixel(704 - 2 * 645 / picture.Width(), 500) & 0xFFFFFF, 0u);

    QImage shown(600, 800, QImage::Format_RGB32);
    shown.fill(Qt::white);
    Canvas c(shown);
    e.RenderPage(c, 1, PreviewScales(1.0, 0), true);
    // The preview shows the picture at its own size: its right frame line
    // lies at 60 + W − 3 and nothing of it further right.
    EXPECT_EQ(shown.pixel(60 + picture.Width() - 3, 300) & 0xFFFFFF, 0u);
    EXPECT_EQ(shown.pixel(60 + picture.Width() + 1, 300) & 0xFFFFFF, 0xFFFFFFu);
}
