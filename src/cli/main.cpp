// zentoria-cli: headless commands over the program's tables.

#include "cli/CliCommands.h"
#include "platform/Canvas.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

// The command word: the first argument that is neither an option nor the
// directory after --dir.
QString CommandWord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QStringLiteral("--dir"))
            ++i;
        else if (!arg.startsWith(QStringLiteral("--")))
            return arg;
    }
    return QString();
}

QtMessageHandler DefaultHandler = nullptr;

// The offscreen platform notes a missing XDG_RUNTIME_DIR on every start;
// that says nothing about the command and would only clutter its errors.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:")))
        return;
    DefaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    // The export and the prints draw text, which needs a GUI application,
    // but never a display; the other commands keep the plain one.
    const QString word = CommandWord(argc, argv);
    if (word == QStringLiteral("export") || word == QStringLiteral("print") ||
        word == QStringLiteral("print-table")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        DefaultHandler = qInstallMessageHandler(QuietHandler);
        app = std::make_unique<QGuiApplication>(argc, argv);
        InstallFontSubstitutes();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return RunCli(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath());
}
