#include "editing/TFBhfPlus.h"

#include "tablestore/Cursor.h"

#include "store/TFormInfo.h"

#include <QEvent>
#include <QMouseEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int DesignWidth = 360;
constexpr int DesignHeight = 300;
} // namespace

TFBhfPlus::TFBhfPlus(Cursor& stations, QWidget* parent) : QDialog(parent), Stations(stations) {
    setObjectName(u"FBhfPlus"_s);
    setWindowTitle(u"Verfügbare Bahnhöfe"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ButtonPanel = new QWidget(this);
    ButtonPanel->setObjectName(u"ButtonPanel"_s);
    ButtonPanel->setFixedHeight(33);
    auto* buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(4, 4, 4, 4);
    OKBtn = new QPushButton(u"OK"_s, ButtonPanel);
    OKBtn->setObjectName(u"OKBtn"_s);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(u"Abbruch"_s, ButtonPanel);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    DBGrid2 = new QTableWidget(this);
    DBGrid2->setObjectName(u"DBGrid2"_s);
    DBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid2->verticalHeader()->setVisible(false);
    DBGrid2->verticalHeader()->setDefaultSectionSize(DBGrid2->fontMetrics().height() + 4);
    DBGrid2->setColumnCount(3);
    DBGrid2->setHorizontalHeaderLabels({u"Bahnhof"_s, u"Gleise"_s, u"Abk."_s});
    DBGrid2->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DBGrid2->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignCenter);
    DBGrid2->setColumnWidth(0, 180);
    DBGrid2->setColumnWidth(1, 60);
    DBGrid2->horizontalHeader()->setStretchLastSection(true);

    sb1 = new QStatusBar(this);
    sb1->setObjectName(u"sb1"_s);
    sb1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ButtonPanel);
    layout->addWidget(DBGrid2, 1);
    layout->addWidget(sb1);

    const struct {
        QWidget* Control;
        const char* Hint;
    } hints[] = {{OKBtn, "Fenster schließen und Bahnhof hinzufügen"},
                 {CancelBtn, "Funktion abbrechen"}};
    for (const auto& h : hints) {
        h.Control->setToolTip(QString::fromUtf8(h.Hint));
        h.Control->setStatusTip(QString::fromUtf8(h.Hint));
    }
    for (QWidget* w : {ButtonPanel, static_cast<QWidget*>(OKBtn), static_cast<QWidget*>(CancelBtn),
                       static_cast<QWidget*>(DBGrid2->viewport())}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid2, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            Stations.SetRecNo(row + 1);
    });
    resize(DesignWidth, DesignHeight);
    // Where the dialog was last closed, kept in FormSave.ini.
    TFormInfo::Attach(*this, u"FBhfPlus"_s);
    FillGrid();
}

void TFBhfPlus::FillGrid() {
    const int current = Stations.RecNo();
    const int rows = Stations.RecordCount();
    DBGrid2->setRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        Stations.SetRecNo(r);
        auto* name = new QTableWidgetItem(Stations.FieldByName(u"Bahnhof"_s).AsString());
        auto* tracks =
            new QTableWidgetItem(QString::number(Stations.FieldByName(u"NumGleise"_s).AsInteger()));
        tracks->setTextAlignment(Qt::AlignCenter);
        auto* abk = new QTableWidgetItem(Stations.FieldByName(u"Abk"_s).AsString());
        DBGrid2->setItem(r - 1, 0, name);
        DBGrid2->setItem(r - 1, 1, tracks);
        DBGrid2->setItem(r - 1, 2, abk);
    }
    if (rows > 0) {
        const int row = current >= 1 ? current : 1;
        Stations.SetRecNo(row);
        DBGrid2->setCurrentCell(row - 1, 0);
    }
}

bool TFBhfPlus::eventFilter(QObject* watched, QEvent* event) {
    // A move over a button reaches its panel as well; the hint is the one
    // of the control right under the pointer.
    if (event->type() == QEvent::MouseMove) {
        const auto* w = qobject_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        if (w && !w->childAt(move->position().toPoint()))
            OKBtnMouseMove(watched);
    }
    return QDialog::eventFilter(watched, event);
}

void TFBhfPlus::OKBtnMouseMove(QObject* control) {
    const auto* w = qobject_cast<QWidget*>(control);
    sb1->showMessage(w ? w->statusTip() : QString());
}
