// Help, home page and about box of the main window.
#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AppInfo.h"
#include "app/HelpWindow.h"
#include "platform/DialogRunner.h"

#include <QDesktopServices>
#include <QUrl>

void TFMain::ShowHelp(int context) {
    ShowHelpContext(context);
}

void TFMain::dxBarButton1Click() {
    ShowHelp(10);
}

void TFMain::TREVALONHomepage1Click() {
    QDesktopServices::openUrl(QUrl(HomepageUrl()));
}

void TFMain::Info1Click() {
    Tinfo box(this);
    ExecDialog(box);
}
