#include "MovingFixture.h"

#include "diagram/DiagramRenderer.h"
#include "model/TimeOfDay.h"

#include <vector>

int AddTrainFrom(PlanRec& plan, const Stop* places, int count) {
    const int slot = ++plan.TrainCount;
    PlanZug& z = plan.Trains[slot];
    z.InUse = true;
    z.Number = slot;
    z.Name = QStringLiteral("Zug #%1").arg(slot);
    z.Color = 0x0000FF;
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const Stop& s = places[i];
        PlanCnt& p = z.Points[++n];
        p.BhfIdx = s.Station;
        p.GlsIdx = s.Track;
        p.Time = MinutesToTime(s.Minute);
        if (n == 1) {
            p.Modus = ModusDeparture;
            p.Richtung = RichtungRight;
        } else if (n % 2 == 0) {
            p.Modus = ModusArrival;
            p.Richtung = s.Station > z.Points[n - 1].BhfIdx ? RichtungRight : RichtungLeft;
        } else {
            p.Modus = ModusStopDeparture;
            p.Richtung = z.Points[n - 1].Richtung;
        }
    }
    z.PointCount = n;
    return slot;
}

int AddTrain(PlanRec& plan, std::initializer_list<Stop> places) {
    const std::vector<Stop> v(places);
    return AddTrainFrom(plan, v.data(), static_cast<int>(v.size()));
}

bool HoverMinuteAt(const PlanRec& plan, const DiagramView& view, int y, int& minute) {
    if (y < view.TimeTop)
        return false;
    const int minutes = (y - view.TimeTop) / plan.Zoom;
    const int hour = plan.StartHour + minutes / 60;
    if (hour >= plan.EndHour)
        return false;
    minute = hour * 60 + minutes % 60;
    return true;
}

MovingBench::MovingBench(const PlanRec& p) : Plan(p) {
    ResizePlan(Plan);
    Screen.SetViewport(Plan.PlanRect);
    State.EditMode = EditTrains;
    Repaint();
}

void MovingBench::Repaint() {
    Screen.InvalidateAll();
    View.SelTrain = State.SelTrain;
    View.TrainMarked = State.TrainMarked;
    Screen.Validate(Plan, View, true);
}

void MovingBench::HoverAt(int y) {
    int minute = 0;
    if (HoverMinuteAt(Plan, View, y, minute))
        State.HoverTime = MinutesToTime(minute);
}

void MovingBench::Release() {
    State.PointDragActive = false;
    State.MoveArmed = false;
    State.DragVariant = 0;
}
