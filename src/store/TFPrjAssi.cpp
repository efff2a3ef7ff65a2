#include "store/TFPrjAssi.h"

#include "platform/Messages.h"
#include "store/DataGrid.h"
#include "store/TFormInfo.h"
#include "store/Tdm.h"
#include "tablestore/DataSource.h"
#include "tablestore/StoreError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int ClientWidth = 617;
constexpr int ClientHeight = 359;
constexpr int TitleHeight = 30;
constexpr int BookHeight = 268;
constexpr int ButtonPanelHeight = 42;
constexpr int PageLeft = 196; // right of the information panel

void Hint(QWidget* w, const QString& hint) {
    w->setStatusTip(hint);
    w->setToolTip(hint);
}

QLabel* LabelAt(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

TFPrjAssi::TFPrjAssi(Tdm& tables, QWidget* parent) : QDialog(parent) {
    setObjectName(u"FPrjAssi"_s);
    setWindowTitle(u"Projekt-Assistent"_s);
    setFixedSize(ClientWidth, ClientHeight);

    AssiTitel = new QLabel(this);
    AssiTitel->setObjectName(u"AssiTitel"_s);
    AssiTitel->setGeometry(0, 0, ClientWidth, TitleHeight);
    AssiTitel->setStyleSheet(
        u"background: #000080; color: #f0f0f0; font-weight: bold; padding-left: 10px;"_s);

    AssiBook = new QStackedWidget(this);
    AssiBook->setObjectName(u"AssiBook"_s);
    AssiBook->setGeometry(0, TitleHeight, ClientWidth, BookHeight);

    // The assistant starts on fresh marks; its cursors are the station
    // database's, shown through grids of its own.
    Assi = std::make_unique<PrjAssiSteps>(tables);
    dsBhfU = std::make_unique<DataSource>(tables.tBhfU);
    dsBhfU->AddColumn(u"Bahnhof"_s, u"Verfügbare Bahnhöfe"_s);
    dsBhfM = std::make_unique<DataSource>(tables.tBhfM);
    dsBhfM->AddColumn(u"Bahnhof"_s, u"Gewählte Bahnhöfe "_s);
    dsBhfM->AddColumn(u"Abk"_s, u"Abk."_s);
    dsBhfM->AddColumn(u"NumGleise"_s, u"Gleise"_s, Qt::AlignRight | Qt::AlignVCenter);

    CreateBhfwahl();
    CreateTimeAx();
    CreateReihe();

    auto* buttons = new QWidget(this);
    buttons->setObjectName(u"BtnPanel"_s);
    buttons->setGeometry(0, TitleHeight + BookHeight, ClientWidth, ButtonPanelHeight);
    BtnCancel = new QPushButton(u"Abbrechen"_s, buttons);
    BtnCancel->setObjectName(u"BtnCancel"_s);
    BtnCancel->setGeometry(8, 9, 100, 25);
    Hint(BtnCancel, u"Projekt-Assistenten abbrechen"_s);
    BtnBack = new QPushButton(u"<- Zurück"_s, buttons);
    BtnBack->setObjectName(u"BtnBack"_s);
    BtnBack->setGeometry(401, 9, 100, 25);
    Hint(BtnBack, u"Zürück zur letzten Seite"_s);
    BtnNext = new QPushButton(u"Weiter ->"_s, buttons);
    BtnNext->setObjectName(u"BtnNext"_s);
    BtnNext->setGeometry(509, 9, 100, 25);
    Hint(BtnNext, u"Nächste Seite bearbeiten"_s);
    for (QPushButton* b : {BtnCancel, BtnBack, BtnNext})
        b->setAutoDefault(false);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnBack, &QPushButton::clicked, this, [this] { BtnBackClick(); });
    connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });

    sb1 = new QStatusBar(this);
    sb1->setObjectName(u"sb1"_s);
    sb1->setSizeGripEnabled(false);
    sb1->setGeometry(0, ClientHeight - 19, ClientWidth, 19);

    GridChoiceBox->setCurrentIndex(1);
    ShowStep();
    ShowButtons();
    TFormInfo::Attach(*this, u"FPrjAssi"_s);
}

TFPrjAssi::~TFPrjAssi() {
    // The grids go before their data sources, which are members.
    delete GridBhfU;
    delete GridBhfM;
}

QWidget* TFPrjAssi::InfoPanel(QWidget* page, const QStringList& lines) {
    auto* panel = new QWidget(page);
    panel->setGeometry(4, 4, 185, BookHeight - 8);
    auto* header = new QLabel(u"Information"_s, panel);
    header->setGeometry(0, 0, 185, 20);
    header->setAlignment(Qt::AlignCenter);
    header->setStyleSheet(u"background: #800000; color: white; font-weight: bold;"_s);
    auto* text = new QLabel(lines.join(u'\n'), panel);
    text->setObjectName(u"InfoText"_s);
    text->setGeometry(0, 20, 185, BookHeight - 28);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setStyleSheet(u"background: #ffffe1; color: black; border: 1px solid #808080;"_s);
    return panel;
}

void TFPrjAssi::CreateBhfwahl() {
    Bhfwahl = new QWidget;
    Bhfwahl->setObjectName(u"Bhfwahl"_s);
    AssiBook->addWidget(Bhfwahl);
    InfoPanel(Bhfwahl,
              {QString(), u"Fahrplan zusammenstellen"_s, QString(),
               u"Aus der Liste 'Verfügbare Bahnhöfe'"_s, u"können Sie, mit Hilfe der mittleren "_s,
               u"Pfeiltasten die Bahnhöfe aus-"_s, u"wählen, die zu Ihrem Fahrplan"_s,
               u"gehören sollen."_s, QString()});

    GridBhfU = new DataGrid(*dsBhfU, Bhfwahl);
    GridBhfU->setObjectName(u"GridBhfU"_s);
    GridBhfU->setGeometry(PageLeft, 4, 150, BookHeight - 8);
    GridBhfU->setColumnWidth(0, 128);

    struct Move {
        QPushButton** Button;
        const char* Name;
        QString Caption;
        QString Hint;
        int Top;
    };
    const Move moves[] = {
        {&BtnBTS, "BtnBTS", u">"_s, u"Markierten Bahnhof auswählen"_s, 72},
        {&BtnBTA, "BtnBTA", u">>"_s, u"Alle Bahnhöfe auswählen"_s, 102},
        {&BtnTBS, "BtnTBS", u"<"_s, u"Markierten Bahnhof anwählen"_s, 142},
        {&BtnTBA, "BtnTBA", u"<<"_s, u"Alle Bahnhöfe abwählen"_s, 172},
    };
    for (const Move& m : moves) {
        auto* b = new QPushButton(m.Caption, Bhfwahl);
        b->setObjectName(QString::fromLatin1(m.Name));
        b->setGeometry(PageLeft + 156, m.Top, 40, 25);
        b->setAutoDefault(false);
        Hint(b, m.Hint);
        *m.Button = b;
    }
    connect(BtnBTS, &QPushButton::clicked, this, [this] { BtnBTSClick(); });
    connect(BtnBTA, &QPushButton::clicked, this, [this] { BtnBTAClick(); });
    connect(BtnTBS, &QPushButton::clicked, this, [this] { BtnTBSClick(); });
    connect(BtnTBA, &QPushButton::clicked, this, [this] { BtnTBAClick(); });

    GridBhfM = new DataGrid(*dsBhfM, Bhfwahl);
    GridBhfM->setObjectName(u"GridBhfM"_s);
    GridBhfM->setGeometry(PageLeft + 202, 4, ClientWidth - PageLeft - 206, BookHeight - 8);
    GridBhfM->setColumnWidth(0, 110);
    GridBhfM->setColumnWidth(1, 44);
    GridBhfM->setColumnWidth(2, 44);
    GridBhfM->horizontalHeader()->setStyleSheet(
        u"QHeaderView::section:first { color: red; font-weight: bold; }"_s);
    for (DataGrid* grid : {GridBhfU, GridBhfM})
        connect(grid, &DataGrid::MoveRefused, this,
                [](const QString& text) { ShowMessageBox(u"Fehler"_s, text); });
}

void TFPrjAssi::CreateReihe() {
    Reihe = new QWidget;
    Reihe->setObjectName(u"Reihe"_s);
    AssiBook->addWidget(Reihe);
    InfoPanel(Reihe, {QString(), u"Reihenfolge bestimmen"_s, QString(),
                      u"Hier können Sie festlegen, in"_s, u"welcher Reihenfolge die "_s,
                      u"Bahnhöfe im grafischen Fahr-"_s, u"plan erscheinen sollen."_s});

    sg1 = new QTableWidget(0, 1, Reihe);
    sg1->setObjectName(u"sg1"_s);
    sg1->setGeometry(PageLeft, 4, 244, BookHeight - 8);
    sg1->horizontalHeader()->setVisible(false);
    sg1->verticalHeader()->setVisible(false);
    sg1->verticalHeader()->setDefaultSectionSize(20);
    sg1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg1->setColumnWidth(0, 240);
    sg1->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg1->setSelectionMode(QAbstractItemView::SingleSelection);
    sg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(sg1, &QTableWidget::currentCellChanged, this,
            [this](int row) { Assi->SetOrderRow(row); });

    ud1 = new QWidget(Reihe);
    ud1->setObjectName(u"ud1"_s);
    ud1->setGeometry(PageLeft + 250, 4, 20, 44);
    ud1Up = new QToolButton(ud1);
    ud1Up->setObjectName(u"ud1Up"_s);
    ud1Up->setArrowType(Qt::UpArrow);
    ud1Up->setGeometry(0, 0, 20, 22);
    ud1Up->setAccessibleName(u"Bahnhof nach oben"_s);
    Hint(ud1Up, u"Bahnhof nach oben"_s);
    ud1Down = new QToolButton(ud1);
    ud1Down->setObjectName(u"ud1Down"_s);
    ud1Down->setArrowType(Qt::DownArrow);
    ud1Down->setGeometry(0, 22, 20, 22);
    ud1Down->setAccessibleName(u"Bahnhof nach unten"_s);
    Hint(ud1Down, u"Bahnhof nach unten"_s);
    connect(ud1Up, &QToolButton::clicked, this, [this] { ud1Click(true); });
    connect(ud1Down, &QToolButton::clicked, this, [this] { ud1Click(false); });
}

void TFPrjAssi::CreateTimeAx() {
    TimeAx = new QWidget;
    TimeAx->setObjectName(u"TimeAx"_s);
    AssiBook->addWidget(TimeAx);
    InfoPanel(TimeAx, {QString(), u"Fahrplan-Optionen"_s, QString(),
                       u"Im oberen Eingabefeld tragen"_s, u"Sie bitte einen Namen Ihrer"_s,
                       u"Wahl für den Fahrplan ein."_s, QString(), u"Im zweiten Feld kann eine "_s,
                       u"Kurzbeschreibung oder eine"_s, u"Bemerkung zum Fahrplan"_s,
                       u"gespeichert werden"_s, QString(), u"Die verschiedenen Optionen dienen "_s,
                       u"zur Darstellung des Fahrplans."_s, QString()});

    LabelAt(TimeAx, u"Fahrplanname:"_s, PageLeft, 9);
    EditSNetzName = new QLineEdit(TimeAx);
    EditSNetzName->setObjectName(u"EditSNetzName"_s);
    EditSNetzName->setGeometry(PageLeft + 104, 6, 310, 21);
    Hint(EditSNetzName, u"Name des Fahrplans eingeben (max 30 Zeichnen)"_s);
    LabelAt(TimeAx, u"Kurzbeschreibung:"_s, PageLeft, 36);
    EditBem = new QLineEdit(TimeAx);
    EditBem->setObjectName(u"EditBem"_s);
    EditBem->setGeometry(PageLeft + 104, 33, 310, 21);
    Hint(EditBem, u"Kurze Schreibung eingeben (max. 80 Zeichen)"_s);

    auto* zeit = new QGroupBox(u"Zeibereich"_s, TimeAx);
    zeit->setGeometry(PageLeft, 62, 200, 66);
    auto hourField = [zeit](const char* name, int top, const QString& value, const QString& hint) {
        auto* e = new QLineEdit(value, zeit);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(50, top, 36, 21);
        e->setMaxLength(2);
        e->setAlignment(Qt::AlignRight);
        Hint(e, hint);
        LabelAt(zeit, u"Uhr"_s, 92, top + 4);
        return e;
    };
    LabelAt(zeit, u"von:"_s, 12, 23);
    ZeitBeg = hourField("ZeitBeg", 19, u"0"_s, u"Start der Zeitachse"_s);
    LabelAt(zeit, u"bis:"_s, 12, 46);
    ZeitEnd = hourField("ZeitEnd", 42, u"24"_s, u"Ende der Zeitachse"_s);
    // The ranges apply as soon as the focus leaves a field.
    ZeitBeg->installEventFilter(this);
    ZeitEnd->installEventFilter(this);

    auto* grid = new QGroupBox(u"Art der Gitterunterteilung"_s, TimeAx);
    grid->setGeometry(PageLeft + 206, 62, 208, 66);
    GridChoiceBox = new QComboBox(grid);
    GridChoiceBox->setObjectName(u"GridChoiceBox"_s);
    GridChoiceBox->setGeometry(12, 26, 184, 22);
    QFont bold = GridChoiceBox->font();
    bold.setBold(true);
    GridChoiceBox->setFont(bold);
    GridChoiceBox->addItems({u"< ohne >"_s, u"______________"_s, u"............................."_s,
                             u"_._._._._._._._._._"_s, u"_ _ _ _ _ _ _ _ _ _"_s});

    auto* zoom = new QGroupBox(u"Zoomfaktor der Zeitachse"_s, TimeAx);
    zoom->setObjectName(u"rgPPMin"_s);
    zoom->setGeometry(PageLeft, 134, 300, 126);
    for (int i = 0; i < 9; ++i) {
        rgPPMin[i] = new QRadioButton(u"Zeitachse x %1"_s.arg(i + 1), zoom);
        rgPPMin[i]->setGeometry(12 + (i / 3) * 96, 24 + (i % 3) * 32, 94, 22);
    }
    rgPPMin[0]->setChecked(true);

    auto* options = new QGroupBox(u"Optionen"_s, TimeAx);
    options->setGeometry(PageLeft + 306, 134, 108, 126);
    cbTaktFP = new QCheckBox(u"Taktfahrplan"_s, options);
    cbTaktFP->setObjectName(u"cbTaktFP"_s);
    cbTaktFP->setGeometry(10, 26, 94, 22);
}

bool TFPrjAssi::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        sb1->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

bool TFPrjAssi::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusOut && (watched == ZeitBeg || watched == ZeitEnd))
        ApplyHourRanges();
    return QDialog::eventFilter(watched, e);
}

void TFPrjAssi::ApplyHourRanges() {
    const QString start =
        QString::number(HourFieldValue(ZeitBeg->text(), StartHourMin, StartHourMax));
    const QString end = QString::number(HourFieldValue(ZeitEnd->text(), EndHourMin, EndHourMax));
    if (ZeitBeg->text() != start)
        ZeitBeg->setText(start);
    if (ZeitEnd->text() != end)
        ZeitEnd->setText(end);
}

NewPlanOptions TFPrjAssi::Options() {
    ApplyHourRanges();
    NewPlanOptions o;
    o.Name = EditSNetzName->text();
    o.Description = EditBem->text();
    o.StartHour = ZeitBeg->text().toInt();
    o.EndHour = ZeitEnd->text().toInt();
    o.GridStyle = GridChoiceBox->currentIndex();
    for (int i = 0; i < 9; ++i)
        if (rgPPMin[i]->isChecked())
            o.Zoom = i + 1;
    o.Cyclic = cbTaktFP->isChecked();
    return o;
}

template <typename F> void TFPrjAssi::Run(F&& step) {
    try {
        step();
    } catch (const StoreError& e) {
        ShowMessageBox(u"Fehler"_s, e.Text());
    }
    ShowButtons();
}

void TFPrjAssi::ShowStep() {
    QWidget* pages[] = {Bhfwahl, Reihe, TimeAx};
    AssiBook->setCurrentWidget(pages[Assi->Step()]);
    AssiTitel->setText(Assi->Title());
    BtnBack->setEnabled(Assi->BackEnabled());
}

void TFPrjAssi::ShowButtons() {
    const MoveButtons& m = Assi->Buttons();
    BtnBTS->setEnabled(m.SelectOne);
    BtnBTA->setEnabled(m.SelectAll);
    BtnTBS->setEnabled(m.DeselectOne);
    BtnTBA->setEnabled(m.DeselectAll);
}

void TFPrjAssi::ShowOrder() {
    const QStringList& order = Assi->Order();
    const QSignalBlocker block(sg1);
    sg1->setRowCount(int(order.size()));
    for (int r = 0; r < order.size(); ++r) {
        auto* item = sg1->item(r, 0);
        if (!item) {
            item = new QTableWidgetItem;
            sg1->setItem(r, 0, item);
        }
        item->setText(order[r]);
    }
    if (!order.isEmpty())
        sg1->setCurrentCell(Assi->OrderRow(), 0);
}

void TFPrjAssi::BtnNextClick() {
    if (Assi->Step() == 2)
        ApplyHourRanges();
    bool finished = false;
    AssiNotice notice;
    Run([&] { notice = Assi->Next(EditSNetzName->text(), finished); });
    if (notice.Shown()) {
        ShowMessageBox(notice.Title, notice.Text);
        if (Assi->Step() == 2)
            EditSNetzName->setFocus();
        return;
    }
    if (finished) {
        accept();
        return;
    }
    if (Assi->Step() == 1)
        ShowOrder();
    ShowStep();
}

void TFPrjAssi::BtnBackClick() {
    Assi->Back();
    ShowStep();
}

void TFPrjAssi::BtnBTSClick() {
    Run([this] { Assi->SelectOne(); });
}

void TFPrjAssi::BtnBTAClick() {
    Run([this] { Assi->SelectAll(); });
}

void TFPrjAssi::BtnTBSClick() {
    Run([this] { Assi->DeselectOne(); });
}

void TFPrjAssi::BtnTBAClick() {
    Run([this] { Assi->DeselectAll(); });
}

void TFPrjAssi::ud1Click(bool up) {
    Run([&] { Assi->MoveOrder(up); });
    ShowOrder();
}
