#include "TempDir.h"

#include "store/FormPlacement.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QRect Screen(0, 0, 1280, 1024);
const QSize Window(300, 200);

} // namespace

TEST(FitPlacement, TwentyFourPixelsBeyondAnEdgeStayMoreIsMovedBack) {
    struct Case {
        QPoint Stored;
        QPoint Placed;
    };
    const Case cases[] = {
        {{-30, 100}, {0, 100}},   // 30 left of the screen: to its left edge
        {{-20, 100}, {-20, 100}}, // 20 left: stays
        {{-24, 100}, {-24, 100}},  {{-25, 100}, {0, 100}},     {{100, -24}, {100, -24}},
        {{100, -25}, {100, 0}},    {{1004, 100}, {1004, 100}}, // right edge 24 beyond
        {{1005, 100}, {980, 100}}, {{100, 848}, {100, 848}},   {{100, 849}, {100, 824}},
        {{500, 400}, {500, 400}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitPlacement(c.Stored, Window, {Screen}), c.Placed)
            << c.Stored.x() << "," << c.Stored.y();
}

TEST(FitPlacement, WindowLargerThanItsMonitorKeepsTopAndLeftOnIt) {
    EXPECT_EQ(FitPlacement({-10, -10}, {1400, 1100}, {Screen}), QPoint(0, 0));
    EXPECT_EQ(FitPlacement({50, 60}, {1400, 1100}, {Screen}), QPoint(0, 0));
    // Exactly the monitor's size fits as it is.
    EXPECT_EQ(FitPlacement({0, 0}, {1280, 1024}, {Screen}), QPoint(0, 0));
    // A monitor away from the origin: the same rule against its own edges.
    const QRect offset(100, 50, 800, 600);
    EXPECT_EQ(FitPlacement({70, 30}, Window, {offset}), QPoint(100, 30));
    EXPECT_EQ(FitPlacement({80, 30}, Window, {offset}), QPoint(80, 30));
    EXPECT_EQ(FitPlacement({625, 475}, Window, {offset}), QPoint(600, 450));
}

TEST(FitPlacement, SeveralMonitorsKeepAPositionOnOneAndMoveOthersToTheNearest) {
    const QList<QRect> two{Screen, QRect(1280, 0, 1920, 1080)};
    // On the second monitor, and across the seam of both: unchanged.
    EXPECT_EQ(FitPlacement({1500, 100}, Window, two), QPoint(1500, 100));
    EXPECT_EQ(FitPlacement({1200, 900}, Window, two), QPoint(1200, 900));
    // Right of everything: onto the second monitor.
    EXPECT_EQ(FitPlacement({3500, 100}, Window, two), QPoint(2900, 100));
    // Left of everything: onto the first, by the same 24-pixel rule.
    EXPECT_EQ(FitPlacement({-30, 100}, Window, two), QPoint(0, 100));
    EXPECT_EQ(FitPlacement({-20, 100}, Window, two), QPoint(-20, 100));
    // Below the shorter first monitor only: the nearest is the first.
    EXPECT_EQ(FitPlacement({100, 1050}, Window, two), QPoint(100, 824));
    EXPECT_EQ(FitPlacement({5, 5}, Window, {}), QPoint(5, 5));
}

TEST(FormInfoNames, EmptyNamesTakeTheirDefaults) {
    const FormInfoNames load = ResolveFormInfoNames({}, u"FBhfDB"_s, false, u"/opt/z/zentoria"_s);
    EXPECT_EQ(load.FormName, u"FBhfDB"_s);
    EXPECT_EQ(load.AppName, u"Morvask"_s);
    EXPECT_EQ(load.Company, u"mxSoftware"_s);
    const FormInfoNames save =
        ResolveFormInfoNames({}, u"FBhfDB"_s, true, u"C:/Programme/Zentoria.exe"_s);
    EXPECT_EQ(save.AppName, u"Zentoria"_s);
    const FormInfoNames given =
        ResolveFormInfoNames({u"Trevalon"_s, u"ZentoPos"_s, u"Form1"_s}, u"X"_s, true, {});
    EXPECT_EQ(given.FormName, u"Form1"_s);
    EXPECT_EQ(given.Company, u"Trevalon"_s);
}

TEST(PlacementFile, WritesNumbersAndOneOrZeroAndReadsThemBack) {
    TempDir dir;
    const QString path = dir.File(u"FormSave.ini"_s);
    EXPECT_FALSE(ReadPlacement(path, u"FMain"_s).HasLeft);
    StoredPlacement p;
    p.Left = -12;
    p.Top = 34;
    p.NormalState = false;
    ASSERT_TRUE(WritePlacement(path, u"FMain"_s, p, false));
    p.NormalState = true;
    p.Width = 300;
    p.Height = 200;
    ASSERT_TRUE(WritePlacement(path, u"Form1"_s, p, true));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(u"[FMain]"_s));
    EXPECT_TRUE(text.contains(u"WindowState=0"_s));
    EXPECT_TRUE(text.contains(u"WindowState=1"_s));
    EXPECT_TRUE(text.contains(u"Left=-12"_s));
    EXPECT_FALSE(text.contains(u"true"_s));
    EXPECT_EQ(text.count(u"Width="_s), 1);

    const StoredPlacement main = ReadPlacement(path, u"FMain"_s);
    EXPECT_TRUE(main.HasLeft && main.HasTop && main.HasNormalState);
    EXPECT_EQ(QPoint(main.Left, main.Top), QPoint(-12, 34));
    EXPECT_FALSE(main.NormalState);
    EXPECT_FALSE(main.HasWidth);
    const StoredPlacement form1 = ReadPlacement(path, u"Form1"_s);
    EXPECT_EQ(QSize(form1.Width, form1.Height), QSize(300, 200));
    EXPECT_FALSE(ReadPlacement(path, u"FBhfDB"_s).HasTop);
}

TEST(PlacementFile, ValueThatIsNoNumberCountsAsMissing) {
    TempDir dir;
    const QString path = dir.File(u"FormSave.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[FBhfDB]\nLeft=abc\nTop=17\n");
    file.close();
    const StoredPlacement p = ReadPlacement(path, u"FBhfDB"_s);
    EXPECT_FALSE(p.HasLeft);
    EXPECT_TRUE(p.HasTop);
    EXPECT_EQ(p.Top, 17);
}

TEST(PlacementFile, UnwritableFolderIsReportedAsFailure) {
    TempDir dir;
    // A folder below a plain file cannot be made, whoever runs the test.
    QFile blocker(dir.File(u"blocker"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(WritePlacement(dir.File(u"blocker/FormSave.ini"_s), u"FMain"_s, {}, false));
}
