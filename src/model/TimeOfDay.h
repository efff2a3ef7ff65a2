#pragma once

#include <QString>

// Times of day are day fractions: 0.0 is midnight, 1/1440 one minute.
constexpr double MinutesPerDay = 1440.0;
constexpr double OneMinute = 1.0 / MinutesPerDay;

// Milliseconds since midnight, rounded to the millisecond; whole days are
// dropped and negative values count from the end of the day before.
int MillisecondsOfDay(double time);
int HourOf(double time);
int MinuteOf(double time);
// Minutes since midnight from hour and minute only (seconds ignored).
int MinuteOfDay(double time);
double MinutesToTime(int minutes);
double EncodeTime(int hour, int minute, int second = 0, int millisecond = 0);
// hh:mm:ss, seconds cut after rounding to the millisecond.
QString TimeToText(double time);
// Reads h:mm, hh:mm:ss or hh:mm:ss.zzz; false for anything else.
bool TextToTime(const QString& text, double& time);
// The current time of day, in whole minutes.
double CurrentMinuteOfDay();
