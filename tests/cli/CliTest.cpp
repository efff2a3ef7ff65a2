#include "TempDir.h"
#include "cli/CliPlan.h"
#include "model/PlanRec.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"

#include <QRegularExpression>

#include "CliProcess.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

CliRun Cli(const QStringList& args) {
    return RunProgram(QString::fromUtf8(ZENTORIA_CLI), args);
}

// Tables with the plans `names`, stored in this order.
struct CliFixture {
    explicit CliFixture(const QStringList& names) {
        QStringList created;
        QString error;
        EXPECT_TRUE(WriteTableFiles(Dir.Path(), false, false, created, error));
        Dm = Tdm::Open(Dir.Path(), error);
        for (const QString& name : names) {
            auto plan = std::make_unique<PlanRec>();
            plan->PlanName = name;
            std::uint8_t docState = DocNew;
            bool modified = true;
            EXPECT_TRUE(StorePlan(*Dm, *plan, docState, modified).Ok);
        }
    }
    TempDir Dir;
    std::unique_ptr<Tdm> Dm;
};

TEST(CliList, PrintsRefplanTabNameInUtf8) {
    CliFixture f({u"Talbahn Werktag"_s, u"Südbahn – Sonntag"_s});
    const CliRun run = Cli({u"--dir"_s, f.Dir.Path(), u"list"_s});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out, QByteArray("1\tTalbahn Werktag\n2\tS\xC3\xBC"
                                  "dbahn \xE2\x80\x93 Sonntag\n"));
    EXPECT_TRUE(run.Err.isEmpty());
    EXPECT_EQ(Cli({u"list"_s, u"--dir="_s + f.Dir.Path()}).Out, run.Out);
    CliFixture empty({});
    const CliRun none = Cli({u"--dir"_s, empty.Dir.Path(), u"list"_s});
    EXPECT_EQ(none.Exit, 0);
    EXPECT_TRUE(none.Out.isEmpty());
}

TEST(CliList, DefaultsToTheProgramsDirectory) {
    const CliRun run = Cli({u"list"_s}); // the build wrote tables beside the program
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    static const QRegularExpression line(u"^\\d+\\t[^\\t\\n]*$"_s);
    for (const QString& text : QString::fromUtf8(run.Out).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.match(text).hasMatch()) << text.toStdString();
}

TEST(CliList, ErrorsGoToStandardErrorWithTheirExitStatus) {
    TempDir dir;
    struct Case {
        QStringList Args;
        int Exit;
        QString ErrStart;
    };
    const QString noTables =
        u"zentoria-cli: Die Tabelle „Bahnhof.DAT“ fehlt im Verzeichnis „%1“."_s.arg(dir.Path());
    for (const Case& c : {
             Case{{u"--dir"_s, dir.Path(), u"list"_s}, 2, noTables},
             Case{{}, 1, u"Aufruf: zentoria-cli"_s},
             Case{{u"--dir"_s}, 1, u"zentoria-cli: --dir verlangt ein Verzeichnis."_s},
             Case{{u"exportieren"_s}, 1, u"zentoria-cli: Unbekannter Befehl „exportieren“."_s},
             Case{{u"list"_s, u"mehr"_s}, 1, u"zentoria-cli: list erwartet keine Argumente."_s},
         }) {
        const CliRun run = Cli(c.Args);
        EXPECT_EQ(run.Exit, c.Exit) << c.Args.join(u' ').toStdString();
        EXPECT_TRUE(run.Err.startsWith(c.ErrStart)) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
    const CliRun help = Cli({u"--help"_s});
    EXPECT_EQ(help.Exit, 0);
    EXPECT_TRUE(help.Out.contains("list"));
}

TEST(CliPlan, ResolvesARefplanNumberOrAnExactName) {
    CliFixture f({u"Talbahn"_s, u"Bergbahn"_s, u"3"_s, u"Bergbahn"_s, u"Talbahn 2"_s});
    Tdm& dm = *f.Dm;
    QString error;
    struct Case {
        QString Arg;
        int RefPlan; // 0: refused
        QString Error;
    };
    for (const Case& c : {
             Case{u"2"_s, 2, QString()},
             Case{u"Talbahn"_s, 1, QString()},
             Case{u"Talbahn 2"_s, 5, QString()},
             Case{u"3"_s, 3, QString()}, // the number wins
             Case{u"talbahn"_s, 0, u"Einen gespeicherten Fahrplan „talbahn“ gibt es nicht."_s},
             Case{u"9"_s, 0, u"Einen gespeicherten Fahrplan „9“ gibt es nicht."_s},
             Case{u"Bergbahn"_s, 0,
                  u"Der Name „Bergbahn“ passt auf 2 gespeicherte Fahrpläne; bitte die Nummer "
                  u"(REFPLAN) angeben."_s},
         }) {
        error.clear();
        const bool found = SelectPlan(dm, c.Arg, error);
        EXPECT_EQ(found, c.RefPlan != 0) << c.Arg.toStdString();
        if (found) {
            EXPECT_EQ(dm.tSavePlan.FieldByName(u"REFPLAN"_s).AsInteger(), c.RefPlan);
        } else {
            EXPECT_EQ(error, c.Error);
        }
    }
}

} // namespace
