#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "model/PlanRec.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <algorithm>

namespace {

constexpr int FarAway = 1 << 28;

// Centre of the name in its box: the free part beside the arrow.
int NameCentreX(const TRect& n, int richtung) {
    const int free = (LabelWidth - ArrowLength) / 2;
    return richtung == RichtungRight ? n.Left + ArrowLength + free : n.Left + free;
}

// The name box and the two lines of a run. The lines touch the box's
// middle row and the facing sides of the marker boxes.
struct RunShape {
    TRect Box;
    TPoint DepFrom, DepTo;
    TPoint ArrFrom, ArrTo;
};

RunShape ShapeOfRun(const TRect& dep, const TRect& arr, const TRect& header, int richtung) {
    const int midY = dep.Bottom + (arr.Top - dep.Bottom) / 2;
    RunShape s;
    if (richtung == RichtungRight) {
        s.Box = RectOfSize(header.Right + LabelGap, midY - 7, LabelWidth, LabelHeight);
        s.DepFrom = {dep.Right, dep.Top + MarkerHalf};
        s.DepTo = {s.Box.Left, s.Box.Top + 7};
        s.ArrFrom = {s.Box.Right, s.Box.Top + 7};
        s.ArrTo = {arr.Left, arr.Top + MarkerHalf};
    } else {
        s.Box = RectOfSize(header.Left - LabelGap - LabelWidth, midY - 7, LabelWidth, LabelHeight);
        s.DepFrom = {dep.Left, dep.Top + MarkerHalf};
        s.DepTo = {s.Box.Right, s.Box.Top + 7};
        s.ArrFrom = {s.Box.Left, s.Box.Top + 7};
        s.ArrTo = {arr.Right, arr.Top + MarkerHalf};
    }
    return s;
}

// Everything a run draws but its name: the boxes, the lines between them,
// and the name box's frame one pixel beyond its right and bottom.
TRect BoundsOfRun(const TRect& dep, const TRect& arr, const TRect& box) {
    return {std::min({dep.Left, arr.Left, box.Left}), std::min({dep.Top, arr.Top, box.Top}),
            std::max({dep.Right, arr.Right, box.Right + 1}),
            std::max({dep.Bottom, arr.Bottom, box.Bottom + 1})};
}

void Line(TColor colour, Canvas& c, TPoint a, TPoint b) {
    LineColor(colour, c, a.X, a.Y, b.X, b.Y);
}

void Marker(const TRect& box, TColor colour, bool marked, Canvas& c) {
    FillRectColor(colour, box, c);
    if (marked)
        FrameRectColor(clBlack, ShrinkRect(box, 1), c);
}

void Name(Canvas& c, const TRect& box, int richtung, const QString& name, TColor text,
          TColor back) {
    const int top = box.Top + 1;
    // Only the rows matter: measuring names off the visible part is the
    // dearest thing a clipped redraw could do.
    if (!c.MayShow({-FarAway, top, FarAway, top + LabelHeight}))
        return;
    TextAt(text, back, c, AlignCentreAt, name, {NameCentreX(box, richtung), top});
}

int PointsOf(const PlanZug& z) {
    return std::clamp(z.PointCount, 0, MaxPoints);
}

} // namespace

void DrawArrow(const TRect& n, int direction, Canvas& c, TColor color) {
    const int midY = n.Top + (n.Bottom - n.Top) / 2;
    TPoint corners[3];
    if (direction == RichtungRight) {
        corners[0] = {n.Left + ArrowLength, midY};
        corners[1] = {n.Left, n.Top + ArrowInset};
        corners[2] = {n.Left, n.Bottom - ArrowInset};
    } else {
        corners[0] = {n.Right - ArrowLength, midY};
        corners[1] = {n.Right, n.Top + ArrowInset};
        corners[2] = {n.Right, n.Bottom - ArrowInset};
    }
    const TColor oldBrush = c.BrushColor();
    const TBrushStyle oldStyle = c.BrushStyle();
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(color);
    c.Polygon(corners, 3);
    c.SetBrushColor(oldBrush);
    c.SetBrushStyle(oldStyle);
}

void DrawTrain(PlanRec& plan, const DiagramView& view, Canvas& c, bool output, int slot) {
    if (slot < 1 || slot > std::min(plan.TrainCount, MaxTrains))
        return;
    PlanZug& z = plan.Trains[slot];
    if (!z.InUse)
        return;
    const bool marked = TrainIsMarked(view, slot);
    const TrainColours col = TrainColoursOf(plan, view, output, slot);
    for (int p = 1; p <= PointsOf(z); ++p) {
        PlanCnt& pt = z.Points[p];
        switch (pt.Modus) {
        case ModusDeparture: {
            const TRect box = PointMarkerRect(plan, pt.BhfIdx, pt.GlsIdx, pt.Time);
            Marker(box, col.Line, marked, c);
            pt.MarkerRect = box;
            break;
        }
        case ModusArrival: {
            // An arrival needs the departure before it.
            if (p < 2)
                break;
            const PlanCnt& from = z.Points[p - 1];
            const TRect dep = from.MarkerRect;
            const TRect arr = PointMarkerRect(plan, pt.BhfIdx, pt.GlsIdx, pt.Time);
            const TRect& header = plan.Stations[from.BhfIdx].HeaderRect;
            const int dir = pt.Richtung == RichtungRight ? RichtungRight : RichtungLeft;
            const RunShape s = ShapeOfRun(dep, arr, header, dir);
            // A run outside the visible part only stores its boxes.
            if (c.MayShow(BoundsOfRun(dep, arr, s.Box))) {
                Line(col.Line, c, s.DepFrom, s.DepTo);
                FillRectColor(col.BoxFill, s.Box, c);
                FrameRectColor(col.BoxFrame, s.Box, c);
                DrawArrow(s.Box, dir, c, col.Line);
                Line(col.Line, c, s.ArrFrom, s.ArrTo);
                Marker(arr, col.Line, marked, c);
            }
            pt.MarkerRect = arr;
            pt.LabelRect = s.Box;
            Name(c, s.Box, dir, z.Name, col.Text, col.TextBack);
            break;
        }
        case ModusStopDeparture: {
            if (p < 2)
                break;
            const TRect prev = z.Points[p - 1].MarkerRect;
            const TRect box = PointMarkerRect(plan, pt.BhfIdx, pt.GlsIdx, pt.Time);
            if (c.MayShow(BoundsOfRun(prev, box, box))) {
                LineColor(col.Line, c, prev.Left + MarkerHalf, prev.Bottom, box.Left + MarkerHalf,
                          box.Top);
                Marker(box, col.Line, marked, c);
            }
            pt.MarkerRect = box;
            break;
        }
        default:
            break;
        }
    }
}

void DrawTrains(PlanRec& plan, const DiagramView& view, Canvas& c, bool output) {
    const int trains = std::clamp(plan.TrainCount, 0, MaxTrains);
    for (int slot = 1; slot <= trains; ++slot)
        DrawTrain(plan, view, c, output, slot);
    if (output)
        ResetCanvasFont(c);
}

void HighlightTrain(PlanRec& plan, DiagramView& view, Canvas& c, bool marked) {
    view.TrainMarked = marked;
    DrawTrain(plan, view, c, ScreenOutput, view.SelTrain);
}

void DrawSIngleTrain(const PlanRec& plan, int train, int point, const TRect& r, Canvas& bitmap) {
    if (train < 1 || train > MaxTrains || point < 2 || point > MaxPoints)
        return;
    const PlanZug& z = plan.Trains[train];
    const PlanCnt& pt = z.Points[point];
    const PlanCnt& from = z.Points[point - 1];
    const int w = r.Width();
    const int h = r.Height();
    const int dir = pt.Richtung == RichtungRight ? RichtungRight : RichtungLeft;
    TRect dep, arr;
    if (dir == RichtungRight) {
        dep = RectOfSize(0, 0, MarkerSize, MarkerSize);
        arr = RectOfSize(w - MarkerSize, h - MarkerSize, MarkerSize, MarkerSize);
    } else {
        dep = RectOfSize(w - MarkerSize, 0, MarkerSize, MarkerSize);
        arr = RectOfSize(0, h - MarkerSize, MarkerSize, MarkerSize);
    }
    FillRectColor(clWhite, dep, bitmap);
    TRect header = plan.Stations[from.BhfIdx].HeaderRect;
    header.Left -= r.Left;
    header.Right -= r.Left;
    const RunShape s = ShapeOfRun(dep, arr, header, dir);
    Line(clWhite, bitmap, s.DepFrom, s.DepTo);
    FillRectColor(clWhite, s.Box, bitmap);
    FrameRectColor(clWhite, s.Box, bitmap);
    DrawArrow(s.Box, dir, bitmap, clWhite);
    Line(clWhite, bitmap, s.ArrFrom, s.ArrTo);
    FillRectColor(clWhite, arr, bitmap);
    TextAt(clBlack, clWhite, bitmap, AlignCentreAt, z.Name,
           {NameCentreX(s.Box, dir), s.Box.Top + 1});
}
