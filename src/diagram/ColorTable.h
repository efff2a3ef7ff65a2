#pragma once

#include "model/Geometry.h"

// The 16 colours the colour boxes offer, in their item order. Trains and the
// background keep colour values from this table, never indexes.
constexpr int ColorTableSize = 16;
// The train colour box offers all but the last entry (white).
constexpr int TrainColorItems = 15;
constexpr int BackColorItems = 16;

constexpr TColor clBlack = 0x000000;
constexpr TColor clGray = 0x808080;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clOlive = 0x008080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clTeal = 0x808000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clWhite = 0xFFFFFF;

// Colour value of table entry index (0 … 15).
TColor ColorTableEntry(int index);

// Colour of a colour box's selected item: index 13, no selection (−1) and
// any index outside the box's items give blue.
TColor ColorOfItem(int itemIndex, int itemCount = BackColorItems);

// The item index a colour box should select for color; a colour that is
// not among the box's items keeps currentIndex.
int SelectColorItem(int currentIndex, TColor color, int itemCount = BackColorItems);
