#include "ScriptedRunner.h"
#include "TempDir.h"
#include "app/MainWindow.h"
#include "app/PlanImage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
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

// Any message box of Qt's own that comes up while the dialog accepts is a
// question the program did not ask: it fails the test and is closed.
void RefuseForeignQuestions(QObject* context) {
    auto* watch = new QTimer(context);
    QObject::connect(watch, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the file dialog asked: " << box->text().toStdString();
            box->reject();
        }
    });
    watch->start(20);
}

// Types a name into the save dialog and presses its accept button, the way
// the user does; the dialog decides whether it closes.
int TypeAndAccept(QFileDialog& fd, const QString& path, const QString& filter = QString()) {
    RefuseForeignQuestions(&fd);
    if (!filter.isEmpty())
        fd.selectNameFilter(filter);
    // Typed into the name field as a user does; selectFile() of a path into
    // a missing folder would resolve it against the dialog's folder instead.
    auto* nameEdit = fd.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    EXPECT_NE(nameEdit, nullptr);
    if (nameEdit)
        nameEdit->setText(path);
    else
        fd.selectFile(path);
    static_cast<QDialog&>(fd).accept(); // the accept button
    return fd.result();
}

// Answers the save dialog with a file name.
ScriptedRunner::Answer ChooseFile(const QString& path, const QString& filter = QString()) {
    return [path, filter](QDialog& d) {
        auto* fd = qobject_cast<QFileDialog*>(&d);
        EXPECT_NE(fd, nullptr);
        if (!fd)
            return int(QDialog::Rejected);
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(fd->nameFilters().size(), 2);
        const int result = TypeAndAccept(*fd, path, filter);
        EXPECT_EQ(result, int(QDialog::Accepted)) << path.toStdString();
        return result;
    };
}

quint32 Le(const QByteArray& bytes, int at, int size) {
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | quint8(bytes[at + i]);
    return v;
}

// Width, height and bits per pixel of a BMP; width and height of a JPEG's
// baseline frame (0 when it has none).
QSize BmpSize(const QByteArray& b, int& bits) {
    bits = b.size() > 30 ? int(Le(b, 28, 2)) : 0;
    return b.size() > 30 ? QSize(int(Le(b, 18, 4)), int(Le(b, 22, 4))) : QSize();
}

QSize JpegBaselineSize(const QByteArray& b) {
    const int sof = b.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0 || sof + 9 > b.size())
        return QSize();
    return QSize(quint8(b[sof + 7]) << 8 | quint8(b[sof + 8]),
                 quint8(b[sof + 5]) << 8 | quint8(b[sof + 6]));
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
    const QSize canvas = w.PlanImage->size();
    runner.Queue(ChooseFile(dir.File(QStringLiteral("plan.bmp"))));
    w.SpeedButton1->click();
    runner.Queue(ChooseFile(dir.File(QStringLiteral("plan.jpg"))));
    w.SpeedButton1->click();
    // A name without extension is a bitmap even with the JPEG entry chosen.
    runner.Queue(
        ChooseFile(dir.File(QStringLiteral("ohne")), QStringLiteral("JPEG-Grafikformat (*.jpg)")));
    w.SpeedButton1->click();
    EXPECT_EQ(runner.Shown.size(), 3u); // the three save dialogs only
    int bits = 0;
    const QByteArray bmp = Contents(dir.File(QStringLiteral("plan.bmp")));
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(BmpSize(bmp, bits), canvas);
    EXPECT_EQ(bits, 4);
    const QByteArray jpg = Contents(dir.File(QStringLiteral("plan.jpg")));
    EXPECT_TRUE(jpg.startsWith("\xFF\xD8"));
    EXPECT_EQ(JpegBaselineSize(jpg), canvas);
    EXPECT_FALSE(QFile::exists(dir.File(QStringLiteral("ohne.jpg"))));
    const QByteArray plain = Contents(dir.File(QStringLiteral("ohne.bmp")));
    EXPECT_EQ(plain, bmp);
    EXPECT_FALSE(w.Modified);
    EXPECT_EQ(w.Plan.PlanRect, before.PlanRect);
    PlanOpen = false;
}

TEST(ExportButton, MissingFolderIsRefusedAndTheDialogStaysOpen) {
    TempDir dir;
    ScriptedRunner runner;
    TFMain w;
    SmallPlan(w);
    const QString missing = dir.File(QStringLiteral("fehlt/plan.bmp"));
    runner.Queue([&](QDialog& d) {
        auto& fd = static_cast<QFileDialog&>(d);
        EXPECT_NE(TypeAndAccept(fd, missing), int(QDialog::Accepted));
        // The user reads the message and picks a folder that exists.
        return TypeAndAccept(fd, dir.File(QStringLiteral("plan.bmp")));
    });
    w.SpeedButton1->click();
    ASSERT_EQ(runner.Shown.size(), 2u);
    EXPECT_EQ(runner.Shown[1].Title, QStringLiteral("Fehler"));
    EXPECT_EQ(runner.Shown[1].Text.toStdString(),
              QStringLiteral("Der Ordner „%1“ existiert nicht.")
                  .arg(QDir::toNativeSeparators(dir.File(QStringLiteral("fehlt"))))
                  .toStdString());
    EXPECT_FALSE(QDir(dir.File(QStringLiteral("fehlt"))).exists());
    EXPECT_TRUE(Contents(dir.File(QStringLiteral("plan.bmp"))).startsWith("BM"));
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
    const size_t shown = runner.Shown.size();
    w.SpeedButton1->click();
    // The dialog and the program's one question, nothing of Qt's own.
    ASSERT_EQ(runner.Shown.size(), shown + 2);
    EXPECT_EQ(runner.Shown.back().Title, QStringLiteral("Frage"));
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
