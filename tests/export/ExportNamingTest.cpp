#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "export/PictureExport.h"

#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(ExportNaming, ExtensionRule) {
    struct Case {
        const char* Name;
        PictureFormat Format;
        const char* Refusal;
    };
    const Case cases[] = {
        {"Fahrplan.bmp", PictureFormat::Bmp, ""},
        {"/tmp/a.b/Fahrplan.jpg", PictureFormat::Jpeg, ""},
        {"Fahrplan.BMP", PictureFormat::None, ".BMP ist kein gültiges Dateiformat"},
        {"Fahrplan.Jpg", PictureFormat::None, ".Jpg ist kein gültiges Dateiformat"},
        {"Fahrplan.png", PictureFormat::None, ".png ist kein gültiges Dateiformat"},
        {"Fahrplan.jpeg", PictureFormat::None, ".jpeg ist kein gültiges Dateiformat"},
        {"Fahrplan.bmp.png", PictureFormat::None, ".png ist kein gültiges Dateiformat"},
        {"/tmp/x.bmp/Fahrplan", PictureFormat::None, " ist kein gültiges Dateiformat"},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf8(c.Name);
        EXPECT_EQ(PictureFormatOf(name), c.Format) << c.Name;
        EXPECT_EQ(ExtensionRefusal(name), QString::fromUtf8(c.Refusal)) << c.Name;
    }
}

TEST(ExportNaming, DialogTexts) {
    EXPECT_EQ(OverwriteQuestion(), QStringLiteral("Datei existiert bereits ! - Überschreiben ?"));
    EXPECT_EQ(ExportDialogFilter(),
              QStringLiteral("Windows-Bitmaps (*.bmp);;JPEG-Grafikformat (*.jpg)"));
    EXPECT_EQ(ExportDefaultSuffix(), QStringLiteral("bmp"));
    EXPECT_EQ(ExportInitialName(), QStringLiteral("Fahrplan"));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("Fahrplan")), QStringLiteral("Fahrplan.bmp"));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("Plan.png")), QStringLiteral("Plan.png"));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("Plan.jpg")), QStringLiteral("Plan.jpg"));
}

// A refused extension writes nothing; an existing file is only replaced by
// a complete picture, and a failed write names the file in German.
TEST(ExportNaming, RefusalsAndFailuresWriteNothing) {
    TempDir dir;
    PlanRec plan = WorkedExample(clRed);
    DiagramView view;
    const QString png = dir.File(QStringLiteral("Fahrplan.png"));
    EXPECT_EQ(ExportPicture(plan, view, png), QStringLiteral(".png ist kein gültiges Dateiformat"));
    EXPECT_FALSE(QFile::exists(png));

    const QString bmp = dir.File(QStringLiteral("Fahrplan.bmp"));
    EXPECT_FALSE(NeedsOverwriteQuestion(bmp));
    EXPECT_EQ(ExportPicture(plan, view, bmp), QString());
    EXPECT_TRUE(NeedsOverwriteQuestion(bmp));

    const QString missing = dir.File(QStringLiteral("fehlt/Fahrplan.jpg"));
    const QString error = ExportPicture(plan, view, missing);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei Fahrplan.jpg konnte nicht geschrieben "
                                                "werden: ")))
        << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    // a damaged plan too large for the formats' size fields is refused before writing
    PlanRec huge = GeneratedPlan(20, 30, 0, 0, 1000);
    for (const char* name : {"huge.jpg", "huge.bmp"}) {
        const QString file = dir.File(QString::fromUtf8(name));
        const QString why = ExportPicture(huge, view, file);
        EXPECT_TRUE(why.contains(QStringLiteral(" zu groß"))) << why.toStdString();
        EXPECT_FALSE(QFile::exists(file)) << name;
    }
}
