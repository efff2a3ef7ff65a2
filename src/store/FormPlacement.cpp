#include "store/FormPlacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int Tolerance = 24;

QPoint FitOnMonitor(QPoint p, QSize size, const QRect& m) {
    int left = p.x();
    int top = p.y();
    const int w = size.width();
    const int h = size.height();
    const int right = m.left() + m.width();
    const int bottom = m.top() + m.height();
    if (left + Tolerance < m.left())
        left = m.left();
    if (top + Tolerance < m.top())
        top = m.top();
    // A window larger than its monitor would lose its title bar above or
    // left of it, out of reach; it keeps its top and left on the monitor.
    if (right < left + w - Tolerance)
        left = std::max(right - w, m.left());
    if (bottom < top + h - Tolerance)
        top = std::max(bottom - h, m.top());
    return {left, top};
}

qint64 DistanceSquared(QPoint p, const QRect& m) {
    const qint64 dx = p.x() < m.left()                   ? m.left() - p.x()
                      : p.x() > m.left() + m.width() - 1 ? p.x() - (m.left() + m.width() - 1)
                                                         : 0;
    const qint64 dy = p.y() < m.top()                    ? m.top() - p.y()
                      : p.y() > m.top() + m.height() - 1 ? p.y() - (m.top() + m.height() - 1)
                                                         : 0;
    return dx * dx + dy * dy;
}

QString& OverriddenDirectory() {
    static QString dir;
    return dir;
}

int ReadInt(const QSettings& s, const QString& key, bool& has) {
    const QVariant v = s.value(key);
    bool ok = false;
    const int value = v.isValid() ? v.toString().trimmed().toInt(&ok) : 0;
    has = ok;
    return ok ? value : 0;
}

} // namespace

QPoint FitPlacement(QPoint stored, QSize size, const QList<QRect>& monitors) {
    if (monitors.isEmpty())
        return stored;
    if (monitors.size() == 1)
        return FitOnMonitor(stored, size, monitors.first());
    for (const QRect& m : monitors)
        if (m.contains(stored))
            return stored;
    const QRect* nearest = &monitors.first();
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& m : monitors) {
        const qint64 d = DistanceSquared(stored, m);
        if (d < best) {
            best = d;
            nearest = &m;
        }
    }
    return FitOnMonitor(stored, size, *nearest);
}

FormInfoNames ResolveFormInfoNames(FormInfoNames names, const QString& ownerName, bool forSave,
                                   const QString& programFile) {
    if (names.AppName.isEmpty())
        // The program's name without its extension, where it has one.
        names.AppName = forSave ? QFileInfo(programFile).completeBaseName() : u"Morvask"_s;
    if (names.FormName.isEmpty())
        names.FormName = ownerName;
    if (names.Company.isEmpty())
        names.Company = u"mxSoftware"_s;
    return names;
}

QString PlacementDirectory() {
    const QString& dir = OverriddenDirectory();
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void SetPlacementDirectory(const QString& dir) {
    OverriddenDirectory() = dir;
}

QString PlacementFilePath(const QString& fileName) {
    return QDir(PlacementDirectory()).filePath(fileName);
}

StoredPlacement ReadPlacement(const QString& path, const QString& section) {
    StoredPlacement p;
    if (!QFileInfo::exists(path))
        return p;
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(section);
    p.Left = ReadInt(s, u"Left"_s, p.HasLeft);
    p.Top = ReadInt(s, u"Top"_s, p.HasTop);
    p.Width = ReadInt(s, u"Width"_s, p.HasWidth);
    p.Height = ReadInt(s, u"Height"_s, p.HasHeight);
    const QString state = s.value(u"WindowState"_s).toString().trimmed();
    if (!state.isEmpty()) {
        // Written as 1 or 0; a hand-edited "true"/"false" reads as well.
        p.HasNormalState = true;
        p.NormalState = state != u"0"_s && state.compare(u"false"_s, Qt::CaseInsensitive) != 0;
    }
    return p;
}

bool WritePlacement(const QString& path, const QString& section, const StoredPlacement& placement,
                    bool withSize) {
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(section);
    // Plain numbers, so the file reads the same with any tool.
    s.setValue(u"WindowState"_s, placement.NormalState ? 1 : 0);
    s.setValue(u"Top"_s, placement.Top);
    s.setValue(u"Left"_s, placement.Left);
    if (withSize) {
        s.setValue(u"Width"_s, placement.Width);
        s.setValue(u"Height"_s, placement.Height);
    }
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}
