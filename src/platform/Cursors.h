#pragma once

#include <QCursor>

// Pointer shapes registered under numbers, as the editor asks for them.
constexpr int CursorDeparture = 1;
constexpr int CursorArrival = 2;
constexpr int CursorStop = 3;

// Loads "CURAB", "CURAN" and "CURWT" from the resources as cursors 1, 2, 3.
void RegisterInsertionCursors();
void RegisterCursor(int id, const QCursor& cursor);
// The registered cursor, or the arrow for an unknown id.
QCursor CursorById(int id);
bool CursorRegistered(int id);
