#include "store/TFormInfo.h"

#include "platform/Messages.h"
#include "store/FormPlacement.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

bool WriteFailureTold = false;

QList<QRect> MonitorRects() {
    QList<QRect> rects;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        rects << primary->geometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            rects << screen->geometry();
    return rects;
}

} // namespace

TFormInfo::TFormInfo(QWidget& owner) : QObject(&owner), Owner(owner) {
    setObjectName(u"FormInfo1"_s);
}

void TFormInfo::Load() {
    const FormInfoNames names =
        ResolveFormInfoNames({Company, AppName, FormName}, Owner.objectName(), false, QString());
    const StoredPlacement stored = ReadPlacement(PlacementFilePath(IniFileName), names.FormName);
    // Nothing stored: the window keeps its design position.
    const bool sized = SaveSize && (stored.HasWidth || stored.HasHeight);
    if (!stored.HasLeft && !stored.HasTop && !sized && !(SetWindowStyle && stored.HasNormalState))
        return;
    const QRect frame = Owner.frameGeometry();
    QSize size = frame.size();
    if (SaveSize) {
        const QSize extra = frame.size() - Owner.size();
        const QSize client(stored.HasWidth ? stored.Width - extra.width() : Owner.width(),
                           stored.HasHeight ? stored.Height - extra.height() : Owner.height());
        Owner.resize(client);
        size = Owner.size() + extra;
    }
    const QPoint wanted(stored.HasLeft ? stored.Left : frame.left(),
                        stored.HasTop ? stored.Top : frame.top());
    Owner.move(FitPlacement(wanted, size, MonitorRects()));
    if (SetWindowStyle && stored.HasNormalState) {
        if (stored.NormalState)
            Owner.setWindowState(Owner.windowState() &
                                 ~(Qt::WindowMaximized | Qt::WindowMinimized));
        else
            Owner.setWindowState(Owner.windowState() | Qt::WindowMaximized);
    }
}

void TFormInfo::Save() {
    const FormInfoNames names =
        ResolveFormInfoNames({Company, AppName, FormName}, Owner.objectName(), true,
                             QCoreApplication::applicationFilePath());
    StoredPlacement p;
    const QRect frame = Owner.frameGeometry();
    p.NormalState =
        !(Owner.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    p.Left = frame.left();
    p.Top = frame.top();
    p.Width = frame.width();
    p.Height = frame.height();
    const QString path = PlacementFilePath(IniFileName);
    if (WritePlacement(path, names.FormName, p, SaveSize) || WriteFailureTold)
        return;
    // Losing a window position is no reason to keep anyone from closing;
    // saying so once is enough.
    WriteFailureTold = true;
    ShowMessageBox(u"Fehler"_s,
                   u"Die Fensterpositionen können nicht in „%1“ gespeichert werden. "
                   u"Bitte prüfen Sie, ob das Programmverzeichnis beschreibbar ist."_s.arg(
                       QDir::toNativeSeparators(path)));
}

TFormInfo* TFormInfo::Attach(QWidget& window, const QString& formName, SaveMoment when) {
    auto* info = new TFormInfo(window);
    info->FormName = formName;
    if (info->AutoLoad)
        info->Load();
    if (when == SaveMoment::OnClose) {
        if (auto* dialog = qobject_cast<QDialog*>(&window))
            // A dialog ends through done(), shown or not.
            connect(dialog, &QDialog::finished, info, [info] { info->Save(); });
        else
            window.installEventFilter(info);
    }
    return info;
}

void TFormInfo::ResetWriteFailureNotice() {
    WriteFailureTold = false;
}

bool TFormInfo::eventFilter(QObject* watched, QEvent* event) {
    // A window closed by the program or the user hides; a minimised one
    // hides spontaneously and is not closed.
    if (watched == &Owner && event->type() == QEvent::Hide && !event->spontaneous())
        Save();
    return QObject::eventFilter(watched, event);
}
