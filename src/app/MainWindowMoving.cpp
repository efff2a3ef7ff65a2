// The moving gestures of the diagram on the main window: the core moves the
// data and combines the previews into the screen image; the window shows the
// part of the paint box that changed. The diagram is not redrawn from the
// plan until the release.
#include "app/MainWindow.h"

#include "app/PlanImage.h"
#include "editing/Pointer.h"
#include "editing/TrainMoving.h"

namespace {
MovingContext MovingOf(TFMain& w) {
    return {w.Plan, w, w, w.Screen, w.CurrentView(), w.Modified};
}
} // namespace

void TFMain::StartGesture(int gesture, int x, int y) {
    switch (static_cast<PressGesture>(gesture)) {
    case PressGesture::PointDrag:
        BeginPointDrag(x, y);
        break;
    case PressGesture::TrainMove:
        BeginTrainMove(x, y);
        break;
    default:
        // Also without a selected point: a run move's press marks the plan
        // modified even when it arms nothing, a train move's only once a
        // train has been selected.
        if (MoveKind == MoveRunKind)
            BeginRunMove(x, y);
        else
            BeginTrainMove(x, y);
        break;
    }
}

void TFMain::FollowGesture(int x, int y) {
    if (PointDragActive)
        DragPoint(x, y);
    else if (MoveKind == MoveRunKind)
        MoveRun();
    else
        MoveTrain();
}

void TFMain::BeginPointDrag(int X, int Y) {
    Screen.SetViewport(VisiblePlanRect());
    MovingContext m = MovingOf(*this);
    ::BeginPointDrag(m, X, Y);
}

void TFMain::DragPoint(int X, int Y) {
    MovingContext m = MovingOf(*this);
    ShowScreenPart(::DragPoint(m, X, Y));
}

void TFMain::BeginRunMove(int X, int Y) {
    Screen.SetViewport(VisiblePlanRect());
    MovingContext m = MovingOf(*this);
    ::BeginRunMove(m, X, Y);
}

void TFMain::MoveRun() {
    MovingContext m = MovingOf(*this);
    ShowScreenPart(::MoveRun(m));
}

void TFMain::BeginTrainMove(int X, int Y) {
    Screen.SetViewport(VisiblePlanRect());
    MovingContext m = MovingOf(*this);
    ::BeginTrainMove(m, X, Y);
}

void TFMain::MoveTrain() {
    MovingContext m = MovingOf(*this);
    ShowScreenPart(::MoveTrain(m));
}
