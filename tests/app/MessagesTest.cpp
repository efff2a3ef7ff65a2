#include "ScriptedRunner.h"
#include "app/AboutBox.h"
#include "app/AppInfo.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/ZentoriaApp.h"
#include "platform/Messages.h"
#include "platform/ScreenFit.h"
#include "platform/TFMsgOK.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(AskYesNo, AsksFrageAndReturnsTheAnswer) {
    ScriptedRunner runner;
    runner.QueueYes();
    runner.QueueNo();
    EXPECT_TRUE(AskYesNo(QStringLiteral("Wirklich?")));
    EXPECT_FALSE(AskYesNo(QStringLiteral("Wirklich?")));
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[0].Title, QStringLiteral("Frage"));
    EXPECT_EQ(runner.Shown[0].Text, QStringLiteral("Wirklich?"));
}

// The other tests read the program's own texts only; Qt's go back.
void DropQtTranslation() {
    for (QTranslator* qt : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(qt);
        delete qt;
    }
}

TEST(Application, WindowTitlesAreTheCaptionsWithoutAnApplicationSuffix) {
    SetUpApplication(*QCoreApplication::instance());
    // A desktop appends a display name set of its own to every window title
    // ("Frage — Zentoria"); with none set, the name only follows the
    // application's name and nothing is appended.
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QCoreApplication::setApplicationName(AppTitle());
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Zentoria"));
    TFMain main;
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Zentoria"));
    Tinfo about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Über..."));
    THelpWindow help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Zentoria-Hilfe"));
    ScriptedRunner runner;
    runner.QueueNo();
    AskYesNo(QStringLiteral("Wirklich?"));
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, QStringLiteral("Frage"));
    DropQtTranslation();
}

TEST(Application, QtsOwnDialogsAndMenusSpeakGerman) {
    QCoreApplication& app = *QCoreApplication::instance();
    ASSERT_TRUE(LoadQtTranslation(app));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList captions;
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (const QAbstractButton* button : box->buttons())
            captions << button->text().remove(u'&');
    EXPECT_TRUE(captions.contains(QStringLiteral("Speichern")))
        << captions.join(u',').toStdString();
    EXPECT_TRUE(captions.contains(QStringLiteral("Abbrechen")))
        << captions.join(u',').toStdString();
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions())
        items << action->text().remove(u'&').section(u'\t', 0, 0);
    EXPECT_TRUE(items.contains(QStringLiteral("Rückgängig"))) << items.join(u',').toStdString();
    DropQtTranslation();
}

TEST(ShowMessageBox, ShowsTitleAndMessageWithThreeSpaces) {
    TFMsgOK form(QStringLiteral("Fehler"), QStringLiteral("Kurz"));
    EXPECT_EQ(form.PTitel->text(), QStringLiteral("Fehler"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Kurz   "));
    EXPECT_EQ(form.BtnOK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(form.BtnOK->isDefault());
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);

    ScriptedRunner runner;
    ShowMessageBox(QStringLiteral("Hinweis"), QStringLiteral("Text"));
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, QStringLiteral("Hinweis"));
    EXPECT_EQ(runner.Shown[0].Text, QStringLiteral("Text"));
}

TEST(ShowMessageBox, WidensForLongMessagesAndKeepsButtonCentred) {
    const TFMsgOK shortForm(QStringLiteral("Fehler"), QStringLiteral("Kurz"));
    const QString longText(60, QLatin1Char('W'));
    const TFMsgOK longForm(QStringLiteral("Fehler"), longText);
    const int grow =
        QFontMetrics(longForm.font()).horizontalAdvance(longText + QStringLiteral("   ")) -
        longForm.DesignLabelWidth();
    ASSERT_GT(grow, 0);
    EXPECT_EQ(longForm.width(), shortForm.width() + grow);
    EXPECT_EQ(longForm.BtnOK->x(), shortForm.BtnOK->x() + grow / 2);
    // The button stays centred under the label.
    const int labelMiddle = longForm.Label1->x() + longForm.Label1->width() / 2;
    const int buttonMiddle = longForm.BtnOK->x() + longForm.BtnOK->width() / 2;
    EXPECT_LE(std::abs(labelMiddle - buttonMiddle), 1);
    // A message of exactly the design width does not grow the box.
    const TFMsgOK eights(QStringLiteral("Fehler"), QString(33, QLatin1Char('8')).chopped(3));
    EXPECT_LE(eights.width(),
              shortForm.width() +
                  QFontMetrics(eights.font()).horizontalAdvance(QStringLiteral("   ")));
}

TEST(CheckOrHint, ZeroShowsHintOtherFlagsAreSilent) {
    ScriptedRunner runner;
    EXPECT_TRUE(CheckOrHint(1, QStringLiteral("x")));
    EXPECT_TRUE(CheckOrHint(-7, QStringLiteral("x")));
    EXPECT_TRUE(runner.Shown.empty());
    EXPECT_FALSE(CheckOrHint(0, QStringLiteral("Bitte wählen")));
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, QStringLiteral("Hinweis"));
    EXPECT_EQ(runner.Shown[0].Text, QStringLiteral("Bitte wählen"));
}

struct FitCase {
    const char* name;
    TRect window;
    bool centre;
    TRect expected;
};

class FitRect : public testing::TestWithParam<FitCase> {};

TEST_P(FitRect, MovesOnlyWhatSticksOut) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitRectToScreen(c.window, 1024, 768, c.centre), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitRect,
    testing::Values(FitCase{"fits", {100, 100, 500, 400}, true, {100, 100, 500, 400}},
                    FitCase{"right", {900, 100, 1300, 400}, false, {624, 100, 1024, 400}},
                    FitCase{"bottom", {100, 600, 500, 900}, false, {100, 468, 500, 768}},
                    FitCase{"negative", {-50, -20, 350, 280}, false, {624, 468, 1024, 768}},
                    FitCase{"centred", {900, 100, 1300, 400}, true, {312, 234, 712, 534}},
                    FitCase{"exact edge", {624, 468, 1024, 768}, true, {624, 468, 1024, 768}}),
    [](const testing::TestParamInfo<FitCase>& p) {
        std::string n = p.param.name;
        for (char& ch : n)
            if (ch == ' ')
                ch = '_';
        return n;
    });

TEST(FitFormToScreen, MovesAWidgetBackOntoTheScreen) {
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    QWidget w;
    w.resize(300, 200);
    w.move(s.width() + 100, 50);
    FitFormToScreen(w, false);
    EXPECT_EQ(w.frameGeometry().right() + 1, s.width());
    EXPECT_EQ(w.y(), 50);
    w.move(-400, -400);
    FitFormToScreen(w, true);
    EXPECT_EQ(w.x(), s.width() / 2 - w.frameGeometry().width() / 2);
    w.move(10, 20);
    FitFormToScreen(w, true);
    EXPECT_EQ(w.pos(), QPoint(10, 20));
}
