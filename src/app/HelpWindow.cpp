#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<THelpWindow> Window;
}

QString HelpDirectory() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help");
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zentoria-Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Browser = new QTextBrowser(this);
    Browser->setOpenLinks(true);
    Browser->setSearchPaths({HelpDirectory()});
    layout->addWidget(Browser);
    resize(640, 560);
}

bool THelpWindow::ShowContext(int context) {
    const QString file = QStringLiteral("%1.html").arg(context);
    if (!QFile::exists(QDir(HelpDirectory()).filePath(file))) {
        Browser->setHtml(QStringLiteral("<h2>Hilfe</h2><p>Zu diesem Thema (%1) ist keine "
                                        "Hilfeseite vorhanden.</p>")
                             .arg(context));
        return false;
    }
    CurrentContext = context;
    Browser->setSource(QUrl::fromLocalFile(QDir(HelpDirectory()).filePath(file)));
    return true;
}

THelpWindow* ShowHelpContext(int context) {
    if (!Window)
        Window = new THelpWindow;
    Window->ShowContext(context);
    Window->show();
    Window->raise();
    return Window;
}

THelpWindow* OpenHelpWindow() {
    return Window;
}

void CloseAllHelpWindows() {
    if (Window)
        Window->close();
}
