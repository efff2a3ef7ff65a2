#pragma once

#include "model/PlanRec.h"

#include <QImage>

#include <initializer_list>

struct DiagramView;

// Small plans built in code, shared by the diagram and export tests and the
// benchmarks.

// Stations with the given track counts, abbreviations "A", "B", …, tracks
// designated "1", "2", ….
PlanRec PlanWithStations(std::initializer_list<int> trackCounts, int startHour, int endHour,
                         int zoom);

// Appends a train of one run from (s1, g1, h1:m1) to (s2, g2, h2:m2).
int AddRun(PlanRec& plan, TColor color, int s1, int g1, int h1, int m1, int s2, int g2, int h2,
           int m2, int richtung);

// The worked example: 6 to 8 o'clock at zoom 1, station 1 with 2 tracks,
// station 2 with 3, one train from 1/1 at 06:10 to 2/2 at 06:40.
PlanRec WorkedExample(TColor trainColor);

// Stations of equal track counts and trains that shuttle along the line,
// 0 to 24 h: every train starts at its own station and time and runs 20
// minutes to the next station, stopping 5 minutes there.
PlanRec GeneratedPlan(int stations, int tracks, int trains, int points, int zoom);

// The largest plan: 20 stations × 30 tracks, 50 trains × 100 points,
// 0 to 24 h at zoom 9.
PlanRec LargestPlan();

// A full drawing of the plan (sized first) on a fresh image.
QImage RenderScreen(PlanRec& plan, DiagramView& view);
QImage RenderOutput(PlanRec& plan, DiagramView& view);

inline TColor PixelAt(const QImage& img, int x, int y) {
    const QRgb p = img.pixel(x, y);
    return static_cast<TColor>(qRed(p)) | (static_cast<TColor>(qGreen(p)) << 8) |
           (static_cast<TColor>(qBlue(p)) << 16);
}
