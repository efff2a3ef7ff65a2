#include "platform/Messages.h"

#include "platform/DialogRunner.h"
#include "platform/ScreenFit.h"
#include "platform/TFMsgOK.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

bool AskYesNo(const QString& message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Frage"), message, QMessageBox::NoButton);
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    ExecDialog(box);
    return box.clickedButton() == yes;
}

void ShowMessageBox(const QString& title, const QString& message) {
    TFMsgOK form(title, message);
    FitFormToScreen(form, true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect s = screen->geometry();
        form.move(s.width() / 2 - form.width() / 2, s.height() / 2 - form.height() / 2);
    }
    ExecDialog(form);
}

bool CheckOrHint(int flag, const QString& message) {
    if (flag != 0)
        return true;
    ShowMessageBox(QStringLiteral("Hinweis"), message);
    return false;
}

void FitFormToScreen(QWidget& form, bool centre) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    const QRect g = form.frameGeometry();
    const TRect placed =
        FitRectToScreen({g.left(), g.top(), g.left() + g.width(), g.top() + g.height()}, s.width(),
                        s.height(), centre);
    if (placed.Left != g.left() || placed.Top != g.top())
        form.move(placed.Left, placed.Top);
}
