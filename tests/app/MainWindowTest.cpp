#include "ScriptedRunner.h"
#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/PlanImage.h"
#include "platform/Cursors.h"
#include "platform/ScreenFit.h"

#include <QAction>
#include <QCloseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A main window whose save succeeds or fails on request and counts calls.
class SaveProbe : public TFMain {
public:
    bool SaveSucceeds = true;
    int SaveCalls = 0;
    bool StoreOpenPlan() override {
        ++SaveCalls;
        if (!SaveSucceeds)
            return TFMain::StoreOpenPlan();
        Modified = false;
        return true;
    }
};

std::vector<QString> VisibleTabs(const TFMain& w) {
    std::vector<QString> tabs;
    for (int i = 0; i < w.PageControl1->count(); ++i)
        if (w.PageControl1->isTabVisible(i))
            tabs.push_back(w.PageControl1->tabText(i));
    return tabs;
}

} // namespace

TEST(MainWindowStart, OnlyFahrplanVisibleAndPlanCommandsDisabled) {
    TFMain w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Zentoria"));
    EXPECT_EQ(VisibleTabs(w), std::vector<QString>{QStringLiteral("Fahrplan")});
    EXPECT_FALSE(w.PageControl1->isEnabled());
    EXPECT_EQ(w.PageControl1->currentWidget(), w.tsFahrplan);
    // the controls of the visible tab are inert while the page control is off
    EXPECT_FALSE(w.EditBez->isEnabled());
    EXPECT_FALSE(w.FahrdienstBtn->isEnabled());
    for (QAction* a : {w.Save1, w.SaveAs1, w.Delete1, w.bbPlanScannen, w.bbZug, w.bbBhf, w.bbMann})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(w.bbPrint->menuAction()->isEnabled());
    EXPECT_FALSE(w.bbplan->menuAction()->isEnabled());
    for (QAction* a : {w.New1, w.Open1, w.BhfDBBtn, w.dxBarButton1, w.TREVALONHomepage1, w.Info1,
                       w.Programmbeenden1})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(w.dxBarFarbdruck->isChecked());
    EXPECT_TRUE(w.ColourPrint);
    EXPECT_EQ(w.DocState, DocNone);
    EXPECT_FALSE(w.Modified);
    EXPECT_FALSE(PlanOpen);
    EXPECT_EQ(w.EditMode, EditNone);
    EXPECT_TRUE(w.ModusLabel->text().isEmpty());
    EXPECT_TRUE(w.BhfLabel->text().isEmpty());
    EXPECT_TRUE(w.GlsLabel->text().isEmpty());
    EXPECT_EQ(w.TitelPanel->text(), QStringLiteral("  Fahrplan:"));
    EXPECT_EQ(w.Plan.EndHour, 24);
    EXPECT_EQ(w.PlanImage->pos(), QPoint(8, 8));
    for (int id : {CursorDeparture, CursorArrival, CursorStop})
        EXPECT_TRUE(CursorRegistered(id)) << id;
}

TEST(MainWindowStart, MenusHaveTheirItemsInOrder) {
    TFMain w;
    auto captions = [](QMenu* m) {
        QStringList list;
        for (QAction* a : m->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    EXPECT_EQ(
        captions(w.Datei1),
        QStringList({QStringLiteral("Neu"), QStringLiteral("Öffnen"), QStringLiteral("Speichern"),
                     QStringLiteral("Speichern unter.."), QStringLiteral("Löschen"),
                     QStringLiteral("-"), QStringLiteral("Drucken"), QStringLiteral("-"),
                     QStringLiteral("Programm beenden")}));
    EXPECT_EQ(captions(w.bbPrint), QStringList({QStringLiteral("Fahrplan 1:1"),
                                                QStringLiteral("Fahrplan (Seite angepaßt)"),
                                                QStringLiteral("-"), QStringLiteral("Farbdruck")}));
    EXPECT_EQ(captions(w.bbplan),
              QStringList({QStringLiteral("Fahrdienstleiter"), QStringLiteral("Bahnhofsfahrplan"),
                           QStringLiteral("Zuglauf")}));
    EXPECT_EQ(captions(w.Hilfe1),
              QStringList({QStringLiteral("Zentoria-Hilfe Inhalt"), QStringLiteral("-"),
                           QStringLiteral("Trevalon Homepage"), QStringLiteral("-"),
                           QStringLiteral("Info...")}));
    EXPECT_EQ(w.dxBarButton1->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(MainWindowState, EnablePlanCommandsShowsAllTabsAndClearPlanViewHidesThem) {
    TFMain w;
    w.EnablePlanCommands(true);
    w.PageControl1->setEnabled(true);
    EXPECT_EQ(VisibleTabs(w).size(), 5u);
    EXPECT_TRUE(w.Save1->isEnabled());
    EXPECT_TRUE(w.bbPrint->menuAction()->isEnabled());

    w.Plan.PlanName = QStringLiteral("Alt");
    w.Modified = true;
    w.DocState = DocStored;
    PlanOpen = true;
    w.SelTrain = 3;
    w.TrainMarked = true;
    w.SetEditMode(EditTrains);
    w.MoveArmed = true;
    w.NewTrainBtn->setEnabled(false);
    w.PageControl1->setCurrentWidget(w.tsZuege);

    w.ClearPlanView();
    EXPECT_TRUE(VisibleTabs(w).empty());
    EXPECT_TRUE(w.PageControl1->isEnabled());
    EXPECT_EQ(w.PageControl1->currentIndex(), w.PageControl1->indexOf(w.tsFahrplan));
    EXPECT_FALSE(w.Save1->isEnabled());
    EXPECT_EQ(w.TitelPanel->text(), QStringLiteral("  Fahrplan: <unbenannt>"));
    EXPECT_TRUE(w.Plan.PlanName.isEmpty());
    EXPECT_FALSE(PlanOpen);
    EXPECT_FALSE(w.Modified);
    EXPECT_EQ(w.DocState, DocNone);
    EXPECT_EQ(w.SelTrain, 0);
    EXPECT_FALSE(w.TrainMarked);
    EXPECT_FALSE(w.MoveArmed);
    EXPECT_EQ(w.EditMode, EditNone);
    EXPECT_TRUE(w.ModusLabel->text().isEmpty());
    EXPECT_TRUE(w.NewTrainBtn->isEnabled());
    EXPECT_EQ(w.PrevHoverTime, w.HoverTime);
}

TEST(MainWindowState, SetEditModeShowsItsText) {
    TFMain w;
    const char* texts[] = {"", "Zug hinzufügen", "Zug editieren", "Bahnhof bearbeiten"};
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
        w.MoveArmed = true;
        w.SetEditMode(mode);
        EXPECT_EQ(w.EditMode, mode);
        EXPECT_EQ(w.ModusLabel->text(), QString::fromUtf8(texts[mode]));
        EXPECT_FALSE(w.MoveArmed);
    }
}

TEST(MainWindowState, TitleShowsNameOrUnnamed) {
    TFMain w;
    w.ShowTitle(QString());
    EXPECT_EQ(w.TitelPanel->text(), QStringLiteral("  Fahrplan: <unbenannt>"));
    w.ShowTitle(QStringLiteral("Nord"));
    EXPECT_EQ(w.TitelPanel->text(), QStringLiteral("  Fahrplan: Nord"));
}

TEST(MainWindowState, MoveKindFollowsRadioGroup) {
    TFMain w;
    w.rgZugMoveTypItem[1]->setChecked(true);
    EXPECT_EQ(w.MoveKind, 1);
    w.rgZugMoveTypItem[0]->setChecked(true);
    EXPECT_EQ(w.MoveKind, 0);
    // A reset of the view shows the move kind it resets to.
    w.rgZugMoveTypItem[1]->setChecked(true);
    w.ClearPlanView();
    EXPECT_EQ(w.MoveKind, 0);
    EXPECT_TRUE(w.rgZugMoveTypItem[0]->isChecked());
    EXPECT_FALSE(w.rgZugMoveTypItem[1]->isChecked());
    w.rgZugMoveTypItem[1]->setChecked(true);
    EXPECT_EQ(w.MoveKind, 1);
}

TEST(MainWindowState, FarbdruckMirrorsIntoColourPrint) {
    TFMain w;
    w.dxBarFarbdruck->trigger();
    EXPECT_FALSE(w.ColourPrint);
    w.dxBarFarbdruck->trigger();
    EXPECT_TRUE(w.ColourPrint);
}

TEST(MainWindowSize, StaysBetween640x480And1280x1024) {
    TFMain w;
    w.show();
    EXPECT_EQ(w.minimumSize(), QSize(640, 480));
    EXPECT_LE(w.maximumWidth(), 1280);
    EXPECT_LE(w.maximumHeight(), 1024);
    w.resize(300, 200);
    EXPECT_EQ(w.size(), QSize(640, 480));
    EXPECT_EQ(w.LastWidth, 640);
    EXPECT_EQ(w.LastHeight, 480);
    // The test screen is smaller than the cap, so the cap is checked on its
    // own, on both sides of it and of the smallest size.
    struct Screen {
        int Width, Height;
        QSize Largest;
    };
    for (const Screen& s : {Screen{1600, 1200, {1280, 1024}}, Screen{1281, 1025, {1280, 1024}},
                            Screen{1280, 1024, {1280, 1024}}, Screen{1279, 1023, {1279, 1023}},
                            Screen{1920, 900, {1280, 900}}, Screen{641, 481, {641, 481}},
                            Screen{639, 479, {640, 480}}})
        EXPECT_EQ(LargestFormSize(s.Width, s.Height), s.Largest) << s.Width << "x" << s.Height;
    EXPECT_EQ(w.maximumSize(),
              LargestFormSize(w.screen()->size().width(), w.screen()->size().height()));
}

TEST(MainWindowSize, ResizeWithoutPlanSizesResetCanvas) {
    TFMain w;
    w.show();
    w.resize(900, 700);
    EXPECT_EQ(w.Plan.PlanRect, (TRect{0, 0, 235, 1640}));
    EXPECT_EQ(w.PlanImage->size(), QSize(235, 1640));
}

TEST(MainWindowClose, UnmodifiedPlanClosesWithoutQuestion) {
    ScriptedRunner runner;
    SaveProbe w;
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(runner.Shown.empty());
    EXPECT_EQ(w.SaveCalls, 0);
}

TEST(MainWindowClose, ModifiedPlanAsksOnceAndBothAnswersClose) {
    for (bool yes : {true, false}) {
        ScriptedRunner runner;
        SaveProbe w;
        w.Modified = true;
        if (yes)
            runner.QueueYes();
        else
            runner.QueueNo();
        EXPECT_TRUE(w.close()) << yes;
        ASSERT_EQ(runner.Shown.size(), 1u);
        EXPECT_EQ(runner.Shown[0].Title, QStringLiteral("Frage"));
        EXPECT_EQ(runner.Shown[0].Text,
                  QStringLiteral("Akt. Fahrplan ist noch nicht gespeichert ! - Speichern ?"));
        EXPECT_EQ(w.SaveCalls, yes ? 1 : 0);
    }
}

TEST(MainWindowClose, FailedSaveShowsErrorAndKeepsWindowOpen) {
    ScriptedRunner runner;
    SaveProbe w;
    w.SaveSucceeds = false;
    w.Modified = true;
    w.show();
    runner.QueueYes();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Modified);
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[1].Title, QStringLiteral("Fehler"));
    EXPECT_FALSE(runner.Shown[1].Text.isEmpty());
    // Answering "Nein" then lets it close.
    runner.QueueNo();
    EXPECT_TRUE(w.close());
}

TEST(MainWindowStatus, HintOfControlShowsInStatusBar) {
    TFMain w;
    w.EnablePlanCommands(true);
    w.PageControl1->setEnabled(true);
    w.show();
    EXPECT_EQ(w.SpeedButton1->toolTip(), QStringLiteral("Fahrplan als Bitmap exportieren"));
    EXPECT_EQ(w.EditBem->statusTip(), QStringLiteral("Kurzbeschreibung eingeben "));
    QStatusTipEvent tip(w.NewTrainBtn->statusTip());
    QCoreApplication::sendEvent(w.NewTrainBtn, &tip);
    EXPECT_EQ(w.statusBar()->currentMessage(), QStringLiteral("Neuen Zug hinzufügen"));
}

TEST(MainWindowAbout, InfoShowsAboutBoxThatClosesOnClickAndEsc) {
    ScriptedRunner runner;
    TFMain w;
    runner.Queue([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Über..."));
        EXPECT_TRUE(d.findChild<QLabel*>(QStringLiteral("Version")));
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("Version"))->text(),
                  QStringLiteral("Version 1.1"));
        return int(QDialog::Accepted);
    });
    w.Info1->trigger();
    ASSERT_EQ(runner.Shown.size(), 1u);

    Tinfo box;
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
    box.setResult(0);
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
}
