#pragma once

#include <QDialog>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTableView;
class QToolButton;
class QVBoxLayout;
class QWidget;
class Tdm;

// The station database: a grid of all stations, the designations of the
// chosen station's tracks, and commands to create, edit and delete
// stations. Every change is stored when it is made; OK and "Abbruch" only
// close the window.
class TFBhfDB : public QDialog {
    Q_OBJECT
public:
    explicit TFBhfDB(Tdm& tables, QWidget* parent = nullptr);

    void NewBhfClick();
    void EditBhfClick();
    void DelBhfClick();

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QToolButton* NavFirst = nullptr;
    QToolButton* NavPrior = nullptr;
    QToolButton* NavNext = nullptr;
    QToolButton* NavLast = nullptr;
    QToolButton* NewBhf = nullptr;
    QToolButton* EditBhf = nullptr;
    QToolButton* DelBhf = nullptr;
    QTableView* DBGrid1 = nullptr;
    QLabel* GleisHeader = nullptr;
    QScrollArea* DBCtrlGrid1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    // The designation edits of the tracks shown, in track order.
    QVector<QLineEdit*> BezEdits;

protected:
    bool event(QEvent* event) override;

private:
    void CreateButtons();
    void CreateToolBar();
    void Navigate(const QToolButton* button);
    void CreateGrid();
    void CreateTrackList();
    void ShowTracks();
    void SelectCurrentStation();
    void BezChange(int track, const QString& text);

    Tdm& dm;
    QWidget* TrackRows = nullptr;
    QVBoxLayout* TrackLayout = nullptr;
    bool StoringBez = false;
    bool Selecting = false;
};
