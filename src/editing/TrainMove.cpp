#include "editing/TrainMove.h"

#include "diagram/DiagramRenderer.h"
#include "model/PlanRec.h"
#include "model/TimeOfDay.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int LastMinuteOfDay = 23 * 60 + 59;

bool ValidRun(const PlanRec& plan, int train, int arrival) {
    if (train < 1 || train > std::min(plan.TrainCount, MaxTrains))
        return false;
    const PlanZug& z = plan.Trains[train];
    return arrival >= 2 && arrival <= std::min(z.PointCount, MaxPoints);
}

void WriteRun(PlanZug& z, int arrival, int departure, int runningTime) {
    z.Points[arrival - 1].Time = MinutesToTime(departure);
    z.Points[arrival].Time = MinutesToTime(departure + runningTime);
}
} // namespace

int RoundedMinute(double time) {
    if (!std::isfinite(time))
        return 0;
    return static_cast<int>(std::lround(std::clamp(time, -2.0, 2.0) * MinutesPerDay));
}

int StartBound(const PlanRec& plan) {
    return plan.StartHour * 60;
}

int EndBound(const PlanRec& plan) {
    return plan.EndHour >= 24 ? LastMinuteOfDay : plan.EndHour * 60;
}

RunBounds RunBoundsOf(const PlanRec& plan, int train, int arrival) {
    RunBounds b;
    if (!ValidRun(plan, train, arrival))
        return b;
    const PlanZug& z = plan.Trains[train];
    b.Arrival = arrival;
    b.Lower = arrival >= 3 ? RoundedMinute(z.Points[arrival - 2].Time) : StartBound(plan);
    b.Upper =
        arrival + 1 <= z.PointCount ? RoundedMinute(z.Points[arrival + 1].Time) : EndBound(plan);
    b.RunningTime =
        RoundedMinute(z.Points[arrival].Time) - RoundedMinute(z.Points[arrival - 1].Time);
    return b;
}

TRect RunRect(const PlanRec& plan, int train, int arrival) {
    if (!ValidRun(plan, train, arrival))
        return {};
    const PlanZug& z = plan.Trains[train];
    const PlanCnt& a = z.Points[arrival];
    const PlanCnt& d = z.Points[arrival - 1];
    const TRect dep = PointMarkerRect(plan, d.BhfIdx, d.GlsIdx, d.Time);
    const TRect arr = PointMarkerRect(plan, a.BhfIdx, a.GlsIdx, a.Time);
    if (a.Richtung == RichtungRight)
        return {dep.Left, dep.Top, arr.Right, arr.Bottom};
    return {arr.Left, dep.Top, dep.Right, arr.Bottom};
}

bool ShiftRun(PlanRec& plan, int train, const RunBounds& run, int shift) {
    if (!ValidRun(plan, train, run.Arrival))
        return false;
    PlanZug& z = plan.Trains[train];
    const int departure = RoundedMinute(z.Points[run.Arrival - 1].Time) + shift;
    if (departure < run.Lower || departure + run.RunningTime > run.Upper)
        return false;
    WriteRun(z, run.Arrival, departure, run.RunningTime);
    return true;
}

bool ShiftTrain(PlanRec& plan, int train, const RunBounds* runs, int count, int shift) {
    if (count < 1 || !ValidRun(plan, train, runs[0].Arrival) ||
        !ValidRun(plan, train, runs[count - 1].Arrival))
        return false;
    PlanZug& z = plan.Trains[train];
    const int first = RoundedMinute(z.Points[runs[0].Arrival - 1].Time) + shift;
    const RunBounds& lastRun = runs[count - 1];
    const int last =
        RoundedMinute(z.Points[lastRun.Arrival - 1].Time) + shift + lastRun.RunningTime;
    if (first < StartBound(plan) || last > EndBound(plan))
        return false;
    for (int k = 0; k < count; ++k) {
        const RunBounds& r = runs[k];
        if (!ValidRun(plan, train, r.Arrival))
            continue;
        WriteRun(z, r.Arrival, RoundedMinute(z.Points[r.Arrival - 1].Time) + shift, r.RunningTime);
    }
    return true;
}
