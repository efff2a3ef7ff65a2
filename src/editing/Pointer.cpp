#include "editing/Pointer.h"

#include "diagram/DiagramView.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"

#include <algorithm>

namespace {

bool Inside(int x, int y, const TRect& r) {
    return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

bool IsZero(const TRect& r) {
    return r == TRect{};
}

int Stations(const PlanRec& plan) {
    return std::clamp(plan.StationCount, 0, MaxStations);
}

int Trains(const PlanRec& plan) {
    return std::clamp(plan.TrainCount, 0, MaxTrains);
}

} // namespace

PointerReadout ReadPointer(const PlanRec& plan, const DiagramView& view, EditState& s, int x,
                           int y) {
    PointerReadout out;
    s.HoverTimeValid = false;
    const int zoom = std::max(plan.Zoom, 1);
    if (y >= view.TimeTop) {
        const int minutes = (y - view.TimeTop) / zoom;
        const int hour = plan.StartHour + minutes / 60;
        if (hour < plan.EndHour) {
            s.HoverTime = EncodeTime(hour, minutes % 60);
            s.HoverTimeValid = true;
            out.Time = QStringLiteral("  ") + TimeToText(s.HoverTime) + QStringLiteral(" Uhr");
        }
    }
    s.HoverStation = 0;
    s.HoverTrack = 0;
    for (int i = 1; i <= Stations(plan); ++i) {
        const PlanBhf& b = plan.Stations[i];
        if (!Inside(x, y, b.ColumnRect))
            continue;
        s.HoverStation = i;
        out.Station = QStringLiteral("  Bahnhof: ") + b.Name;
        const int tracks = std::clamp(b.TrackCount, 0, MaxTracks);
        for (int j = 1; j <= tracks; ++j) {
            if (Inside(x, y, b.Tracks[j].TrackRect)) {
                s.HoverTrack = j;
                out.Track = QStringLiteral("  Gleis: ") + b.Tracks[j].Designation.Text();
            }
        }
    }
    if (s.HoverStation == 0)
        out.Station = QStringLiteral("  Bahnhof:");
    if (s.HoverTrack == 0)
        out.Track = QStringLiteral("  Gleis");
    return out;
}

int PointerShapeId(const EditState& s) {
    if (s.EditMode != EditInsertTrain)
        return 0;
    return s.InsertStep <= StepStopDeparture ? s.InsertStep + 1 : 0;
}

bool TrainInUse(const PlanRec& plan, int train) {
    return train >= 1 && train <= Trains(plan) && plan.Trains[train].InUse;
}

bool PointOfTrain(const PlanRec& plan, int train, int point) {
    return TrainInUse(plan, train) && point >= 1 &&
           point <= std::min(plan.Trains[train].PointCount, MaxPoints);
}

bool FindTrainAt(const PlanRec& plan, int x, int y, int& train, int& point) {
    for (int i = 1; i <= Trains(plan); ++i) {
        const PlanZug& z = plan.Trains[i];
        if (!z.InUse)
            continue;
        const int points = std::clamp(z.PointCount, 0, MaxPoints);
        for (int j = 1; j <= points; ++j) {
            const PlanCnt& p = z.Points[j];
            const bool onLabel = !IsZero(p.LabelRect) && Inside(x, y, p.LabelRect);
            const bool onMarker = !IsZero(p.MarkerRect) && Inside(x, y, p.MarkerRect);
            if (onLabel || onMarker) {
                train = i;
                point = j;
                return true;
            }
        }
    }
    return false;
}

void SelectTrainAt(const PlanRec& plan, EditState& s, int x, int y,
                   const std::function<void(bool)>& highlight) {
    if (s.MoveArmed)
        return;
    s.DragMoved = false;
    if (s.SelTrain > 0)
        highlight(false);
    s.TrainMarked = false;
    int train = 0;
    int point = 0;
    if (!FindTrainAt(plan, x, y, train, point))
        return;
    s.InsertTrain = train;
    s.SelTrain = train;
    s.SelPoint = point;
    s.InsertPoints = point;
    highlight(true);
}

PressGesture GestureOfPress(const PlanRec& plan, const EditState& s, int x, int y) {
    if (!PointOfTrain(plan, s.SelTrain, s.SelPoint))
        return PressGesture::None;
    const PlanCnt& p = plan.Trains[s.SelTrain].Points[s.SelPoint];
    if (Inside(x, y, p.MarkerRect))
        return PressGesture::PointDrag;
    return s.MoveKind == MoveTrainKind ? PressGesture::TrainMove : PressGesture::RunMove;
}

ReleaseAction LeftRelease(const PlanRec& plan, EditState& s, int x, int y) {
    s.PointDragActive = false;
    s.MoveArmed = false;
    s.DragVariant = 0;
    // A drag has changed the plan and left its preview on the screen: wherever
    // the button comes up (the header strip, beyond the paint box), the diagram
    // is drawn anew, and the release is not taken for a click on a station.
    if (s.EditMode == EditTrains && s.DragMoved)
        return ReleaseAction::RepaintAfterDrag;
    if (Inside(x, y, plan.HeaderArea))
        return s.EditMode == EditInsertTrain ? ReleaseAction::InsertionNotFinished
                                             : ReleaseAction::ToggleStation;
    if (Inside(x, y, plan.DiagramArea) && s.EditMode == EditInsertTrain)
        return ReleaseAction::InsertPoint;
    return ReleaseAction::None;
}
