#pragma once

#include "model/TimeOfDay.h"

#include <cmath>

// Point times are meant as whole minutes, but a time that went through a
// text or a drag may lie a hair beside its minute. The scan and the views
// compare, group and format on the nearest whole minute so such a hair
// never hides a conflict or moves a row under the wrong hour.
inline int WholeMinute(double time) {
    return std::isfinite(time) ? int(std::lround(time * MinutesPerDay)) : 0;
}
inline double OnWholeMinute(double time) {
    return MinutesToTime(WholeMinute(time));
}
// The hour a time is listed under (0 … 23).
inline int HourOfMinute(int minute) {
    return ((minute % 1440 + 1440) % 1440) / 60;
}
// hh:mm:ss and hh:mm of the whole minute.
inline QString LongTimeText(double time) {
    return TimeToText(OnWholeMinute(time));
}
inline QString ShortTimeText(double time) {
    return TimeToText(OnWholeMinute(time)).left(5);
}
