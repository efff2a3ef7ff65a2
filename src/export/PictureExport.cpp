#include "export/PictureExport.h"

#include "export/BmpWriter.h"
#include "export/JpegWriter.h"
#include "export/Palette16.h"
#include "model/PlanRec.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <vector>

QString PictureExtension(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

PictureFormat PictureFormatOf(const QString& fileName) {
    const QString ext = PictureExtension(fileName);
    if (ext == QStringLiteral(".bmp"))
        return PictureFormat::Bmp;
    if (ext == QStringLiteral(".jpg"))
        return PictureFormat::Jpeg;
    return PictureFormat::None;
}

QString ExtensionRefusal(const QString& fileName) {
    if (PictureFormatOf(fileName) != PictureFormat::None)
        return QString();
    return PictureExtension(fileName) + QStringLiteral(" ist kein gültiges Dateiformat");
}

QString OverwriteQuestion() {
    return QStringLiteral("Datei existiert bereits ! - Überschreiben ?");
}

bool NeedsOverwriteQuestion(const QString& fileName) {
    return QFileInfo::exists(fileName);
}

QString ExportDialogFilter() {
    return QStringLiteral("Windows-Bitmaps (*.bmp);;JPEG-Grafikformat (*.jpg)");
}

QString ExportDefaultSuffix() {
    return QStringLiteral("bmp");
}

QString ExportInitialName() {
    return QStringLiteral("Fahrplan");
}

QString WithDefaultExtension(const QString& fileName, int filterIndex) {
    if (fileName.isEmpty() || !PictureExtension(fileName).isEmpty())
        return fileName;
    return fileName + (filterIndex == 1 ? QStringLiteral(".jpg") : QStringLiteral(".bmp"));
}

namespace {

QString WriteFailure(const QString& fileName, const QString& reason) {
    return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
        .arg(QFileInfo(fileName).fileName(), reason);
}

// Bitmap rows run bottom-up, so the bands are drawn from the bottom.
bool WriteBmp(PictureBands& bands, QSaveFile& file) {
    BmpWriter bmp(file, bands.Width(), bands.Height());
    if (!bmp.WriteHeader())
        return false;
    for (int bottom = bands.Height(); bottom > 0; bottom -= bands.BandRows()) {
        const int top = std::max(0, bottom - bands.BandRows());
        bands.Render(top, bottom - top);
        for (int y = bottom - 1; y >= top; --y)
            if (!bmp.WriteRow(bands.IndexRow(y)))
                return false;
    }
    return true;
}

bool WriteJpeg(PictureBands& bands, QSaveFile& file, QString& error) {
    JpegWriter jpeg(file, bands.Width(), bands.Height());
    const std::size_t w = static_cast<std::size_t>(bands.Width());
    std::vector<std::uint8_t> rgb(w * 3 * static_cast<std::size_t>(bands.BandRows()));
    bool ok = jpeg.Start();
    for (int top = 0; ok && top < bands.Height(); top += bands.BandRows()) {
        const int count = std::min(bands.BandRows(), bands.Height() - top);
        bands.Render(top, count);
        // The JPEG is made from the 16-colour picture.
        for (int y = 0; y < count; ++y) {
            const std::uint8_t* idx = bands.IndexRow(top + y);
            std::uint8_t* out = rgb.data() + static_cast<std::size_t>(y) * w * 3;
            for (std::size_t x = 0; x < w; ++x) {
                const QRgb c = PaletteColour(idx[x]);
                out[3 * x] = static_cast<std::uint8_t>(qRed(c));
                out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(c));
                out[3 * x + 2] = static_cast<std::uint8_t>(qBlue(c));
            }
        }
        ok = jpeg.WriteRows(rgb.data(), count);
    }
    ok = ok && jpeg.Finish();
    if (!ok)
        error = jpeg.Error();
    return ok;
}

} // namespace

QString ExportPicture(const PlanRec& plan, const DiagramView& view, const QString& fileName,
                      int bandRows) {
    const PictureFormat format = PictureFormatOf(fileName);
    if (format == PictureFormat::None)
        return ExtensionRefusal(fileName);
    PictureBands bands(plan, view, bandRows);
    if (bands.Width() <= 0 || bands.Height() <= 0)
        return WriteFailure(fileName, QStringLiteral("Das Bild ist leer."));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure(fileName, file.errorString());
    QString error;
    const bool ok =
        format == PictureFormat::Bmp ? WriteBmp(bands, file) : WriteJpeg(bands, file, error);
    if (!ok) {
        file.cancelWriting();
        return WriteFailure(fileName, error.isEmpty() ? file.errorString() : error);
    }
    if (!file.commit())
        return WriteFailure(fileName, file.errorString());
    return QString();
}
