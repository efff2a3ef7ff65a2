#include "tablestore/TableDef.h"

#include <QFileInfo>

QString TableDef::TableName() const {
    return QFileInfo(FileName).completeBaseName();
}

int TableDef::FieldIndex(const QString& name) const {
    for (int i = 0; i < Fields.size(); ++i)
        if (Fields[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TableDef::AutoIncField() const {
    for (int i = 0; i < Fields.size(); ++i)
        if (Fields[i].Type == FieldType::AutoInc)
            return i;
    return -1;
}

const IndexDef* TableDef::FindIndex(const QString& name) const {
    for (const IndexDef& index : Indexes)
        if (index.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &index;
    return nullptr;
}

QStringList TableDef::KeyFields(const QString& indexName) const {
    if (!indexName.isEmpty()) {
        const IndexDef* index = FindIndex(indexName);
        return index ? index->Fields : QStringList{};
    }
    if (!PrimaryKey.isEmpty())
        return PrimaryKey;
    const int autoInc = AutoIncField();
    return autoInc >= 0 ? QStringList{Fields[autoInc].Name} : QStringList{};
}
