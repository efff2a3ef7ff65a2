#pragma once

#include "print/PrintEngine.h"

#include <QString>

#include <memory>

class QPdfWriter;
class QSaveFile;

// Printed pages into one PDF file, written through a temporary file that
// replaces the target only on Commit, so a failed run never leaves half a
// file behind.
class TPdfTarget : public TPrintTarget {
public:
    static constexpr int DefaultDpi = 300;
    TPdfTarget(const QString& fileName, const QString& title, int dpi = DefaultDpi);
    ~TPdfTarget() override;

    bool SeparateDocuments() const override { return false; }
    Canvas* BeginDocument() override;
    bool NextPage() override;
    bool EndDocument() override;
    int DpiX() const override { return Dpi; }
    int DpiY() const override { return Dpi; }
    QString Error() const override { return LastError; }

    // Puts the finished file in place; false (with Error) when that failed.
    bool Commit();

private:
    QString FileName;
    QString Title;
    int Dpi;
    QString LastError;
    bool Finished = false;
    std::unique_ptr<QSaveFile> File;
    std::unique_ptr<QPdfWriter> Writer;
    std::unique_ptr<Canvas> Target;
};
