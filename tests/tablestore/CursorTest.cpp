#include "EngineFixture.h"

#include "tablestore/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList Names(Cursor& t, const QString& field = u"Name"_s) {
    QStringList names;
    for (int i = 1; i <= t.RecordCount(); ++i)
        names << t.ValueAt(i, t.FieldIndex(field)).toString();
    return names;
}

QString Current(Cursor& t, const QString& field = u"Name"_s) {
    return t.FieldByName(field).AsString();
}

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        kopf.Open();
        for (const auto& [name, folge] :
             {std::pair{u"Cdorf"_s, 2}, {u"Adorf"_s, 3}, {u"Bdorf"_s, 1}})
            f.AddKopf(kopf, name, folge);
    }
    EngineFixture f;
    Cursor kopf{f.Db, u"Kopf.DAT"_s};
};

TEST_F(CursorTest, MovesThroughThePrimaryIndexWithEofAndBof) {
    EXPECT_EQ(Names(kopf), (QStringList{u"Adorf"_s, u"Bdorf"_s, u"Cdorf"_s}));
    EXPECT_EQ(kopf.RecordCount(), 3);
    kopf.First();
    EXPECT_TRUE(kopf.Bof());
    EXPECT_FALSE(kopf.Eof());
    EXPECT_EQ(kopf.RecNo(), 1);
    EXPECT_EQ(Current(kopf), u"Adorf"_s);
    kopf.Next();
    EXPECT_EQ(Current(kopf), u"Bdorf"_s);
    EXPECT_FALSE(kopf.Bof());
    kopf.Next();
    EXPECT_FALSE(kopf.Eof());
    kopf.Next(); // past the last row: Eof, still on the last
    EXPECT_TRUE(kopf.Eof());
    EXPECT_EQ(Current(kopf), u"Cdorf"_s);
    kopf.Prior();
    EXPECT_EQ(kopf.RecNo(), 2);
    EXPECT_EQ(kopf.MoveBy(5), 1);
    EXPECT_TRUE(kopf.Eof());
    EXPECT_EQ(kopf.MoveBy(-7), -2);
    EXPECT_TRUE(kopf.Bof());
    kopf.Last();
    EXPECT_TRUE(kopf.Eof());
    EXPECT_EQ(kopf.RecNo(), 3);
    kopf.SetRecNo(2);
    EXPECT_EQ(Current(kopf), u"Bdorf"_s);
    kopf.SetRecNo(99);
    EXPECT_EQ(kopf.RecNo(), 3);
}

TEST_F(CursorTest, EmptyViewHasEofAndBofAndNoRow) {
    kopf.SetRange({u"Xdorf"_s});
    EXPECT_TRUE(kopf.IsEmpty());
    EXPECT_TRUE(kopf.Eof());
    EXPECT_TRUE(kopf.Bof());
    EXPECT_EQ(kopf.RecNo(), 0);
    EXPECT_EQ(kopf.MoveBy(1), 0);
    EXPECT_TRUE(kopf.FieldByName(u"Name"_s).IsNull());
    EXPECT_THROW(kopf.Delete(), StoreError);
    EXPECT_THROW(kopf.Edit(), StoreError);
}

TEST_F(CursorTest, PostedInsertStaysCurrentInIndexOrderWithItsAutoIncrement) {
    kopf.Last();
    kopf.Insert();
    EXPECT_TRUE(kopf.FieldByName(u"Name"_s).IsNull()); // all fields empty
    kopf.FieldByName(u"Name"_s).SetString(u"Aachen"_s);
    kopf.Post();
    EXPECT_EQ(Current(kopf), u"Aachen"_s);
    EXPECT_EQ(kopf.RecNo(), 1);
    EXPECT_EQ(kopf.FieldByName(u"Nr"_s).AsInteger(), 4);
    EXPECT_EQ(kopf.RecordCount(), 4);
    EXPECT_EQ(Names(kopf).first(), u"Aachen"_s);

    kopf.Insert();
    kopf.FieldByName(u"Name"_s).SetString(u"Zell"_s);
    kopf.Cancel();
    EXPECT_EQ(kopf.RecordCount(), 4);
    EXPECT_EQ(Current(kopf), u"Aachen"_s);
    // A duplicate key is the store's error and leaves the row pending.
    kopf.Insert();
    kopf.FieldByName(u"Name"_s).SetString(u"Adorf"_s);
    try {
        kopf.Post();
        ADD_FAILURE() << "duplicate key posted";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.Text().startsWith(u"Schlüsselverletzung"_s)) << e.Text().toStdString();
    }
    EXPECT_EQ(kopf.GetState(), Cursor::State::Insert);
    kopf.Cancel();
    EXPECT_EQ(kopf.RecordCount(), 4);
}

TEST_F(CursorTest, EditPostMovesTheRowToItsNewPlaceAndCancelKeepsIt) {
    kopf.First();
    kopf.Edit();
    kopf.FieldByName(u"Name"_s).SetString(u"Zdorf"_s);
    kopf.Cancel();
    EXPECT_EQ(Current(kopf), u"Adorf"_s);
    kopf.Edit();
    kopf.FieldByName(u"Name"_s).SetString(u"Zdorf"_s);
    kopf.Post();
    EXPECT_EQ(Current(kopf), u"Zdorf"_s);
    EXPECT_EQ(kopf.RecNo(), 3);
    EXPECT_THROW(kopf.FieldByName(u"Name"_s).SetString(u"x"_s), StoreError); // not editing
    kopf.Edit();
    EXPECT_THROW(kopf.FieldByName(u"Nr"_s).SetInteger(9), StoreError); // assigned by the store
    // Moving posts a pending edit.
    kopf.FieldByName(u"Folge"_s).SetInteger(7);
    kopf.First();
    kopf.Last();
    EXPECT_EQ(kopf.FieldByName(u"Folge"_s).AsInteger(), 7);
}

TEST_F(CursorTest, DeleteMovesToFollowingRowOrPrecedingAfterTheLast) {
    kopf.SetRecNo(2);
    kopf.Delete();
    EXPECT_EQ(Current(kopf), u"Cdorf"_s); // the following row
    EXPECT_FALSE(kopf.Eof());
    EXPECT_EQ(kopf.RecordCount(), 2);
    kopf.Delete(); // the last: the preceding one, Eof set
    EXPECT_EQ(Current(kopf), u"Adorf"_s);
    EXPECT_TRUE(kopf.Eof());
    kopf.Delete();
    EXPECT_TRUE(kopf.IsEmpty());
    EXPECT_TRUE(kopf.Eof());
    kopf.Refresh();
    EXPECT_TRUE(kopf.IsEmpty());
}

TEST_F(CursorTest, ActiveIndexByNameAndEmptyForPrimary) {
    kopf.SetRecNo(3); // Cdorf
    kopf.SetIndexName(u"IDX_FOLGE"_s);
    EXPECT_EQ(Names(kopf), (QStringList{u"Bdorf"_s, u"Cdorf"_s, u"Adorf"_s}));
    EXPECT_EQ(Current(kopf), u"Cdorf"_s); // stays on its row
    EXPECT_THROW(kopf.SetIndexName(u"IDX_NONE"_s), StoreError);
    EXPECT_EQ(kopf.IndexName(), u"IDX_FOLGE"_s);
    kopf.SetIndexName(QString());
    EXPECT_EQ(Names(kopf), (QStringList{u"Adorf"_s, u"Bdorf"_s, u"Cdorf"_s}));
}

TEST_F(CursorTest, FindKeyOnLeadingKeyFields) {
    EXPECT_TRUE(kopf.FindKey({u"Bdorf"_s}));
    EXPECT_EQ(kopf.RecNo(), 2);
    EXPECT_FALSE(kopf.FindKey({u"bdorf"_s})); // names are case-sensitive
    EXPECT_EQ(kopf.RecNo(), 2);
    kopf.SetIndexName(u"IDX_FOLGE"_s);
    EXPECT_TRUE(kopf.FindKey({3}));
    EXPECT_EQ(Current(kopf), u"Adorf"_s);
    EXPECT_FALSE(kopf.FindKey({9}));
}

TEST_F(CursorTest, RangeRestrictsRowsAndCountsAndIsLifted) {
    f.AddKopf(kopf, u"Ddorf"_s, 1);
    kopf.SetIndexName(u"IDX_FOLGE"_s);
    kopf.SetRange({1});
    EXPECT_EQ(Names(kopf), (QStringList{u"Bdorf"_s, u"Ddorf"_s}));
    EXPECT_EQ(kopf.RecordCount(), 2);
    EXPECT_FALSE(kopf.FindKey({2})); // outside the range
    kopf.Last();
    kopf.Delete();
    EXPECT_EQ(Current(kopf), u"Bdorf"_s);
    kopf.CancelRange();
    EXPECT_EQ(kopf.RecordCount(), 3);
    EXPECT_EQ(Current(kopf), u"Bdorf"_s);
    // Lifting the range keeps a current row that is not the first.
    kopf.SetRange({3});
    EXPECT_EQ(Current(kopf), u"Adorf"_s);
    kopf.CancelRange();
    EXPECT_EQ(Current(kopf), u"Adorf"_s);
    EXPECT_EQ(kopf.RecNo(), 3);
}

TEST_F(CursorTest, FilterOnBooleanAndRowsLeavingItAfterPost) {
    Cursor unmarked{f.Db, u"Kopf.DAT"_s};
    Cursor marked{f.Db, u"Kopf.DAT"_s};
    unmarked.SetFilter(u"Mark"_s, false);
    marked.SetFilter(u"Mark"_s, true);
    unmarked.Open();
    marked.Open();
    f.Raw(u"Kopf.DAT"_s,
          u"INSERT INTO Kopf (Name, Mark) VALUES ('Nulldorf', NULL), ('Textdorf', 'True')"_s);
    unmarked.Refresh();
    marked.Refresh();
    // An empty boolean counts as false, as AsBoolean reads it.
    EXPECT_EQ(Names(unmarked), (QStringList{u"Adorf"_s, u"Bdorf"_s, u"Cdorf"_s, u"Nulldorf"_s}));
    EXPECT_EQ(Names(marked), (QStringList{u"Textdorf"_s}));

    unmarked.SetRecNo(2);
    unmarked.Edit();
    unmarked.FieldByName(u"Mark"_s).SetBoolean(true);
    unmarked.Post();
    // The row left this cursor's view; the other cursor sees it only after Refresh.
    EXPECT_EQ(Names(unmarked), (QStringList{u"Adorf"_s, u"Cdorf"_s, u"Nulldorf"_s}));
    EXPECT_EQ(Current(unmarked), u"Cdorf"_s);
    EXPECT_EQ(marked.RecordCount(), 1);
    marked.Refresh();
    EXPECT_EQ(Names(marked), (QStringList{u"Bdorf"_s, u"Textdorf"_s}));
    unmarked.ClearFilter();
    EXPECT_EQ(unmarked.RecordCount(), 5);
}

TEST_F(CursorTest, ChangesThroughAnotherCursorShowAfterRefresh) {
    Cursor other{f.Db, u"Kopf.DAT"_s};
    other.Open();
    other.Last();
    f.AddKopf(kopf, u"Edorf"_s, 5);
    kopf.FindKey({u"Cdorf"_s});
    kopf.Edit();
    kopf.FieldByName(u"Folge"_s).SetInteger(9);
    kopf.Post();
    EXPECT_EQ(other.RecordCount(), 3);
    EXPECT_EQ(other.FieldByName(u"Folge"_s).AsInteger(), 2);
    other.Refresh();
    EXPECT_EQ(other.RecordCount(), 4);
    EXPECT_EQ(Current(other), u"Cdorf"_s); // stays on its row
    EXPECT_EQ(other.FieldByName(u"Folge"_s).AsInteger(), 9);
    kopf.Delete();
    other.Refresh();
    EXPECT_EQ(Current(other), u"Edorf"_s);
}

TEST_F(CursorTest, EditOrDeleteOfARowDeletedElsewhereIsRefused) {
    kopf.FindKey({u"Bdorf"_s});
    EXPECT_TRUE(kopf.CurrentRowStored());
    f.Raw(u"Kopf.DAT"_s, u"DELETE FROM Kopf WHERE Name = 'Bdorf'"_s);
    EXPECT_FALSE(kopf.CurrentRowStored());
    const QString gone =
        u"Der Satz der Tabelle „Kopf.DAT“ wurde inzwischen von einem anderen Programm gelöscht."_s;
    kopf.Edit();
    kopf.FieldByName(u"Folge"_s).SetInteger(7);
    try {
        kopf.Post();
        ADD_FAILURE() << "an edit of a deleted row was posted";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), gone);
    }
    kopf.Cancel();
    try {
        kopf.Delete();
        ADD_FAILURE() << "a deleted row was deleted again";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), gone);
    }
    kopf.Refresh();
    EXPECT_EQ(kopf.RecordCount(), 2);
}

TEST_F(CursorTest, DetailFollowsEveryMoveOfItsMaster) {
    Cursor teil{f.Db, u"Teil.DAT"_s};
    teil.SetIndexName(u"IDX_KOPF"_s);
    teil.SetMaster(&kopf, {u"Nr"_s});
    teil.Open();
    kopf.FindKey({u"Adorf"_s}); // Nr 2
    f.AddTeil(teil, 2, u"1"_s, 1);
    f.AddTeil(teil, 2, u"2a"_s, 2);
    EXPECT_EQ(teil.RecNo(), 2); // stays on the new row, inside the link
    kopf.FindKey({u"Cdorf"_s}); // Nr 1
    EXPECT_TRUE(teil.IsEmpty());
    f.AddTeil(teil, 1, u"7"_s, 1);
    kopf.First();
    EXPECT_EQ(Names(teil, u"Bez"_s), (QStringList{u"1"_s, u"2a"_s}));
    kopf.Next();
    EXPECT_TRUE(teil.IsEmpty());
    kopf.Next();
    EXPECT_EQ(Names(teil, u"Bez"_s), (QStringList{u"7"_s}));
    kopf.SetRecNo(1);
    EXPECT_EQ(teil.RecordCount(), 2);
    // A master row being inserted shows no details; posted, it has none yet.
    kopf.Insert();
    EXPECT_TRUE(teil.IsEmpty());
    kopf.FieldByName(u"Name"_s).SetString(u"Neudorf"_s);
    kopf.Post();
    EXPECT_TRUE(teil.IsEmpty());
    // Deleting the master row moves it, and the detail follows.
    kopf.First();
    teil.First();
    teil.Delete();
    teil.Delete();
    EXPECT_TRUE(teil.IsEmpty());
    kopf.Delete();
    EXPECT_EQ(Current(kopf), u"Bdorf"_s);
    // Deleting a whole detail view leaves the other masters' rows.
    kopf.FindKey({u"Bdorf"_s});
    f.AddTeil(teil, 3, u"9"_s, 1);
    kopf.FindKey({u"Cdorf"_s});
    f.AddTeil(teil, 1, u"8"_s, 2);
    EXPECT_EQ(Names(teil, u"Bez"_s), (QStringList{u"7"_s, u"8"_s}));
    teil.DeleteAll();
    EXPECT_TRUE(teil.IsEmpty());
    EXPECT_TRUE(teil.Eof());
    kopf.FindKey({u"Bdorf"_s});
    EXPECT_EQ(Names(teil, u"Bez"_s), QStringList{u"9"_s});
    kopf.Close();
    EXPECT_TRUE(teil.IsEmpty());
    teil.SetMaster(nullptr, {});
    EXPECT_EQ(Names(teil, u"Bez"_s), QStringList{u"9"_s});
}

TEST_F(CursorTest, EmptyTableOnlyWhileClosed) {
    Cursor other{f.Db, u"Kopf.DAT"_s};
    EXPECT_THROW(other.EmptyTable(), StoreError); // kopf is still open
    kopf.Close();
    EXPECT_THROW(kopf.First(), StoreError);
    other.EmptyTable();
    kopf.Open();
    EXPECT_TRUE(kopf.IsEmpty());
}

TEST_F(CursorTest, UnknownFieldIsTheStoresError) {
    try {
        kopf.FieldByName(u"Gibtsnicht"_s);
        ADD_FAILURE();
    } catch (const StoreError& e) {
        EXPECT_EQ(e.Text(), u"Das Feld „Gibtsnicht“ gibt es in der Tabelle „Kopf.DAT“ nicht."_s);
    }
    EXPECT_EQ(kopf.FieldByName(u"name"_s).Name(), u"Name"_s); // letter case ignored
}

} // namespace
