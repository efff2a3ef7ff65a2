#pragma once

#include <QImage>

// The pictures of the drop-down lists, drawn by the program.

constexpr int GridSampleWidth = 70;
constexpr int GridSampleHeight = 13;
constexpr int SwatchWidth = 30;
constexpr int SwatchHeight = 14;

// The line-style sample of GridChoiceBox item style (1 solid, 2 dotted,
// 3 dash-dot, 4 dashed): a black line across the middle row of a white
// 70 × 13 picture. "<Ohne>" (0) and unknown styles have none (null image).
QImage GridStyleSample(int style);

// The 30 × 14 swatch of colour-box item itemIndex: the colour framed in
// black. The background box (16 items) shows no swatch for its last entry,
// white (null image); the train colour box has 15 items, all with swatches.
QImage ColourSwatch(int itemIndex, int itemCount);
