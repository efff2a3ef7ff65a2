#include "PlanFixtures.h"

#include "diagram/DiagramRenderer.h"
#include "diagram/ScreenImage.h"
#include "editing/DragSprites.h"
#include "editing/EditState.h"
#include "editing/TrainMoving.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

// One pointer move during a whole-train move of train 1 (100 points, 50
// runs) on the largest plan, against the same move on a plan that holds only
// that train. The screen is a 1280 × 1024 viewport over the train's first
// runs; a move restores the sprites' backgrounds and combines their masks,
// so its cost should not depend on the rest of the plan.

namespace {

constexpr int ViewW = 1280;
constexpr int ViewH = 1024;

struct TrainMoveBench {
    explicit TrainMoveBench(PlanRec p) : Plan(std::move(p)) {
        ResizePlan(Plan);
        Screen.SetViewport({0, 0, ViewW, ViewH});
        Screen.Validate(Plan, View, true);
        State.EditMode = EditTrains;
        State.MoveKind = MoveTrainKind;
        State.SelTrain = 1;
        State.SelPoint = 2;
        const TRect label = Plan.Trains[1].Points[2].LabelRect;
        State.HoverTime = Plan.Trains[1].Points[2].Time;
        State.PrevHoverTime = State.HoverTime;
        // Median of a few presses: one press is too short to time alone on
        // a busy machine.
        std::vector<double> t;
        for (int i = 0; i < 11; ++i) {
            State.MoveArmed = false;
            MovingContext m = Context();
            const auto a = std::chrono::steady_clock::now();
            BeginTrainMove(m, label.Left + 10, label.Top + 3);
            const auto b = std::chrono::steady_clock::now();
            t.push_back(std::chrono::duration<double, std::milli>(b - a).count());
        }
        std::sort(t.begin(), t.end());
        PressMs = t[t.size() / 2];
    }
    MovingContext Context() { return {Plan, State, Drag, Screen, View, Modified}; }
    // One pointer move, a minute down or back up.
    void Move() {
        State.HoverTime += Down ? OneMinute : -OneMinute;
        Down = !Down;
        MovingContext m = Context();
        benchmark::DoNotOptimize(MoveTrain(m));
        State.PrevHoverTime = State.HoverTime;
    }

    PlanRec Plan;
    DiagramView View;
    ScreenImage Screen;
    EditState State;
    std::unique_ptr<DragState> DragOwner = std::make_unique<DragState>();
    DragState& Drag = *DragOwner;
    bool Modified = false;
    bool Down = true;
    double PressMs = 0.0;
};

PlanRec OneTrainPlan() {
    return GeneratedPlan(MaxStations, MaxTracks, 1, MaxPoints, 9);
}

void BM_TrainMoveLargest(benchmark::State& state) {
    static TrainMoveBench b(LargestPlan());
    for (auto _ : state)
        b.Move();
}

void BM_TrainMoveOneTrain(benchmark::State& state) {
    static TrainMoveBench b(OneTrainPlan());
    for (auto _ : state)
        b.Move();
}

double MedianMoveMs(TrainMoveBench& b, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        b.Move();
        const auto e = std::chrono::steady_clock::now();
        t.push_back(std::chrono::duration<double, std::milli>(e - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void PrintFigures() {
    TrainMoveBench largest(LargestPlan());
    TrainMoveBench single(OneTrainPlan());
    if (!largest.State.MoveArmed || !single.State.MoveArmed) {
        std::printf("train move not armed: no figures\n");
        return;
    }
    int visible = 0;
    for (int k = 1; k <= largest.Drag.SpriteCount; ++k)
        visible += largest.Drag.RunSprite[k].Saved.Width() > 0;
    const double big = MedianMoveMs(largest, 1001);
    const double one = MedianMoveMs(single, 1001);
    std::printf("Whole-train move of a train of %d runs (%d of them in the %d x %d viewport)\n",
                largest.Drag.SpriteCount, visible, ViewW, ViewH);
    std::printf("  press (sprites prepared): median largest plan %.3f ms, one-train plan %.3f ms\n",
                largest.PressMs, single.PressMs);
    std::printf("  one pointer move, largest plan (50 trains): median %.4f ms (target <= 1 ms)\n",
                big);
    std::printf("  one pointer move, plan of one train:         median %.4f ms\n", one);
    std::printf("  ratio largest / one train: %.2f (target <= 1.5)\n", big / one);
}

} // namespace

BENCHMARK(BM_TrainMoveLargest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrainMoveOneTrain)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    PrintFigures();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
