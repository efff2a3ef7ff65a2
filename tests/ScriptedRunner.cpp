#include "ScriptedRunner.h"

#include "platform/TFMsgOK.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

ScriptedRunner::ScriptedRunner() {
    SetDialogRunner(this);
}

ScriptedRunner::~ScriptedRunner() {
    SetDialogRunner(nullptr);
    EXPECT_TRUE(Answers.empty()) << "not every scripted answer was used";
}

void ScriptedRunner::QueueButton(const QString& caption) {
    Queue([caption](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        if (!box) {
            ADD_FAILURE() << "expected a message box";
            return int(QDialog::Rejected);
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == caption) {
                b->click();
                return box->result();
            }
        ADD_FAILURE() << "no button " << caption.toStdString();
        return int(QDialog::Rejected);
    });
}

int ScriptedRunner::Exec(QDialog& dialog) {
    ShownDialog shown{QString::fromLatin1(dialog.metaObject()->className()), dialog.windowTitle(),
                      QString()};
    if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        shown.Text = box->text();
    if (auto* msg = qobject_cast<TFMsgOK*>(&dialog)) {
        shown.Title = msg->PTitel->text();
        // The label carries three spaces after the message.
        shown.Text = msg->Label1->text();
        if (shown.Text.endsWith(QStringLiteral("   ")))
            shown.Text.chop(3);
    }
    Shown.push_back(shown);
    if (!Answers.empty()) {
        Answer answer = std::move(Answers.front());
        Answers.pop_front();
        const int result = answer(dialog);
        dialog.setResult(result);
        return result;
    }
    if (qobject_cast<TFMsgOK*>(&dialog)) {
        dialog.accept();
        return QDialog::Accepted;
    }
    ADD_FAILURE() << "unexpected dialog " << shown.Kind.toStdString() << " \""
                  << shown.Title.toStdString() << "\": " << shown.Text.toStdString();
    dialog.reject();
    return QDialog::Rejected;
}
