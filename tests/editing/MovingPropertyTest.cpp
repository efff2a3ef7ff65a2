#include "MovingFixture.h"
#include "PlanFixtures.h"

#include "diagram/DiagramRenderer.h"
#include "editing/Pointer.h"
#include "editing/TrainMove.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Rng = std::mt19937;

int Uniform(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

// A random line of 2 to 5 stations and up to four trains of consistent
// runs and stops, some of them of no length.
PlanRec RandomPlan(Rng& rng) {
    const int stations = Uniform(rng, 2, 5);
    const int start = Uniform(rng, 0, 12);
    const int end = std::min(24, start + Uniform(rng, 2, 12));
    // Keep the drawing small enough to redraw on every release.
    const int zoom = std::clamp(Uniform(rng, 1, 9), 1, std::max(1, 2400 / ((end - start) * 60)));
    PlanRec plan = PlanWithStations({}, start, end, zoom);
    plan.StationCount = stations;
    for (int k = 1; k <= stations; ++k) {
        PlanBhf& st = plan.Stations[k];
        st.InUse = true;
        st.Abbrev = QString(QChar(u'A' + k - 1));
        st.TrackCount = Uniform(rng, 1, 5);
        for (int j = 1; j <= st.TrackCount; ++j)
            st.Tracks[j].Designation = QString::number(j);
    }
    const int trains = Uniform(rng, 1, 4);
    for (int t = 0; t < trains; ++t) {
        std::vector<Stop> places;
        int station = Uniform(rng, 1, stations);
        int minute = start * 60 + Uniform(rng, 0, (end - start) * 30);
        places.push_back({station, Uniform(rng, 1, plan.Stations[station].TrackCount), minute});
        const int runs = Uniform(rng, 1, 5);
        for (int r = 0; r < runs; ++r) {
            int next = Uniform(rng, 1, stations - 1);
            if (next >= station)
                ++next;
            const int arrive = minute + Uniform(rng, 0, 40);
            const int leave = arrive + Uniform(rng, 0, 15);
            if (leave > end * 60 - 1)
                break;
            const int track = Uniform(rng, 1, plan.Stations[next].TrackCount);
            places.push_back({next, track, arrive});
            if (r + 1 < runs && leave + 40 <= end * 60 - 1)
                places.push_back({next, track, leave});
            else
                break;
            station = next;
            minute = leave;
        }
        if (places.size() % 2 == 1)
            places.pop_back();
        if (places.size() >= 2)
            AddTrainFrom(plan, places.data(), static_cast<int>(places.size()));
    }
    return plan;
}

// What no gesture may ever do to a train.
std::string Broken(const PlanRec& plan, const PlanRec& original) {
    for (int t = 1; t <= plan.TrainCount; ++t) {
        const PlanZug& z = plan.Trains[t];
        const PlanZug& o = original.Trains[t];
        if (z.PointCount != o.PointCount)
            return "point count of train " + std::to_string(t);
        for (int k = 1; k <= z.PointCount; ++k) {
            const PlanCnt& p = z.Points[k];
            const std::string where = " train " + std::to_string(t) + " point " + std::to_string(k);
            if (p.BhfIdx != o.Points[k].BhfIdx)
                return "station changed" + where;
            if (p.GlsIdx < 1 || p.GlsIdx > plan.Stations[p.BhfIdx].TrackCount)
                return "no such track" + where;
            if (p.Time != MinutesToTime(RoundedMinute(p.Time)))
                return "not a whole minute" + where;
            if (k > 1 && RoundedMinute(p.Time) < RoundedMinute(z.Points[k - 1].Time))
                return "time goes backwards" + where;
            if (p.Modus == ModusStopDeparture && p.GlsIdx != z.Points[k - 1].GlsIdx)
                return "stop changes track" + where;
        }
    }
    return {};
}

bool Changed(const PlanRec& a, const PlanRec& b) {
    for (int t = 1; t <= a.TrainCount; ++t)
        for (int k = 1; k <= a.Trains[t].PointCount; ++k)
            if (a.Trains[t].Points[k].Time != b.Trains[t].Points[k].Time ||
                a.Trains[t].Points[k].GlsIdx != b.Trains[t].Points[k].GlsIdx)
                return true;
    return false;
}

// The press and the pointer moves as the window dispatches them: the
// read-out sets the time under the pointer, a press selects what lies under
// it and starts a point drag on the selected point's marker box or the kind
// of move the radio group says.
void Press(MovingBench& b, int x, int y) {
    ReadPointer(b.Plan, b.View, b.State, x, y);
    b.State.PrevHoverTime = b.State.HoverTime;
    SelectTrainAt(b.Plan, b.State, x, y, [&](bool marked) {
        b.View.SelTrain = b.State.SelTrain;
        if (auto c = b.Screen.OpenCanvas())
            HighlightTrain(b.Plan, b.View, *c, marked);
        b.State.TrainMarked = marked;
    });
    MovingContext m = b.Context();
    switch (GestureOfPress(b.Plan, b.State, x, y)) {
    case PressGesture::PointDrag:
        BeginPointDrag(m, x, y);
        break;
    case PressGesture::TrainMove:
        BeginTrainMove(m, x, y);
        break;
    default:
        if (b.State.MoveKind == MoveRunKind)
            BeginRunMove(m, x, y);
        else
            BeginTrainMove(m, x, y);
    }
}

void Move(MovingBench& b, int x, int y) {
    ReadPointer(b.Plan, b.View, b.State, x, y);
    MovingContext m = b.Context();
    if (b.State.PointDragActive)
        DragPoint(m, x, y);
    else if (b.State.MoveKind == MoveRunKind)
        MoveRun(m);
    else
        MoveTrain(m);
    b.State.PrevHoverTime = b.State.HoverTime;
}

} // namespace

TEST(MovingProperty, RandomGesturesKeepEveryTrainSound) {
    Rng rng(20261211);
    int followed = 0;
    for (int round = 0; round < 40; ++round) {
        const PlanRec built = RandomPlan(rng);
        if (built.TrainCount == 0)
            continue;
        MovingBench b(built);
        const PlanRec original = b.Plan;
        for (int g = 0; g < 25; ++g) {
            b.State.MoveKind = Uniform(rng, 0, 1) ? MoveTrainKind : MoveRunKind;
            const int t = Uniform(rng, 1, b.Plan.TrainCount);
            const PlanZug& z = b.Plan.Trains[t];
            const PlanCnt& p = z.Points[Uniform(rng, 1, z.PointCount)];
            int x, y;
            const int pick = Uniform(rng, 0, 9);
            if (pick < 6) {
                x = Uniform(rng, p.MarkerRect.Left, p.MarkerRect.Right);
                y = Uniform(rng, p.MarkerRect.Top, p.MarkerRect.Bottom);
            } else if (pick < 9 && p.Modus == ModusArrival) {
                x = Uniform(rng, p.LabelRect.Left, p.LabelRect.Right);
                y = Uniform(rng, p.LabelRect.Top, p.LabelRect.Bottom);
            } else {
                x = Uniform(rng, 0, b.Plan.PlanRect.Right);
                y = Uniform(rng, 0, b.Plan.PlanRect.Bottom);
            }
            Press(b, x, y);
            const int moves = Uniform(rng, 1, 15);
            for (int i = 0; i < moves; ++i) {
                const int reach = Uniform(rng, 0, 4) == 0 ? 400 : 30;
                x = std::clamp(x + Uniform(rng, -reach, reach), 0, b.Plan.PlanRect.Right);
                y = std::clamp(y + Uniform(rng, -reach, reach), 0, b.Plan.PlanRect.Bottom);
                const PlanRec before = b.Plan;
                Move(b, x, y);
                const std::string fault = Broken(b.Plan, original);
                ASSERT_TRUE(fault.empty())
                    << fault << " (round " << round << ", gesture " << g << ", move " << i << ")";
                followed += Changed(b.Plan, before);
            }
            // A release outside the diagram leaves the drawing as it was.
            const bool inside = Uniform(rng, 0, 4) > 0;
            const TRect& area = b.Plan.DiagramArea;
            if (LeftRelease(b.Plan, b.State, inside ? area.Left + 1 : 0,
                            inside ? area.Top + 1 : 0) == ReleaseAction::RepaintAfterDrag)
                b.Repaint();
        }
    }
    // The gestures did move things.
    EXPECT_GT(followed, 50);
}
