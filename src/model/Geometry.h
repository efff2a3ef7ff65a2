#pragma once

#include <cstdint>

// Colours are kept as 0x00BBGGRR values everywhere in the program; only the
// canvas adapter turns them into toolkit colours.
using TColor = std::uint32_t;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect& a, const TRect& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};
