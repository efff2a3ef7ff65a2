#include "platform/Cursors.h"

#include <QMap>
#include <QPixmap>

namespace {
QMap<int, QCursor>& Registry() {
    static QMap<int, QCursor> registry;
    return registry;
}

void RegisterFromResource(int id, const QString& name) {
    const QPixmap picture(QStringLiteral(":/cursors/%1.png").arg(name));
    // The hot spot is the tip at the top left, where the point is laid.
    RegisterCursor(id, picture.isNull() ? QCursor(Qt::CrossCursor) : QCursor(picture, 0, 0));
}
} // namespace

void RegisterInsertionCursors() {
    RegisterFromResource(CursorDeparture, QStringLiteral("CURAB"));
    RegisterFromResource(CursorArrival, QStringLiteral("CURAN"));
    RegisterFromResource(CursorStop, QStringLiteral("CURWT"));
}

void RegisterCursor(int id, const QCursor& cursor) {
    Registry().insert(id, cursor);
}

QCursor CursorById(int id) {
    return Registry().value(id, QCursor(Qt::ArrowCursor));
}

bool CursorRegistered(int id) {
    return Registry().contains(id);
}
