// The paint box's mouse handlers: the pointer read-out, the selection by a
// press and the dispatch to the moving gestures; a release ends the gesture
// and repaints the diagram after a drag.
#include "app/MainWindow.h"

#include "app/PlanImage.h"
#include "editing/Pointer.h"
#include "platform/Cursors.h"

#include <QLabel>

void TFMain::BhfImageMouseMove(int X, int Y) {
    if (!PlanOpen)
        return;
    const int shape = PointerShapeId(*this);
    PlanImage->setCursor(shape > 0 && CursorRegistered(shape) ? CursorById(shape)
                                                              : QCursor(Qt::ArrowCursor));
    const PointerReadout r = ReadPointer(Plan, CurrentView(), *this, X, Y);
    TimeLabel->setText(r.Time);
    BhfLabel->setText(r.Station);
    GlsLabel->setText(r.Track);
    if (PointDragActive)
        DragPoint(X, Y);
    else if (MoveKind == MoveRunKind)
        MoveRun();
    else
        MoveTrain();
    PrevHoverTime = HoverTime;
}

void TFMain::BhfImageMouseDown(Qt::MouseButton Button, int X, int Y) {
    (void)Button;
    if (!PlanOpen || EditMode != EditTrains)
        return;
    SelectTrainAt(Plan, *this, X, Y, [this](bool marked) { HighlightTrain(marked); });
    switch (GestureOfPress(Plan, *this, X, Y)) {
    case PressGesture::PointDrag:
        BeginPointDrag(X, Y);
        break;
    case PressGesture::TrainMove:
        BeginTrainMove(X, Y);
        break;
    default:
        // A press of a run move marks the plan modified even when it arms
        // nothing; a train move only once a train has been selected.
        if (MoveKind == MoveRunKind)
            BeginRunMove(X, Y);
        else
            BeginTrainMove(X, Y);
        break;
    }
}

void TFMain::BhfImageMouseUp(Qt::MouseButton Button, int X, int Y) {
    if (Button != Qt::LeftButton) {
        PointDragActive = false;
        MoveArmed = false;
        DragVariant = 0;
        if (Button == Qt::RightButton && EditMode == EditTrains && TrainMarked)
            HighlightTrain(false);
        return;
    }
    if (LeftRelease(Plan, *this, X, Y) == ReleaseAction::RepaintAfterDrag)
        PaintPlan();
}
