#pragma once

#include <QTableView>

class DataSource;

// A read-only grid over a data source: one line per row of its cursor,
// whole-row selection; choosing a line moves the cursor, and a cursor
// moved elsewhere moves the selection.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(DataSource& source, QWidget* parent = nullptr);

    DataSource& Source() const { return *Data; }
    // Selects the line of the cursor's current row.
    void ShowCurrentRow();

signals:
    // The store refused to move the cursor; the text is for the user.
    void MoveRefused(const QString& text);

private:
    DataSource* Data;
    bool Following = false;
};
