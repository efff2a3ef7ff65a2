#include "editing/TFZugName.h"

#include "editing/TrainCommands.h"

#include "store/TFormInfo.h"

#include <QEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {
constexpr int DesignWidth = 270;
constexpr int DesignHeight = 115;
constexpr int ButtonPanelHeight = 33;
constexpr int StatusHeight = 19;
} // namespace

TFZugName::TFZugName(const QString& name, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FZugName"));
    setWindowTitle(QStringLiteral("Zugbezeichnung ändern"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ButtonPanel = new QWidget(this);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    ButtonPanel->setGeometry(0, 0, DesignWidth, ButtonPanelHeight);
    OKBtn = new QPushButton(QStringLiteral("OK"), ButtonPanel);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(DesignWidth - 2 * 80 - 4, 4, 75, 25);
    CancelBtn = new QPushButton(QStringLiteral("Abbruch"), ButtonPanel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(DesignWidth - 80 - 4, 4, 75, 25);

    FieldPanel = new QWidget(this);
    FieldPanel->setObjectName(QStringLiteral("FieldPanel"));
    FieldPanel->setGeometry(0, ButtonPanelHeight, DesignWidth,
                            DesignHeight - ButtonPanelHeight - StatusHeight);
    Label1 = new QLabel(QStringLiteral("Zugbezeichnung"), FieldPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 10, 100, 21);
    Edit1 = new QLineEdit(name, FieldPanel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(MaxTrainNameLength);
    Edit1->setGeometry(115, 10, 140, 21);
    Label1->setBuddy(Edit1);

    sb1 = new QStatusBar(this);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setSizeGripEnabled(false);
    sb1->setGeometry(0, DesignHeight - StatusHeight, DesignWidth, StatusHeight);

    const struct {
        QWidget* Control;
        const char* Hint;
    } hints[] = {{OKBtn, "Zugbezeichnung abspeichern"}, {CancelBtn, "Funktion abbrechen"}};
    for (const auto& h : hints) {
        h.Control->setToolTip(QString::fromUtf8(h.Hint));
        h.Control->setStatusTip(QString::fromUtf8(h.Hint));
    }
    for (QWidget* w : {static_cast<QWidget*>(ButtonPanel), FieldPanel, static_cast<QWidget*>(OKBtn),
                       static_cast<QWidget*>(CancelBtn), static_cast<QWidget*>(Edit1)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(DesignWidth, DesignHeight);
    // Where the dialog was last closed, kept in FormSave.ini.
    TFormInfo::Attach(*this, QStringLiteral("FZugName"));
    FormCreate();
}

void TFZugName::FormCreate() {
    Edit1->selectAll();
    Edit1->setFocus();
}

bool TFZugName::eventFilter(QObject* watched, QEvent* event) {
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

void TFZugName::OKBtnMouseMove(QObject* control) {
    const auto* w = qobject_cast<QWidget*>(control);
    sb1->showMessage(w ? w->statusTip() : QString());
}
