#pragma once

#include "diagram/DiagramGeometry.h"
#include "model/Geometry.h"

struct PlanRec;

// What the renderer needs of the main window besides the plan: the
// "Farbdruck" flag, the marked train and the time-axis values the drawing
// computes (read back by the pointer code).
struct DiagramView {
    bool ColourPrint = true;
    bool TrainMarked = false;
    int SelTrain = 0;
    int TimeAxisX = LeftMargin;
    int TimeTop = TopMargin;
    int TimeSpan = 0;
    int TimeBottom = TopMargin;
};

// Output flag of the drawing routines.
constexpr bool ScreenOutput = false;
constexpr bool PrintOutput = true;

// Colours of the three output modes: screen, colour output (output and
// ColourPrint) and black-and-white output (output and not ColourPrint).
bool BlackAndWhite(const DiagramView& view, bool output);
// Page background B.
TColor PageBackground(const PlanRec& plan, const DiagramView& view, bool output);
// Axis, ticks, hour labels, track lines and designations.
TColor ForegroundOn(TColor background, const DiagramView& view, bool output);
TColor HeaderColour(bool stationMarked, const DiagramView& view, bool output);

struct TrainColours {
    TColor Line;    // markers, lines, arrow
    TColor BoxFill; // name box
    TColor BoxFrame;
    TColor Text; // train name
    TColor TextBack;
};
TrainColours TrainColoursOf(const PlanRec& plan, const DiagramView& view, bool output, int slot);
bool TrainIsMarked(const DiagramView& view, int slot);
