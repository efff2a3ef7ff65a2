#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Remembers where a window was: restores its position when the window is
// made and stores it when asked (or, once attached, when the window closes).
// Positions live in the sections of "FormSave.ini" beside the program.
//
// A window adopts it with one line in its constructor, after its size is set:
//     TFormInfo::Attach(*this, QStringLiteral("FBhfDB"));
class TFormInfo : public QObject {
    Q_OBJECT
public:
    // When an attached component stores the position by itself.
    enum class SaveMoment {
        OnClose, // when the window closes (a dialog's finish, a window's hide)
        Never,   // restored only
        Explicit // the window calls Save (the main window, when destroyed)
    };

    explicit TFormInfo(QWidget& owner);

    bool AutoLoad = true;
    QString Company = QStringLiteral("mxSoftware");
    QString AppName = QStringLiteral("Morvask");
    QString FormName; // empty: the owner's object name
    // This platform has no per-user registry; the file serves either way.
    bool UseIniFile = true;
    QString IniFileName = QStringLiteral("FormSave.ini");
    bool SetWindowStyle = false;
    bool SaveSize = false;

    void Load();
    void Save();

    // Creates the component "FormInfo1" on `window` with section `formName`,
    // restores the window's position and stores it at `when`.
    static TFormInfo* Attach(QWidget& window, const QString& formName,
                             SaveMoment when = SaveMoment::OnClose);

    // The failed write is told once per run; tests start afresh with this.
    static void ResetWriteFailureNotice();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& Owner;
};
