#include "model/TimeOfDay.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TimeOfDay, HourAndMinute) {
    const double t = EncodeTime(7, 45, 59);
    EXPECT_EQ(HourOf(t), 7);
    EXPECT_EQ(MinuteOf(t), 45);
    EXPECT_EQ(MinuteOfDay(t), 7 * 60 + 45);
    EXPECT_EQ(HourOf(MinutesToTime(23 * 60 + 59)), 23);
    EXPECT_EQ(MinuteOf(MinutesToTime(23 * 60 + 59)), 59);
    // minute values stay exact after the round trip through a day fraction
    for (int m = 0; m < 1440; ++m)
        ASSERT_EQ(MinuteOfDay(MinutesToTime(m)), m);
}

TEST(TimeOfDay, TextCutsSecondsAfterRoundingAndDropsDays) {
    struct Case {
        double time;
        const char* text;
    } cases[] = {
        {0.0, "00:00:00"},
        {EncodeTime(0, 0, 30, 400), "00:00:30"},
        {EncodeTime(0, 0, 30, 999) + 0.0004 / 86400.0, "00:00:30"},
        {EncodeTime(0, 0, 30, 999) + 0.0006 / 86400.0, "00:00:31"},
        {1.0, "00:00:00"},
        {1.0 + MinutesToTime(90), "01:30:00"},
        {MinutesToTime(23 * 60 + 59), "23:59:00"},
        {MinutesToTime(6 * 60 + 10), "06:10:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TimeToText(c.time), QString::fromLatin1(c.text)) << c.text;
}

TEST(TimeOfDay, TextToTime) {
    double t = -1;
    ASSERT_TRUE(TextToTime(QStringLiteral("06:40:00"), t));
    EXPECT_EQ(MinuteOfDay(t), 400);
    ASSERT_TRUE(TextToTime(QStringLiteral("7:05"), t));
    EXPECT_EQ(MinuteOfDay(t), 425);
    ASSERT_TRUE(TextToTime(QStringLiteral("23:59:59.5"), t));
    EXPECT_EQ(TimeToText(t), QStringLiteral("23:59:59"));
    for (const char* bad : {"", "abc", "24:00:00", "12:60:00", "12:00:60", "12:00:61", "12-00"})
        EXPECT_FALSE(TextToTime(QString::fromLatin1(bad), t)) << bad;
    // The last legal value of each part.
    for (const char* good : {"23:00:00", "12:59:00", "12:00:59", "00:00:00"}) {
        EXPECT_TRUE(TextToTime(QString::fromLatin1(good), t)) << good;
        EXPECT_EQ(TimeToText(t), QString::fromLatin1(good));
    }
}

TEST(TimeOfDay, NonsenseValuesGiveMidnight) {
    EXPECT_EQ(MillisecondsOfDay(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(MillisecondsOfDay(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(MillisecondsOfDay(1e300), 0);
    EXPECT_EQ(HourOf(-MinutesToTime(60)), 23);
}
