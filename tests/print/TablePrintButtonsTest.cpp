#include "ScriptedRunner.h"
#include "StoreFixture.h"
#include "ViewPlans.h"

#include "print/TPrintPreview.h"
#include "print/TablePrint.h"
#include "views/TFTabAnAb.h"
#include "views/TFTabPlan.h"
#include "views/TimetableRows.h"

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

PlanRec RunsPlan(int trains) {
    PlanRec plan = LinePlan(2, 1);
    plan.PlanName = QStringLiteral("Liste");
    for (int i = 1; i <= trains; ++i)
        AddTrain(plan, QStringLiteral("Z%1").arg(i, 2, 10, QChar(u'0')),
                 {{ModusDeparture, 1, 1, i % 24, 0}, {ModusArrival, 2, 1, i % 24, 30}});
    return plan;
}

} // namespace

// The print buttons of the windows hand their rows to the preview; the
// page list is empty again after it closed.
TEST(TablePrintButtons, WindowsPrintWhatTheyShow) {
    StoreFixture f;
    ScriptedRunner runner;
    const PlanRec plan = RunsPlan(43);
    {
        TFTabPlan w(*f.Dm, plan);
        int pages = 0;
        int gridRows = 0;
        QString mid;
        runner.Queue([&](QDialog& d) {
            auto* p = dynamic_cast<TPrintPreview*>(&d);
            EXPECT_NE(p, nullptr);
            if (!p)
                return int(QDialog::Rejected);
            pages = p->Engine.PageCount();
            mid = p->MidBtn->text();
            p->MidBtn->click();
            gridRows = p->Engine.PageForm(2)->Find(QStringLiteral("sg1"))->RowCount;
            return int(QDialog::Accepted);
        });
        w.PrnPlanTabBtn->click();
        EXPECT_EQ(pages, 2);
        EXPECT_EQ(mid, QStringLiteral("Seite: 1/2"));
        EXPECT_EQ(gridRows, 2);
        ASSERT_NE(ThePrintPreview(), nullptr);
        EXPECT_EQ(ThePrintPreview()->Engine.PageCount(), 0);
    }
    {
        TFTabAnAb w(*f.Dm, plan);
        w.cbTyp->setCurrentIndex(1);
        w.cbTypChange();
        ASSERT_EQ(f.Dm->tTabPlan.RecordCount(), 43);
        QString kind, station;
        int pages = 0;
        runner.Queue([&](QDialog&) {
            TPrintEngine& e = ThePrintPreview()->Engine;
            pages = e.PageCount();
            kind = e.PageForm(1)->Find(QStringLiteral("lAbfahrt"))->Caption;
            station = e.PageForm(1)->Find(QStringLiteral("lBahnhof"))->Caption;
            return int(QDialog::Accepted);
        });
        w.PrnPlanTabBtn->click();
        EXPECT_EQ(kind, QStringLiteral("Abfahrt"));
        EXPECT_EQ(station, QStringLiteral("A"));
        EXPECT_EQ(pages, StationPageCount(ReadStationEntries(f.Dm->tTabPlan)));
        EXPECT_GE(pages, 2);
    }
    EXPECT_TRUE(runner.AllAnswersUsed());
}
