#include "views/TFTabPlan.h"

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

TFTabPlan::TFTabPlan(Tdm& tables, const PlanRec& plan, QWidget* parent)
    : QDialog(parent), Dm(tables), Plan(plan) {
    setObjectName(u"FTabPlan"_s);
    setWindowTitle(u"Zuglauf"_s);
    setProperty("helpContext", 23);
    setFixedSize(567, 400);
    TFormInfo::Attach(*this, u"FTabPlan"_s);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(41);
    Label1 = MakeLabel(Panel1, u"Zugname:"_s, 16, 14);
    cbsort = MakeChoice(Panel1, "cbsort", u"Zugname"_s, 72, 10, 145);
    PrnPlanTabBtn = MakePrintButton(Panel1, 424, 8, 43, 25);
    OKBtn = MakeOkButton(Panel1, 480, 8);
    sg1 = MakeGrid(this, TrainRunHeaders, {83, 53, 119, 34, 64, 111, 36});
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
}

void TFTabPlan::FormCreate() {
    RefillTrainRun(Dm, Plan);
    cbsort->clear();
    cbsort->addItems(TrainChoice(Dm.tTabSort));
    cbsort->setCurrentIndex(0);
    SelectTrainRange(Dm.tTabSort, QString());
    ShowTrainRunRows();
}

void TFTabPlan::cbsortChange() {
    // The first entry is "Alle Züge"; a train of that very name is a later entry.
    SelectTrainRange(Dm.tTabSort, cbsort->currentIndex() > 0 ? cbsort->currentText() : QString());
    ShowTrainRunRows();
}

void TFTabPlan::ShowTrainRunRows() {
    Cursor& t = Dm.tTabSort;
    sg1->setRowCount(t.RecordCount());
    int row = 0;
    for (t.First(); !t.Eof() && row < sg1->rowCount(); t.Next())
        SetGridRow(sg1, row++, TrainRunCells(t));
    t.First();
}
