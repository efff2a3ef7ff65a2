#include "diagram/DiagramRenderer.h"

#include "diagram/ColorTable.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <algorithm>

namespace {

// Bounds for culling tests that only look at rows.
constexpr int FarAway = 1 << 28;

int StationsInUse(const PlanRec& plan) {
    return std::clamp(plan.StationCount, 0, MaxStations);
}

int TracksInUse(const PlanBhf& station) {
    return std::clamp(station.TrackCount, 0, MaxTracks);
}

// Length of the time axis; an end hour before the start hour gives none,
// as the canvas height counts it.
int TimeSpanOf(const PlanRec& plan) {
    const int hours = plan.EndHour - plan.StartHour;
    return hours < 1 ? 0 : hours * plan.Zoom * PixelsPerHour;
}

// Hour labels sit left of the ticks, vertically centred on their row.
void HourLabel(Canvas& c, TColor fore, TColor back, const QString& text, int y) {
    const int h = TextHeightOf(text, c);
    if (!c.MayShow({-FarAway, y - h / 2, LeftMargin, y - h / 2 + h}))
        return;
    const int x = LeftMargin - 8 - TextWidthOf(text, c) - 5;
    TextAt(fore, back, c, AlignLeftAt, text, {x, y - h / 2});
}

} // namespace

TRect PlanCanvasRect(const PlanRec& plan) {
    const int height = TopMargin + BottomMargin + TimeSpanOf(plan);
    int width = 2 * LeftMargin + RightMargin + FirstTrackOffset;
    int x = LeftMargin + FirstTrackOffset;
    int lastHeaderRight = 0;
    for (int k = 1; k <= StationsInUse(plan); ++k) {
        const int w = StationInnerWidth(plan.Stations[k].TrackCount);
        width += w + StationLane;
        lastHeaderRight = x + HeaderPadding + w;
        x = lastHeaderRight + StationLane + HeaderPadding;
    }
    // The columns advance by 2 × 8 more per station than the sum counts;
    // from 16 stations on the last header would be cut off.
    if (lastHeaderRight > 0)
        width = std::max(width, lastHeaderRight + StationLane + RightMargin);
    return {0, 0, width, height};
}

void ResizePlan(PlanRec& plan) {
    plan.PlanRect = PlanCanvasRect(plan);
}

int TimeToY(const PlanRec& plan, double time) {
    // Hour and minute only: the minute of the day, seconds dropped.
    const int minutes = MinuteOfDay(time) - plan.StartHour * 60;
    return TopMargin + minutes * plan.Zoom;
}

TRect PointMarkerRect(const PlanRec& plan, int station, int track, double time) {
    const int x = plan.Stations[station].Tracks[track].X;
    const int y = TimeToY(plan, time);
    return RectOfSize(x - MarkerHalf, y - MarkerHalf, MarkerSize, MarkerSize);
}

void DrawBackground(PlanRec& plan, DiagramView& view, Canvas& c, bool output, int width) {
    const TColor back = PageBackground(plan, view, output);
    const TColor fore = ForegroundOn(back, view, output);
    FillRectColor(back, plan.PlanRect, c);

    view.TimeAxisX = LeftMargin;
    view.TimeTop = TopMargin;
    view.TimeSpan = TimeSpanOf(plan);
    view.TimeBottom = view.TimeTop + view.TimeSpan;
    plan.DiagramArea.Left = view.TimeAxisX;
    plan.DiagramArea.Top = view.TimeTop;
    plan.DiagramArea.Bottom = view.TimeBottom;

    VertLine(fore, c, {LeftMargin, TopMargin}, view.TimeSpan);
    if (output)
        SetCanvasFont(QStringLiteral("Arial"), 8, 0, c);

    const int hourPixels = plan.Zoom * PixelsPerHour;
    const int quarter = hourPixels / 4;
    const int gridLength = width - LeftMargin - RightMargin;
    for (int h = plan.StartHour; h <= plan.EndHour; ++h) {
        const int y = TopMargin + (h - plan.StartHour) * hourPixels;
        // Hours far outside the visible part cost nothing.
        if (!c.MayShow({-FarAway, y - 20, FarAway, y + hourPixels + 20}))
            continue;
        LineColor(fore, c, LeftMargin - 8, y, LeftMargin, y);
        HourLabel(c, fore, back, QString::number(h) + QStringLiteral(".00 Uhr"), y);
        if (plan.GridStyle > 0)
            HorzLine(clSilver, c, {LeftMargin, y}, plan.GridStyle, gridLength);
        if (h >= plan.EndHour)
            continue;
        for (int i = 1; i <= 3; ++i) {
            const int yq = y + i * quarter;
            LineColor(fore, c, LeftMargin - 5, yq, LeftMargin, yq);
            if (i != 2)
                continue;
            HourLabel(c, fore, back, QString::number(h) + QStringLiteral(".30 Uhr"), yq);
            if (plan.GridStyle > 0)
                HorzLine(clSilver, c, {LeftMargin, yq}, plan.GridStyle, gridLength);
        }
    }
}

void DrawDescription(const PlanRec& plan, const DiagramView& view, const QString& text, Canvas& c) {
    const TColor fore = view.ColourPrint ? clRed : clBlack;
    const TColor back = view.ColourPrint ? plan.BackColor : clWhite;
    const TRect box = RectOf(10, 10, 310, 10 + TextHeightOf(QStringLiteral("Dummy"), c));
    if (text != plan.PlanDescription)
        FillRectColor(back, box, c);
    if (text.isEmpty())
        return;
    SetCanvasFont(QString(), 10, fsBold, c);
    TextAt(fore, back, c, AlignLeftAt, text, {10, 10});
    ResetCanvasFont(c);
}

void DrawStations(PlanRec& plan, const DiagramView& view, Canvas& c, bool output) {
    const TColor back = PageBackground(plan, view, output);
    const TColor fore = ForegroundOn(back, view, output);
    const int trackTop = view.TimeTop - HeaderBandOffset;
    const int length = view.TimeSpan + HeaderBandOffset;
    int x = view.TimeAxisX + FirstTrackOffset;
    const PlanBhf* last = nullptr;
    for (int k = 1; k <= StationsInUse(plan); ++k) {
        PlanBhf& st = plan.Stations[k];
        const int w = StationInnerWidth(st.TrackCount);
        const TRect header = RectOfSize(x - HeaderPadding, trackTop - HeaderHeight,
                                        2 * HeaderPadding + w, HeaderHeight);
        st.HeaderRect = header;
        st.ColumnRect = RectOf(header.Left, header.Top, header.Right, view.TimeBottom);
        const TColor headerColour = HeaderColour(st.Marked, view, output);
        FillRectColor(headerColour, header, c);
        const int th = TextHeightOf(st.Abbrev, c);
        TextAt(clWhite, headerColour, c, AlignCentreAt, st.Abbrev,
               {header.Left + header.Width() / 2, header.Top + header.Height() / 2 - th / 2});
        for (int j = 1; j <= TracksInUse(st); ++j) {
            PlanGls& gls = st.Tracks[j];
            const int tx = x + TrackSpacing * (j - 1);
            VertLine(fore, c, {tx, trackTop}, length);
            gls.TrackRect = RectOfSize(tx - HeaderPadding, trackTop, TrackSpacing, length);
            gls.X = tx;
            // Three characters stay well inside two track spacings.
            if (c.MayShow(
                    {tx - 4 * TrackSpacing, trackTop + 8, tx + 4 * TrackSpacing, trackTop + 40}))
                TextAt(fore, back, c, AlignCentreAt, gls.Designation.Text(), {tx, trackTop + 8});
        }
        x = header.Right + StationLane + HeaderPadding;
        last = &st;
    }
    // Without stations the areas keep an empty width at the time axis.
    const int right = last ? last->HeaderRect.Right : view.TimeAxisX;
    const int top = last ? last->HeaderRect.Top : trackTop - HeaderHeight;
    plan.DiagramArea.Right = right;
    plan.HeaderArea = RectOf(plan.DiagramArea.Left, top, right, plan.DiagramArea.Top);
}

void PaintPlan(PlanRec& plan, DiagramView& view, Canvas& c) {
    DrawBackground(plan, view, c, ScreenOutput, plan.PlanRect.Width());
    DrawDescription(plan, view, plan.PlanDescription, c);
    DrawStations(plan, view, c, ScreenOutput);
    DrawTrains(plan, view, c, ScreenOutput);
}

void DrawOutputPicture(PlanRec& plan, DiagramView& view, Canvas& c) {
    DrawBackground(plan, view, c, PrintOutput, plan.PlanRect.Width());
    DrawStations(plan, view, c, PrintOutput);
    DrawTrains(plan, view, c, PrintOutput);
}

void DrawPrintPicture(PlanRec& plan, DiagramView& view, Canvas& c) {
    DrawOutputPicture(plan, view, c);
    DrawDescription(plan, view, plan.PlanDescription, c);
}
