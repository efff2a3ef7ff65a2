#include "TempDir.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"

#include "CliProcess.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

CliRun Cli(const QString& dir, QStringList args) {
    args.prepend(dir);
    args.prepend(u"--dir"_s);
    return RunProgram(QString::fromUtf8(ZENTORIA_CLI), args);
}

void AddRun(PlanRec& plan, const QString& name, int s1, int g1, int m1, int s2, int g2, int m2) {
    PlanZug& z = plan.Trains[++plan.TrainCount];
    z.InUse = true;
    z.Number = plan.TrainCount;
    z.Name = name;
    z.PointCount = 2;
    z.Points[1] = PlanCnt{ModusDeparture, 0, s1, g1, MinutesToTime(m1), {}, {}};
    z.Points[2] = PlanCnt{
        ModusArrival, s2 > s1 ? RichtungRight : RichtungLeft, s2, g2, MinutesToTime(m2), {}, {}};
}

// "Talbahn": RE 1 is overtaken by IC 2 between Adorf and Bhausen, and RB 3
// leaves RE 1's track at Bhausen at the minute RE 1 arrives. "Ruhig" has one train.
struct CliViewsFixture {
    CliViewsFixture() {
        QStringList created;
        QString error;
        EXPECT_TRUE(WriteTableFiles(Dir.Path(), false, false, created, error));
        std::unique_ptr<Tdm> dm = Tdm::Open(Dir.Path(), error);
        auto plan = std::make_unique<PlanRec>();
        plan->PlanName = u"Talbahn"_s;
        const QStringList names{u"Adorf"_s, u"Bhausen"_s, u"Cstadt"_s};
        for (int k = 1; k <= 3; ++k) {
            PlanBhf& st = plan->Stations[k];
            st.InUse = true;
            st.Name = names[k - 1];
            st.Abbrev = names[k - 1].left(2);
            st.TrackCount = 2;
            st.Tracks[1].Designation = u"1"_s;
            st.Tracks[2].Designation = u"2"_s;
        }
        plan->StationCount = 3;
        AddRun(*plan, u"RE 1"_s, 1, 1, 480, 2, 1, 510);
        AddRun(*plan, u"IC 2"_s, 1, 2, 485, 2, 2, 500);
        AddRun(*plan, u"RB 3"_s, 2, 1, 510, 3, 1, 540);
        std::uint8_t docState = DocNew;
        bool modified = true;
        EXPECT_TRUE(StorePlan(*dm, *plan, docState, modified).Ok);
        plan->PlanName = u"Ruhig"_s;
        plan->TrainCount = 1;
        docState = DocNew;
        EXPECT_TRUE(StorePlan(*dm, *plan, docState, modified).Ok);
    }
    TempDir Dir;
};

QByteArray Lines(const QStringList& lines) {
    return (lines.join(u'\n') + u'\n').toUtf8();
}

TEST(CliViews, EachCommandPrintsTheWindowsColumns) {
    CliViewsFixture f;
    struct Case {
        QStringList Args;
        QStringList Out;
    };
    for (const Case& c : {
             Case{{u"scan"_s, u"Talbahn"_s},
                  {u"Fehlertyp\tZugname\tUhrzeit\tBahnhof\tGleis\tBahnhof\tZugname"_s,
                   u"Überholung\tRE 1\t08:30:00\tAdorf\t\tBhausen\tIC 2"_s,
                   u"Gleis besetzt\tRE 1\t08:30:00\tBhausen\t1\t\tRB 3"_s,
                   u"Gleis besetzt\tRB 3\t08:30:00\tBhausen\t1\t\tRE 1"_s}},
             Case{{u"scan"_s, u"Ruhig"_s}, {u"Keine Fehler festgestellt !"_s}},
             Case{{u"zuglauf"_s, u"Talbahn"_s},
                  {u"Zugname\tAbfahrt\tBahnhof\tGleis\tAnkunft\tBahnhof\tGleis"_s,
                   u"IC 2\t08:05:00\tAdorf\t2\t08:20:00\tBhausen\t2"_s,
                   u"RB 3\t08:30:00\tBhausen\t1\t09:00:00\tCstadt\t1"_s,
                   u"RE 1\t08:00:00\tAdorf\t1\t08:30:00\tBhausen\t1"_s}},
             Case{{u"zuglauf"_s, u"1"_s, u"--train"_s, u"RB 3"_s},
                  {u"Zugname\tAbfahrt\tBahnhof\tGleis\tAnkunft\tBahnhof\tGleis"_s,
                   u"RB 3\t08:30:00\tBhausen\t1\t09:00:00\tCstadt\t1"_s}},
             Case{{u"fahrdienst"_s, u"Talbahn"_s, u"--station"_s, u"Bhausen"_s},
                  {u"Zugname\tBahnhof(Von)\tAnkunft\tGleis\tAbfahrt\tBahnhof (Nach)"_s,
                   u"IC 2\tAdorf\t08:20:00\t2\t\t"_s, u"RB 3\t\t\t1\t08:30:00\tCstadt"_s,
                   u"RE 1\tAdorf\t08:30:00\t1\t\t"_s}},
             Case{
                 {u"fahrdienst"_s, u"Talbahn"_s, u"--station=Bhausen"_s, u"--sort"_s, u"ankunft"_s},
                 {u"Zugname\tBahnhof(Von)\tAnkunft\tGleis\tAbfahrt\tBahnhof (Nach)"_s,
                  u"RB 3\t\t\t1\t08:30:00\tCstadt"_s, u"IC 2\tAdorf\t08:20:00\t2\t\t"_s,
                  u"RE 1\tAdorf\t08:30:00\t1\t\t"_s}},
             Case{{u"fahrdienst"_s, u"Talbahn"_s, u"--station"_s, u"Cstadt"_s, u"--sort"_s,
                   u"abfahrt"_s},
                  {u"Zugname\tBahnhof(Von)\tAnkunft\tGleis\tAbfahrt\tBahnhof (Nach)"_s,
                   u"RB 3\tBhausen\t09:00:00\t1\t\t"_s}},
             Case{{u"bahnhofsfahrplan"_s, u"Talbahn"_s, u"--station"_s, u"Bhausen"_s, u"--typ"_s,
                   u"ankunft"_s},
                  {u"Uhrzeit\tGleis\tZugN\tNBhf\tZeitNB\tLBhf\tZeitLB"_s,
                   u"08:20\t2\tIC 2\t\t\tAdorf\t08:05"_s, u"08:30\t1\tRE 1\t\t\tAdorf\t08:00"_s}},
             Case{{u"bahnhofsfahrplan"_s, u"Talbahn"_s, u"--station"_s, u"Adorf"_s, u"--typ"_s,
                   u"abfahrt"_s},
                  {u"Uhrzeit\tGleis\tZugN\tNBhf\tZeitNB\tLBhf\tZeitLB"_s,
                   u"08:00\t1\tRE 1\t\t\tBhausen\t08:30"_s,
                   u"08:05\t2\tIC 2\t\t\tBhausen\t08:20"_s}},
             Case{{u"bahnhofsfahrplan"_s, u"Talbahn"_s, u"--station"_s, u"Cstadt"_s, u"--typ"_s,
                   u"abfahrt"_s},
                  {u"Uhrzeit\tGleis\tZugN\tNBhf\tZeitNB\tLBhf\tZeitLB"_s}},
         }) {
        const CliRun run = Cli(f.Dir.Path(), c.Args);
        EXPECT_EQ(run.Exit, 0) << c.Args.join(u' ').toStdString() << run.Err.toStdString();
        EXPECT_EQ(run.Out, Lines(c.Out)) << c.Args.join(u' ').toStdString();
        EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
    }
}

TEST(CliViews, UnknownNamesAndBadArgumentsAreRefusedInGerman) {
    CliViewsFixture f;
    struct Case {
        QStringList Args;
        int Exit;
        QString Err;
    };
    for (const Case& c : {
             Case{{u"fahrdienst"_s, u"Talbahn"_s, u"--station"_s, u"Xdorf"_s},
                  2,
                  u"zentoria-cli: Einen Bahnhof „Xdorf“ gibt es im Fahrplan „Talbahn“ nicht."_s},
             Case{{u"bahnhofsfahrplan"_s, u"Talbahn"_s, u"--station"_s, u"adorf"_s, u"--typ"_s,
                   u"ankunft"_s},
                  2,
                  u"zentoria-cli: Einen Bahnhof „adorf“ gibt es im Fahrplan „Talbahn“ nicht."_s},
             Case{{u"zuglauf"_s, u"Talbahn"_s, u"--train"_s, u"ICE 9"_s},
                  2,
                  u"zentoria-cli: Einen Zug „ICE 9“ gibt es im Fahrplan „Talbahn“ nicht."_s},
             Case{{u"zuglauf"_s, u"Talbahn"_s, u"--train"_s, u"Alle Züge"_s},
                  2,
                  u"zentoria-cli: Einen Zug „Alle Züge“ gibt es im Fahrplan „Talbahn“ nicht."_s},
             Case{{u"scan"_s, u"Bergbahn"_s},
                  2,
                  u"zentoria-cli: Einen gespeicherten Fahrplan „Bergbahn“ gibt es nicht."_s},
             Case{{u"scan"_s}, 1, u"zentoria-cli: scan erwartet PLAN."_s},
             Case{{u"zuglauf"_s, u"Talbahn"_s, u"--train"_s},
                  1,
                  u"zentoria-cli: zuglauf erwartet PLAN (und wahlweise --train NAME)."_s},
             Case{{u"fahrdienst"_s, u"Talbahn"_s}, 1, u"zentoria-cli: fahrdienst erwartet"_s},
             Case{{u"fahrdienst"_s, u"Talbahn"_s, u"--station"_s, u"Adorf"_s, u"--sort"_s,
                   u"gleis"_s},
                  1,
                  u"zentoria-cli: fahrdienst erwartet"_s},
             Case{{u"bahnhofsfahrplan"_s, u"Talbahn"_s, u"--station"_s, u"Adorf"_s},
                  1,
                  u"zentoria-cli: bahnhofsfahrplan erwartet"_s},
         }) {
        const CliRun run = Cli(f.Dir.Path(), c.Args);
        EXPECT_EQ(run.Exit, c.Exit) << c.Args.join(u' ').toStdString();
        EXPECT_TRUE(run.Err.startsWith(c.Err)) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
    }
}

} // namespace
