#include "StationRows.h"
#include "StoreFixture.h"

#include "store/PrjAssiSteps.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Assi : testing::Test, StoreFixture {
    void Choose(PrjAssiSteps& steps, int n) {
        for (int i = 0; i < n; ++i) {
            Dm->tBhfU.First();
            steps.SelectOne();
        }
    }
    // Station names in the order the grid shows them.
    QStringList Rows(Cursor& c) {
        QStringList out;
        for (int r = 1; r <= c.RecordCount(); ++r)
            out << c.ValueAt(r, c.FieldIndex(u"Bahnhof"_s)).toString();
        return out;
    }
};

bool Same(const MoveButtons& b, bool one, bool all, bool back, bool backAll) {
    return b.SelectOne == one && b.SelectAll == all && b.DeselectOne == back &&
           b.DeselectAll == backAll;
}

} // namespace

TEST_F(Assi, StartsWithEveryStationAvailableAndMarksOfAnEarlierRunCleared) {
    AddStations(*Dm, 3);
    for (Dm->tBhf.First(); !Dm->tBhf.Eof(); Dm->tBhf.Next()) {
        Dm->tBhf.Edit();
        Dm->tBhf.FieldByName(u"Mark"_s).SetBoolean(true);
        Dm->tBhf.Post();
    }
    PrjAssiSteps steps(*Dm);
    EXPECT_EQ(steps.Step(), 0);
    EXPECT_EQ(steps.Title(), u"Bahnhofsgruppe auswählen"_s);
    EXPECT_FALSE(steps.BackEnabled());
    EXPECT_TRUE(Same(steps.Buttons(), true, true, false, false));
    EXPECT_EQ(Dm->tBhfU.RecordCount(), 3);
    EXPECT_TRUE(Dm->tBhfM.IsEmpty());
    EXPECT_EQ(Dm->tBhfM.IndexName(), QString());
}

TEST_F(Assi, FirstStepTakesTwoToTwentyStations) {
    struct Case {
        int Chosen;
        const char16_t* Title;
        const char16_t* Text;
    };
    const Case cases[] = {
        {1, u"Achtung", u"Bitte wählen Sie mindestens 2 Bahnhöfe aus !"},
        {2, u"", u""},
        {20, u"", u""},
        {21, u"Fehler", u"Die max. Anzahl der Bahnhöfe ist überschritten !"},
    };
    AddStations(*Dm, 21);
    for (const Case& c : cases) {
        PrjAssiSteps steps(*Dm);
        Choose(steps, c.Chosen);
        bool finished = true;
        const AssiNotice notice = steps.Next(u"x"_s, finished);
        EXPECT_FALSE(finished);
        EXPECT_EQ(notice.Title, QString::fromUtf16(c.Title)) << c.Chosen;
        EXPECT_EQ(notice.Text, QString::fromUtf16(c.Text)) << c.Chosen;
        EXPECT_EQ(steps.Step(), notice.Shown() ? 0 : 1) << c.Chosen;
        if (!notice.Shown()) {
            EXPECT_EQ(steps.Order().size(), c.Chosen);
            EXPECT_EQ(steps.Title(), u"Reihenfolge bestimmen"_s);
            EXPECT_TRUE(steps.BackEnabled());
        }
    }
}

TEST_F(Assi, StationWithMoreTracksThanAPlanStationIsRefusedByName) {
    AddStation(*Dm, u"Adorf"_s, u"AD"_s, 30);
    AddStation(*Dm, u"Bestadt"_s, u"BS"_s, 31);
    AddStation(*Dm, u"Cehausen"_s, u"CH"_s, 2);
    {
        PrjAssiSteps steps(*Dm);
        steps.SelectAll();
        bool finished = false;
        const AssiNotice notice = steps.Next(QString(), finished);
        EXPECT_EQ(notice.Title, u"Fehler"_s);
        EXPECT_TRUE(notice.Text.contains(u"'Bestadt'"_s)) << notice.Text.toStdString();
        EXPECT_EQ(steps.Step(), 0);
    }
    // 30 tracks are a plan station's most.
    PrjAssiSteps steps(*Dm);
    Dm->tBhfU.FindKey({u"Adorf"_s});
    steps.SelectOne();
    Dm->tBhfU.FindKey({u"Cehausen"_s});
    steps.SelectOne();
    bool finished = false;
    EXPECT_FALSE(steps.Next(QString(), finished).Shown());
    EXPECT_EQ(steps.Step(), 1);
}

TEST_F(Assi, MoveButtonsFollowWhatIsLeftInTheLists) {
    AddStations(*Dm, 3);
    PrjAssiSteps steps(*Dm);
    steps.SelectAll();
    EXPECT_TRUE(Same(steps.Buttons(), false, false, true, true));
    EXPECT_EQ(Dm->tBhfM.RecordCount(), 3);
    EXPECT_TRUE(Dm->tBhfU.IsEmpty());

    steps.DeselectOne();
    steps.DeselectOne();
    EXPECT_TRUE(Same(steps.Buttons(), true, true, true, true));
    steps.DeselectOne();
    EXPECT_TRUE(Same(steps.Buttons(), true, true, false, false));
    EXPECT_EQ(Dm->tBhfU.RecordCount(), 3);

    // ">" of the last available station.
    Choose(steps, 2);
    EXPECT_TRUE(Same(steps.Buttons(), true, true, true, true));
    Choose(steps, 1);
    EXPECT_TRUE(Same(steps.Buttons(), false, false, true, true));
    steps.DeselectAll();
    EXPECT_TRUE(Same(steps.Buttons(), true, true, false, false));
    EXPECT_TRUE(Dm->tBhfM.IsEmpty());
}

TEST_F(Assi, OrderStartsInNameOrderAndFollowsTheUpDownControl) {
    for (const QString& name : {u"Cehausen"_s, u"Adorf"_s, u"Bestadt"_s, u"Dewald"_s})
        AddStation(*Dm, name, name.left(2), 1);
    PrjAssiSteps steps(*Dm);
    Dm->tBhfU.FindKey({u"Dewald"_s});
    steps.SelectOne();
    Dm->tBhfU.FindKey({u"Bestadt"_s});
    steps.SelectOne();
    Dm->tBhfU.FindKey({u"Adorf"_s});
    steps.SelectOne();
    bool finished = false;
    steps.Next(QString(), finished);
    EXPECT_EQ(steps.Order(), (QStringList{u"Adorf"_s, u"Bestadt"_s, u"Dewald"_s}));
    EXPECT_EQ(ChosenByFolge(*Dm), (QStringList{u"Adorf=1"_s, u"Bestadt=2"_s, u"Dewald=3"_s}));

    steps.MoveOrder(false);
    EXPECT_EQ(steps.OrderRow(), 1);
    steps.SetOrderRow(2);
    steps.MoveOrder(true);
    EXPECT_EQ(steps.Order(), (QStringList{u"Bestadt"_s, u"Dewald"_s, u"Adorf"_s}));
    EXPECT_EQ(ChosenByFolge(*Dm), (QStringList{u"Bestadt=1"_s, u"Dewald=2"_s, u"Adorf=3"_s}));

    // The options page keeps the order; the station page and on resets it.
    steps.Next(QString(), finished);
    EXPECT_EQ(steps.Step(), 2);
    steps.Back();
    EXPECT_EQ(steps.Step(), 1);
    EXPECT_EQ(steps.Order(), (QStringList{u"Bestadt"_s, u"Dewald"_s, u"Adorf"_s}));
    steps.Back();
    EXPECT_EQ(steps.Step(), 0);
    EXPECT_EQ(steps.Title(), u"Streckennetz zusammenstellen"_s);
    EXPECT_FALSE(steps.BackEnabled());
    steps.Back();
    EXPECT_EQ(steps.Step(), 0);
    steps.Next(QString(), finished);
    EXPECT_EQ(steps.Order(), (QStringList{u"Adorf"_s, u"Bestadt"_s, u"Dewald"_s}));
    EXPECT_EQ(ChosenByFolge(*Dm), (QStringList{u"Adorf=1"_s, u"Bestadt=2"_s, u"Dewald=3"_s}));
}

TEST_F(Assi, MovingPastEitherEndChangesNothingButRewritesEveryFolge) {
    AddStations(*Dm, 3);
    PrjAssiSteps steps(*Dm);
    steps.SelectAll();
    bool finished = false;
    steps.Next(QString(), finished);
    const QStringList order = steps.Order();
    for (bool up : {true, false}) {
        // Spoil the stored order behind the grid's back.
        for (Dm->tBhfM.First(); !Dm->tBhfM.Eof(); Dm->tBhfM.Next()) {
            Dm->tBhfM.Edit();
            Dm->tBhfM.FieldByName(u"Folge"_s).SetInteger(7);
            Dm->tBhfM.Post();
        }
        steps.SetOrderRow(up ? 0 : 2);
        steps.MoveOrder(up);
        EXPECT_EQ(steps.Order(), order);
        EXPECT_EQ(steps.OrderRow(), up ? 0 : 2);
        EXPECT_EQ(ChosenByFolge(*Dm), (QStringList{u"B01=1"_s, u"B02=2"_s, u"B03=3"_s}));
    }
}

TEST_F(Assi, FinishNeedsANameAndLeavesTheChosenStationsInPlanOrder) {
    AddStations(*Dm, 3);
    PrjAssiSteps steps(*Dm);
    steps.SelectAll();
    bool finished = false;
    steps.Next(QString(), finished);
    steps.SetOrderRow(2);
    steps.MoveOrder(true);
    steps.SetOrderRow(1);
    steps.MoveOrder(true);
    steps.Next(QString(), finished);
    EXPECT_EQ(steps.Title(), u"Fahrplan-Optionen"_s);

    AssiNotice notice = steps.Next(QString(), finished);
    EXPECT_FALSE(finished);
    EXPECT_EQ(notice.Title, u"Fehler"_s);
    EXPECT_EQ(notice.Text, u"Geben Sie bitte einen Fahrplannamen ein !"_s);
    EXPECT_EQ(steps.Step(), 2);

    notice = steps.Next(u"   "_s, finished);
    EXPECT_FALSE(notice.Shown());
    EXPECT_TRUE(finished);
    EXPECT_EQ(Dm->tBhfM.IndexName(), u"IDX_FOLGE"_s);
    EXPECT_EQ(Rows(Dm->tBhfM), (QStringList{u"B03"_s, u"B01"_s, u"B02"_s}));
}

TEST(HourField, RangesApplyAndTextThatIsNoNumberReadsAsTheMinimum) {
    struct Case {
        const char* Text;
        int Start; // 0–23
        int End;   // 1–24
    };
    const Case cases[] = {{"0", 0, 1},    {"1", 1, 1},   {"23", 23, 23}, {"24", 23, 24},
                          {"25", 23, 24}, {"-1", 0, 1},  {"", 0, 1},     {"x", 0, 1},
                          {" 7", 7, 7},   {"99", 23, 24}};
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.Text);
        EXPECT_EQ(HourFieldValue(text, StartHourMin, StartHourMax), c.Start) << c.Text;
        EXPECT_EQ(HourFieldValue(text, EndHourMin, EndHourMax), c.End) << c.Text;
    }
}
