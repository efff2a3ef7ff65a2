#include "views/TFFahrdienst.h"

#include "store/Tdm.h"
#include "views/TimetableRows.h"
#include "views/ViewWindowParts.h"
#include "store/TFormInfo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFFahrdienst::TFFahrdienst(Tdm& tables, const PlanRec& plan, QWidget* parent)
    : QDialog(parent), Dm(tables), Plan(plan) {
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Fahrdienstleiter"_s);
    setProperty("helpContext", 23);
    setFixedSize(567, 400);
    TFormInfo::Attach(*this, u"Form1"_s);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(41);
    Label1 = MakeLabel(Panel1, u"Bahnhof:"_s, 16, 14);
    cbsort = MakeChoice(Panel1, "cbsort", u"Bahnhof"_s, 64, 10, 145);
    Label2 = MakeLabel(Panel1, u"Sortieren nach:"_s, 224, 14);
    ComboBox1 =
        MakeChoice(Panel1, "ComboBox1", u"Sortieren nach"_s, 304, 10, 105, DispatcherSortItems);
    PrnPlanTabBtn = MakePrintButton(Panel1, 432, 6, 40, 30);
    OKBtn = MakeOkButton(Panel1, 480, 8);
    sg1 = MakeGrid(this, DispatcherHeaders, {83, 129, 79, 34, 71, 131});
    sb1 = MakeStatusBar(this);
    new HintToStatus(sb1, {Panel1, PrnPlanTabBtn, OKBtn, sg1});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(sg1, 1);
    layout->addWidget(sb1);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(PrnPlanTabBtn, &QToolButton::clicked, this, [this] { PrnPlanTabBtnClick(); });
    FormCreate();
    connect(cbsort, qOverload<int>(&QComboBox::activated), this, [this] { cbsortChange(); });
    connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, [this] { ComboBox1Change(); });
}

void TFFahrdienst::FormCreate() {
    RefillDispatcher(Dm, Plan);
    cbsort->clear();
    cbsort->addItems(FillStationChoice(Plan));
    ComboBox1->setCurrentIndex(0);
    cbsort->setCurrentIndex(0);
    SelectDispatcherRange(Dm.tTabSort, cbsort->currentText(), 0);
    ShowDispatcherRows();
}

void TFFahrdienst::cbsortChange() {
    // The index stays; only the station changes.
    SelectDispatcherRange(Dm.tTabSort, cbsort->currentText(), -1);
    ShowDispatcherRows();
}

void TFFahrdienst::ComboBox1Change() {
    SelectDispatcherRange(Dm.tTabSort, cbsort->currentText(), ComboBox1->currentIndex());
    ShowDispatcherRows();
}

void TFFahrdienst::ShowDispatcherRows() {
    Cursor& t = Dm.tTabSort;
    sg1->setRowCount(t.RecordCount());
    int row = 0;
    for (t.First(); !t.Eof() && row < sg1->rowCount(); t.Next())
        SetGridRow(sg1, row++, DispatcherCells(t));
    t.First();
}
