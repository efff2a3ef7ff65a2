#pragma once

#include "platform/DialogRunner.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class QDialog;

// A dialog the program showed, as the user would have read it.
struct ShownDialog {
    QString Kind; // class name of the dialog
    QString Title;
    QString Text; // of the message window: the message without the label's padding
};

// Stands in for the user during a test: records every dialog and answers
// it from a queue. The program's message window (one OK button) is
// confirmed by itself; any other dialog without a queued answer fails the
// test and is cancelled, so a test never hangs.
class ScriptedRunner final : public DialogRunner {
public:
    using Answer = std::function<int(QDialog&)>;

    ScriptedRunner();
    ~ScriptedRunner() override;

    int Exec(QDialog& dialog) override;
    void Queue(Answer answer) { Answers.push_back(std::move(answer)); }
    // Clicks the button with this caption in a message box.
    void QueueButton(const QString& caption);
    void QueueYes() { QueueButton(QStringLiteral("Ja")); }
    void QueueNo() { QueueButton(QStringLiteral("Nein")); }

    std::vector<ShownDialog> Shown;
    bool AllAnswersUsed() const { return Answers.empty(); }

private:
    std::deque<Answer> Answers;
};
