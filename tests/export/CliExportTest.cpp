#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "export/PictureExport.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"

#include "TempDir.h"

#include <QFile>
#include <QImage>

#include "CliProcess.h"

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

// Tables holding the worked example with a navy background as plan 1.
class CliExportTest : public testing::Test {
protected:
    void SetUp() override {
        QStringList created;
        QString error;
        ASSERT_TRUE(WriteTableFiles(Dir.Path(), false, false, created, error));
        auto dm = Tdm::Open(Dir.Path(), error);
        ASSERT_TRUE(dm) << error.toStdString();
        Plan = std::make_unique<PlanRec>(WorkedExample(clRed));
        Plan->PlanName = u"Beispiel"_s;
        Plan->BackColor = clNavy;
        std::uint8_t docState = DocNew;
        bool modified = true;
        ASSERT_TRUE(StorePlan(*dm, *Plan, docState, modified).Ok);
    }
    TempDir Dir;
    std::unique_ptr<PlanRec> Plan;
};

} // namespace

// The command writes what the export button writes: colour by default,
// black and white with --bw, the same extension rule.
TEST_F(CliExportTest, WritesThePictureOfTheButton) {
    for (bool bw : {false, true}) {
        for (const char* ext : {"bmp", "jpg"}) {
            const QString cli = Dir.File(u"cli."_s + QString::fromUtf8(ext));
            const QString button = Dir.File(u"button."_s + QString::fromUtf8(ext));
            QStringList args{u"--dir"_s, Dir.Path(), u"export"_s, u"Beispiel"_s, cli};
            if (bw)
                args << u"--bw"_s;
            const CliRun run = Cli(args);
            EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
            DiagramView view;
            view.ColourPrint = !bw;
            ASSERT_EQ(ExportPicture(*Plan, view, button), QString());
            EXPECT_EQ(ReadAll(cli), ReadAll(button)) << ext << bw;
        }
    }
    EXPECT_EQ(PixelAt(QImage(Dir.File(u"cli.bmp"_s)), 5, 300), clWhite) << "--bw";
}

TEST_F(CliExportTest, RefusalsInGerman) {
    const QString png = Dir.File(u"plan.BMP"_s);
    CliRun run = Cli({u"--dir"_s, Dir.Path(), u"export"_s, u"1"_s, png});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(u".BMP ist kein gültiges Dateiformat"_s)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(png));

    run = Cli({u"--dir"_s, Dir.Path(), u"export"_s, u"Fehlt"_s, Dir.File(u"x.bmp"_s)});
    EXPECT_NE(run.Exit, 0);
    EXPECT_TRUE(run.Err.contains(u"Fehlt"_s)) << run.Err.toStdString();

    run = Cli({u"--dir"_s, Dir.Path(), u"export"_s, u"1"_s});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(u"export erwartet"_s));

    // One argument too many, a mistyped option: refused, not run in colour.
    const QString typo = Dir.File(u"typo.bmp"_s);
    run = Cli({u"--dir"_s, Dir.Path(), u"export"_s, u"1"_s, typo, u"--BW"_s});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(u"export erwartet"_s)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(typo));

    run = Cli({u"--dir"_s, Dir.Path(), u"export"_s, u"1"_s, Dir.File(u"fehlt/x.jpg"_s)});
    EXPECT_EQ(run.Exit, 3);
    EXPECT_TRUE(run.Err.contains(u"konnte nicht geschrieben werden"_s)) << run.Err.toStdString();
}
