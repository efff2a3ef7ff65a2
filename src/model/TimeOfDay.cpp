#include "model/TimeOfDay.h"

#include <QRegularExpression>
#include <QTime>

#include <cmath>

namespace {
constexpr long long MsPerDay = 24LL * 60 * 60 * 1000;
}

int MillisecondsOfDay(double time) {
    if (!std::isfinite(time))
        return 0;
    const double ms = std::round(time * static_cast<double>(MsPerDay));
    if (std::fabs(ms) > 9.0e15)
        return 0;
    long long v = static_cast<long long>(ms) % MsPerDay;
    if (v < 0)
        v += MsPerDay;
    return static_cast<int>(v);
}

int HourOf(double time) {
    return MillisecondsOfDay(time) / 3600000;
}

int MinuteOf(double time) {
    return (MillisecondsOfDay(time) / 60000) % 60;
}

int MinuteOfDay(double time) {
    return MillisecondsOfDay(time) / 60000;
}

double MinutesToTime(int minutes) {
    return minutes / MinutesPerDay;
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) /
           static_cast<double>(MsPerDay);
}

QString TimeToText(double time) {
    const int ms = MillisecondsOfDay(time);
    const int s = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

bool TextToTime(const QString& text, double& time) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:[.,](\\d{1,3}))?)?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const int h = m.captured(1).toInt();
    const int mi = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    int ms = 0;
    if (!m.captured(4).isEmpty())
        ms = QString(m.captured(4) + QStringLiteral("00")).left(3).toInt();
    if (h > 23 || mi > 59 || s > 59)
        return false;
    time = EncodeTime(h, mi, s, ms);
    return true;
}

double CurrentMinuteOfDay() {
    const QTime now = QTime::currentTime();
    return MinutesToTime(now.hour() * 60 + now.minute());
}
