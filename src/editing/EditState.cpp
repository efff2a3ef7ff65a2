#include "editing/EditState.h"

void ClearEditState(EditState& s, double now) {
    s.InsertTrain = 0;
    s.HoverStation = 0;
    s.HoverTrack = 0;
    s.SelTrain = 0;
    s.SelPoint = 0;
    s.InsertPoints = 0;
    s.InsertStep = StepDeparture;
    s.InsertError.clear();
    s.MoveArmed = false;
    s.PointDragActive = false;
    s.DragMoved = false;
    s.DragVariant = 0;
    s.TrainMarked = false;
    s.HoverTime = now;
    s.HoverTimeValid = false;
    s.PrevHoverTime = now;
}

void SetEditMode(EditState& s, std::uint8_t mode) {
    s.EditMode = mode;
    s.MoveArmed = false;
}

QString EditModeText(std::uint8_t mode) {
    switch (mode) {
    case EditInsertTrain:
        return QStringLiteral("Zug hinzufügen");
    case EditTrains:
        return QStringLiteral("Zug editieren");
    case EditStations:
        return QStringLiteral("Bahnhof bearbeiten");
    default:
        return QString();
    }
}
