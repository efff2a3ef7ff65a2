#include "CliProcess.h"

#include <QProcess>

CliRun RunProgram(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return CliRun{process.exitCode(), process.readAllStandardOutput(),
                  QString::fromUtf8(process.readAllStandardError())};
}
