#pragma once

#include "model/Geometry.h"

// Where a window of the given place and size goes on a screen of the given
// size: each axis that sticks out (or starts left of / above the screen) is
// moved back so the window ends at the screen's edge; if any axis had to
// move and centre is set, the window is centred instead. Size never changes.
TRect FitRectToScreen(const TRect& window, int screenWidth, int screenHeight, bool centre);
