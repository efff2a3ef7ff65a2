#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "diagram/ScreenImage.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

// A paint event on the largest plan: the whole diagram drawn through the
// screen image, clipped to a 1280 × 1024 viewport, against filling that
// viewport with one colour.

namespace {

constexpr int ViewW = 1280;
constexpr int ViewH = 1024;

const TRect Viewports[] = {
    {0, 0, ViewW, ViewH},                     // headers, axis labels, the first trains
    {5000, 6000, 5000 + ViewW, 6000 + ViewH}, // middle of the day, tracks and runs
};

PlanRec& Largest() {
    static PlanRec plan = [] {
        PlanRec p = LargestPlan();
        ResizePlan(p);
        return p;
    }();
    return plan;
}

void BM_RenderViewport(benchmark::State& state) {
    PlanRec& plan = Largest();
    DiagramView view;
    ScreenImage screen;
    const TRect vp = Viewports[state.range(0)];
    screen.SetViewport(vp);
    for (auto _ : state) {
        screen.Redraw(plan, view, vp, true);
        benchmark::DoNotOptimize(screen.Image().constBits());
    }
}

void BM_FillViewport(benchmark::State& state) {
    QImage img(ViewW, ViewH, QImage::Format_RGB32);
    for (auto _ : state) {
        Canvas c(img);
        FillRectColor(clTeal, {0, 0, ViewW, ViewH}, c);
        benchmark::DoNotOptimize(img.constBits());
    }
}

// Median of single runs, printed as the figures the targets speak of.
template <typename F> double MedianMs(F f, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        f();
        const auto b = std::chrono::steady_clock::now();
        t.push_back(std::chrono::duration<double, std::milli>(b - a).count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void PrintFigures() {
    PlanRec& plan = Largest();
    DiagramView view;
    QImage img(ViewW, ViewH, QImage::Format_RGB32);
    const double fill = MedianMs(
        [&] {
            Canvas c(img);
            FillRectColor(clTeal, {0, 0, ViewW, ViewH}, c);
        },
        101);
    std::printf("Largest plan %d x %d px, viewport %d x %d\n", plan.PlanRect.Width(),
                plan.PlanRect.Height(), ViewW, ViewH);
    std::printf("  fill viewport with one colour: median %.3f ms\n", fill);
    for (const TRect& vp : Viewports) {
        ScreenImage screen;
        screen.SetViewport(vp);
        const double ms = MedianMs([&] { screen.Redraw(plan, view, vp, true); }, 101);
        std::printf("  full render clipped to viewport at (%d, %d): median %.3f ms "
                    "(target <= 5 ms), %.1f x the fill\n",
                    vp.Left, vp.Top, ms, ms / fill);
    }
}

} // namespace

BENCHMARK(BM_RenderViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillViewport)->Unit(benchmark::kMillisecond);

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
