#include "app/SplashScreen.h"

#include "app/AppInfo.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(456, 254);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.png")));
    picture->setFixedSize(456, 214);
    layout->addWidget(picture);
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Strip"));
    strip->setStyleSheet(
        QStringLiteral("#Strip { background: #000080; } QLabel { color: white; }"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(10, 0, 10, 0);
    auto* name = new QLabel(AppTitle() + QStringLiteral("  ") + AppVersionText(), strip);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    row->addWidget(name);
    row->addStretch(1);
    row->addWidget(new QLabel(HomepageText(), strip));
    layout->addWidget(strip, 1);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.width() / 2 - width() / 2, s.height() / 2 - height() / 2);
    }
}
