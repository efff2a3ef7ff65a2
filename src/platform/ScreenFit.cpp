#include "platform/ScreenFit.h"

TRect FitRectToScreen(const TRect& window, int screenWidth, int screenHeight, bool centre) {
    const int w = window.Width();
    const int h = window.Height();
    int left = window.Left;
    int top = window.Top;
    bool moved = false;
    if (window.Right > screenWidth || window.Left < 0) {
        left = screenWidth - w;
        moved = true;
    }
    if (window.Bottom > screenHeight || window.Top < 0) {
        top = screenHeight - h;
        moved = true;
    }
    if (moved && centre) {
        left = screenWidth / 2 - w / 2;
        top = screenHeight / 2 - h / 2;
    }
    return {left, top, left + w, top + h};
}

QSize LargestFormSize(int screenWidth, int screenHeight) {
    return QSize(1280, 1024)
        .boundedTo(QSize(screenWidth, screenHeight))
        .expandedTo(SmallestFormSize);
}
