#pragma once

#include "model/Geometry.h"

#include <QString>

#include <vector>

class Canvas;
class Cursor;

// The station poster: the chosen station's arrivals or departures in time
// order, drawn as entry boxes in two columns with a grey band for every new
// hour. The window draws it with the screen values, the print with its own.

// One row of TmpPlan.DAT as the drawing needs it; times in whole minutes.
struct StationEntry {
    int Minute = 0;
    QString Track;
    QString Train;
    QString Next;
    int NextMinute = 0;
    QString End;
    int EndMinute = 0;
    int Hour() const;
};

// The rows of the cursor's current range, from its first row on.
std::vector<StationEntry> ReadStationEntries(Cursor& tTabPlan);

struct StationLayoutParams {
    int BandHeight = 19;
    int BoxHeight = 36;
    int Margin = 20;
    int Padding = 4;
    int RightBandTextOffset = 2;
    QString BoldFont;
    int BoldSize = 8;
    QString RegularFont;
    int RegularSize = 8;
    int TimeColumn = 0;  // W1
    int TrackColumn = 0; // W2
    // Pen width of the bands and boxes (the printer scales it).
    int PenWidth = 1;
};

// The screen values; W1 and W2 measured with the canvas's current font.
StationLayoutParams ScreenLayoutParams(Canvas& canvas);

// How many of the rows go to the left column: the split of the drawing's
// height in two halves, starting from `initialHour` as the hour before the
// first row (0 on the screen, the first row's hour in print).
int LeftColumnCount(const StationEntry* rows, int count, const StationLayoutParams& params,
                    int initialHour);

// Height of the paint box for the rows: the poster's estimate, grown where
// the columns would reach further so that no entry is cut off.
int StationTimetableHeight(const StationEntry* rows, int count, int leftCount,
                           const StationLayoutParams& params);

// Draws the rows into `area` (its left, top and width count): `leftCount`
// rows in the left column, the rest in the right one.
void DrawStationTimetable(Canvas& canvas, const StationEntry* rows, int count, int leftCount,
                          const StationLayoutParams& params, const TRect& area);

// Where the drawing puts things, for the window and for tests.
struct StationColumnGeometry {
    int Width = 0;  // C
    int LeftX = 0;  // left column
    int RightX = 0; // right column
    int Top = 0;
};
StationColumnGeometry StationColumns(const StationLayoutParams& params, const TRect& area);
// Top of each row's box and, per row, whether a band is drawn above it
// (the band at the top of the left column belongs to the first row).
struct StationBoxPlace {
    int X = 0;
    int Y = 0;
    bool Band = false;
    int BandY = 0;
};
std::vector<StationBoxPlace> StationBoxPlaces(const StationEntry* rows, int count, int leftCount,
                                              const StationLayoutParams& params, const TRect& area);
