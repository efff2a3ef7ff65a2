// The plan scan and the three timetable extractions on the largest plan
// (20 stations × 30 tracks, 50 trains × 100 points), all its trains on
// track 1 so that the scan finds many conflicts. Beside each, the
// same number of rows posted alone through the same cursor, to show the
// share spent writing rows.

#include "PlanFixtures.h"
#include "model/PlanRec.h"
#include "store/TableFiles.h"
#include "store/Tdm.h"
#include "tablestore/Transaction.h"
#include "views/ConflictScan.h"
#include "views/TimetableRows.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

struct Bench {
    Bench() : Plan(std::make_unique<PlanRec>(LargestPlan())) {
        QStringList created;
        QString error;
        if (!WriteTableFiles(Dir.path(), false, false, created, error) ||
            !(Dm = Tdm::Open(Dir.path(), error)))
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        for (int b = 1; b <= Plan->TrainCount; ++b)
            for (int p = 1; p <= Plan->Trains[b].PointCount; ++p)
                Plan->Trains[b].Points[p].GlsIdx = 1;
    }
    QTemporaryDir Dir;
    std::unique_ptr<Tdm> Dm;
    std::unique_ptr<PlanRec> Plan;
};

Bench& Shared() {
    static Bench bench;
    return bench;
}

std::map<std::string, int> RowCounts;

// As the refill leaves the table before it writes: empty, in row order.
void Empty(Cursor& t) {
    t.Close();
    t.EmptyTable();
    t.Open();
    t.CancelRange();
    t.SetIndexName(QString());
}

void Scan(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanPlan(*b.Dm, *b.Plan));
    RowCounts["Scan"] = b.Dm->tTabCheck.RecordCount();
}

void ScanRowsOnly(benchmark::State& state) {
    Bench& b = Shared();
    const int rows = RowCounts["Scan"];
    Cursor& t = b.Dm->tTabCheck;
    for (auto _ : state) {
        state.PauseTiming();
        Empty(t);
        state.ResumeTiming();
        Transaction transaction(b.Dm->DBAll);
        for (int i = 0; i < rows; ++i) {
            t.Insert();
            t.FieldByName(u"Fehler"_s).SetString(u"Gleis besetzt"_s);
            t.FieldByName(u"Zug1"_s).SetString(u"Zug #1"_s);
            t.FieldByName(u"Zug2"_s).SetString(u"Zug #2"_s);
            t.FieldByName(u"Bhf1"_s).SetString(u"Station 1"_s);
            t.FieldByName(u"Gls"_s).SetString(u"1"_s);
            t.FieldByName(u"Uhrzeit"_s).SetDateTime(0.5);
            t.Post();
        }
        transaction.Commit();
    }
}

void TrainRun(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state)
        RefillTrainRun(*b.Dm, *b.Plan);
    RowCounts["TrainRun"] = b.Dm->tTabSort.RecordCount();
}

void TrainRunRowsOnly(benchmark::State& state) {
    Bench& b = Shared();
    const int rows = RowCounts["TrainRun"];
    Cursor& t = b.Dm->tTabSort;
    for (auto _ : state) {
        state.PauseTiming();
        Empty(t);
        state.ResumeTiming();
        Transaction transaction(b.Dm->DBAll);
        for (int i = 0; i < rows; ++i) {
            t.Insert();
            t.FieldByName(u"ZugS"_s).SetString(u"Zug #1"_s);
            t.FieldByName(u"AbTime"_s).SetDateTime(0.5);
            t.FieldByName(u"BhfS"_s).SetString(u"Station 1"_s);
            t.FieldByName(u"GlsS"_s).SetString(u"1"_s);
            t.FieldByName(u"AnZeit"_s).SetDateTime(0.51);
            t.FieldByName(u"BhfS1"_s).SetString(u"Station 2"_s);
            t.FieldByName(u"GlsS1"_s).SetString(u"1"_s);
            t.Post();
        }
        transaction.Commit();
    }
}

void Dispatcher(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state)
        RefillDispatcher(*b.Dm, *b.Plan);
    RowCounts["Dispatcher"] = b.Dm->tTabSort.RecordCount();
}

void DispatcherRowsOnly(benchmark::State& state) {
    Bench& b = Shared();
    const int rows = RowCounts["Dispatcher"];
    Cursor& t = b.Dm->tTabSort;
    for (auto _ : state) {
        state.PauseTiming();
        Empty(t);
        state.ResumeTiming();
        Transaction transaction(b.Dm->DBAll);
        for (int i = 0; i < rows; ++i)
            AddDispatcherRow(t, u"Station 1"_s, u"Station 2"_s, true, true, 0.5, 0.49, u"1"_s,
                             u"Zug #1"_s, u"Station 3"_s);
        transaction.Commit();
    }
}

void StationTimetable(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state)
        RefillStationTimetable(*b.Dm, *b.Plan);
    RowCounts["StationTimetable"] = b.Dm->tTabPlan.RecordCount();
}

void StationTimetableRowsOnly(benchmark::State& state) {
    Bench& b = Shared();
    const int rows = RowCounts["StationTimetable"];
    Cursor& t = b.Dm->tTabPlan;
    for (auto _ : state) {
        state.PauseTiming();
        Empty(t);
        state.ResumeTiming();
        Transaction transaction(b.Dm->DBAll);
        for (int i = 0; i < rows; ++i)
            AddStationRow(t, u"Station 1"_s, u"Zug #1"_s, 0.9, 0.6, 0.5, true, u"Station 9"_s,
                          u"Station 2"_s, u"1"_s);
        transaction.Commit();
    }
}

BENCHMARK(Scan)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ScanRowsOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TrainRun)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(TrainRunRowsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Dispatcher)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DispatcherRowsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(StationTimetable)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(StationTimetableRowsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);

class ShareReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                Ms[run.run_name.function_name] = run.GetAdjustedRealTime();
                Cpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
    }
    std::map<std::string, double> Ms;
    std::map<std::string, double> Cpu;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ShareReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n%-18s %7s %10s %10s %14s\n", "", "rows", "ms", "CPU ms", "writing rows");
    for (const char* name : {"Scan", "TrainRun", "Dispatcher", "StationTimetable"}) {
        const double total = reporter.Ms[name];
        const double rows = reporter.Ms[std::string(name) + "RowsOnly"];
        std::printf("%-18s %7d %10.2f %10.2f %9.2f ms %3.0f %%\n", name, RowCounts[name], total,
                    reporter.Cpu[name], rows, total > 0 ? 100.0 * rows / total : 0.0);
    }
    std::printf("Goal: each ≤ 100 ms\n");
    return 0;
}
