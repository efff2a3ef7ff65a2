#include "app/ZentoriaApp.h"

#include "app/AppInfo.h"
#include "app/MainWindow.h"
#include "app/SplashScreen.h"
#include "platform/Canvas.h"
#include "platform/Resources.h"

#include <QApplication>
#include <QDir>

#include <memory>

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

    std::unique_ptr<TFMain> main;
    main = std::make_unique<TFMain>();
    splash.reset();

    main->show();
    const int code = QApplication::exec();
    main.reset();
    return code;
}
