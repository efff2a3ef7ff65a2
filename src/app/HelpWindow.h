#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: German HTML pages, one per help context number, in
// the "help" folder beside the program.
class THelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);
    // Shows the page of the context; false when there is no such page.
    bool ShowContext(int context);
    int Context() const { return CurrentContext; }
    QTextBrowser* Browser = nullptr;

private:
    int CurrentContext = 0;
};

// Folder of the help pages.
QString HelpDirectory();
// Opens (or raises) the help window at a context.
THelpWindow* ShowHelpContext(int context);
// The open help window, if any.
THelpWindow* OpenHelpWindow();
void CloseAllHelpWindows();
