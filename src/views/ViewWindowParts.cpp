#include "views/ViewWindowParts.h"

#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// A small printer, drawn rather than shipped as a file.
QIcon PrinterIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5); // paper in
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(1, 6, 13, 6); // body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 4); // paper out
    p.setPen(QColor(0, 0x80, 0));
    p.drawPoint(12, 8);
    return QIcon(pm);
}

} // namespace

QToolButton* MakePrintButton(QWidget* parent, int x, int y, int width, int height) {
    auto* b = new QToolButton(parent);
    b->setObjectName(u"PrnPlanTabBtn"_s);
    b->setIcon(PrinterIcon());
    b->setAutoRaise(true);
    const QString hint = u"Tabelle ausdrucken"_s;
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    b->setGeometry(x, y, width, height);
    return b;
}

QPushButton* MakeOkButton(QWidget* parent, int x, int y) {
    auto* b = new QPushButton(u"OK"_s, parent);
    b->setObjectName(u"OKBtn"_s);
    b->setToolTip(u"Zurück"_s);
    b->setStatusTip(u"Zurück"_s);
    b->setDefault(true);
    b->setAutoDefault(true);
    b->setGeometry(x, y, 75, 25);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QComboBox* MakeChoice(QWidget* parent, const char* name, const QString& accessibleName, int x,
                      int y, int width, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setGeometry(x, y, width, 21);
    box->addItems(items);
    return box;
}

QStatusBar* MakeStatusBar(QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(u"sb1"_s);
    bar->setSizeGripEnabled(false);
    return bar;
}

QTableWidget* MakeGrid(QWidget* parent, const QStringList& headers, const QVector<int>& widths) {
    auto* g = new QTableWidget(0, int(headers.size()), parent);
    g->setObjectName(u"sg1"_s);
    g->setHorizontalHeaderLabels(headers);
    g->verticalHeader()->hide();
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setDefaultSectionSize(18);
    g->horizontalHeader()->setFixedHeight(18);
    g->horizontalHeader()->setHighlightSections(false);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    g->setShowGrid(true);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setWordWrap(false);
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] > 0)
            g->setColumnWidth(c, widths[c]);
    return g;
}

void SetGridRow(QTableWidget* grid, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c)
        grid->setItem(row, c, new QTableWidgetItem(cells[c]));
}

HintToStatus::HintToStatus(QStatusBar* bar, const QList<QWidget*>& controls)
    : QObject(bar), Bar(bar) {
    for (QWidget* w : controls) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool HintToStatus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (auto* w = qobject_cast<QWidget*>(watched))
            Bar->showMessage(w->statusTip());
    }
    return QObject::eventFilter(watched, event);
}
