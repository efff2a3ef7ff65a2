#pragma once

class QCoreApplication;

// The program: start-up, the event loop and the end. Returns the exit code.
int RunZentoria(int argc, char** argv);

// Names the application, loads Qt's German texts, resources and fonts.
void SetUpApplication(QCoreApplication& app);

// Qt's own dialogs, buttons and context menus speak German like the rest of
// the program; false when the translation is not installed.
bool LoadQtTranslation(QCoreApplication& app);
