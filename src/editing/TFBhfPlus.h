#pragma once

#include <QDialog>

class Cursor;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QWidget;

// "Verfügbare Bahnhöfe": the stations of the database not yet in the plan,
// one to choose for appending. On OK the cursor stands on the chosen row.
class TFBhfPlus : public QDialog {
    Q_OBJECT
public:
    // Lists the rows of `stations` (tBhfU); the grid follows its current row.
    explicit TFBhfPlus(Cursor& stations, QWidget* parent = nullptr);

    QWidget* ButtonPanel = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QTableWidget* DBGrid2 = nullptr;
    QStatusBar* sb1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillGrid();
    void OKBtnMouseMove(QObject* control);

    Cursor& Stations;
};
