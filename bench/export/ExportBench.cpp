#include "PlanFixtures.h"

#include "export/PictureBands.h"
#include "export/PictureExport.h"
#include "platform/Canvas.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>

// Export of the largest canvas to JPEG: its time and peak memory, against
// encoding the very same pixels with the libjpeg C API alone.

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

long StatusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string k = key;
    while (std::getline(in, line))
        if (line.compare(0, k.size(), k) == 0)
            return std::atol(line.c_str() + k.size() + 1);
    return -1;
}

// libjpeg alone: the same settings and input layout, every row already
// in memory.
void EncodeAlone(const std::vector<QRgb>& pixels, int w, int h, const QString& name) {
    FILE* f = std::fopen(QFile::encodeName(name).constData(), "wb");
    if (!f)
        return;
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = 4;
    c.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPROW> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        rows[static_cast<std::size_t>(y)] = reinterpret_cast<JSAMPROW>(
            const_cast<QRgb*>(pixels.data() + static_cast<std::size_t>(y) * w));
    while (c.next_scanline < c.image_height)
        jpeg_write_scanlines(&c, rows.data() + c.next_scanline, c.image_height - c.next_scanline);
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    QTemporaryDir dir;
    const PlanRec plan = LargestPlan();
    DiagramView view;
    const QString out = dir.filePath(QStringLiteral("Fahrplan.jpg"));

    // The same pixels, the whole picture in memory, for libjpeg alone; the
    // export's peak memory is read before this picture exists.
    std::vector<double> exportTimes;
    {
        const auto a = Clock::now();
        const QString error = ExportPicture(plan, view, out);
        exportTimes.push_back(Seconds(a, Clock::now()));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
            return 1;
        }
    }
    const long peakKb = StatusKb("VmHWM:");
    const qint64 fileBytes = QFile(out).size();

    PictureBands bands(plan, view);
    const int w = bands.Width();
    const int h = bands.Height();
    std::vector<QRgb> pixels(static_cast<std::size_t>(w) * h);
    const auto r0 = Clock::now();
    for (int top = 0; top < h; top += bands.BandRows()) {
        const int count = std::min(bands.BandRows(), h - top);
        bands.Render(top, count);
        for (int y = top; y < top + count; ++y)
            std::copy_n(bands.PixelRow(y), w, pixels.data() + static_cast<std::size_t>(y) * w);
    }
    const double renderOnly = Seconds(r0, Clock::now());

    // Export and libjpeg alone take turns, so that a change of load on the
    // machine reaches both alike.
    const QString alone = dir.filePath(QStringLiteral("alone.jpg"));
    std::vector<double> aloneTimes;
    for (int i = 0; i < runs; ++i) {
        if (i > 0) {
            const auto a = Clock::now();
            ExportPicture(plan, view, out);
            exportTimes.push_back(Seconds(a, Clock::now()));
        }
        const auto a = Clock::now();
        EncodeAlone(pixels, w, h, alone);
        aloneTimes.push_back(Seconds(a, Clock::now()));
    }
    QFile fa(alone), fe(out);
    const bool same = fa.open(QIODevice::ReadOnly) && fe.open(QIODevice::ReadOnly) &&
                      fa.readAll() == fe.readAll();

    const double te = Median(exportTimes);
    const double ta = Median(aloneTimes);
    std::printf("Export of the largest canvas (%d x %d px) to JPEG, median of %d runs\n", w, h,
                runs);
    std::printf("  export: %.3f s, file %lld bytes\n", te, static_cast<long long>(fileBytes));
    std::printf("  peak resident memory (VmHWM) during export: %.1f MB (two bands of %d rows)\n",
                peakKb / 1024.0, PictureBands::DefaultBandRows);
    std::printf("  libjpeg alone on the same pixels: %.3f s (%s file)\n", ta,
                same ? "byte-identical" : "a different");
    std::printf("  drawing the bands alone: %.3f s\n", renderOnly);
    std::printf("  ratio export / libjpeg alone: %.2f (target <= 1.15)\n", te / ta);
    return 0;
}
