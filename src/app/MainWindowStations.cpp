// "Bahnhofsdatenbank" of the "Bearbeiten" menu.
#include "app/MainWindow.h"

#include "app/DataModule.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"
#include "store/TFBhfDB.h"

void TFMain::BhfDBBtnClick() {
    if (!dm) {
        ShowMessageBox(QStringLiteral("Fehler"),
                       QStringLiteral("Die Bahnhofsdatenbank kann nicht bearbeitet werden: "
                                      "die Tabellen sind nicht geöffnet."));
        return;
    }
    TFBhfDB form(*dm, this);
    FitFormToScreen(form, true);
    // Every change is stored as it is made; how the window was left does not matter.
    ExecDialog(form);
}
