#include "TempDir.h"
#include "cli/CliPlan.h"
#include "model/PlanRec.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

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
    CliFixture f(
        {u"Talbahn Werktag"_s, u"Südbahn – Sonntag"_s, u"Nord\tbahn\nLinie\r\n2\u2028Ende"_s});
    const CliRun run = Cli({u"--dir"_s, f.Dir.Path(), u"list"_s});
    EXPECT_EQ(run.Exit, 0);
    // Tabs and line breaks in a name become spaces: one plan, one line.
    EXPECT_EQ(run.Out, QByteArray("1\tTalbahn Werktag\n2\tS\xC3\xBC"
                                  "dbahn \xE2\x80\x93 Sonntag\n"
                                  "3\tNord bahn Linie  2 Ende\n"));
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
    // They hold the sample plan, so the list is never empty, and it is the
    // list of that directory.
    EXPECT_FALSE(run.Out.isEmpty());
    const QString programDir = QFileInfo(QString::fromUtf8(ZENTORIA_CLI)).absolutePath();
    EXPECT_EQ(run.Out, Cli({u"--dir"_s, programDir, u"list"_s}).Out);
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

TEST(CliList, NamesADamagedOrHeldTableFile) {
    {
        CliFixture f({u"Talbahn"_s});
        f.Dm.reset();
        QFile file(f.Dir.File(u"SavePlan.DAT"_s));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(4096); // page 2: the rows
        file.write(QByteArray(4096, char(0xA5)));
        file.close();
        const CliRun run = Cli({u"--dir"_s, f.Dir.Path(), u"list"_s});
        EXPECT_EQ(run.Exit, 2);
        EXPECT_EQ(run.Err, u"zentoria-cli: Die Tabelle „SavePlan.DAT“ kann nicht gelesen werden: "
                           u"Die Tabellendatei ist beschädigt.\n"_s);
        EXPECT_TRUE(run.Out.isEmpty());
    }
    {
        CliFixture f({u"Talbahn"_s});
        f.Dm.reset();
        // Another program holds ZugPlan.DAT open in WAL mode for the whole run.
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(f.Dir.File(u"ZugPlan.DAT"_s).toUtf8().constData(), &other),
                  SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode=WAL; SELECT count(*) FROM ZugPlan",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        const CliRun run = Cli({u"--dir"_s, f.Dir.Path(), u"list"_s});
        sqlite3_close(other);
        EXPECT_EQ(run.Exit, 2);
        EXPECT_EQ(run.Err, u"zentoria-cli: Die Tabelle „ZugPlan.DAT“ kann nicht geöffnet werden: "
                           u"Die Tabelle ist von einem anderen Programm gesperrt.\n"_s);
        // Once it is let go, the same call works.
        EXPECT_EQ(Cli({u"--dir"_s, f.Dir.Path(), u"list"_s}).Out, QByteArray("1\tTalbahn\n"));
    }
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
