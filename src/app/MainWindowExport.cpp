// Saving the diagram as a picture from the "Sonstiges" tab.
#include "app/MainWindow.h"

#include "export/PictureExport.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"

#include <QFileDialog>
#include <QToolButton>

void TFMain::ConnectExport() {
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
}

void TFMain::SpeedButton1Click() {
    QFileDialog sd1(this, QStringLiteral("Fahrplan exportieren"));
    sd1.setObjectName(QStringLiteral("sd1"));
    sd1.setOption(QFileDialog::DontUseNativeDialog);
    sd1.setAcceptMode(QFileDialog::AcceptSave);
    sd1.setFileMode(QFileDialog::AnyFile);
    sd1.setNameFilter(ExportDialogFilter());
    sd1.selectFile(ExportInitialName());
    if (ExecDialog(sd1) != QDialog::Accepted || sd1.selectedFiles().isEmpty())
        return;
    const QStringList filters = sd1.nameFilters();
    const QString name = WithDefaultExtension(sd1.selectedFiles().constFirst(),
                                              filters.indexOf(sd1.selectedNameFilter()));
    const QString refusal = ExtensionRefusal(name);
    if (!refusal.isEmpty()) {
        ShowMessageBox(QStringLiteral("Fehler"), refusal);
        return;
    }
    if (NeedsOverwriteQuestion(name) && !AskYesNo(OverwriteQuestion()))
        return;
    const QString error = ExportPicture(Plan, CurrentView(), name);
    if (!error.isEmpty())
        ShowMessageBox(QStringLiteral("Fehler"), error);
}
