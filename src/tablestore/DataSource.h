#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVector>

class Cursor;

// The data source of a grid: an item model over a cursor. Its rows are the
// cursor's view; choosing a row in the grid moves the cursor, and a moved
// cursor reports its row back.
class DataSource : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSource(Cursor& cursor, QObject* parent = nullptr);

    Cursor& DataSet() const { return *Source; }
    // Columns shown; without any, all fields of the table with their names.
    void AddColumn(const QString& field, const QString& title,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    void ClearColumns();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // 0-based row of the cursor, -1 when the view is empty or closed.
    int CurrentRow() const;
    // Moves the cursor; false with LastError() when the store refused.
    bool SetCurrentRow(int row);
    const QString& LastError() const { return Error; }

signals:
    void CurrentRowChanged(int row);

private:
    struct Column {
        QString Field;
        QString Title;
        Qt::Alignment Alignment;
    };
    QVector<Column> Shown() const;
    void RowsChanged();

    Cursor* Source;
    QVector<Column> Columns;
    QString Error;
};
