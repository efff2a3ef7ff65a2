#include "print/PdfTarget.h"

#include "platform/Canvas.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

TPdfTarget::TPdfTarget(const QString& fileName, const QString& title, int dpi)
    : FileName(fileName), Title(title), Dpi(dpi > 0 ? dpi : DefaultDpi) {}

TPdfTarget::~TPdfTarget() {
    Target.reset();
    Writer.reset();
    if (File)
        File->cancelWriting();
}

Canvas* TPdfTarget::BeginDocument() {
    if (File)
        return nullptr; // one document per file
    File = std::make_unique<QSaveFile>(FileName);
    if (!File->open(QIODevice::WriteOnly)) {
        LastError = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                        .arg(QFileInfo(FileName).fileName(), File->errorString());
        return nullptr;
    }
    Writer = std::make_unique<QPdfWriter>(File.get());
    Writer->setTitle(Title);
    Writer->setCreator(QStringLiteral("Zentoria"));
    Writer->setResolution(Dpi);
    Writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    Target = std::make_unique<Canvas>(*Writer, Dpi);
    if (!Target->Painter().isActive()) {
        LastError = QStringLiteral("Die PDF-Datei konnte nicht angelegt werden.");
        Target.reset();
        return nullptr;
    }
    return Target.get();
}

bool TPdfTarget::NextPage() {
    return Writer && Target && Writer->newPage();
}

bool TPdfTarget::EndDocument() {
    if (!Target)
        return false;
    Target.reset(); // ends the painter, which writes the document's end
    Writer.reset();
    Finished = File && File->error() == QFileDevice::NoError;
    if (!Finished && File)
        LastError = File->errorString();
    return Finished;
}

bool TPdfTarget::Commit() {
    if (!File || !Finished)
        return false;
    const bool ok = File->commit();
    if (!ok)
        LastError = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                        .arg(QFileInfo(FileName).fileName(), File->errorString());
    File.reset();
    return ok;
}
