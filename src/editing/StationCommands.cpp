#include "editing/StationCommands.h"

#include "model/PlanRec.h"
#include "store/PlanStore.h"
#include "store/Tdm.h"

#include <memory>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool Inside(int x, int y, const TRect& r) {
    return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

int Stations(const PlanRec& plan) {
    return std::clamp(plan.StationCount, 0, MaxStations);
}

int Trains(const PlanRec& plan) {
    return std::clamp(plan.TrainCount, 0, MaxTrains);
}

bool StationUsed(const PlanRec& plan, int k) {
    for (int t = 1; t <= Trains(plan); ++t) {
        const PlanZug& z = plan.Trains[t];
        const int points = std::clamp(z.PointCount, 0, MaxPoints);
        for (int p = 1; p <= points; ++p)
            if (z.Points[p].BhfIdx == k)
                return true;
    }
    return false;
}

} // namespace

std::vector<int> ToggleStationMark(PlanRec& plan, EditState& s, int x, int y) {
    std::vector<int> changed;
    for (int i = 1; i <= Stations(plan); ++i) {
        if (!Inside(x, y, plan.Stations[i].HeaderRect))
            continue;
        SetEditMode(s, EditStations);
        for (int j = 1; j <= Stations(plan); ++j) {
            if (j != i && plan.Stations[j].Marked) {
                plan.Stations[j].Marked = false;
                changed.push_back(j);
            }
        }
        PlanBhf& b = plan.Stations[i];
        b.Marked = !b.Marked;
        changed.push_back(i);
        if (!b.Marked)
            SetEditMode(s, plan.TrainCount > 0 ? EditTrains : EditNone);
    }
    return changed;
}

EditMessage StationInsertRefusal(const PlanRec& plan) {
    if (plan.StationCount >= MaxStations)
        return {u"Fehler"_s, u"Die max. Anzahl der Bahnhöfe ist überschritten !"_s};
    return {};
}

bool AppendStation(PlanRec& plan, const StationChoice& choice) {
    if (!StationInsertRefusal(plan).IsEmpty())
        return false;
    plan.StationCount = Stations(plan) + 1;
    PlanBhf& b = plan.Stations[plan.StationCount];
    b = PlanBhf{};
    b.InUse = true;
    b.Name = choice.Name;
    b.Abbrev = choice.Abbrev;
    b.TrackCount = std::clamp(choice.NumGleise, 0, MaxTracks);
    const int rows = std::min<int>(choice.Tracks.size(), MaxTracks);
    for (int r = 1; r <= rows; ++r)
        b.Tracks[r].Designation = choice.Tracks[r - 1];
    return true;
}

int MarkPlanStations(Tdm& dm, const PlanRec& plan) {
    Cursor& t = dm.tBhf;
    t.First();
    while (!t.Eof()) {
        t.Edit();
        t.FieldByName(u"Mark"_s).SetBoolean(false);
        t.Post();
        t.Next();
    }
    for (int i = 1; i <= Stations(plan); ++i) {
        if (t.FindKey({plan.Stations[i].Name})) {
            t.Edit();
            t.FieldByName(u"Mark"_s).SetBoolean(true);
            t.Post();
        }
    }
    dm.tBhfU.Refresh();
    dm.tBhfU.First();
    return dm.tBhfU.RecordCount();
}

StationChoice ChosenStation(Tdm& dm) {
    StationChoice c;
    Cursor& u = dm.tBhfU;
    c.Name = u.FieldByName(u"Bahnhof"_s).AsString();
    c.Abbrev = u.FieldByName(u"Abk"_s).AsString();
    c.NumGleise = u.FieldByName(u"NumGleise"_s).AsInteger();
    Cursor& g = dm.tGleisU;
    g.Refresh();
    for (g.First(); !g.Eof(); g.Next())
        c.Tracks.push_back(g.FieldByName(u"Bez"_s).AsString());
    return c;
}

int MarkedStation(const PlanRec& plan) {
    for (int i = 1; i <= Stations(plan); ++i)
        if (plan.Stations[i].Marked)
            return i;
    return 0;
}

EditMessage StationRemovalRefusal(const PlanRec& plan) {
    const int k = MarkedStation(plan);
    if (k == 0)
        return {u"Fehler"_s, u"Kein Bahnhof markiert !"_s};
    if (plan.StationCount < 3)
        return {u"Hinweis"_s, u"Es werden mindestens 2 Bahnhöfe für einen Fahrplan gebraucht"_s};
    if (StationUsed(plan, k))
        return {u"Fehler"_s, u"Bahnhof kann nicht gelöscht werden -> Zugfahrten !"_s};
    return {};
}

bool RemoveStation(PlanRec& plan, int k) {
    const int count = Stations(plan);
    if (k < 1 || k > count || StationUsed(plan, k))
        return false;
    for (int i = k; i < count; ++i)
        plan.Stations[i] = plan.Stations[i + 1];
    plan.Stations[count] = PlanBhf{};
    plan.StationCount = count - 1;
    for (int i = 1; i <= plan.StationCount; ++i)
        plan.Stations[i].Marked = false;
    for (int t = 1; t <= Trains(plan); ++t) {
        PlanZug& z = plan.Trains[t];
        const int points = std::clamp(z.PointCount, 0, MaxPoints);
        for (int p = 1; p <= points; ++p)
            if (z.Points[p].BhfIdx > k)
                --z.Points[p].BhfIdx;
    }
    return true;
}

namespace {

// Stores `next` and makes it the open plan; the open plan stays as it was
// when the store fails.
EditMessage StoreAndTake(Tdm& dm, PlanRec& plan, std::unique_ptr<PlanRec> next,
                         std::uint8_t& docState, bool& modified) {
    std::uint8_t state = docState;
    bool changed = true;
    const StoreResult result = StorePlan(dm, *next, state, changed);
    if (!result)
        return {u"Fehler"_s, result.Error};
    plan = *next;
    docState = state;
    modified = changed;
    return {};
}

} // namespace

EditMessage InsertStation(Tdm& dm, PlanRec& plan, const StationChoice& choice,
                          std::uint8_t& docState, bool& modified) {
    EditMessage refusal = StationInsertRefusal(plan);
    if (!refusal.IsEmpty())
        return refusal;
    auto next = std::make_unique<PlanRec>(plan);
    AppendStation(*next, choice);
    return StoreAndTake(dm, plan, std::move(next), docState, modified);
}

EditMessage RemoveMarkedStation(Tdm& dm, PlanRec& plan, std::uint8_t& docState, bool& modified) {
    EditMessage refusal = StationRemovalRefusal(plan);
    if (!refusal.IsEmpty())
        return refusal;
    auto next = std::make_unique<PlanRec>(plan);
    RemoveStation(*next, MarkedStation(plan));
    return StoreAndTake(dm, plan, std::move(next), docState, modified);
}
