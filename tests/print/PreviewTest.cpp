#include "PlanFixtures.h"

#include "ScriptedRunner.h"
#include "app/MainWindow.h"
#include "print/PlanPrint.h"
#include "print/TPrintPreview.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A preview with n pages of one frame form, filled with a counter.
struct PreviewFixture {
    explicit PreviewFixture(int pages) {
        for (int i = 0; i < pages; ++i)
            Preview.Engine.AddPages(Form);
        Preview.Engine.PrintKind = pkTrainRun;
        Preview.Engine.FillList = [this](TLayoutForm&, int page, bool progress) {
            Filled.push_back(progress ? page : -page);
        };
    }
    TLayoutForm Form = MakePageFrame(QStringLiteral("F"), QStringLiteral("Zuglauf"), 99, 1008);
    TPrintPreview Preview;
    std::vector<int> Filled;
};

} // namespace

TEST(PrintPreview, NoPagesShowNothing) {
    ScriptedRunner runner;
    PreviewFixture f(0);
    EXPECT_EQ(f.Preview.ShowPreview(), 0);
    EXPECT_TRUE(runner.Shown.empty());
}

// Navigation within 1 … PageCount, the page button's caption, the buttons
// enabled at the ends; every page shown is filled with progress; closing
// empties the page list.
TEST(PrintPreview, Navigation) {
    for (int pages : {1, 3}) {
        ScriptedRunner runner;
        PreviewFixture f(pages);
        TPrintPreview& p = f.Preview;
        runner.Queue([&](QDialog&) {
            EXPECT_EQ(p.MidBtn->text(), QStringLiteral("Seite: 1/") + QString::number(pages));
            EXPECT_EQ(p.BtnNext->isEnabled(), pages > 1);
            EXPECT_EQ(p.BtnLast->isEnabled(), pages > 1);
            EXPECT_FALSE(p.BtnPrior->isEnabled());
            EXPECT_FALSE(p.BtnFirst->isEnabled());
            if (pages > 1) {
                p.MidBtn->click();
                EXPECT_EQ(p.MidBtn->text(), QStringLiteral("Seite: 2/3"));
                EXPECT_TRUE(p.BtnPrior->isEnabled());
                p.BtnLast->click();
                EXPECT_EQ(p.Engine.CurrentPage, 3);
                EXPECT_FALSE(p.BtnNext->isEnabled());
                p.BtnNext->click(); // at the end: nothing
                EXPECT_EQ(p.Engine.CurrentPage, 3);
                p.BtnFirst->click();
                EXPECT_EQ(p.Engine.CurrentPage, 1);
            }
            return int(QDialog::Accepted);
        });
        p.ShowPreview();
        EXPECT_TRUE(runner.AllAnswersUsed());
        if (pages > 1)
            EXPECT_EQ(f.Filled, (std::vector<int>{1, 2, 3, 1}));
        else
            EXPECT_EQ(f.Filled, (std::vector<int>{1}));
        EXPECT_FALSE(p.Engine.Previewing);
    }
}

// "100%" sizes the sheet 540 × 742; the same zoom again does nothing, the
// printer setup re-lays it out.
TEST(PrintPreview, Zoom) {
    PreviewFixture f(1);
    TPrintPreview& p = f.Preview;
    EXPECT_EQ(p.Zoomlist->currentText(), QStringLiteral("75%"));
    EXPECT_EQ(p.Engine.PreviewScale, 2.0);
    p.Zoomlist->setCurrentText(QStringLiteral("100%"));
    EXPECT_NEAR(p.Engine.PreviewScale, 1.428571428571429, 1e-12);
    EXPECT_EQ(p.ScrollBox1->size(), QSize(540, 742));
    EXPECT_FALSE(p.ZoomlistChange());
    EXPECT_TRUE(p.ZoomlistChange(true));
    p.Zoomlist->setCurrentText(QStringLiteral("50%"));
    EXPECT_EQ(p.ScrollBox1->width(), static_cast<int>(768 / 2.857142857142857) + 3);
}

// The menu's full-size print shows one page per tile; the fitted print one.
TEST(PrintPreview, PlanPrintFromTheMenu) {
    ScriptedRunner runner;
    TFMain w;
    w.Plan = GeneratedPlan(4, 2, 4, 6, 1);
    w.Plan.PlanName = QStringLiteral("Talbahn");
    w.Plan.Cyclic = true;
    PlanOpen = true;
    w.EnablePlanCommands(true);
    w.ResizePlan();
    const TTileGrid grid = PlanTileGrid(w.Plan.PlanRect.Width(), w.Plan.PlanRect.Height());
    TPrintPreview* p = ThePrintPreview();
    ASSERT_NE(p, nullptr);
    int pages = -1;
    QString title;
    auto look = [&](QDialog& d) {
        EXPECT_EQ(&d, p);
        pages = p->Engine.PageCount();
        title = p->Engine.PageForm(1)->Find(QStringLiteral("ltitel"))->Caption;
        return int(QDialog::Accepted);
    };
    runner.Queue(look);
    w.dxBarButton3->trigger();
    EXPECT_EQ(pages, grid.Pages());
    EXPECT_EQ(title, QStringLiteral("Fahrplan: Talbahn - (Taktfahrplan)"));
    EXPECT_EQ(p->Engine.PageCount(), 0);
    runner.Queue(look);
    w.dxBarButton5->trigger();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(title, QStringLiteral("Fahrplan: Talbahn"));
    PlanOpen = false;
}
