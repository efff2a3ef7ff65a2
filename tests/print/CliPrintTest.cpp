#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "print/PlanPrint.h"
#include "print/TablePrint.h"
#include "views/TimetableRows.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"

#include "CliProcess.h"
#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

CliRun Cli(const QStringList& args) {
    return RunProgram(QString::fromUtf8(ZENTORIA_CLI), args);
}

QByteArray ReadAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pages of a PDF: its page objects.
int PdfPages(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n")) +
           static_cast<int>(pdf.count("/Type /Page\r")) +
           static_cast<int>(pdf.count("/Type /Page "));
}

class CliPrintTest : public testing::Test {
protected:
    void SetUp() override {
        QStringList created;
        QString error;
        ASSERT_TRUE(WriteTableFiles(Dir.Path(), false, false, created, error));
        auto dm = Tdm::Open(Dir.Path(), error);
        ASSERT_TRUE(dm) << error.toStdString();
        Plan = std::make_unique<PlanRec>(GeneratedPlan(4, 2, 5, 8, 1));
        Plan->PlanName = u"Talbahn"_s;
        std::uint8_t docState = DocNew;
        bool modified = true;
        ASSERT_TRUE(StorePlan(*dm, *Plan, docState, modified).Ok);
    }
    TempDir Dir;
    std::unique_ptr<PlanRec> Plan;
};

} // namespace

// One PDF page per tile at full size, one page fitted.
TEST_F(CliPrintTest, PrintWritesOnePdfPagePerSheet) {
    const TRect canvas = PlanCanvasRect(*Plan);
    const TTileGrid grid = PlanTileGrid(canvas.Width(), canvas.Height());
    ASSERT_GT(grid.Pages(), 1);
    const QString full = Dir.File(u"voll.pdf"_s);
    CliRun run = Cli({u"--dir"_s, Dir.Path(), u"print"_s, u"Talbahn"_s, u"--pdf"_s, full});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QByteArray pdf = ReadAll(full);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPages(pdf), grid.Pages());

    const QString fit = Dir.File(u"seite.pdf"_s);
    run = Cli({u"--dir"_s, Dir.Path(), u"print"_s, u"1"_s, u"--pdf"_s, fit, u"--fit"_s, u"--bw"_s});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(PdfPages(ReadAll(fit)), 1);
}

// Bad calls say why in German and leave no file; an existing file stays
// as it was when the new one cannot be written.
TEST_F(CliPrintTest, RefusalsLeaveNoFile) {
    const QString file = Dir.File(u"x.pdf"_s);
    CliRun run = Cli({u"--dir"_s, Dir.Path(), u"print"_s, u"Talbahn"_s});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(u"--pdf"_s));
    run = Cli({u"--dir"_s, Dir.Path(), u"print"_s, u"Bergbahn"_s, u"--pdf"_s, file});
    EXPECT_EQ(run.Exit, 2);
    EXPECT_TRUE(run.Err.contains(u"Bergbahn"_s));
    EXPECT_FALSE(QFile::exists(file));
    run = Cli({u"--dir"_s, Dir.Path(), u"print"_s, u"1"_s, u"--pdf"_s, Dir.File(u"fehlt/x.pdf"_s)});
    EXPECT_EQ(run.Exit, 4);
    EXPECT_TRUE(run.Err.contains(u"nicht geschrieben"_s)) << run.Err.toStdString();
}

// The lists through the same layout forms: one PDF page per printed page.
TEST_F(CliPrintTest, PrintTableWritesTheListPages) {
    QString error;
    auto dm = Tdm::Open(Dir.Path(), error);
    ASSERT_TRUE(dm);
    RefillTrainRun(*dm, *Plan);
    SelectTrainRange(dm->tTabSort, QString());
    const int runPages = ListPageCount(dm->tTabSort.RecordCount());
    RefillStationTimetable(*dm, *Plan);
    SelectStationRange(dm->tTabPlan, Plan->Stations[2].Name, 1);
    const int stationPages = StationPageCount(ReadStationEntries(dm->tTabPlan));
    dm.reset();
    ASSERT_GE(runPages, 1);
    ASSERT_GE(stationPages, 1);

    const QString runs = Dir.File(u"zuglauf.pdf"_s);
    CliRun run = Cli(
        {u"--dir"_s, Dir.Path(), u"print-table"_s, u"zuglauf"_s, u"Talbahn"_s, u"--pdf"_s, runs});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(PdfPages(ReadAll(runs)), runPages);

    const QString station = Dir.File(u"bahnhof.pdf"_s);
    run = Cli({u"--dir"_s, Dir.Path(), u"print-table"_s, u"bahnhofsfahrplan"_s, u"Talbahn"_s,
               u"--station"_s, Plan->Stations[2].Name, u"--typ"_s, u"abfahrt"_s, u"--pdf"_s,
               station});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(PdfPages(ReadAll(station)), stationPages);

    const QString dispatcher = Dir.File(u"fdl.pdf"_s);
    run = Cli({u"--dir"_s, Dir.Path(), u"print-table"_s, u"fahrdienst"_s, u"Talbahn"_s,
               u"--station"_s, Plan->Stations[1].Name, u"--sort"_s, u"abfahrt"_s, u"--pdf"_s,
               dispatcher});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_GE(PdfPages(ReadAll(dispatcher)), 1);

    // Refusals: an unknown list, a missing station, a station not in the plan.
    const QString none = Dir.File(u"nichts.pdf"_s);
    for (const QStringList& bad : {QStringList{u"fahrplan"_s, u"Talbahn"_s, u"--pdf"_s, none},
                                   QStringList{u"fahrdienst"_s, u"Talbahn"_s, u"--pdf"_s, none},
                                   QStringList{u"bahnhofsfahrplan"_s, u"Talbahn"_s, u"--station"_s,
                                               u"X"_s, u"--pdf"_s, none}}) {
        run = Cli(QStringList{u"--dir"_s, Dir.Path(), u"print-table"_s} + bad);
        EXPECT_NE(run.Exit, 0) << bad.join(u' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(none));
}
