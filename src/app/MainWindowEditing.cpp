// Mouse editing on the paint box and the train and station commands of the
// tool tabs. The handlers turn events into canvas points, call the editing
// functions of the core and show what those report.
#include "app/MainWindow.h"

#include "app/DataModule.h"
#include "app/PlanImage.h"
#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "editing/Pointer.h"
#include "editing/StationCommands.h"
#include "editing/TFBhfPlus.h"
#include "editing/TFZugName.h"
#include "editing/TrainCommands.h"
#include "editing/TrainInsert.h"
#include "platform/Canvas.h"
#include "platform/Cursors.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"
#include "store/Tdm.h"
#include "tablestore/StoreError.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

Qt::MouseButton ButtonOf(const QMouseEvent* e) {
    return e->button();
}

} // namespace

void TFMain::ConnectEditing() {
    PlanImage->OnMouseMove = [this](QMouseEvent* e) {
        BhfImageMouseMove(e->position().toPoint().x(), e->position().toPoint().y());
    };
    PlanImage->OnMouseDown = [this](QMouseEvent* e) {
        BhfImageMouseDown(ButtonOf(e), e->position().toPoint().x(), e->position().toPoint().y());
    };
    PlanImage->OnMouseUp = [this](QMouseEvent* e) {
        BhfImageMouseUp(ButtonOf(e), e->position().toPoint().x(), e->position().toPoint().y());
    };
    connect(NewTrainBtn, &QToolButton::clicked, this, [this] { NewTrainBtnClick(); });
    connect(ZugDelBtn, &QToolButton::clicked, this, [this] { ZugDelBtnClick(); });
    connect(NewNameBtn, &QToolButton::clicked, this, [this] { NewNameBtnClick(); });
    connect(ColBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { ColBoxChange(); });
    connect(sbBhfPlus, &QToolButton::clicked, this, [this] { sbBhfPlusClick(); });
    connect(sbBhfMinus, &QToolButton::clicked, this, [this] { sbBhfMinusClick(); });
}

void TFMain::BhfImageMouseMove(int x, int y) {
    if (!PlanOpen)
        return;
    const int shape = PointerShapeId(*this);
    if (shape == 0)
        PlanImage->unsetCursor();
    else
        PlanImage->setCursor(CursorById(shape));
    const PointerReadout out = ReadPointer(Plan, View, *this, x, y);
    TimeLabel->setText(out.Time);
    BhfLabel->setText(out.Station);
    GlsLabel->setText(out.Track);
    FollowGesture(x, y);
    PrevHoverTime = HoverTime;
}

void TFMain::BhfImageMouseDown(Qt::MouseButton button, int x, int y) {
    (void)button;
    if (!PlanOpen || EditMode != EditTrains)
        return;
    SelectTrainAt(x, y);
    StartGesture(static_cast<int>(GestureOfPress(Plan, *this, x, y)), x, y);
}

void TFMain::SelectTrainAt(int x, int y) {
    ::SelectTrainAt(Plan, *this, x, y, [this](bool marked) { HighlightTrain(marked); });
}

void TFMain::BhfImageMouseUp(Qt::MouseButton button, int x, int y) {
    if (!PlanOpen)
        return;
    if (button == Qt::LeftButton) {
        switch (LeftRelease(Plan, *this, x, y)) {
        case ReleaseAction::InsertionNotFinished:
            ShowMessageBox(u"Fehler"_s, u"Zug einfügen ist noch nicht beendet"_s);
            break;
        case ReleaseAction::ToggleStation:
            ToggleStationMark(x, y);
            break;
        case ReleaseAction::InsertPoint:
            InsertClick(x, y);
            break;
        case ReleaseAction::RepaintAfterDrag:
            PaintPlan();
            break;
        case ReleaseAction::None:
            break;
        }
        return;
    }
    PointDragActive = false;
    MoveArmed = false;
    DragVariant = 0;
    if (button != Qt::RightButton)
        return;
    if (EditMode == EditTrains) {
        if (TrainMarked)
            HighlightTrain(false);
    } else if (EditMode == EditInsertTrain) {
        EndRunningInsertion();
    }
}

void TFMain::InsertClick(int x, int y) {
    if (!::InsertClick(Plan, *this, Modified, x, y)) {
        ShowMessageBox(u"Fehler"_s, InsertError);
        return;
    }
    Screen.SetViewport(VisiblePlanRect());
    Screen.Validate(Plan, CurrentView(), PlanOpen);
    if (auto c = Screen.OpenCanvas()) {
        DrawInsertedPoint(Plan, InsertTrain, InsertPoints, *c);
        c.reset();
    }
    PlanImage->update();
}

void TFMain::EndRunningInsertion() {
    if (EditMode != EditInsertTrain)
        return;
    const bool remains = EndInsertion(Plan, *this);
    SetEditMode(EditTrains);
    NewTrainBtn->setEnabled(true);
    ShowFinishedTrain(remains);
}

void TFMain::ShowFinishedTrain(bool trainRemains) {
    PaintPlan();
    if (trainRemains)
        HighlightTrain(true);
}

void TFMain::ToggleStationMark(int x, int y) {
    const std::vector<int> changed = ::ToggleStationMark(Plan, *this, x, y);
    SetEditMode(EditMode);
    for (int station : changed)
        Screen.Invalidate(Plan.Stations[station].HeaderRect);
    if (!changed.empty())
        PlanImage->update();
}

void TFMain::NewTrainBtnClick() {
    if (!PlanOpen)
        return;
    if (TrainMarked)
        HighlightTrain(false);
    QString error;
    if (!NewTrain(Plan, *this, ColorOfItem(ColBox->currentIndex(), TrainColorItems), error)) {
        ShowMessageBox(u"Fehler"_s, error);
        return;
    }
    NewTrainBtn->setEnabled(false);
    SetEditMode(EditInsertTrain);
}

void TFMain::ZugDelBtnClick() {
    QString error;
    if (!DeleteSelectedTrain(Plan, *this, Modified, error)) {
        ShowMessageBox(u"Fehler"_s, error);
        return;
    }
    PaintPlan();
}

void TFMain::NewNameBtnClick() {
    DropEmptySelection(Plan, *this);
    const QString refusal = RenameRefusal(Plan, *this);
    if (!refusal.isEmpty()) {
        ShowMessageBox(u"Fehler"_s, refusal);
        return;
    }
    TFZugName dialog(Plan.Trains[SelTrain].Name, this);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    if (RenameTrain(Plan, *this, Modified, dialog.Edit1->text()))
        HighlightTrain(true);
}

void TFMain::ColBoxChange() {
    bool redraw = false;
    const TColor colour = ColorOfItem(ColBox->currentIndex(), TrainColorItems);
    if (RecolourTrain(Plan, *this, Modified, colour, redraw) && redraw)
        HighlightTrain(true);
}

void TFMain::ResetTrainColour() {
    const QSignalBlocker quiet(ColBox);
    ColBox->setCurrentIndex(SelectColorItem(ColBox->currentIndex(), clBlue, TrainColorItems));
}

void TFMain::sbBhfPlusClick() {
    if (!PlanOpen)
        return;
    EndRunningInsertion();
    const EditMessage refusal = StationInsertRefusal(Plan);
    if (!refusal.IsEmpty()) {
        ShowMessageBox(refusal.Title, refusal.Text);
        return;
    }
    if (!dm) {
        ShowMessageBox(u"Fehler"_s, u"Die Bahnhofstabelle ist nicht geöffnet."_s);
        return;
    }
    try {
        if (MarkPlanStations(*dm, Plan) == 0) {
            ShowMessageBox(u"Achtung"_s, u"Es steht kein Bahnhof mehr zur Verfügung"_s);
            return;
        }
        TFBhfPlus dialog(dm->tBhfU, this);
        FitFormToScreen(dialog, true);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return;
        const EditMessage failed = InsertStation(*dm, Plan, ChosenStation(*dm), DocState, Modified);
        if (!failed.IsEmpty()) {
            ShowMessageBox(failed.Title, failed.Text);
            return;
        }
    } catch (const StoreError& e) {
        ShowMessageBox(u"Fehler"_s, e.Text());
        return;
    }
    DropEmptySelection(Plan, *this);
    ResizePlan();
    SetEditMode(EditTrains);
}

void TFMain::sbBhfMinusClick() {
    if (!PlanOpen)
        return;
    EndRunningInsertion();
    const EditMessage refusal = StationRemovalRefusal(Plan);
    if (!refusal.IsEmpty()) {
        ShowMessageBox(refusal.Title, refusal.Text);
        return;
    }
    if (!dm) {
        ShowMessageBox(u"Fehler"_s, u"Der Fahrplan kann nicht gespeichert werden: "
                                    u"die Tabellen sind nicht geöffnet."_s);
        return;
    }
    const EditMessage failed = RemoveMarkedStation(*dm, Plan, DocState, Modified);
    if (!failed.IsEmpty()) {
        ShowMessageBox(failed.Title, failed.Text);
        return;
    }
    DropEmptySelection(Plan, *this);
    ResizePlan();
    SetEditMode(EditTrains);
}
