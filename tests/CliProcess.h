#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of a command-line program: exit status, standard output and the
// (UTF-8) standard error.
struct CliRun {
    int Exit = -1;
    QByteArray Out;
    QString Err;
};

CliRun RunProgram(const QString& program, const QStringList& args);
