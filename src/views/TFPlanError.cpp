#include "views/TFPlanError.h"

#include "tablestore/Cursor.h"
#include "views/TimetableRows.h"
#include "views/ViewWindowParts.h"
#include "store/TFormInfo.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// "Gleis" keeps the grid's usual width, narrower than Qt's own default.
constexpr int DefaultColumnWidth = 64;
} // namespace

TFPlanError::TFPlanError(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(u"FPlanError"_s);
    setWindowTitle(u"Fehlerliste"_s);
    setModal(false);
    setFixedSize(632, 271);
    TFormInfo::Attach(*this, u"FPlanError"_s)->AppName = u"ZentoPos"_s;

    Panel1 = new QWidget(this);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(41);
    PrnPlanTabBtn = MakePrintButton(Panel1, 489, 8, 43, 25);
    OKBtn = MakeOkButton(Panel1, 545, 8);
    DBGrid1 = MakeGrid(this, ErrorListHeaders, {116, 96, 55, 96, DefaultColumnWidth, 96, 91});
    DBGrid1->setObjectName(u"DBGrid1"_s);
    StatusBar1 = MakeStatusBar(this);
    StatusBar1->setObjectName(u"StatusBar1"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(StatusBar1);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(PrnPlanTabBtn, &QToolButton::clicked, this, [this] { PrnPlanTabBtnClick(); });
}

void TFPlanError::ShowRows(Cursor& t) {
    Source = &t;
    DBGrid1->setRowCount(t.RecordCount());
    int row = 0;
    for (t.First(); !t.Eof() && row < DBGrid1->rowCount(); t.Next())
        SetGridRow(DBGrid1, row++, ErrorListCells(t));
    t.First();
    DBGrid1->scrollToTop();
}

void TFPlanError::OKBtnClick() {
    close();
}
