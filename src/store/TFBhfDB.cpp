#include "store/TFBhfDB.h"

#include "platform/DialogRunner.h"
#include "platform/Messages.h"
#include "store/StationDb.h"
#include "store/TFBhfEdit.h"
#include "store/TFormInfo.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int ClientWidth = 278;
constexpr int ClientHeight = 433;
constexpr int TrackRowHeight = 36;
constexpr int VisibleTracks = 4;

template <typename W> W* Hinted(W* widget, const QString& hint) {
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
    return widget;
}

// The navigator's pictures: a triangle pointing left or right, with a bar
// for the first and last row.
QIcon NavigatorIcon(bool right, bool bar) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const int tip = right ? 11 : 4;
    const int base = right ? 6 : 9;
    p.drawPolygon(QPolygon({QPoint(base, 3), QPoint(tip, 8), QPoint(base, 13)}));
    if (bar)
        p.drawRect(right ? 12 : 2, 3, 2, 11);
    return QIcon(pixmap);
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint, int x) {
    auto* b = Hinted(new QToolButton(parent), hint);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setAccessibleName(caption.isEmpty() ? hint : caption);
    b->setGeometry(x, 2, caption.isEmpty() ? 23 : 54, 23);
    b->setAutoRaise(true);
    return b;
}

} // namespace

TFBhfDB::TFBhfDB(Tdm& tables, QWidget* parent) : QDialog(parent), dm(tables) {
    setObjectName(u"FBhfDB"_s);
    setWindowTitle(u"Bahnhofsdatenbank bearbeiten"_s);
    setFixedSize(ClientWidth, ClientHeight);
    CreateButtons();
    CreateToolBar();
    CreateGrid();
    CreateTrackList();
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(u"StatusBar1"_s);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, ClientHeight - 19, ClientWidth, 19);
    ShowTracks();
    SelectCurrentStation();
    TFormInfo::Attach(*this, u"FBhfDB"_s);
}

void TFBhfDB::CreateButtons() {
    auto* panel = new QFrame(this);
    panel->setObjectName(u"Panel1"_s);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, 0, ClientWidth, 41);
    OKBtn = Hinted(new QPushButton(u"OK"_s, panel), u"Fahrplan zeichnen"_s);
    OKBtn->setObjectName(u"OKBtn"_s);
    OKBtn->setGeometry(8, 8, 75, 25);
    CancelBtn = Hinted(new QPushButton(u"Abbruch"_s, panel), u"Funktion abbrechen"_s);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    CancelBtn->setGeometry(88, 8, 75, 25);
    // Nothing waits to be stored: both only close the window.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFBhfDB::CreateToolBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(u"ToolBar1"_s);
    bar->setGeometry(0, 41, ClientWidth, 27);
    NavFirst = ToolButton(bar, "NavFirst", QString(), u"Erster Datensatz"_s, 4);
    NavPrior = ToolButton(bar, "NavPrior", QString(), u"Vorheriger Datensatz"_s, 27);
    NavNext = ToolButton(bar, "NavNext", QString(), u"Nächster Datensatz"_s, 50);
    NavLast = ToolButton(bar, "NavLast", QString(), u"Letzter Datensatz"_s, 73);
    NavFirst->setIcon(NavigatorIcon(false, true));
    NavPrior->setIcon(NavigatorIcon(false, false));
    NavNext->setIcon(NavigatorIcon(true, false));
    NavLast->setIcon(NavigatorIcon(true, true));
    NewBhf = ToolButton(bar, "NewBhf", u"Neu"_s, u"Neuen Bahnhof definieren"_s, 104);
    EditBhf = ToolButton(bar, "EditBhf", u"Ändern"_s, u"Markierten Bahnhof editieren"_s, 160);
    DelBhf = ToolButton(bar, "DelBhf", u"Löschen"_s, u"Bahnhof löschen"_s, 216);

    connect(NavFirst, &QToolButton::clicked, this, [this] { Navigate(NavFirst); });
    connect(NavPrior, &QToolButton::clicked, this, [this] { Navigate(NavPrior); });
    connect(NavNext, &QToolButton::clicked, this, [this] { Navigate(NavNext); });
    connect(NavLast, &QToolButton::clicked, this, [this] { Navigate(NavLast); });
    connect(NewBhf, &QToolButton::clicked, this, [this] { NewBhfClick(); });
    connect(EditBhf, &QToolButton::clicked, this, [this] { EditBhfClick(); });
    connect(DelBhf, &QToolButton::clicked, this, [this] { DelBhfClick(); });
}

void TFBhfDB::Navigate(const QToolButton* button) {
    Cursor& tBhf = dm.tBhf;
    try {
        if (button == NavFirst)
            tBhf.First();
        else if (button == NavPrior)
            tBhf.Prior();
        else if (button == NavNext)
            tBhf.Next();
        else
            tBhf.Last();
    } catch (const StoreError& e) {
        ShowMessageBox(u"Fehler"_s, e.Text());
    }
}

void TFBhfDB::CreateGrid() {
    DataSource& ds = dm.dsBhf;
    ds.ClearColumns();
    ds.AddColumn(u"Bahnhof"_s, u"Bahnhof"_s);
    ds.AddColumn(u"NumGleise"_s, u"Gleise"_s);
    ds.AddColumn(u"Abk"_s, u"Abk"_s);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setGeometry(0, 68, ClientWidth, 172);
    DBGrid1->setModel(&ds);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(18);
    DBGrid1->verticalHeader()->setFixedWidth(12);
    DBGrid1->setColumnWidth(0, 120);
    DBGrid1->setColumnWidth(1, 55);
    DBGrid1->setColumnWidth(2, 55);
    DBGrid1->setAccessibleName(u"Bahnhöfe"_s);

    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (Selecting || !current.isValid() || current.row() == dm.dsBhf.CurrentRow())
                    return;
                if (!dm.dsBhf.SetCurrentRow(current.row()))
                    ShowMessageBox(u"Fehler"_s, dm.dsBhf.LastError());
            });
    connect(&ds, &DataSource::CurrentRowChanged, this, [this] { SelectCurrentStation(); });
}

void TFBhfDB::SelectCurrentStation() {
    const int row = dm.dsBhf.CurrentRow();
    Selecting = true;
    if (row < 0)
        DBGrid1->clearSelection();
    else if (DBGrid1->currentIndex().row() != row || !DBGrid1->selectionModel()->hasSelection())
        DBGrid1->selectRow(row);
    Selecting = false;
}

void TFBhfDB::CreateTrackList() {
    GleisHeader = new QLabel(u"Gleisbezeichnungen"_s, this);
    GleisHeader->setObjectName(u"Label1"_s);
    GleisHeader->setGeometry(0, 242, ClientWidth, 20);
    GleisHeader->setAlignment(Qt::AlignCenter);
    GleisHeader->setStyleSheet(u"color: navy; font-weight: bold;"_s);

    DBCtrlGrid1 = new QScrollArea(this);
    DBCtrlGrid1->setObjectName(u"DBCtrlGrid1"_s);
    DBCtrlGrid1->setGeometry(0, 262, ClientWidth, VisibleTracks * TrackRowHeight + 4);
    DBCtrlGrid1->setWidgetResizable(true);
    DBCtrlGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DBCtrlGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TrackRows = new QWidget;
    TrackLayout = new QVBoxLayout(TrackRows);
    TrackLayout->setContentsMargins(0, 0, 0, 0);
    TrackLayout->setSpacing(0);
    TrackLayout->addStretch(1);
    DBCtrlGrid1->setWidget(TrackRows);

    // The list follows the station and the track rows; its own stores of a
    // designation leave the edit being typed in where it is.
    auto follow = [this] {
        if (!StoringBez)
            ShowTracks();
    };
    connect(&dm.tGleis, &Cursor::RowsChanged, this, follow);
    connect(&dm.tBhf, &Cursor::Moved, this, follow);
}

void TFBhfDB::ShowTracks() {
    // A designation edit may be what asked for this; it goes after its signal.
    for (QLineEdit* edit : std::as_const(BezEdits)) {
        edit->parentWidget()->hide();
        edit->parentWidget()->deleteLater();
    }
    BezEdits.clear();
    while (TrackLayout->count() > 1)
        delete TrackLayout->takeAt(0);
    Cursor& tGleis = dm.tGleis;
    const int gls = tGleis.FieldIndex(u"GlsNum"_s);
    const int bez = tGleis.FieldIndex(u"Bez"_s);
    const int n = tGleis.Active() ? tGleis.RecordCount() : 0;
    for (int i = 0; i < n; ++i) {
        auto* panel = new QFrame(TrackRows);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFixedHeight(TrackRowHeight);
        auto* numCaption = new QLabel(u"Gleis-Nr.:"_s, panel);
        numCaption->setGeometry(8, 10, 60, 16);
        auto* num = new QLabel(tGleis.ValueAt(i + 1, gls).toString(), panel);
        num->setObjectName(u"GlsNum"_s);
        num->setGeometry(70, 10, 30, 16);
        auto* bezCaption = new QLabel(u"Bezeichnung:"_s, panel);
        bezCaption->setGeometry(112, 10, 78, 16);
        auto* edit = new QLineEdit(tGleis.ValueAt(i + 1, bez).toString(), panel);
        edit->setObjectName(u"Bez"_s);
        edit->setMaxLength(2);
        edit->setGeometry(192, 7, 41, 21);
        edit->setAccessibleName(u"Bezeichnung Gleis %1"_s.arg(i + 1));
        connect(edit, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { BezChange(i + 1, text); });
        TrackLayout->insertWidget(i, panel);
        BezEdits.push_back(edit);
    }
}

void TFBhfDB::BezChange(int track, const QString& text) {
    Cursor& tGleis = dm.tGleis;
    StoringBez = true;
    try {
        tGleis.SetRecNo(track);
        tGleis.Edit();
        tGleis.FieldByName(u"Bez"_s).SetString(text);
        tGleis.Post();
    } catch (const StoreError& e) {
        tGleis.Cancel();
        StoringBez = false;
        ShowMessageBox(u"Fehler"_s, e.Text());
        ShowTracks();
        return;
    }
    StoringBez = false;
}

void TFBhfDB::NewBhfClick() {
    Cursor& tBhf = dm.tBhf;
    StationInput typed;
    bool again = false;
    for (;;) {
        TFBhfEdit form(tBhf, this);
        tBhf.Insert();
        form.setWindowTitle(u"Bahnhof neu eingeben"_s);
        form.ReadRow();
        // After a refused name the dialog comes back with everything typed.
        if (again)
            form.SetInput(typed);
        if (ExecDialog(form) != QDialog::Accepted) {
            tBhf.Cancel();
            return;
        }
        const StationPostResult posted = PostNewStation(dm);
        if (posted)
            return;
        ShowMessageBox(u"Fehler"_s, posted.Error);
        if (!posted.DuplicateName)
            return;
        typed = form.Input();
        again = true;
    }
}

void TFBhfDB::EditBhfClick() {
    Cursor& tBhf = dm.tBhf;
    if (!tBhf.Active() || tBhf.IsEmpty())
        return;
    StationInput typed;
    bool again = false;
    for (;;) {
        TFBhfEdit form(tBhf, this);
        try {
            tBhf.Edit();
        } catch (const StoreError& e) {
            ShowMessageBox(u"Fehler"_s, e.Text());
            return;
        }
        form.setWindowTitle(u"Bahnhof editieren"_s);
        form.ReadRow();
        if (again)
            form.SetInput(typed);
        if (ExecDialog(form) != QDialog::Accepted) {
            tBhf.Cancel();
            return;
        }
        const StationPostResult posted = PostEditedStation(dm);
        if (posted)
            return;
        ShowMessageBox(u"Fehler"_s, posted.Error);
        if (!posted.DuplicateName)
            return;
        typed = form.Input();
        again = true;
    }
}

void TFBhfDB::DelBhfClick() {
    Cursor& tBhf = dm.tBhf;
    if (!tBhf.Active() || tBhf.IsEmpty())
        return;
    const QString name = tBhf.FieldByName(u"Bahnhof"_s).AsString();
    if (!AskYesNo(u"Soll der Bahnhof '%1' wirklich gelöscht werden ?"_s.arg(name)))
        return;
    const QString error = DeleteStation(dm);
    if (!error.isEmpty())
        ShowMessageBox(u"Fehler"_s, error);
}

bool TFBhfDB::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}
