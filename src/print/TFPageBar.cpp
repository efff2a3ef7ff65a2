#include "print/TFPageBar.h"

#include "print/TPrintPreview.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>

TFPageBar::TFPageBar(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FPageBar"));
    setWindowTitle(QStringLiteral("Listen werden vorbereitet..."));
    setFixedSize(329, 51);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(0, 0, 329, 51);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(16, 14, 297, 20);
    ProgressBar1->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid gray; background: white; text-align: center; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 navy, stop:1 white); }"));
    Hooks.Begin = [this](int maximum) {
        setWindowTitle(QStringLiteral("Listen werden vorbereitet..."));
        ProgressBar1->setRange(0, std::max(0, maximum));
        ProgressBar1->setValue(0);
        if (QScreen* s = QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
        show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    Hooks.Step = [this](int position) { ProgressBar1->setValue(position); };
    Hooks.End = [this] { hide(); };
}

const TListProgress* TFPageBar::Progress() {
    return &Hooks;
}

TFPageBar& ThePageBar() {
    static QPointer<TFPageBar> bar;
    if (!bar)
        bar = new TFPageBar(ThePrintPreview());
    return *bar;
}
