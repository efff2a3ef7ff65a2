#pragma once

#include <QString>

class QWidget;

// The message functions every part of the program talks to the user with.
// All block until answered and run through the dialog runner.

// "Frage" box with Ja/Nein; true for Ja.
bool AskYesNo(const QString& message);
// The program's message window with a title ("Fehler", "Hinweis", …).
void ShowMessageBox(const QString& title, const QString& message);
// flag 0: shows the message as "Hinweis" and gives false; else true, silent.
bool CheckOrHint(int flag, const QString& message);
// Moves a window that sticks out of the primary screen back onto it.
void FitFormToScreen(QWidget& form, bool centre);
