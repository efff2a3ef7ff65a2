#include "diagram/ColorTable.h"

namespace {
constexpr TColor Table[ColorTableSize] = {clBlack, clGray,   clMaroon,  clOlive, clGreen,  clTeal,
                                          clNavy,  clPurple, clSilver,  clRed,   clYellow, clLime,
                                          clAqua,  clBlue,   clFuchsia, clWhite};
}

TColor ColorTableEntry(int index) {
    if (index < 0 || index >= ColorTableSize)
        return clBlue;
    return Table[index];
}

TColor ColorOfItem(int itemIndex, int itemCount) {
    if (itemIndex < 0 || itemIndex >= itemCount || itemIndex >= ColorTableSize)
        return clBlue;
    return Table[itemIndex];
}

int SelectColorItem(int currentIndex, TColor color, int itemCount) {
    for (int i = 0; i < itemCount && i < ColorTableSize; ++i) {
        if (Table[i] == color)
            return i;
    }
    return currentIndex;
}
