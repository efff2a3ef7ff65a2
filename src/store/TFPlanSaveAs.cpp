#include "store/TFPlanSaveAs.h"

#include "store/TFormInfo.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>

using namespace Qt::StringLiterals;

namespace {
constexpr int ClientWidth = 361;
constexpr int ClientHeight = 160;

void Hint(QWidget* w, const QString& hint) {
    w->setStatusTip(hint);
    w->setToolTip(hint);
}
} // namespace

TFPlanSaveAs::TFPlanSaveAs(QWidget* parent) : QDialog(parent) {
    setObjectName(u"FPlanSaveAs"_s);
    setWindowTitle(u"Fahrplan speichern unter..."_s);
    setFixedSize(ClientWidth, ClientHeight);

    auto* name = new QLabel(u"Neuer Name:"_s, this);
    name->setGeometry(10, 10, 200, 16);
    ENewNam = new QLineEdit(this);
    ENewNam->setObjectName(u"ENewNam"_s);
    ENewNam->setGeometry(10, 27, ClientWidth - 20, 21);
    name->setBuddy(ENewNam);
    auto* bem = new QLabel(u"Neue Beschreibung:"_s, this);
    bem->setGeometry(10, 56, 200, 16);
    ENewBem = new QLineEdit(this);
    ENewBem->setObjectName(u"ENewBem"_s);
    ENewBem->setGeometry(10, 73, ClientWidth - 20, 21);
    bem->setBuddy(ENewBem);

    BtnOK = new QPushButton(u"OK"_s, this);
    BtnOK->setObjectName(u"BtnOK"_s);
    BtnOK->setGeometry(ClientWidth / 2 - 94, 106, 88, 25);
    BtnOK->setDefault(true);
    Hint(BtnOK, u"Fahlplan neu abspeichern"_s);
    BtnCancel = new QPushButton(u"Abbruch"_s, this);
    BtnCancel->setObjectName(u"BtnCancel"_s);
    BtnCancel->setGeometry(ClientWidth / 2 + 6, 106, 88, 25);
    Hint(BtnCancel, u"Funktion abbrechen"_s);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    sb1 = new QStatusBar(this);
    sb1->setObjectName(u"sb1"_s);
    sb1->setSizeGripEnabled(false);
    sb1->setGeometry(0, ClientHeight - 19, ClientWidth, 19);
    // Opens where the station dialog was last closed; stores nothing itself.
    TFormInfo::Attach(*this, u"Form1"_s, TFormInfo::SaveMoment::Never);
}

bool TFPlanSaveAs::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        sb1->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}
