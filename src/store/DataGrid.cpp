#include "store/DataGrid.h"

#include "tablestore/DataSource.h"

#include <QHeaderView>
#include <QItemSelectionModel>

DataGrid::DataGrid(DataSource& source, QWidget* parent) : QTableView(parent), Data(&source) {
    setModel(Data);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (Following || !current.isValid() || current.row() == Data->CurrentRow())
                    return;
                if (!Data->SetCurrentRow(current.row()))
                    emit MoveRefused(Data->LastError());
            });
    connect(Data, &DataSource::CurrentRowChanged, this, [this] { ShowCurrentRow(); });
    connect(Data, &QAbstractItemModel::modelReset, this, [this] { ShowCurrentRow(); });
    ShowCurrentRow();
}

void DataGrid::ShowCurrentRow() {
    const int row = Data->CurrentRow();
    Following = true;
    if (row < 0) {
        selectionModel()->clear();
    } else if (selectionModel()->currentIndex().row() != row ||
               !selectionModel()->isRowSelected(row, QModelIndex())) {
        const QModelIndex index = Data->index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    }
    Following = false;
}
