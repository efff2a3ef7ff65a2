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

#include <memory>

Tdm* dm = nullptr;

int RunZentoria(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tables and help are found beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QApplication::setApplicationName(AppTitle());
    QApplication::setApplicationDisplayName(AppTitle());
    QApplication::setOrganizationName(MakerName());
    InitResources();
    InstallProgramFonts();

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
