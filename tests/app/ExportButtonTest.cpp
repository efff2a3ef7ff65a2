#include "ScriptedRunner.h"
#include "TempDir.h"
#include "app/MainWindow.h"

#include <QFile>
#include <QFileDialog>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void SmallPlan(TFMain& w) {
    w.Plan.StartHour = 6;
    w.Plan.EndHour = 7;
    w.Plan.StationCount = 2;
    for (int s = 1; s <= 2; ++s)
        w.Plan.Stations[s].TrackCount = 2;
    PlanOpen = true;
    w.EnablePlanCommands(true);
    w.PageControl1->setEnabled(true);
    w.ResizePlan();
    w.Modified = false;
}

// Answers the save dialog with a file name.
ScriptedRunner::Answer ChooseFile(const QString& path) {
    return [path](QDialog& d) {
        auto* fd = qobject_cast<QFileDialog*>(&d);
        EXPECT_NE(fd, nullptr);
        if (!fd)
            return int(QDialog::Rejected);
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(fd->nameFilters().size(), 2);
        fd->selectFile(path);
        return int(QDialog::Accepted);
    };
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ExportButton, WritesBitmapAndJpegWithoutTouchingThePlan) {
    TempDir dir;
    ScriptedRunner runner;
    TFMain w;
    SmallPlan(w);
    const PlanRec before = w.Plan;
    runner.Queue(ChooseFile(dir.File(QStringLiteral("plan.bmp"))));
    w.SpeedButton1->click();
    runner.Queue(ChooseFile(dir.File(QStringLiteral("plan.jpg"))));
    w.SpeedButton1->click();
    EXPECT_EQ(runner.Shown.size(), 2u); // the two save dialogs only
    EXPECT_TRUE(Contents(dir.File(QStringLiteral("plan.bmp"))).startsWith("BM"));
    EXPECT_TRUE(Contents(dir.File(QStringLiteral("plan.jpg"))).startsWith("\xFF\xD8"));
    EXPECT_FALSE(w.Modified);
    EXPECT_EQ(w.Plan.PlanRect, before.PlanRect);
    PlanOpen = false;
}

TEST(ExportButton, RefusesOtherExtensionsAndAsksBeforeOverwriting) {
    TempDir dir;
    ScriptedRunner runner;
    TFMain w;
    SmallPlan(w);
    runner.Queue(ChooseFile(dir.File(QStringLiteral("plan.BMP"))));
    w.SpeedButton1->click();
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[1].Title, QStringLiteral("Fehler"));
    EXPECT_EQ(runner.Shown[1].Text, QStringLiteral(".BMP ist kein gültiges Dateiformat"));
    EXPECT_FALSE(QFile::exists(dir.File(QStringLiteral("plan.BMP"))));

    const QString existing = dir.File(QStringLiteral("alt.bmp"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    runner.Queue(ChooseFile(existing));
    runner.QueueNo();
    w.SpeedButton1->click();
    EXPECT_EQ(runner.Shown.back().Text,
              QStringLiteral("Datei existiert bereits ! - Überschreiben ?"));
    EXPECT_EQ(Contents(existing), QByteArray("alt"));
    runner.Queue(ChooseFile(existing));
    runner.QueueYes();
    w.SpeedButton1->click();
    EXPECT_TRUE(Contents(existing).startsWith("BM"));
    EXPECT_FALSE(w.Modified);
    PlanOpen = false;
}
