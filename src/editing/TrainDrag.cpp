#include "editing/TrainDrag.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramGeometry.h"
#include "diagram/DiagramRenderer.h"
#include "editing/TrainMove.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <algorithm>
#include <climits>

namespace {

int PointsOf(const PlanZug& z) {
    return std::clamp(z.PointCount, 0, MaxPoints);
}

bool IsArrivalBeforeStop(int variant) {
    return variant == 3 || variant == 6 || variant == 9 || variant == 11;
}

bool IsDepartureAfterStop(int variant) {
    return variant == 4 || variant == 5 || variant == 10 || variant == 12;
}

// The four variants of a point between two runs, by the directions of the
// run it ends or starts and of the run on its other side.
int ByDirections(int first, int second, const int (&variants)[4]) {
    if (first == RichtungRight && second == RichtungRight)
        return variants[0];
    if (first == RichtungLeft && second == RichtungLeft)
        return variants[1];
    if (first == RichtungRight && second == RichtungLeft)
        return variants[2];
    if (first == RichtungLeft && second == RichtungRight)
        return variants[3];
    return 0;
}

bool ValidTrainPoint(const PlanRec& plan, int train, int point) {
    if (train < 1 || train > std::min(plan.TrainCount, MaxTrains))
        return false;
    const PlanZug& z = plan.Trains[train];
    return z.InUse && point >= 1 && point <= PointsOf(z);
}

// One run of the preview: its two marker boxes and which side of the
// dragged point's station its other end lies on.
struct PreviewRun {
    TRect Dep;
    TRect Arr;
    bool GoesRight = true;
    bool NeighbourRight = true;
};

void DrawPreviewRun(const PreviewRun& run, const TRect& header, const QString& name, Canvas& c) {
    const TRect& upper = run.Arr.Top < run.Dep.Top ? run.Arr : run.Dep;
    const TRect& lower = run.Arr.Top < run.Dep.Top ? run.Dep : run.Arr;
    const int left =
        run.NeighbourRight ? header.Right + LabelGap : header.Left - LabelGap - LabelWidth;
    const int top = upper.Bottom + (lower.Top - upper.Bottom) / 2 - 7;
    const TRect box = RectOfSize(left, top, LabelWidth, LabelHeight);
    if (run.GoesRight) {
        LineColor(clWhite, c, run.Dep.Right, run.Dep.Top + MarkerHalf, box.Left, box.Top + 7);
        LineColor(clWhite, c, box.Right, box.Top + 7, run.Arr.Left, run.Arr.Top + MarkerHalf);
    } else {
        LineColor(clWhite, c, run.Dep.Left, run.Dep.Top + MarkerHalf, box.Right, box.Top + 7);
        LineColor(clWhite, c, box.Left, box.Top + 7, run.Arr.Right, run.Arr.Top + MarkerHalf);
    }
    FillRectColor(clWhite, box, c);
    FrameRectColor(clWhite, box, c);
    DrawArrow(box, RichtungRight, c, clWhite);
    const int free = (LabelWidth - ArrowLength) / 2;
    TextAt(clBlack, clWhite, c, AlignCentreAt, name, {box.Left + ArrowLength + free, box.Top + 1});
}

} // namespace

int ClassifyDragPoint(const PlanZug& z, int n) {
    const int count = PointsOf(z);
    if (count < 2 || n < 1 || n > count)
        return 0;
    const auto& p = z.Points;
    int variant = 0;
    if (n == 1)
        variant = p[2].Richtung == RichtungRight ? 1 : p[2].Richtung == RichtungLeft ? 7 : 0;
    if (n == count)
        variant = p[n].Richtung == RichtungRight ? 2 : p[n].Richtung == RichtungLeft ? 8 : 0;
    if (n + 2 <= count && p[n].Modus == ModusArrival && p[n + 1].Modus == ModusStopDeparture &&
        p[n + 2].Modus == ModusArrival && p[n + 1].Richtung == p[n].Richtung)
        variant = ByDirections(p[n].Richtung, p[n + 2].Richtung, {3, 6, 9, 11});
    if (n >= 2 && n + 1 <= count && p[n - 1].Modus == ModusArrival &&
        p[n].Modus == ModusStopDeparture && p[n + 1].Modus == ModusArrival &&
        p[n - 1].Richtung == p[n].Richtung)
        variant = ByDirections(p[n].Richtung, p[n + 1].Richtung, {4, 5, 10, 12});
    return variant;
}

int StopPartnerOf(int variant, int point) {
    if (IsArrivalBeforeStop(variant))
        return point + 1;
    if (IsDepartureAfterStop(variant))
        return point - 1;
    return 0;
}

PointDragFrame PointDragFrameOf(const PlanRec& plan, int train, int n, int variant, int pressY) {
    PointDragFrame f;
    if (!ValidTrainPoint(plan, train, n))
        return f;
    const PlanZug& z = plan.Trains[train];
    const int count = PointsOf(z);
    // Every point the variant looks at must exist.
    const int need = variant == 1 || variant == 7    ? n + 1
                     : IsArrivalBeforeStop(variant)  ? n + 2
                     : IsDepartureAfterStop(variant) ? n + 1
                                                     : n;
    const int needBefore = IsDepartureAfterStop(variant)  ? n - 2
                           : variant == 1 || variant == 7 ? n
                                                          : n - 1;
    if (variant < 1 || variant > 12 || need > count || needBefore < 1)
        return f;
    const auto box = [&](int k) { return z.Points[k].MarkerRect; };
    const PlanBhf& st = plan.Stations[z.Points[n].BhfIdx];
    const int x1 = st.Tracks[1].X - MarkerHalf;
    const int xg = st.Tracks[std::clamp(st.TrackCount, 1, MaxTracks)].X + MarkerHalf;
    const TRect& area = plan.DiagramArea;
    switch (variant) {
    case 1:
        // The image reaches the arrival's own box, so the departure's box is
        // never cut off when it is dragged down to the arrival's minute.
        f.ImageRect = {x1, area.Top, box(n + 1).Right, box(n + 1).Bottom};
        f.Bounds = {x1, area.Top, xg, box(n + 1).Bottom - plan.Zoom};
        break;
    case 7:
        f.ImageRect = {box(n + 1).Left, area.Top, xg, box(n + 1).Bottom};
        f.Bounds = {st.Tracks[1].X + MarkerHalf, area.Top, xg, box(n + 1).Bottom};
        break;
    case 2:
    case 8:
        f.ImageRect = variant == 2 ? TRect{box(n - 1).Left, box(n - 1).Top, xg, area.Bottom}
                                   : TRect{x1, box(n - 1).Top, box(n - 1).Right, area.Bottom};
        f.Bounds = {x1, box(n - 1).Top, xg, area.Bottom};
        break;
    case 3:
    case 6:
    case 9:
    case 11: {
        const TRect prev = box(n - 1);
        const TRect next = box(n + 2);
        const int top = prev.Top;
        const int bottom = next.Bottom;
        if (variant == 3)
            f.ImageRect = {prev.Left, top, next.Right, bottom};
        else if (variant == 6)
            f.ImageRect = {next.Left, top, prev.Right, bottom};
        else if (variant == 9)
            f.ImageRect = {std::min(prev.Left, next.Left), top, xg, bottom};
        else
            f.ImageRect = {x1, top, std::max(prev.Right, next.Right), bottom};
        f.Bounds = {x1, top, xg, box(n + 1).Bottom - (box(n).Bottom - pressY)};
        break;
    }
    default: { // 4, 5, 10, 12
        const TRect prev = box(n - 2);
        const TRect next = box(n + 1);
        const int top = prev.Top;
        const int bottom = next.Bottom;
        if (variant == 4)
            f.ImageRect = {prev.Left, top, next.Right, bottom};
        else if (variant == 5)
            f.ImageRect = {next.Left, top, prev.Right, bottom};
        else if (variant == 10)
            f.ImageRect = {std::min(prev.Left, next.Left), top, xg, bottom};
        else
            f.ImageRect = {x1, top, std::max(prev.Right, next.Right), bottom};
        f.Bounds = {x1, box(n - 1).Top + (pressY - box(n).Top), xg, bottom};
        break;
    }
    }
    return f;
}

int ClampedDragMinute(const PlanZug& z, int n, int minute) {
    const int count = PointsOf(z);
    if (n < 1 || n > count)
        return minute;
    const int lower = n > 1 ? RoundedMinute(z.Points[n - 1].Time) : INT_MIN;
    const int upper = n < count ? RoundedMinute(z.Points[n + 1].Time) : INT_MAX;
    // Neighbours already out of order (a damaged plan): the time stays.
    if (lower > upper)
        return RoundedMinute(z.Points[n].Time);
    return std::clamp(minute, lower, upper);
}

PointPlace DragPointPlace(const PlanRec& plan, int train, int n, int variant, const TRect& bounds,
                          int x, int y, double hoverTime) {
    PointPlace place;
    if (variant < 1 || variant > 12 || !ValidTrainPoint(plan, train, n) ||
        !PointInRect(x, y, bounds))
        return place;
    const PlanZug& z = plan.Trains[train];
    const int hover = RoundedMinute(hoverTime);
    if (variant == 1 && (n + 1 > PointsOf(z) || hover > RoundedMinute(z.Points[n + 1].Time)))
        return place;
    const PlanCnt& pt = z.Points[n];
    const PlanBhf& st = plan.Stations[pt.BhfIdx];
    place.Track = pt.GlsIdx;
    for (int j = 1; j <= std::clamp(st.TrackCount, 0, MaxTracks); ++j)
        if (PointInRect(x, y, st.Tracks[j].TrackRect))
            place.Track = j;
    place.Minute = ClampedDragMinute(z, n, hover);
    place.Follow = true;
    return place;
}

void WriteDragPlace(PlanRec& plan, int train, int n, int variant, const PointPlace& place) {
    if (!place.Follow || !ValidTrainPoint(plan, train, n))
        return;
    PlanZug& z = plan.Trains[train];
    z.Points[n].GlsIdx = place.Track;
    z.Points[n].Time = MinutesToTime(place.Minute);
    const int partner = StopPartnerOf(variant, n);
    if (partner >= 1 && partner <= PointsOf(z))
        z.Points[partner].GlsIdx = place.Track;
}

void DrawDragPreview(const PlanRec& plan, int train, int n, int variant, const PointPlace& place,
                     Canvas& c) {
    if (!place.Follow || !ValidTrainPoint(plan, train, n))
        return;
    const PlanZug& z = plan.Trains[train];
    const int count = PointsOf(z);
    const PlanCnt& pt = z.Points[n];
    const TRect& header = plan.Stations[pt.BhfIdx].HeaderRect;
    const TRect moved = PointMarkerRect(plan, pt.BhfIdx, place.Track, MinutesToTime(place.Minute));
    const auto stored = [&](int k) { return z.Points[k].MarkerRect; };
    const auto right = [&](int k) { return z.Points[k].Richtung == RichtungRight; };
    const int partner = StopPartnerOf(variant, n);
    TRect partnerBox;
    if (partner >= 1 && partner <= count)
        partnerBox = PointMarkerRect(plan, pt.BhfIdx, place.Track, z.Points[partner].Time);

    PreviewRun runs[2];
    int shown = 0;
    if ((variant == 1 || variant == 7) && n + 1 <= count) {
        runs[shown++] = {moved, stored(n + 1), right(n + 1), right(n + 1)};
    } else if ((variant == 2 || variant == 8) && n >= 2) {
        runs[shown++] = {stored(n - 1), moved, right(n), !right(n)};
    } else if (IsArrivalBeforeStop(variant) && n >= 2 && n + 2 <= count) {
        runs[shown++] = {stored(n - 1), moved, right(n), !right(n)};
        runs[shown++] = {partnerBox, stored(n + 2), right(n + 2), right(n + 2)};
    } else if (IsDepartureAfterStop(variant) && n >= 3 && n + 1 <= count) {
        runs[shown++] = {stored(n - 2), partnerBox, right(n - 1), !right(n - 1)};
        runs[shown++] = {moved, stored(n + 1), right(n + 1), right(n + 1)};
    }
    for (int k = 0; k < shown; ++k)
        DrawPreviewRun(runs[k], header, z.Name, c);
    for (int k = 0; k < shown; ++k) {
        FillRectColor(clWhite, runs[k].Dep, c);
        FillRectColor(clWhite, runs[k].Arr, c);
    }
    FillRectColor(clWhite, moved, c);
}
