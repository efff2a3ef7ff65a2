#include "store/TFNewPlan.h"

#include "platform/Messages.h"
#include "store/DataGrid.h"
#include "store/TFormInfo.h"
#include "store/Tdm.h"
#include "tablestore/DataSource.h"
#include "tablestore/StoreError.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int ClientWidth = 315;
constexpr int ClientHeight = 356;

void Hint(QWidget* w, const QString& hint) {
    w->setStatusTip(hint);
    w->setToolTip(hint);
}
} // namespace

TFNewPlan::TFNewPlan(Tdm& tables, QWidget* parent) : QDialog(parent), Dm(tables) {
    setObjectName(u"FNewPlan"_s);
    setFixedSize(ClientWidth, ClientHeight);

    struct Nav {
        QToolButton** Button;
        const char* Name;
        Qt::ArrowType Arrow;
        QString Text;
        QString Hint;
    };
    const Nav navs[] = {
        {&NavFirst, "NavFirst", Qt::NoArrow, u"|◀"_s, u"Erster Datensatz"_s},
        {&NavPrior, "NavPrior", Qt::LeftArrow, QString(), u"Vorheriger Datensatz"_s},
        {&NavNext, "NavNext", Qt::RightArrow, QString(), u"Nächster Datensatz"_s},
        {&NavLast, "NavLast", Qt::NoArrow, u"▶|"_s, u"Letzter Datensatz"_s},
    };
    int x = 8;
    for (const Nav& n : navs) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(n.Name));
        b->setGeometry(x, 8, 28, 25);
        if (n.Arrow != Qt::NoArrow)
            b->setArrowType(n.Arrow);
        else
            b->setText(n.Text);
        b->setAccessibleName(n.Hint);
        Hint(b, n.Hint);
        *n.Button = b;
        x += 28;
    }
    Cursor& plans = Dm.tSavePlan;
    connect(NavFirst, &QToolButton::clicked, this,
            [this, &plans] { Move([&] { plans.First(); }); });
    connect(NavPrior, &QToolButton::clicked, this,
            [this, &plans] { Move([&] { plans.Prior(); }); });
    connect(NavNext, &QToolButton::clicked, this, [this, &plans] { Move([&] { plans.Next(); }); });
    connect(NavLast, &QToolButton::clicked, this, [this, &plans] { Move([&] { plans.Last(); }); });

    dsSavePlan = std::make_unique<DataSource>(plans);
    dsSavePlan->AddColumn(u"REFPLAN"_s, u"Lfd."_s, Qt::AlignRight | Qt::AlignVCenter);
    dsSavePlan->AddColumn(u"NAME"_s, u"Fahrplanname"_s);
    DBGrid1 = new DataGrid(*dsSavePlan, this);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setGeometry(8, 38, ClientWidth - 16, 200);
    DBGrid1->setColumnWidth(0, 55);
    DBGrid1->setColumnWidth(1, 200);
    connect(DBGrid1, &DataGrid::MoveRefused, this,
            [](const QString& text) { ShowMessageBox(u"Fehler"_s, text); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { accept(); });
    connect(dsSavePlan.get(), &DataSource::CurrentRowChanged, this, [this] { ShowDescription(); });

    Label1 = new QLabel(u"Kurzbeschreibung:"_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setGeometry(8, 246, ClientWidth - 16, 16);
    LabelBeschreib = new QLabel(this);
    LabelBeschreib->setObjectName(u"LabelBeschreib"_s);
    LabelBeschreib->setGeometry(8, 264, ClientWidth - 16, 32);
    LabelBeschreib->setWordWrap(true);
    LabelBeschreib->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelBeschreib->setTextFormat(Qt::PlainText);
    LabelBeschreib->setStyleSheet(u"color: red;"_s);

    BtnOK = new QPushButton(u"OK"_s, this);
    BtnOK->setObjectName(u"BtnOK"_s);
    BtnOK->setGeometry(64, 304, 88, 25);
    BtnOK->setDefault(true);
    Hint(BtnOK, u"Fahrplan öffnen"_s);
    BtnCancel = new QPushButton(u"Abbruch"_s, this);
    BtnCancel->setObjectName(u"BtnCancel"_s);
    BtnCancel->setGeometry(164, 304, 88, 25);
    Hint(BtnCancel, u"Funktion abbrechen"_s);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    sb1 = new QStatusBar(this);
    sb1->setObjectName(u"sb1"_s);
    sb1->setSizeGripEnabled(false);
    sb1->setGeometry(0, ClientHeight - 19, ClientWidth, 19);

    ShowDescription();
    // Restored only: the chooser never stores where it was.
    TFormInfo::Attach(*this, u"FNewPlan"_s, TFormInfo::SaveMoment::Never);
}

TFNewPlan::~TFNewPlan() {
    // The grid goes before its data source, which is a member.
    delete DBGrid1;
}

bool TFNewPlan::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        sb1->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

template <typename F> void TFNewPlan::Move(F&& step) {
    try {
        step();
    } catch (const StoreError& e) {
        ShowMessageBox(u"Fehler"_s, e.Text());
    }
}

void TFNewPlan::ShowDescription() {
    QString text;
    try {
        if (!Dm.tSavePlan.IsEmpty())
            text = Dm.tSavePlan.FieldByName(u"BESCHREIB"_s).AsString();
    } catch (const StoreError&) {
        // A closed table has no description to show.
    }
    LabelBeschreib->setText(text);
}
