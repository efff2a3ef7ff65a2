#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Field types of the table store. The numeric values are never stored.
enum class FieldType { AutoInc, Integer, SmallInt, String, Boolean, Time };

struct FieldDef {
    QString Name;
    FieldType Type = FieldType::Integer;
    int Size = 0; // characters of a string field
};

struct IndexDef {
    QString Name;
    QStringList Fields;
    bool Unique = false;
};

// One table: a file in the database directory holding one SQLite table
// named after the file stem.
struct TableDef {
    QString FileName;
    QList<FieldDef> Fields;
    // Key of the primary index; empty means the auto-increment field, that is
    // insertion order.
    QStringList PrimaryKey;
    QString PrimaryIndexName; // only needed when the key is not the auto-increment field
    QList<IndexDef> Indexes;
    // Scratch tables are refilled at will; their writes are not synced to disk.
    bool Scratch = false;

    QString TableName() const;
    int FieldIndex(const QString& name) const; // -1 when unknown; letter case ignored
    int AutoIncField() const;                  // -1 when the table has none
    const IndexDef* FindIndex(const QString& name) const;
    // Key fields of the named index; the empty name gives the primary key.
    QStringList KeyFields(const QString& indexName) const;
};
