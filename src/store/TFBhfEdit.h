#pragma once

#include "store/StationDb.h"

#include <QDialog>

class Cursor;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

// Name, abbreviation and track count of one station, bound to the row the
// station cursor is inserting or editing. OK writes what was typed into
// that row (after checking it); the caller posts or cancels the row.
class TFBhfEdit : public QDialog {
    Q_OBJECT
public:
    explicit TFBhfEdit(Cursor& station, QWidget* parent = nullptr);

    // Fills the fields from the cursor's current (or pending) row.
    void ReadRow();
    StationInput Input() const;
    void SetInput(const StationInput& input);

    void OKBtnClick();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* DBEdit1 = nullptr; // Bahnhof
    QLineEdit* DBEdit2 = nullptr; // Abk
    QLineEdit* DBEdit3 = nullptr; // NumGleise
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    bool event(QEvent* event) override;

private:
    Cursor& tBhf;
};
