#pragma once

#include <QString>

// The product's name, version and maker as the windows show them.
inline QString AppTitle() {
    return QStringLiteral("Zentoria");
}
inline QString AppVersionText() {
    return QStringLiteral("Version 1.1");
}
inline QString MakerName() {
    return QStringLiteral("Trevalon");
}
// The maker's home page, opened by "Trevalon Homepage".
inline QString HomepageUrl() {
    return QStringLiteral("https://zentoria.trevalon.example/");
}
inline QString HomepageText() {
    return QStringLiteral("zentoria.trevalon.example");
}
