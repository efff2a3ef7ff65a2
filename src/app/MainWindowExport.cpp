// Saving the diagram as a picture from the "Sonstiges" tab.
#include "app/MainWindow.h"

#include "export/PictureExport.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QToolButton>

namespace {

// The save dialog of the export: the folder of the chosen name must exist,
// and an existing file is asked about by the program alone.
class TExportDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
                ShowMessageBox(QStringLiteral("Fehler"),
                               QStringLiteral("Der Ordner „%1“ existiert nicht.")
                                   .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

} // namespace

void TFMain::ConnectExport() {
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
}

void TFMain::SpeedButton1Click() {
    TExportDialog sd1(this, QStringLiteral("Fahrplan exportieren"));
    sd1.setObjectName(QStringLiteral("sd1"));
    sd1.setOption(QFileDialog::DontUseNativeDialog);
    sd1.setOption(QFileDialog::DontConfirmOverwrite);
    sd1.setAcceptMode(QFileDialog::AcceptSave);
    sd1.setFileMode(QFileDialog::AnyFile);
    sd1.setNameFilter(ExportDialogFilter());
    sd1.setDefaultSuffix(ExportDefaultSuffix());
    sd1.selectFile(ExportInitialName());
    if (ExecDialog(sd1) != QDialog::Accepted || sd1.selectedFiles().isEmpty())
        return;
    const QString name = WithDefaultExtension(sd1.selectedFiles().constFirst());
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
