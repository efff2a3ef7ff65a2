#include "StoreFixture.h"
#include "ScriptedRunner.h"
#include "TempDir.h"

#include "app/AboutBox.h"
#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "store/FormPlacement.h"
#include "store/TFBhfDB.h"
#include "store/TFBhfEdit.h"
#include "store/TFNewPlan.h"
#include "store/TFPlanSaveAs.h"
#include "store/TFPrjAssi.h"
#include "store/TFormInfo.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Window placements go to a folder of the test's own while it runs.
struct PlacementFolder {
    PlacementFolder() : Previous(PlacementDirectory()) {
        SetPlacementDirectory(Dir.Path());
        TFormInfo::ResetWriteFailureNotice();
    }
    ~PlacementFolder() { SetPlacementDirectory(Previous); }
    QString Ini() const { return Dir.File(u"FormSave.ini"_s); }
    QString Text() const {
        QFile file(Ini());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    TempDir Dir;
    QString Previous;
};

QRect ScreenRect() {
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

TEST(FormInfo, FirstStartOfTheMainWindowWritesItsSection) {
    PlacementFolder folder;
    ASSERT_FALSE(QFile::exists(folder.Ini()));
    QPoint placed;
    {
        TFMain w;
        // Nothing stored: the design position.
        EXPECT_FALSE(w.testAttribute(Qt::WA_Moved));
        // The main window is as wide as the test screen: only its top is free.
        w.move(0, 30);
        placed = w.pos();
    }
    const QString text = folder.Text();
    EXPECT_TRUE(text.startsWith(u"[FMain]"_s)) << text.toStdString();
    QSettings ini(folder.Ini(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(u"FMain/WindowState"_s).toString(), u"1"_s);
    EXPECT_EQ(ini.value(u"FMain/Left"_s).toInt(), placed.x());
    EXPECT_EQ(ini.value(u"FMain/Top"_s).toInt(), placed.y());
    EXPECT_FALSE(ini.contains(u"FMain/Width"_s));

    // The next start opens there.
    TFMain again;
    EXPECT_EQ(again.pos(), placed);
}

TEST(FormInfo, StoredPositionIsFittedToTheScreenWhenRestored) {
    PlacementFolder folder;
    const QRect s = ScreenRect();
    struct Case {
        int Left;
        int ExpectedLeft;
    };
    for (const Case c : {Case{s.left() - 30, s.left()}, Case{s.left() - 20, s.left() - 20}}) {
        {
            QSettings ini(folder.Ini(), QSettings::IniFormat);
            ini.setValue(u"FBhfDB/Left"_s, c.Left);
            ini.setValue(u"FBhfDB/Top"_s, s.top() + 50);
        }
        QDialog d;
        d.setObjectName(u"FBhfDB"_s);
        d.resize(278, 433);
        TFormInfo::Attach(d, u"FBhfDB"_s);
        EXPECT_EQ(d.pos(), QPoint(c.ExpectedLeft, s.top() + 50)) << c.Left;
    }
}

TEST(FormInfo, DialogStoresOnCloseAndRestoreOnlyDialogsNever) {
    PlacementFolder folder;
    {
        QDialog d;
        TFormInfo::Attach(d, u"Form1"_s);
        d.move(70, 80);
        d.reject(); // closing, never shown: the runner's case
    }
    {
        QDialog d;
        TFormInfo::Attach(d, u"FNewPlan"_s, TFormInfo::SaveMoment::Never);
        d.move(10, 10);
        d.accept();
    }
    QSettings ini(folder.Ini(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(u"Form1/Left"_s).toInt(), 70);
    EXPECT_EQ(ini.value(u"Form1/Top"_s).toInt(), 80);
    EXPECT_FALSE(ini.childGroups().contains(u"FNewPlan"_s));

    // A window that shares the section opens where the other closed.
    QDialog shared;
    TFormInfo::Attach(shared, u"Form1"_s, TFormInfo::SaveMoment::Never);
    EXPECT_EQ(shared.pos(), QPoint(70, 80));
}

TEST(FormInfo, PlainWindowStoresWhenHiddenByClosing) {
    PlacementFolder folder;
    QWidget w;
    w.setObjectName(u"FPlanError"_s);
    TFormInfo* info = TFormInfo::Attach(w, QString());
    EXPECT_EQ(info->objectName(), u"FormInfo1"_s);
    w.move(33, 44);
    w.show();
    w.close();
    QSettings ini(folder.Ini(), QSettings::IniFormat);
    // No section name given: the window's own name.
    EXPECT_EQ(ini.value(u"FPlanError/Left"_s).toInt(), w.pos().x());
    EXPECT_TRUE(ini.contains(u"FPlanError/WindowState"_s));
}

TEST(FormInfo, FailedWriteIsToldOnceAndNeverKeepsTheWindowOpen) {
    PlacementFolder folder;
    QFile blocker(folder.Dir.File(u"blocker"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The program's folder cannot be written.
    SetPlacementDirectory(folder.Dir.File(u"blocker/sub"_s));
    ScriptedRunner runner;
    {
        auto w = std::make_unique<TFMain>();
        w->show();
        EXPECT_TRUE(w->close());
    }
    ASSERT_EQ(runner.Shown.size(), 1u);
    EXPECT_EQ(runner.Shown[0].Title, u"Fehler"_s);
    EXPECT_TRUE(runner.Shown[0].Text.contains(u"FormSave.ini"_s));
    {
        QDialog d;
        TFormInfo::Attach(d, u"Form1"_s);
        d.accept();
        TFMain w;
    }
    EXPECT_EQ(runner.Shown.size(), 1u);
}

TEST(FormInfo, StationDatabaseCommandOpensTheEditorAndBothWindowsKeepTheirPlaces) {
    PlacementFolder folder;
    StoreFixture tables(true);
    dm = tables.Dm.get();
    ScriptedRunner runner;
    TFMain w;
    runner.Queue([&runner](QDialog& d) {
        auto* db = qobject_cast<TFBhfDB*>(&d);
        if (!db) {
            ADD_FAILURE() << "expected the station database";
            return int(QDialog::Rejected);
        }
        d.move(60, 70);
        runner.Queue([](QDialog& e) {
            e.move(90, 100);
            static_cast<TFBhfEdit&>(e).CancelBtn->click();
            return e.result();
        });
        db->EditBhf->click();
        db->OKBtn->click();
        return d.result();
    });
    w.BhfDBBtn->trigger();
    dm = nullptr;
    EXPECT_TRUE(runner.AllAnswersUsed());
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[0].Title, u"Bahnhofsdatenbank bearbeiten"_s);
    EXPECT_EQ(runner.Shown[1].Title, u"Bahnhof editieren"_s);
    QSettings ini(folder.Ini(), QSettings::IniFormat);
    EXPECT_EQ(QPoint(ini.value(u"FBhfDB/Left"_s).toInt(), ini.value(u"FBhfDB/Top"_s).toInt()),
              QPoint(60, 70));
    EXPECT_EQ(QPoint(ini.value(u"Form1/Left"_s).toInt(), ini.value(u"Form1/Top"_s).toInt()),
              QPoint(90, 100));
    EXPECT_EQ(ini.value(u"Form1/WindowState"_s).toString(), u"1"_s);
}

TEST(FormInfo, AboutBoxStoresItsSectionYetAlwaysOpensCentred) {
    PlacementFolder folder;
    QPoint centred;
    {
        Tinfo box;
        centred = box.pos();
        box.move(5, 6);
        box.accept();
    }
    QSettings ini(folder.Ini(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(u"info/Left"_s).toInt(), 5);
    EXPECT_EQ(ini.value(u"info/Top"_s).toInt(), 6);
    Tinfo again;
    EXPECT_EQ(again.pos(), centred);
}

TEST(FormInfo, PlanDialogsUseTheirSectionsAndSaveAsOpensWhereTheStationDialogClosed) {
    PlacementFolder folder;
    StoreFixture tables(true);
    {
        TFBhfEdit edit(tables.Dm->tBhf);
        edit.move(120, 130);
        edit.reject();
    }
    TFPlanSaveAs saveAs;
    EXPECT_EQ(saveAs.pos(), QPoint(120, 130));
    saveAs.move(10, 20);
    saveAs.accept();
    {
        TFNewPlan chooser(*tables.Dm);
        chooser.move(30, 40);
        chooser.reject();
        TFPrjAssi assi(*tables.Dm);
        assi.move(50, 60);
        assi.reject();
    }
    QSettings ini(folder.Ini(), QSettings::IniFormat);
    // The save-as dialog and the chooser are restored only.
    EXPECT_EQ(ini.value(u"Form1/Left"_s).toInt(), 120);
    EXPECT_FALSE(ini.childGroups().contains(u"FNewPlan"_s));
    EXPECT_EQ(ini.value(u"FPrjAssi/Left"_s).toInt(), 50);
    EXPECT_EQ(ini.value(u"FPrjAssi/Top"_s).toInt(), 60);
}
