#include "export/PictureExport.h"

#include "export/BmpWriter.h"
#include "export/JpegWriter.h"
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

QString WithDefaultExtension(const QString& fileName) {
    if (fileName.isEmpty() || !PictureExtension(fileName).isEmpty())
        return fileName;
    return fileName + u'.' + ExportDefaultSuffix();
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
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(bands.Width()));
    return ForEachBand(bands, true, [&](int slot, int top, int count) {
        for (int y = top + count - 1; y >= top; --y) {
            bands.IndexesOfRow(y, indexes.data(), slot);
            if (!bmp.WriteRow(indexes.data()))
                return false;
        }
        return true;
    });
}

// The JPEG is made from the 16-colour picture the bands hold.
bool WriteJpeg(PictureBands& bands, QSaveFile& file, QString& error) {
    JpegWriter jpeg(file, bands.Width(), bands.Height());
    std::vector<const std::uint32_t*> rows(static_cast<std::size_t>(bands.BandRows()));
    bool ok = jpeg.Start() && ForEachBand(bands, false, [&](int slot, int top, int count) {
                  for (int y = 0; y < count; ++y)
                      rows[static_cast<std::size_t>(y)] = bands.PixelRow(top + y, slot);
                  return jpeg.WriteRows(rows.data(), count);
              });
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
    // Only a damaged plan can get this large; its picture would not fit the
    // format's size fields.
    const std::uint64_t bmpBytes =
        BmpWriter::HeaderBytes + static_cast<std::uint64_t>(BmpWriter::RowBytes(bands.Width())) *
                                     static_cast<std::uint64_t>(bands.Height());
    if (format == PictureFormat::Bmp && bmpBytes > 0xFFFFFFFFull)
        return WriteFailure(fileName, QStringLiteral("Das Bild ist für eine Bitmap zu groß."));
    if (format == PictureFormat::Jpeg &&
        (bands.Width() > JpegWriter::MaxDimension || bands.Height() > JpegWriter::MaxDimension))
        return WriteFailure(fileName, QStringLiteral("Das Bild ist für JPEG zu groß."));

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
