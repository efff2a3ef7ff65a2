#pragma once

#include <QString>
#include <QDir>
#include <QTemporaryDir>

// A scratch directory per test, removed afterwards.
class TempDir {
public:
    TempDir();
    QString Path() const { return Dir.path(); }
    QString File(const QString& name) const { return Dir.filePath(name); }

private:
    QTemporaryDir Dir;
};
