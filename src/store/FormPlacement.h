#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// Remembered window positions without a window: where a stored position
// goes on the monitors of today, the names a placement is kept under, and
// reading and writing a section of the placement file.

// Where a window of `size` stored at `stored` opens. A window may stick out
// up to 24 pixels beyond an edge of its monitor before it is moved back;
// a window larger than its monitor keeps its top and left on it. With
// several monitors a position on one of them stays as it is, one on none is
// moved onto the nearest monitor by the same rule. `monitors` lists the
// primary monitor first; without monitors nothing moves.
QPoint FitPlacement(QPoint stored, QSize size, const QList<QRect>& monitors);

// The names a placement component works under. Empty ones are filled in
// before reading (forSave false) or writing (forSave true); `ownerName` is
// the window's object name, `programFile` the program's file name.
struct FormInfoNames {
    QString Company;
    QString AppName;
    QString FormName;
};
FormInfoNames ResolveFormInfoNames(FormInfoNames names, const QString& ownerName, bool forSave,
                                   const QString& programFile);

// A section of the placement file. Missing values stay unset.
struct StoredPlacement {
    bool HasLeft = false, HasTop = false, HasWidth = false, HasHeight = false;
    bool HasNormalState = false;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool NormalState = true;
};

// The folder the placement file lies in: the program's own, unless a test
// put it elsewhere.
QString PlacementDirectory();
void SetPlacementDirectory(const QString& dir);
// `fileName` taken relative to PlacementDirectory().
QString PlacementFilePath(const QString& fileName);

// Reads section `section`; a value that is not a number counts as missing.
StoredPlacement ReadPlacement(const QString& path, const QString& section);
// Writes "WindowState" (1 or 0), "Top", "Left" and, with `withSize`,
// "Width" and "Height". False when the file could not be written.
bool WritePlacement(const QString& path, const QString& section, const StoredPlacement& placement,
                    bool withSize);
