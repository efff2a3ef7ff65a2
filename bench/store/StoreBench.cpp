// Stores and loads the largest plan (20 stations × 30 tracks, 50 trains ×
// 100 points) and sets the store against a plain SQLite insert of the same
// number of rows in one transaction, measured in the same run.

#include "PlanFixtures.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"
#include "store/PlanStore.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int PlanRows =
    1 + MaxStations + MaxStations * MaxTracks + MaxTrains + MaxTrains * MaxPoints;

struct Tables {
    Tables() {
        QStringList created;
        QString error;
        if (!WriteTableFiles(Dir.path(), false, false, created, error) ||
            !(Dm = Tdm::Open(Dir.path(), error)))
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
    }
    QTemporaryDir Dir;
    std::unique_ptr<Tdm> Dm;
};

void PlainInsert(benchmark::State& state) {
    QTemporaryDir dir;
    sqlite3* db = nullptr;
    sqlite3_open(dir.filePath(u"Plain.DAT"_s).toUtf8().constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE Plain (LFD INTEGER PRIMARY KEY AUTOINCREMENT, ZCNT INTEGER, MODUS "
                 "SMALLINT, RICHTUNG SMALLINT, BHFIDX SMALLINT, GLSIDX SMALLINT, UHRZEIT "
                 "VARCHAR(15)); CREATE INDEX IDX_ZCNT ON Plain (ZCNT)",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Plain (ZCNT, MODUS, RICHTUNG, BHFIDX, GLSIDX, UHRZEIT) "
                       "VALUES (?, ?, ?, ?, ?, ?)",
                       -1, &insert, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3_exec(db, "DELETE FROM Plain", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < PlanRows; ++i) {
            sqlite3_bind_int(insert, 1, i / 100);
            sqlite3_bind_int(insert, 2, i % 3);
            sqlite3_bind_int(insert, 3, 0);
            sqlite3_bind_int(insert, 4, 1 + i % 20);
            sqlite3_bind_int(insert, 5, 1 + i % 30);
            sqlite3_bind_text(insert, 6, "07:05:00", -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
    state.counters["rows"] = PlanRows;
}

void StoreNewPlan(benchmark::State& state) {
    Tables t;
    const PlanRec plan = LargestPlan();
    for (auto _ : state) {
        state.PauseTiming();
        if (!t.Dm->tSavePlan.IsEmpty())
            DeleteStoredPlan(*t.Dm);
        std::uint8_t docState = DocNew;
        bool modified = true;
        state.ResumeTiming();
        const StoreResult result = StorePlan(*t.Dm, plan, docState, modified);
        if (!result.Ok)
            state.SkipWithError(result.Error.toUtf8().constData());
    }
}

void StoreOverStoredPlan(benchmark::State& state) {
    Tables t;
    const PlanRec plan = LargestPlan();
    std::uint8_t docState = DocNew;
    bool modified = true;
    StorePlan(*t.Dm, plan, docState, modified);
    for (auto _ : state) {
        const StoreResult result = StorePlan(*t.Dm, plan, docState, modified);
        if (!result.Ok)
            state.SkipWithError(result.Error.toUtf8().constData());
    }
}

void LoadLargestPlan(benchmark::State& state) {
    Tables t;
    std::uint8_t docState = DocNew;
    bool modified = true;
    StorePlan(*t.Dm, LargestPlan(), docState, modified);
    auto plan = std::make_unique<PlanRec>();
    for (auto _ : state) {
        const StoreResult result = LoadPlan(*t.Dm, *plan);
        if (!result.Ok)
            state.SkipWithError(result.Error.toUtf8().constData());
    }
}

BENCHMARK(PlainInsert)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StoreNewPlan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StoreOverStoredPlan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LoadLargestPlan)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the mean real and CPU time of each benchmark for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double Real = 0;
        double Cpu = 0;
    };
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            const std::string name = run.run_name.function_name;
            if ((mean || (run.run_type == Run::RT_Iteration && !Ms.count(name + "#mean"))) &&
                run.iterations > 0) {
                Ms[name] = Times{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
                if (mean)
                    Ms[name + "#mean"] = Ms[name];
            }
        }
    }
    std::map<std::string, Times> Ms;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto plain = reporter.Ms["PlainInsert"];
    std::printf("\n%d rows. Plain insert in one transaction: %.2f ms (CPU %.2f ms)\n", PlanRows,
                plain.Real, plain.Cpu);
    for (const char* name : {"StoreNewPlan", "StoreOverStoredPlan", "LoadLargestPlan"}) {
        const auto t = reporter.Ms[name];
        std::printf("%-20s %8.2f ms  %5.2f × plain insert   (CPU %7.2f ms  %5.2f ×)\n", name,
                    t.Real, plain.Real > 0 ? t.Real / plain.Real : 0.0, t.Cpu,
                    plain.Cpu > 0 ? t.Cpu / plain.Cpu : 0.0);
    }
    std::printf("Targets: store ≤ 3 × plain insert, load ≤ 50 ms\n");
    return 0;
}
