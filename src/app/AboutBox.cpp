#include "app/AboutBox.h"

#include "app/AppInfo.h"
#include "store/TFormInfo.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

Tinfo::Tinfo(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("info"));
    setWindowTitle(QStringLiteral("Über..."));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/pictures/zentoria.png")).scaled(48, 48));
    grid->addWidget(icon, 0, 0, Qt::AlignTop);

    auto* title = new QLabel(AppTitle(), this);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont big = title->font();
    big.setBold(true);
    big.setPixelSize(20);
    title->setFont(big);
    auto* version = new QLabel(AppVersionText(), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(version);
    heading->addStretch(1);
    grid->addLayout(heading, 0, 1);

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));
    grid->addWidget(picture, 0, 2, 2, 1, Qt::AlignTop);

    auto* credits =
        new QLabel(QStringLiteral("Bildfahrplan-Editor für Strecken mit bis zu 20 Bahnhöfen.\n"
                                  "Entwurf und Programmierung: das Zentoria-Team.\n"
                                  "Gebaut mit Qt, SQLite und libjpeg."),
                   this);
    credits->setObjectName(QStringLiteral("Comments"));
    grid->addWidget(credits, 1, 0, 1, 2);

    auto* contact = new QLabel(QStringLiteral("%1 Software\nKontakt: info@trevalon.example\n%2")
                                   .arg(MakerName(), HomepageText()),
                               this);
    contact->setObjectName(QStringLiteral("Contact"));
    grid->addWidget(contact, 2, 0, 1, 3);
    setFixedSize(sizeHint());
    // The box keeps its section like every window, but always opens centred.
    TFormInfo::Attach(*this, QStringLiteral("info"));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.width() / 2 - width() / 2, s.height() / 2 - height() / 2);
    }
}

void Tinfo::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}
