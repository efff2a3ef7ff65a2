#include "editing/TrainCommands.h"

#include "editing/Pointer.h"
#include "model/PlanRec.h"

#include <algorithm>

void DropEmptySelection(const PlanRec& plan, EditState& s) {
    const int trains = std::clamp(plan.TrainCount, 0, MaxTrains);
    if (s.SelTrain < 0 || s.SelTrain > trains)
        s.SelTrain = 0;
    if (s.InsertTrain < 0 || s.InsertTrain > trains)
        s.InsertTrain = 0;
    if (!TrainInUse(plan, s.SelTrain)) {
        s.TrainMarked = false;
        s.SelPoint = 0;
    } else if (!PointOfTrain(plan, s.SelTrain, s.SelPoint)) {
        s.SelPoint = 0;
    }
}

bool DeleteSelectedTrain(PlanRec& plan, EditState& s, bool& modified, QString& error) {
    DropEmptySelection(plan, s);
    if (!s.TrainMarked) {
        error = QStringLiteral("Kein Zug markiert");
        return false;
    }
    modified = true;
    s.TrainMarked = false;
    const int trains = std::clamp(plan.TrainCount, 0, MaxTrains);
    for (int i = s.SelTrain; i < trains; ++i)
        plan.Trains[i] = plan.Trains[i + 1];
    plan.Trains[trains] = PlanZug{};
    plan.TrainCount = trains - 1;
    // A deleted last slot leaves nothing behind to select or drag.
    DropEmptySelection(plan, s);
    if (s.SelTrain == 0)
        s.InsertTrain = 0;
    return true;
}

QString RenameRefusal(const PlanRec& plan, const EditState& s) {
    if (plan.TrainCount <= 0)
        return QStringLiteral("Kein Zug gespeichert");
    if (!s.TrainMarked || !TrainInUse(plan, s.SelTrain))
        return QStringLiteral("Kein Zug markiert");
    return QString();
}

bool RenameTrain(PlanRec& plan, EditState& s, bool& modified, const QString& name) {
    if (!RenameRefusal(plan, s).isEmpty())
        return false;
    plan.Trains[s.SelTrain].Name = name.left(MaxTrainNameLength);
    modified = true;
    return true;
}

bool RecolourTrain(PlanRec& plan, EditState& s, bool& modified, TColor color, bool& redraw) {
    redraw = false;
    DropEmptySelection(plan, s);
    if (!TrainInUse(plan, s.InsertTrain))
        return false;
    PlanZug& z = plan.Trains[s.InsertTrain];
    if (z.Color == color)
        return false;
    if (s.EditMode == EditTrains && s.TrainMarked) {
        z.Color = color;
        modified = true;
        redraw = true;
        return true;
    }
    if (s.EditMode == EditInsertTrain && !s.TrainMarked) {
        z.Color = color;
        modified = true;
        return true;
    }
    return false;
}
