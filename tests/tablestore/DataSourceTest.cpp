#include "EngineFixture.h"

#include "tablestore/DataSource.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DataSource, ShowsTheCursorsViewAndMovesItWithTheGrid) {
    EngineFixture f;
    Cursor t{f.Db, u"Kopf.DAT"_s};
    DataSource ds{t};
    ds.AddColumn(u"Name"_s, u"Bahnhof"_s);
    ds.AddColumn(u"Folge"_s, u"Gleise"_s, Qt::AlignCenter);
    EXPECT_EQ(ds.rowCount(), 0); // closed
    t.Open();
    f.AddKopf(t, u"Bdorf"_s, 2);
    f.AddKopf(t, u"Adorf"_s, 1);
    EXPECT_EQ(ds.rowCount(), 2);
    EXPECT_EQ(ds.columnCount(), 2);
    EXPECT_EQ(ds.headerData(1, Qt::Horizontal).toString(), u"Gleise"_s);
    EXPECT_EQ(ds.data(ds.index(0, 0)).toString(), u"Adorf"_s);
    EXPECT_EQ(ds.data(ds.index(1, 1)).toString(), u"2"_s);
    EXPECT_EQ(ds.data(ds.index(1, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(ds.CurrentRow(), 0); // the posted Adorf

    QSignalSpy moved(&ds, &DataSource::CurrentRowChanged);
    EXPECT_TRUE(ds.SetCurrentRow(1));
    EXPECT_EQ(t.FieldByName(u"Name"_s).AsString(), u"Bdorf"_s);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.takeFirst().at(0).toInt(), 1);
    t.First();
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.takeFirst().at(0).toInt(), 0);

    QSignalSpy reset(&ds, &QAbstractItemModel::modelReset);
    f.AddKopf(t, u"Cdorf"_s, 3);
    EXPECT_GE(reset.count(), 1);
    EXPECT_EQ(ds.rowCount(), 3);
    ds.ClearColumns(); // all fields by name
    EXPECT_EQ(ds.columnCount(), 6);
    EXPECT_EQ(ds.headerData(1, Qt::Horizontal).toString(), u"Nr"_s);
}

} // namespace
