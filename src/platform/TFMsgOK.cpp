#include "platform/TFMsgOK.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {
constexpr int DesignWidth = 330;
constexpr int DesignHeight = 130;
constexpr int TitleHeight = 22;
constexpr int LabelLeft = 64;
constexpr int LabelTop = 40;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonTop = 92;
} // namespace

TFMsgOK::TFMsgOK(const QString& title, const QString& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FMsgOK"));
    setWindowTitle(title);
    setStyleSheet(QStringLiteral("TFMsgOK { border: 1px solid #404040; background: #f0f0f0; }"));

    const QFontMetrics fm(font());
    LabelDesignWidth = fm.horizontalAdvance(QString(33, QLatin1Char('8')));
    const int formWidth = LabelLeft + LabelDesignWidth + 16;
    const int designFormWidth = formWidth < DesignWidth ? DesignWidth : formWidth;

    PTitel = new QLabel(title, this);
    PTitel->setObjectName(QStringLiteral("PTitel"));
    PTitel->setStyleSheet(
        QStringLiteral("background: #000080; color: white; font-weight: bold; padding-left: 6px;"));
    PTitel->setGeometry(0, 0, designFormWidth, TitleHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/message.png")));
    Image1->setGeometry(16, LabelTop - 4, 36, 36);

    Label1 = new QLabel(message + QStringLiteral("   "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    const int textWidth = fm.horizontalAdvance(Label1->text());
    const int grow = textWidth > LabelDesignWidth ? textWidth - LabelDesignWidth : 0;
    Label1->setGeometry(LabelLeft, LabelTop, LabelDesignWidth + grow, fm.height() + 4);

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    BtnOK->setAutoDefault(true);
    const int buttonLeft = LabelLeft + LabelDesignWidth / 2 - ButtonWidth / 2 + grow / 2;
    BtnOK->setGeometry(buttonLeft, ButtonTop, ButtonWidth, ButtonHeight);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

    PTitel->resize(designFormWidth + grow, TitleHeight);
    setFixedSize(designFormWidth + grow, DesignHeight);
}
