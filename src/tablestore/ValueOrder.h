#pragma once

#include <QVariant>

// Compares two stored values in SQLite's order with binary collation:
// NULL, then numbers by value, then text by its UTF-8 bytes, then blobs.
int CompareValues(const QVariant& a, const QVariant& b);
