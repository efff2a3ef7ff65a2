// zentoria-cli: headless commands over the program's tables.

#include "cli/CliCommands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return RunCli(app.arguments().mid(1), QCoreApplication::applicationDirPath());
}
