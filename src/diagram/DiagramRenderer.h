#pragma once

#include "diagram/DiagramView.h"
#include "model/Geometry.h"

#include <QString>

class Canvas;
struct PlanRec;

// The one renderer of the diagram: the paint box's screen image, printing
// and the picture export all draw through these routines. They take any
// canvas (which may be shifted and clipped to show a part) and store the
// rectangles they use back into the plan for the hit tests.

// Canvas size of the plan, (0, 0, width, height). The width holds every
// station column with its name-box lane and the right margin: where the
// plain sum of the columns would cut off the last header (16 stations and
// more) the canvas grows just enough to hold it.
TRect PlanCanvasRect(const PlanRec& plan);
// Sizing part of ResizePlan: PlanRect := PlanCanvasRect. The caller sizes
// the paint box to it and repaints.
void ResizePlan(PlanRec& plan);

// y of a time of day (hour and minute only) on the time axis.
int TimeToY(const PlanRec& plan, double time);
// The 7 × 7 marker box of a point, from the track's X of the last drawing.
TRect PointMarkerRect(const PlanRec& plan, int station, int track, double time);

// Background, time axis, hour labels and grid; sets the time-axis values of
// view and the left, top and bottom of DiagramArea. In output mode it sets
// the output font, which DrawTrains resets.
void DrawBackground(PlanRec& plan, DiagramView& view, Canvas& c, bool output, int width);
// The description at (10, 10). It follows ColourPrint on every canvas; a
// text that differs from the stored PlanDescription erases the old one
// first (the description edit draws before it stores).
void DrawDescription(const PlanRec& plan, const DiagramView& view, const QString& text, Canvas& c);
// Station headers and track lines; stores HeaderRect, ColumnRect, TrackRect,
// X, HeaderArea and DiagramArea.Right.
void DrawStations(PlanRec& plan, const DiagramView& view, Canvas& c, bool output);
// Every train in use, in slot order; stores MarkerRect and LabelRect.
void DrawTrains(PlanRec& plan, const DiagramView& view, Canvas& c, bool output);
// One train as DrawTrains draws it.
void DrawTrain(PlanRec& plan, const DiagramView& view, Canvas& c, bool output, int slot);
// The direction arrow inside name box n: filled with color, outlined in the
// canvas's pen colour; the brush colour is kept.
void DrawArrow(const TRect& n, int direction, Canvas& c, TColor color);
// TrainMarked := marked, and train SelTrain (if in use) drawn anew on the
// screen canvas in that look; nothing else is redrawn.
void HighlightTrain(PlanRec& plan, DiagramView& view, Canvas& c, bool marked);
// The run ending at arrival point of train, drawn white into a drag image
// whose top left is r's top left (prepared black by the caller); the name
// is written black on white.
void DrawSIngleTrain(const PlanRec& plan, int train, int point, const TRect& r, Canvas& bitmap);

// Full screen drawing: background, description, stations, trains.
void PaintPlan(PlanRec& plan, DiagramView& view, Canvas& c);
// The picture of the export: background, stations and trains in output mode.
void DrawOutputPicture(PlanRec& plan, DiagramView& view, Canvas& c);
// The picture of plan printing: as the export, then the description.
void DrawPrintPicture(PlanRec& plan, DiagramView& view, Canvas& c);
