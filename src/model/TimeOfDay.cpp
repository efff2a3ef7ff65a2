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
    // Built by hand rather than with arg(): a plan save writes thousands.
    const int seconds = MillisecondsOfDay(time) / 1000;
    const int parts[3] = {seconds / 3600, (seconds / 60) % 60, seconds % 60};
    QString text(8, QLatin1Char(':'));
    for (int i = 0; i < 3; ++i) {
        text[3 * i] = QChar(u'0' + parts[i] / 10);
        text[3 * i + 1] = QChar(u'0' + parts[i] % 10);
    }
    return text;
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
