#include "tablestore/DataSource.h"

#include "tablestore/Cursor.h"
#include "tablestore/FieldValue.h"
#include "tablestore/StoreError.h"

#include <QMetaMethod>

DataSource::DataSource(Cursor& cursor, QObject* parent)
    : QAbstractTableModel(parent), Source(&cursor) {
    connect(Source, &Cursor::RowsChanged, this, &DataSource::RowsChanged);
    connect(Source, &Cursor::Moved, this, [this] { emit CurrentRowChanged(CurrentRow()); });
}

void DataSource::AddColumn(const QString& field, const QString& title, Qt::Alignment alignment) {
    beginResetModel();
    Columns.push_back(Column{field, title, alignment});
    endResetModel();
}

void DataSource::ClearColumns() {
    beginResetModel();
    Columns.clear();
    endResetModel();
}

QVector<DataSource::Column> DataSource::Shown() const {
    if (!Columns.isEmpty())
        return Columns;
    QVector<Column> all;
    try {
        for (const FieldDef& field : Source->Def().Fields)
            all.push_back(Column{field.Name, field.Name, Qt::AlignLeft | Qt::AlignVCenter});
    } catch (const StoreError&) {
        // A closed database shows no columns.
    }
    return all;
}

void DataSource::RowsChanged() {
    // A plan save posts thousands of rows; without a view there is nobody to reset.
    static const QMetaMethod reset = QMetaMethod::fromSignal(&QAbstractItemModel::modelReset);
    static const QMetaMethod aboutToReset =
        QMetaMethod::fromSignal(&QAbstractItemModel::modelAboutToBeReset);
    if (isSignalConnected(reset) || isSignalConnected(aboutToReset)) {
        beginResetModel();
        endResetModel();
    }
    emit CurrentRowChanged(CurrentRow());
}

int DataSource::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !Source->Active())
        return 0;
    return Source->RecordCount();
}

int DataSource::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Shown().size());
}

QVariant DataSource::data(const QModelIndex& index, int role) const {
    const QVector<Column> shown = Columns.isEmpty() ? Shown() : Columns;
    if (!index.isValid() || index.column() >= shown.size() || !Source->Active())
        return QVariant();
    const Column& column = shown[index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.Alignment);
    if (role != Qt::DisplayRole)
        return QVariant();
    const int field = Source->FieldIndex(column.Field);
    if (field < 0)
        return QVariant();
    return ValueAsString(Source->ValueAt(index.row() + 1, field), Source->Def().Fields[field]);
}

QVariant DataSource::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QVector<Column> shown = Shown();
    return section >= 0 && section < shown.size() ? QVariant(shown[section].Title) : QVariant();
}

int DataSource::CurrentRow() const {
    return Source->Active() && !Source->IsEmpty() ? Source->RecNo() - 1 : -1;
}

bool DataSource::SetCurrentRow(int row) {
    Error.clear();
    try {
        Source->SetRecNo(row + 1);
        return true;
    } catch (const StoreError& e) {
        Error = e.Text();
        return false;
    }
}
