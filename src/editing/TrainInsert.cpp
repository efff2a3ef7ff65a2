#include "editing/TrainInsert.h"

#include "diagram/DiagramGeometry.h"
#include "editing/Pointer.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"
#include "diagram/DiagramRenderer.h"

#include <algorithm>
#include <cstdlib>

QString TooManyTrainsText() {
    return QStringLiteral("Die max. Anzahl der Züge (%1) ist erreicht !").arg(MaxTrains);
}

QString TooManyPointsText() {
    return QStringLiteral("Die max. Anzahl der Zugpunkte (%1) ist erreicht !").arg(MaxPoints);
}

bool NewTrain(PlanRec& plan, EditState& s, TColor color, QString& error) {
    if (plan.TrainCount >= MaxTrains) {
        error = TooManyTrainsText();
        return false;
    }
    SetEditMode(s, EditInsertTrain);
    s.InsertStep = StepDeparture;
    plan.TrainCount = std::max(plan.TrainCount, 0) + 1;
    s.InsertTrain = plan.TrainCount;
    s.InsertPoints = 0;
    PlanZug& z = plan.Trains[plan.TrainCount];
    z = PlanZug{};
    z.Number = plan.TrainCount;
    z.Name = QStringLiteral("Zug #%1").arg(plan.TrainCount);
    z.Color = color;
    z.PointCount = 0;
    z.InUse = true;
    return true;
}

namespace {

bool Refuse(EditState& s, const char* text) {
    s.InsertError = QString::fromUtf8(text);
    return true;
}

// The train's point array is full.
bool FullTrain(EditState& s) {
    if (s.InsertPoints < MaxPoints)
        return false;
    s.InsertError = TooManyPointsText();
    return true;
}

} // namespace

bool CheckInsertClick(const PlanRec& plan, EditState& s) {
    if (s.HoverStation == 0)
        return Refuse(s, "Kein Bahnhof ausgewählt !");
    if (s.HoverTrack == 0)
        return Refuse(s, "Kein Gleis ausgewählt !");
    if (!s.HoverTimeValid)
        return Refuse(s, "Keine gültige Uhrzeit ausgewählt !");
    if (!TrainInUse(plan, s.InsertTrain)) {
        s.InsertError = QStringLiteral("Kein Zug zum Einfügen angelegt !");
        return true;
    }
    // Steps 1 and 2 follow a laid point; without one the click starts anew.
    if (s.InsertStep == StepDeparture || !PointOfTrain(plan, s.InsertTrain, s.InsertPoints))
        return FullTrain(s);
    const PlanCnt& last = plan.Trains[s.InsertTrain].Points[s.InsertPoints];
    const int lastMinute = MinuteOfDay(last.Time);
    const int hoverMinute = MinuteOfDay(s.HoverTime);
    if (s.InsertStep == StepArrival) {
        if (lastMinute > hoverMinute)
            return Refuse(s, "Ankunftszeit liegt vor der Abfahrtszeit !");
        if (last.BhfIdx == s.HoverStation)
            return Refuse(s, "Zug kann nicht am gleichen Bahnhof ankommen !");
        if (std::abs(last.BhfIdx - s.HoverStation) > 1)
            return Refuse(s, "Zielbahnhof übersprungen !");
    } else if (s.InsertStep == StepStopDeparture) {
        if (last.BhfIdx != s.HoverStation)
            return Refuse(s, "Erst die Abfahtzeit festlegen !");
        if (last.GlsIdx != s.HoverTrack)
            return Refuse(s, "Zug kann nur vom gleichen Gleis abfahren !");
        if (lastMinute > hoverMinute)
            return Refuse(s, "Ankunftszeit liegt vor der Abfahrtszeit !");
    }
    return FullTrain(s);
}

bool InsertClick(PlanRec& plan, EditState& s, bool& modified, int x, int y) {
    (void)x;
    modified = true;
    if (CheckInsertClick(plan, s))
        return false;
    PlanZug& z = plan.Trains[s.InsertTrain];
    const int n = s.InsertPoints + 1;
    s.InsertPoints = n;
    z.PointCount = n;
    PlanCnt& p = z.Points[n];
    p = PlanCnt{};
    p.BhfIdx = s.HoverStation;
    p.GlsIdx = s.HoverTrack;
    p.Time = s.HoverTime;
    const int trackX = plan.Stations[s.HoverStation].Tracks[s.HoverTrack].X;
    p.MarkerRect = {trackX - MarkerHalf, y - MarkerHalf, trackX + MarkerHalf + 1,
                    y + MarkerHalf + 1};
    const bool follows = n >= 2;
    if (s.InsertStep == StepArrival && follows) {
        const PlanCnt& from = z.Points[n - 1];
        p.Modus = ModusArrival;
        p.Richtung = from.BhfIdx >= p.BhfIdx ? RichtungLeft : RichtungRight;
        const TRect& dep = from.MarkerRect;
        const TRect& header = plan.Stations[from.BhfIdx].HeaderRect;
        const int mid = dep.Bottom + (p.MarkerRect.Top - dep.Bottom) / 2;
        const int left = p.Richtung == RichtungRight ? header.Right + LabelGap
                                                     : header.Left - LabelGap - LabelWidth;
        p.LabelRect = {left, mid - 7, left + LabelWidth, mid - 7 + LabelHeight};
        s.InsertStep = StepStopDeparture;
    } else if (s.InsertStep == StepStopDeparture && follows) {
        p.Modus = ModusStopDeparture;
        p.Richtung = z.Points[n - 1].Richtung;
        s.InsertStep = StepArrival;
    } else {
        p.Modus = ModusDeparture;
        p.Richtung = RichtungRight;
        s.InsertStep = StepArrival;
    }
    return true;
}

void DrawInsertedPoint(const PlanRec& plan, int train, int point, Canvas& c) {
    if (!PointOfTrain(plan, train, point))
        return;
    const PlanZug& z = plan.Trains[train];
    const PlanCnt& p = z.Points[point];
    const TColor colour = z.Color;
    if (p.Modus == ModusArrival && point >= 2) {
        const TRect& dep = z.Points[point - 1].MarkerRect;
        const TRect& arr = p.MarkerRect;
        const TRect& box = p.LabelRect;
        const int boxMid = box.Top + 7;
        if (p.Richtung == RichtungRight) {
            LineColor(colour, c, dep.Right, dep.Top + MarkerHalf, box.Left, boxMid);
            LineColor(colour, c, box.Right, boxMid, arr.Left, arr.Top + MarkerHalf);
        } else {
            LineColor(colour, c, dep.Left, dep.Top + MarkerHalf, box.Right, boxMid);
            LineColor(colour, c, box.Left, boxMid, arr.Right, arr.Top + MarkerHalf);
        }
        FrameRectColor(colour, box, c);
        DrawArrow(box, p.Richtung, c, colour);
        const int centre = p.Richtung == RichtungRight ? box.Left + 43 : box.Left + 37;
        TextAt(colour, plan.BackColor, c, AlignCentreAt, z.Name, {centre, box.Top + 1});
    } else if (p.Modus == ModusStopDeparture && point >= 2) {
        const TRect& prev = z.Points[point - 1].MarkerRect;
        LineColor(colour, c, prev.Left + MarkerHalf, prev.Bottom, p.MarkerRect.Left + MarkerHalf,
                  p.MarkerRect.Top);
    }
    FillRectColor(colour, p.MarkerRect, c);
}

void FinishInsertedTrain(PlanRec& plan, EditState& s) {
    if (!TrainInUse(plan, s.InsertTrain))
        return;
    PlanZug& z = plan.Trains[s.InsertTrain];
    z.PointCount = std::clamp(z.PointCount, 0, MaxPoints);
    while (z.PointCount > 0 && z.Points[z.PointCount].Modus != ModusArrival) {
        z.Points[z.PointCount] = PlanCnt{};
        --z.PointCount;
    }
    // One arrival alone is no run: a train needs its first departure.
    if (z.PointCount < 2) {
        z.PointCount = 0;
        z.Points[1] = PlanCnt{};
        z.InUse = false;
    }
}

bool EndInsertion(PlanRec& plan, EditState& s) {
    SetEditMode(s, EditTrains);
    s.InsertTrain = plan.TrainCount;
    s.SelTrain = plan.TrainCount;
    FinishInsertedTrain(plan, s);
    if (TrainInUse(plan, s.SelTrain)) {
        s.SelPoint = 0;
        return true;
    }
    // Nothing is left to select: no command may act on the empty slot.
    s.TrainMarked = false;
    s.SelTrain = 0;
    s.SelPoint = 0;
    s.InsertTrain = 0;
    return false;
}
