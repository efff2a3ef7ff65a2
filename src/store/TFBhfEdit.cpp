#include "store/TFBhfEdit.h"

#include "platform/Messages.h"
#include "store/TFormInfo.h"
#include "tablestore/Cursor.h"
#include "tablestore/StoreError.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QStatusTipEvent>

using namespace Qt::StringLiterals;

namespace {

template <typename W> W* Hinted(W* widget, const QString& hint) {
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
    return widget;
}

} // namespace

TFBhfEdit::TFBhfEdit(Cursor& station, QWidget* parent) : QDialog(parent), tBhf(station) {
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Bahnhof eingeben"_s);
    setFixedSize(303, 145);

    auto row = [this](QLabel*& label, QLineEdit*& edit, const char* name, const QString& caption,
                      int y, int width, int length) {
        label = new QLabel(caption, this);
        label->setGeometry(16, y + 3, 80, 16);
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(104, y, width, 21);
        edit->setMaxLength(length);
        edit->setAccessibleName(caption);
        label->setBuddy(edit);
    };
    row(Label1, DBEdit1, "DBEdit1", u"Bezeichnung:"_s, 12, 181, 20);
    row(Label2, DBEdit2, "DBEdit2", u"Abkürzung:"_s, 38, 65, 5);
    row(Label3, DBEdit3, "DBEdit3", u"Gleisanzahl:"_s, 64, 41, 10);
    // The count takes only what a whole number is made of; what still is
    // none is refused on OK.
    DBEdit3->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[-+0-9]*"_s), DBEdit3));

    OKBtn = Hinted(new QPushButton(u"OK"_s, this), u"Neuen Bahnhof abspeichern"_s);
    OKBtn->setObjectName(u"OKBtn"_s);
    OKBtn->setGeometry(128, 94, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = Hinted(new QPushButton(u"Abbruch"_s, this), u"Funktion abbrechen"_s);
    CancelBtn->setObjectName(u"CancelBtn"_s);
    CancelBtn->setGeometry(212, 94, 75, 25);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(u"StatusBar1"_s);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 126, 303, 19);

    TFormInfo::Attach(*this, u"Form1"_s);
}

void TFBhfEdit::ReadRow() {
    SetInput(StationInputOfRow(tBhf));
}

StationInput TFBhfEdit::Input() const {
    return StationInput{DBEdit1->text(), DBEdit2->text(), DBEdit3->text()};
}

void TFBhfEdit::SetInput(const StationInput& input) {
    DBEdit1->setText(input.Name);
    DBEdit2->setText(input.Abbr);
    DBEdit3->setText(input.Count);
}

void TFBhfEdit::OKBtnClick() {
    int tracks = 0;
    const QString error = StationInputError(Input(), tracks);
    if (!error.isEmpty()) {
        // The dialog stays open with everything typed.
        ShowMessageBox(u"Fehler"_s, error);
        return;
    }
    try {
        PutStationInput(tBhf, Input());
    } catch (const StoreError& e) {
        ShowMessageBox(u"Fehler"_s, e.Text());
        return;
    }
    accept();
}

bool TFBhfEdit::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}
