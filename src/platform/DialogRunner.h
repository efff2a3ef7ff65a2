#pragma once

class QDialog;

// Every modal dialog of the program runs through one runner, so tests can
// answer dialogs (and read what they showed) without a display or a hang.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Runs the dialog modally and returns its result code.
    virtual int Exec(QDialog& dialog) = 0;
};

// The runner in use; by default the dialog's own modal loop.
DialogRunner& CurrentDialogRunner();
// Installs a runner (not owned); nullptr restores the default.
void SetDialogRunner(DialogRunner* runner);
// Shorthand for CurrentDialogRunner().Exec(dialog).
int ExecDialog(QDialog& dialog);
