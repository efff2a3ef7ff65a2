#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QWidget;

// Pieces the table windows share: the top panel's buttons, the hint in the
// status bar, the string grid.

// Printer speed button with the hint "Tabelle ausdrucken"; having no
// caption, it carries the hint as its accessible name too.
QToolButton* MakePrintButton(QWidget* parent, int x, int y, int width, int height);
// "OK" with the hint "Zurück": default and cancel button of the window.
QPushButton* MakeOkButton(QWidget* parent, int x, int y);
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y);
// Drop-down list at x, y, 21 pixels high; its label's text (without the
// colon) is its accessible name.
QComboBox* MakeChoice(QWidget* parent, const char* name, const QString& accessibleName, int x,
                      int y, int width, const QStringList& items = {});
// Status bar with one simple panel and no size grip.
QStatusBar* MakeStatusBar(QWidget* parent);
// String grid: one fixed header row, no fixed column, lines, whole rows
// selected, no editing, rows 18 pixels high.
QTableWidget* MakeGrid(QWidget* parent, const QStringList& headers, const QVector<int>& widths);
void SetGridRow(QTableWidget* grid, int row, const QStringList& cells);

// Writes the hint of the control under the pointer into the status bar
// (the windows' OKBtnMouseMove).
class HintToStatus : public QObject {
public:
    HintToStatus(QStatusBar* bar, const QList<QWidget*>& controls);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStatusBar* Bar;
};
