#include "views/TFTabAnAb.h"

#include "platform/Canvas.h"
#include "store/Tdm.h"
#include "views/StationTimetableLayout.h"
#include "views/TimetableRows.h"
#include "views/ViewWindowParts.h"
#include "store/TFormInfo.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int TitleRightEdge = 550;

QFont TitleFont() {
    QFont f(u"MS Sans Serif"_s);
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

} // namespace

TStationPaintBox::TStationPaintBox(TFTabAnAb& form, QWidget* parent) : QWidget(parent), Form(form) {
    setObjectName(u"pbPlan"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStationPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Form.pbPlanPaint(painter, event->rect());
}

TFTabAnAb::TFTabAnAb(Tdm& tables, const PlanRec& plan, QWidget* parent)
    : QDialog(parent), Dm(tables), Plan(plan) {
    setObjectName(u"FTabAnAb"_s);
    setWindowTitle(u"Fahrplan"_s);
    setProperty("helpContext", 23);
    setFixedSize(612, 443);
    TFormInfo::Attach(*this, u"FTabAnAb"_s);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setFixedHeight(41);
    Label1 = MakeLabel(Panel1, u"Bahnhof:"_s, 16, 14);
    cbsort = MakeChoice(Panel1, "cbsort", u"Bahnhof"_s, 64, 10, 145);
    Label2 = MakeLabel(Panel1, u"Typ:"_s, 224, 14);
    cbTyp = MakeChoice(Panel1, "cbTyp", u"Typ"_s, 256, 10, 105, StationTypeItems);
    PrnPlanTabBtn = MakePrintButton(Panel1, 472, 8, 41, 25);
    OKBtn = MakeOkButton(Panel1, 528, 8);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(u"Panel2"_s);
    Panel2->setFixedHeight(26);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setAutoFillBackground(true);
    QPalette tip = Panel2->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    Panel2->setPalette(tip);
    lAnAb = new QLabel(Panel2);
    lAnAb->setObjectName(u"lAnAb"_s);
    lAnAb->setFont(TitleFont());
    lAnAb->setStyleSheet(u"color: #FF0000;"_s);
    lAnAb->move(20, 5);
    lWahlBhf = new QLabel(Panel2);
    lWahlBhf->setObjectName(u"lWahlBhf"_s);
    lWahlBhf->setFont(TitleFont());
    lWahlBhf->setStyleSheet(u"color: #0000FF;"_s);
    lWahlBhf->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lWahlBhf->setGeometry(0, 5, TitleRightEdge, 16);

    sbPlan = new QScrollArea(this);
    sbPlan->setObjectName(u"sbPlan"_s);
    sbPlan->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    sbPlan->setBackgroundRole(QPalette::Base);
    QPalette white = sbPlan->palette();
    white.setColor(QPalette::Base, Qt::white);
    sbPlan->setPalette(white);
    sbPlan->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sbPlan->setWidgetResizable(true);
    sbPlan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The poster scrolls by its bar only, not by the wheel.
    sbPlan->viewport()->installEventFilter(this);
    pbPlan = new TStationPaintBox(*this, sbPlan);
    sbPlan->setWidget(pbPlan);

    sb1 = MakeStatusBar(this);
    new HintToStatus(sb1, {Panel1, PrnPlanTabBtn, OKBtn});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2);
    layout->addWidget(sbPlan, 1);
    layout->addWidget(sb1);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(PrnPlanTabBtn, &QToolButton::clicked, this, [this] { PrnPlanTabBtnClick(); });
    FormCreate();
    connect(cbsort, qOverload<int>(&QComboBox::activated), this, [this] { cbsortChange(); });
    connect(cbTyp, qOverload<int>(&QComboBox::activated), this, [this] { cbTypChange(); });
}

void TFTabAnAb::FormCreate() {
    RefillStationTimetable(Dm, Plan);
    cbsort->clear();
    cbsort->addItems(FillStationChoice(Plan));
    cbsort->setCurrentIndex(0);
    cbTyp->setCurrentIndex(0);
    ApplyStationChoice();
}

void TFTabAnAb::ApplyStationChoice() {
    const int type = cbTyp->currentIndex() == 1 ? 1 : 0;
    lAnAb->setText(StationTypeItems[type]);
    lAnAb->adjustSize();
    lWahlBhf->setText(cbsort->currentText());
    SelectStationRange(Dm.tTabPlan, cbsort->currentText(), type);
    // The height of the paint box depends on the rows only, not on the fonts.
    const std::vector<StationEntry> rows = ReadStationEntries(Dm.tTabPlan);
    const StationLayoutParams params;
    const int count = int(rows.size());
    const int left = LeftColumnCount(rows.data(), count, params, 0);
    pbPlan->setFixedHeight(StationTimetableHeight(rows.data(), count, left, params));
    sbPlan->verticalScrollBar()->setValue(0);
    pbPlan->update();
}

void TFTabAnAb::pbPlanPaint(QPainter& painter, const QRect& exposed) {
    QImage image(exposed.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas c(image);
        c.SetOrigin(exposed.x(), exposed.y());
        c.SetFont(u"MS Sans Serif"_s, 8, 0);
        const std::vector<StationEntry> rows = ReadStationEntries(Dm.tTabPlan);
        const StationLayoutParams params = ScreenLayoutParams(c);
        const int count = int(rows.size());
        const int left = LeftColumnCount(rows.data(), count, params, 0);
        DrawStationTimetable(c, rows.data(), count, left, params,
                             TRect{0, 0, pbPlan->width(), pbPlan->height()});
    }
    painter.drawImage(exposed.topLeft(), image);
}

bool TFTabAnAb::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sbPlan->viewport() && event->type() == QEvent::Wheel)
        return true;
    return QDialog::eventFilter(watched, event);
}
