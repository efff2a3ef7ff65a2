#include "PlanFixtures.h"

#include "platform/Canvas.h"
#include "print/PdfTarget.h"
#include "print/PlanPrint.h"
#include "print/PrintEngine.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// The full-size print of the largest plan to PDF, as zentoria-cli print
// does it: its time and peak memory.

namespace {

long StatusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string k = key;
    while (std::getline(in, line))
        if (line.compare(0, k.size(), k) == 0)
            return std::atol(line.c_str() + k.size() + 1);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    const bool fit = argc > 1 && std::string(argv[1]) == "--fit";

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Fahrplan.pdf"));
    const PlanRec plan = LargestPlan();
    DiagramView view;
    const long before = StatusKb("VmHWM:");

    const auto a = std::chrono::steady_clock::now();
    TPlanPicture picture(plan, view);
    TLayoutForm form = MakePagePlan();
    TPrintEngine engine;
    PreparePlanPrint(engine, form, picture, plan, !fit);
    const int pages = engine.PageCount();
    TPdfTarget pdf(out, QStringLiteral("Fahrplan"));
    QString error = PrintPages(engine, pdf, 1, 1, pages);
    if (error.isEmpty() && !pdf.Commit())
        error = pdf.Error();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - a).count();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    const long peak = StatusKb("VmHWM:");
    std::printf("%s print of the largest plan (%d x %d px) to PDF\n", fit ? "Fitted" : "Full-size",
                picture.Width(), picture.Height());
    std::printf("  pages: %d, file %lld bytes\n", pages, static_cast<long long>(QFile(out).size()));
    std::printf("  time: %.2f s (%.1f ms a page)\n", seconds, 1000.0 * seconds / pages);
    std::printf(
        "  peak resident memory (VmHWM): %.1f MB (%.1f MB before the print; goal <= 300 MB)\n",
        peak / 1024.0, before / 1024.0);
    return 0;
}
