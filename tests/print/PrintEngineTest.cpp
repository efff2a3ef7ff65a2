#include "platform/Canvas.h"
#include "print/PrintEngine.h"

#include <QImage>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Remembers what a print run did: documents begun, pages on each, the
// page numbers the page labels showed while each page was rendered.
class RecordingTarget : public TPrintTarget {
public:
    explicit RecordingTarget(bool separate)
        : Separate(separate), Sheet(200, 200, QImage::Format_RGB32) {}
    bool SeparateDocuments() const override { return Separate; }
    Canvas* BeginDocument() override {
        ++Documents;
        C = std::make_unique<Canvas>(Sheet);
        return C.get();
    }
    bool NextPage() override {
        ++ExtraPages;
        return true;
    }
    bool EndDocument() override {
        ++Ended;
        C.reset();
        return true;
    }
    int DpiX() const override { return 96; }
    int DpiY() const override { return 96; }

    bool Separate;
    QImage Sheet;
    std::unique_ptr<Canvas> C;
    int Documents = 0;
    int ExtraPages = 0;
    int Ended = 0;
};

std::vector<int> Pages(const std::vector<TPrintStep>& steps) {
    std::vector<int> p;
    for (const TPrintStep& s : steps)
        p.push_back(s.Page);
    return p;
}

} // namespace

// The zoom list's scale, 100 / (0.7 · z), and the sheet it gives.
TEST(PrintScales, ZoomAndSheet) {
    struct Case {
        const char* Item;
        double Scale;
    };
    for (const Case& c : {Case{"140%", 1.0204081632653}, Case{"125%", 1.142857142857},
                          Case{"100%", 1.428571428571429}, Case{"75%", 1.9047619047619},
                          Case{"50%", 2.857142857142857}})
        EXPECT_NEAR(ZoomScale(QString::fromUtf8(c.Item)), c.Scale, 1e-9) << c.Item;
    EXPECT_EQ(ZoomScale(QStringLiteral("%")), 0.0);
    EXPECT_EQ(ZoomScale(QStringLiteral("0%")), 0.0);

    const TPrintScales s = PreviewScales(ZoomScale(QStringLiteral("100%")), 0);
    const TSheetSize portrait = PreviewSheetSize(s.ScaleX, 96, 8.0, 11.0, 0, false);
    EXPECT_EQ(portrait.Width, 540);
    EXPECT_EQ(portrait.Height, 742);
    const TSheetSize landscape = PreviewSheetSize(s.ScaleX, 96, 8.0, 11.0, 0, true);
    EXPECT_EQ(landscape.Width, 742);
    EXPECT_EQ(landscape.Height, 540);
    // Rulers add their mapped size to both sides.
    const TSheetSize ruled = PreviewSheetSize(s.ScaleX, 96, 8.0, 11.0, 32, false);
    EXPECT_EQ(ruled.Width, 540 + 22);
}

TEST(PrintScales, MapRectTruncatesWithOriginAndScroll) {
    TPrintScales preview = PreviewScales(2.0, 32);
    EXPECT_EQ(MapRect({60, 99, 640, 118}, 0, 0, preview), (TRect{46, 65, 336, 75}));
    EXPECT_EQ(MapRect({60, 99, 640, 118}, 5, -10, preview), (TRect{48, 60, 338, 70}));
    const TPrintScales printer = PrinterScales(300, 600);
    EXPECT_EQ(printer.PenScaleX, 3);
    EXPECT_EQ(printer.PenScaleY, 6);
    EXPECT_EQ(printer.OriginX, 0);
    EXPECT_EQ(MapRect({60, 144, 705, 980}, 0, 0, printer), (TRect{187, 900, 2203, 6125}));
    // A printer coarser than the design keeps lines visible.
    EXPECT_EQ(PrinterScales(72, 72).PenScaleY, 1);
}

TEST(PrintEngine, PreviewScaleBounds) {
    TPrintEngine e;
    EXPECT_EQ(e.PreviewScale, 2.0);
    EXPECT_TRUE(e.SetPreviewScale(1.0));
    EXPECT_TRUE(e.SetPreviewScale(5.0));
    EXPECT_FALSE(e.SetPreviewScale(0.999));
    EXPECT_FALSE(e.SetPreviewScale(5.001));
    EXPECT_EQ(e.PreviewScale, 5.0);
    e.SetPreviewRulers(true);
    EXPECT_EQ(e.RulerSize, 32);
    e.SetPreviewRulers(false);
    EXPECT_EQ(e.RulerSize, 0);
}

// The page list holds any number of pages (a long conflict list), and
// nothing outside 1 … PageCount is ever reached.
TEST(PrintEngine, PageListHasNoFixedLimit) {
    TLayoutForm form = MakePageFrame(QStringLiteral("F"), QStringLiteral("Fehlerliste"), 99, 1008);
    TLayoutForm noBox;
    noBox.Components.push_back(MakeLabel(QStringLiteral("x"), 0, 0, 1, 1, QString(), 13));
    TPrintEngine e;
    e.AddPages(noBox);
    EXPECT_EQ(e.PageCount(), 0);
    for (int i = 0; i < 1001; ++i)
        e.AddPages(form);
    EXPECT_EQ(e.PageCount(), 1001);
    EXPECT_EQ(e.PageBox(1001), form.Find(QStringLiteral("ScrollBox1")));
    EXPECT_EQ(e.PageBox(1002), nullptr);
    EXPECT_EQ(e.PageBox(0), nullptr);
    e.Clear();
    EXPECT_EQ(e.PageCount(), 0);
    EXPECT_EQ(e.CurrentPage, 0);
}

TEST(PrintEngine, PrintSequence) {
    // start above end: the end page only
    EXPECT_EQ(Pages(PrintSequence(1, 5, 3, 6, true)), (std::vector<int>{3}));
    // "all pages" comes as 0 … 0
    EXPECT_EQ(Pages(PrintSequence(1, 0, 0, 3, true)), (std::vector<int>{1, 2, 3}));
    // the end cut to the page count, copies below 1 count as 1
    EXPECT_EQ(Pages(PrintSequence(0, 2, 9, 3, true)), (std::vector<int>{2, 3}));
    EXPECT_TRUE(PrintSequence(1, 1, 1, 0, true).empty());

    const auto printer = PrintSequence(3, 1, 2, 2, true);
    EXPECT_EQ(Pages(printer), (std::vector<int>{1, 2, 1, 2, 1, 2}));
    for (const TPrintStep& s : printer)
        EXPECT_TRUE(s.NewDocument);
    const auto file = PrintSequence(3, 1, 2, 2, false);
    EXPECT_EQ(Pages(file), (std::vector<int>{1, 2, 1, 2, 1, 2}));
    EXPECT_TRUE(file[0].NewDocument);
    for (std::size_t i = 1; i < file.size(); ++i)
        EXPECT_FALSE(file[i].NewDocument) << i;
}

// Each page is filled before it is drawn; a printer gets one document per
// page, a file one document; the preview's page is refilled afterwards.
TEST(PrintEngine, PrintPagesFillsEachPageAndRefillsThePreview) {
    TLayoutForm form = MakePageFrame(QStringLiteral("F"), QStringLiteral("Zuglauf"), 99, 1008);
    TPrintEngine e;
    e.AddPages(form);
    e.AddPages(form);
    e.PrintKind = pkTrainRun;
    std::vector<QString> seen;
    e.FillList = [&](TLayoutForm& f, int page, bool progress) {
        EXPECT_FALSE(progress);
        seen.push_back(f.Find(QStringLiteral("PageNum"))->Caption + QString::number(page));
    };
    e.CurrentPage = 2;
    for (bool separate : {true, false}) {
        seen.clear();
        RecordingTarget t(separate);
        int lastDone = 0, lastTotal = 0;
        EXPECT_EQ(PrintPages(e, t, 3, 1, 2,
                             [&](int done, int total) {
                                 lastDone = done;
                                 lastTotal = total;
                             }),
                  QString());
        EXPECT_EQ(t.Documents, separate ? 6 : 1);
        EXPECT_EQ(t.ExtraPages, separate ? 0 : 5);
        EXPECT_EQ(t.Ended, t.Documents);
        EXPECT_EQ(lastDone, 6);
        EXPECT_EQ(lastTotal, 6);
        // six prints, then the refill of the preview's page 2
        ASSERT_EQ(seen.size(), 7u);
        EXPECT_EQ(seen[0], QStringLiteral("1/21"));
        EXPECT_EQ(seen[1], QStringLiteral("2/22"));
        EXPECT_EQ(seen[5], QStringLiteral("2/22"));
        EXPECT_EQ(seen[6], QStringLiteral("2/22"));
        EXPECT_EQ(form.Find(QStringLiteral("PageNum"))->Caption, QStringLiteral("2/2"));
    }
}

// A page that fails is named in German; the other pages still print.
TEST(PrintEngine, FailedPagesAreNamed) {
    TLayoutForm form = MakePageFrame(QStringLiteral("F"), QStringLiteral("Zuglauf"), 99, 1008);
    TPrintEngine e;
    for (int i = 0; i < 4; ++i)
        e.AddPages(form);
    e.PrintKind = pkTrainRun;
    std::vector<int> printed;
    e.FillList = [&](TLayoutForm&, int page, bool) {
        if (page == 2 || page == 4)
            throw std::runtime_error("Tabelle gesperrt");
        printed.push_back(page);
    };
    RecordingTarget t(true);
    EXPECT_EQ(PrintPages(e, t, 1, 1, 4),
              QStringLiteral("Die Seiten 2, 4 konnten nicht gedruckt werden. Tabelle gesperrt"));
    EXPECT_EQ(printed, (std::vector<int>{1, 3}));
    EXPECT_EQ(t.Ended, 4);
    RecordingTarget one(true);
    EXPECT_EQ(PrintPages(e, one, 1, 4, 4),
              QStringLiteral("Seite 4 konnte nicht gedruckt werden. Tabelle gesperrt"));
}

// Only visible controls with a tag of at least 0 that hold all print tags
// are drawn; a group box moves its children by its own position.
TEST(RenderControl, FilterAndContainers) {
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    Canvas c(img);
    TRenderContext ctx;
    ctx.Target = &c;
    ctx.Scales = PrinterScales(96, 96);
    ctx.Previewing = false;
    ctx.PrintTags = 2;

    auto box = [](int x, int y, int tag, bool visible) {
        TControl s;
        s.Classes = ccShape;
        s.Left = x;
        s.Top = y;
        s.Width = 10;
        s.Height = 10;
        s.Tag = tag;
        s.Visible = visible;
        s.BrushColor = 0x0000FF;
        s.PenColor = 0x0000FF;
        return s;
    };
    TControl group;
    group.Classes = ccGroupBox;
    group.Left = 100;
    group.Top = 100;
    group.Width = 80;
    group.Height = 80;
    group.Tag = 2;
    group.Children.push_back(box(20, 20, 2, true));
    std::vector<TControl> page{box(10, 10, 3, true), box(30, 10, 1, true), box(50, 10, -2, true),
                               box(70, 10, 2, false), group};
    RenderChildren(ctx, page, 0, 0);
    auto red = [&](int x, int y) { return img.pixel(x, y) == qRgb(255, 0, 0); };
    EXPECT_TRUE(red(15, 15));
    EXPECT_FALSE(red(35, 15)) << "tag lacks a print tag";
    EXPECT_FALSE(red(55, 15)) << "negative tag";
    EXPECT_FALSE(red(75, 15)) << "invisible";
    EXPECT_TRUE(red(125, 125)) << "child placed inside its group box";
    EXPECT_FALSE(red(25, 25));
    EXPECT_EQ(ctx.Scales.OriginX, 0) << "origin restored after the children";
}

// A grid draws its header row in the fixed colour and every cell inside
// the grid's own area; a label grows 3 pen units to the right.
TEST(RenderControl, GridCells) {
    QImage img(300, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    Canvas c(img);
    TRenderContext ctx;
    ctx.Target = &c;
    ctx.Scales = PrinterScales(96, 96);
    ctx.Previewing = false;
    TControl g;
    g.Classes = ccStringGrid;
    g.Left = 10;
    g.Top = 10;
    g.Width = 200;
    g.Height = 57; // three rows of 18 and their lines
    g.ColCount = 2;
    g.RowCount = 3;
    g.FixedRows = 1;
    g.FixedColor = 0x808080;
    g.ColWidths = {100, 60};
    RenderControl(ctx, g, 0, 0);
    EXPECT_EQ(img.pixel(50, 20), qRgb(128, 128, 128)) << "header cell";
    EXPECT_EQ(img.pixel(50, 40), qRgb(255, 255, 255)) << "data cell";
    EXPECT_EQ(img.pixel(10, 40), qRgb(192, 192, 192)) << "silver cell outline";
    EXPECT_EQ(img.pixel(175, 20), qRgb(255, 255, 255)) << "beyond the last column";
    EXPECT_TRUE(g.CellRect(0, 3).Width() == 0);
}
