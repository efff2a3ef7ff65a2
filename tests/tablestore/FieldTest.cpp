#include "EngineFixture.h"

#include "model/TimeOfDay.h"
#include "tablestore/FieldValue.h"
#include "tablestore/StoreError.h"
#include "tablestore/ValueOrder.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

TEST(FieldValue, StringsAreCutToTheirLengthNeverInsideACharacter) {
    const FieldDef name{u"Name"_s, FieldType::String, 10};
    EXPECT_EQ(StoredFromString(u"Oberweiler Hbf"_s, name).toString(), u"Oberweiler"_s);
    EXPECT_EQ(StoredFromString(u"Kurz"_s, name).toString(), u"Kurz"_s);
    // A character outside the BMP at the cut is dropped whole.
    const QString emoji = u"123456789"_s + QString::fromUcs4(U"\U0001F682");
    EXPECT_EQ(StoredFromString(emoji, name).toString(), u"123456789"_s);
    EXPECT_EQ(StoredFromInteger(12345678901LL % 100000000000LL, name).toString(), u"1234567890"_s);
}

TEST(FieldValue, WritesRefuseValuesThatDoNotFit) {
    const FieldDef small{u"Folge"_s, FieldType::SmallInt, 0};
    const FieldDef integer{u"Anzahl"_s, FieldType::Integer, 0};
    const FieldDef time{u"Zeit"_s, FieldType::Time, 0};
    EXPECT_THROW(StoredFromInteger(40000, small), StoreError);
    EXPECT_THROW(StoredFromInteger(1LL << 33, integer), StoreError);
    EXPECT_THROW(StoredFromString(u"zwölf"_s, integer), StoreError);
    EXPECT_THROW(StoredFromString(u"25:00"_s, time), StoreError);
    EXPECT_THROW(StoredFromTime(NAN, time), StoreError);
    EXPECT_EQ(StoredFromString(u" 12 "_s, integer).toLongLong(), 12);
    EXPECT_DOUBLE_EQ(StoredFromString(u"07:05:00"_s, time).toDouble(), EncodeTime(7, 5));
}

// What a user's file may hold, read through every typed view.
struct ReadCase {
    const char* Sql; // value of column Anzahl / Zeit / Mark as stored
    bool IntegerOk;
    int Integer;
    bool TimeOk;
    double Time;
    bool Boolean;
    const char16_t* Text;
};

class FieldRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FieldRead, NeverFailsAndSaysWhenTheValueIsNotOfItsKind) {
    const ReadCase& c = GetParam();
    EngineFixture f;
    f.Raw(u"Kopf.DAT"_s,
          u"INSERT INTO Kopf (Name, Anzahl, Zeit, Mark) VALUES ('x', %1, %1, %1)"_s.arg(
              QString::fromUtf8(c.Sql)));
    Cursor t{f.Db, u"Kopf.DAT"_s};
    t.Open();
    int integer = -1;
    EXPECT_EQ(t.FieldByName(u"Anzahl"_s).ToInteger(integer), c.IntegerOk);
    if (c.IntegerOk) {
        EXPECT_EQ(integer, c.Integer);
    }
    EXPECT_EQ(t.FieldByName(u"Anzahl"_s).AsInteger(), c.IntegerOk ? c.Integer : 0);
    double time = -1;
    EXPECT_EQ(t.FieldByName(u"Zeit"_s).ToDateTime(time), c.TimeOk);
    if (c.TimeOk) {
        EXPECT_NEAR(time, c.Time, 1e-9);
    }
    EXPECT_EQ(t.FieldByName(u"Mark"_s).AsBoolean(), c.Boolean);
    EXPECT_EQ(t.FieldByName(u"Anzahl"_s).AsString(), QString::fromUtf16(c.Text));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, FieldRead,
    ::testing::Values(ReadCase{"NULL", false, 0, false, 0, false, u""},
                      ReadCase{"7", true, 7, true, 7.0, true, u"7"},
                      ReadCase{"'12'", true, 12, true, 12.0, true, u"12"}, // affinity makes it 12
                      ReadCase{"0.25", false, 0, true, 0.25, true, u"0.25"},
                      ReadCase{"'07:30:15'", false, 0, true, 7.5 / 24 + 15.0 / 86400, false,
                               u"07:30:15"},
                      ReadCase{"'8:05'", false, 0, true, EncodeTime(8, 5), false, u"8:05"},
                      ReadCase{"'Müll'", false, 0, false, 0, false, u"Müll"},
                      ReadCase{"'True'", false, 0, false, 0, true, u"True"},
                      ReadCase{"x'41ff'", false, 0, false, 0, false, u"A\ufffd"},
                      ReadCase{"99999999999", false, 0, true, 99999999999.0, true, u"99999999999"}),
    [](const auto& tested) { return "Case" + std::to_string(tested.index); });

TEST(ValueOrder, FollowsSqliteOrderOfStoredValues) {
    // Each value sorts before the next one.
    const QVariantList ascending{
        QVariant(),       QVariant(qint64(-5)), QVariant(1.5),    QVariant(qint64(2)),
        QVariant(u"Z"_s), QVariant(u"a"_s),     QVariant(u"ä"_s), QVariant(QByteArray("\x01"))};
    for (int i = 0; i + 1 < ascending.size(); ++i) {
        EXPECT_LT(CompareValues(ascending[i], ascending[i + 1]), 0) << i;
        EXPECT_GT(CompareValues(ascending[i + 1], ascending[i]), 0) << i;
    }
    EXPECT_EQ(CompareValues(QVariant(qint64(2)), QVariant(2.0)), 0);
    EXPECT_EQ(CompareValues(QVariant(3), QVariant(qint64(3))), 0);
}

TEST(FieldTime, TimeFieldsHoldDayFractionsAndShowAsText) {
    EngineFixture f;
    Cursor t{f.Db, u"Kopf.DAT"_s};
    t.Open();
    t.Insert();
    t.FieldByName(u"Name"_s).SetString(u"Adorf"_s);
    t.FieldByName(u"Zeit"_s).SetDateTime(EncodeTime(13, 45, 30));
    t.Post();
    EXPECT_EQ(t.FieldByName(u"Mark"_s).AsString(), QString()); // never set
    t.Edit();
    t.FieldByName(u"Mark"_s).SetBoolean(false);
    t.Post();
    EXPECT_EQ(t.FieldByName(u"Zeit"_s).Value().typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(t.FieldByName(u"Zeit"_s).AsDateTime(), EncodeTime(13, 45, 30));
    EXPECT_EQ(t.FieldByName(u"Zeit"_s).AsString(), u"13:45:30"_s);
    EXPECT_EQ(t.FieldByName(u"Mark"_s).AsString(), u"False"_s);
}

} // namespace
