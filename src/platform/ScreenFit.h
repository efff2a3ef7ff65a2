#pragma once

#include "model/Geometry.h"

#include <QSize>

// Where a window of the given place and size goes on a screen of the given
// size: each axis that sticks out (or starts left of / above the screen) is
// moved back so the window ends at the screen's edge; if any axis had to
// move and centre is set, the window is centred instead. Size never changes.
TRect FitRectToScreen(const TRect& window, int screenWidth, int screenHeight, bool centre);

// The main window's size limits on a screen of the given size: at least
// 640 × 480, at most 1280 × 1024 and at most the screen.
inline constexpr QSize SmallestFormSize{640, 480};
QSize LargestFormSize(int screenWidth, int screenHeight);
