#include "app/ZentoriaApp.h"

#include "app/AppInfo.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "app/SplashScreen.h"
#include "platform/Canvas.h"
#include "platform/Messages.h"
#include "platform/Resources.h"
#include "store/Tdm.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

Tdm* dm = nullptr;

bool LoadQtTranslation(QCoreApplication& app) {
    // German whatever the system's language: every other text is German too.
    auto* qt = new QTranslator(&app);
    if (!qt->load(QStringLiteral("qtbase_de"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    return true;
}

void SetUpApplication(QCoreApplication& app) {
    // No display name: the desktop would append it to every window title
    // ("Frage — Zentoria"), and the windows carry their own captions.
    QCoreApplication::setApplicationName(AppTitle());
    QCoreApplication::setOrganizationName(MakerName());
    LoadQtTranslation(app);
    InitResources();
    InstallProgramFonts();
}

int RunZentoria(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tables and help are found beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    SetUpApplication(app);

    auto splash = std::make_unique<TSplashScreen>();
    splash->show();
    QCoreApplication::processEvents();

    // The data module comes first: without its tables nothing can work,
    // so a missing or unreadable file ends the program after saying which.
    QString error;
    std::unique_ptr<Tdm> data = Tdm::Open(QDir::currentPath(), error);
    if (!data) {
        splash.reset();
        ShowMessageBox(QStringLiteral("Fehler"), error);
        return 2;
    }
    dm = data.get();
    auto main = std::make_unique<TFMain>();
    splash.reset();

    main->show();
    const int code = QApplication::exec();
    main.reset();
    dm = nullptr;
    data.reset();
    return code;
}
