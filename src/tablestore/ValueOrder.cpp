#include "tablestore/ValueOrder.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {

// SQLite's sort order of storage classes: NULL, numbers, text, blobs.
int StorageRank(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return 0;
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
        return 1;
    case QMetaType::QByteArray:
        return 3;
    default:
        return 2;
    }
}

} // namespace

int CompareValues(const QVariant& a, const QVariant& b) {
    const int ra = StorageRank(a);
    const int rb = StorageRank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (ra == 1) {
        if (a.typeId() != QMetaType::Double && b.typeId() != QMetaType::Double) {
            const qint64 x = a.toLongLong();
            const qint64 y = b.toLongLong();
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (ra == 0)
        return 0;
    // Binary collation compares the UTF-8 bytes.
    const QByteArray x = ra == 2 ? a.toString().toUtf8() : a.toByteArray();
    const QByteArray y = rb == 2 ? b.toString().toUtf8() : b.toByteArray();
    const int n = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    if (n != 0)
        return n < 0 ? -1 : 1;
    return x.size() < y.size() ? -1 : (x.size() > y.size() ? 1 : 0);
}
