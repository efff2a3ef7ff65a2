#include "platform/DialogRunner.h"

#include <QDialog>

namespace {
class ModalRunner final : public DialogRunner {
public:
    int Exec(QDialog& dialog) override { return dialog.exec(); }
};

ModalRunner DefaultRunner;
DialogRunner* Installed = nullptr;
} // namespace

DialogRunner& CurrentDialogRunner() {
    return Installed ? *Installed : DefaultRunner;
}

void SetDialogRunner(DialogRunner* runner) {
    Installed = runner;
}

int ExecDialog(QDialog& dialog) {
    return CurrentDialogRunner().Exec(dialog);
}
