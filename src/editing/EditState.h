#pragma once

#include <QString>

#include <cstdint>

// Edit modes of the diagram.
constexpr std::uint8_t EditNone = 0;
constexpr std::uint8_t EditInsertTrain = 1;
constexpr std::uint8_t EditTrains = 2;
constexpr std::uint8_t EditStations = 3;

// What the next insertion click lays.
constexpr std::uint8_t StepDeparture = 0;
constexpr std::uint8_t StepArrival = 1;
constexpr std::uint8_t StepStopDeparture = 2;

// Kinds of move a press on a name box arms.
constexpr std::uint8_t MoveRunKind = 0;
constexpr std::uint8_t MoveTrainKind = 1;

// The editing state of the diagram, beside the open plan; never stored. The
// main window holds one; the editing functions read and change it.
struct EditState {
    std::uint8_t EditMode = EditNone;
    // What the next insertion click lays (StepDeparture … StepStopDeparture).
    std::uint8_t InsertStep = StepDeparture;
    // Train slot being inserted; also the train the colour box recolours.
    int InsertTrain = 0;
    // Points laid so far during insertion; a selection sets it to the hit point.
    int InsertPoints = 0;
    // Text of the last refused insertion click.
    QString InsertError;
    // Station and track under the pointer, 1-based; 0 none.
    int HoverStation = 0;
    int HoverTrack = 0;
    // Last valid time under the pointer, whole minutes.
    double HoverTime = 0.0;
    // Whether the time panel shows a time now: false above the time axis and
    // past the end hour, where HoverTime keeps its last valid value.
    bool HoverTimeValid = false;
    // HoverTime at the end of the previous pointer move.
    double PrevHoverTime = 0.0;
    // The selected train is drawn marked.
    bool TrainMarked = false;
    // Selected train slot and its point whose marker or name box was hit.
    int SelTrain = 0;
    int SelPoint = 0;
    // A run move or whole-train move is armed.
    bool MoveArmed = false;
    // A point drag is in progress.
    bool PointDragActive = false;
    // MoveRunKind or MoveTrainKind, as the radio group "Zug verschieben" says.
    std::uint8_t MoveKind = MoveRunKind;
    // Situation of the dragged point, 0 none.
    std::uint8_t DragVariant = 0;
    // Something was dragged since the last press.
    bool DragMoved = false;
};

// The state after a plan is reset: nothing selected, inserted or dragged,
// hover time now. MoveKind is left alone: it mirrors the radio group, which
// the reset does not touch.
void ClearEditState(EditState& s, double now);

// Stores the mode and disarms a move. The caller shows the mode's text.
void SetEditMode(EditState& s, std::uint8_t mode);
// "Zug hinzufügen" and the others; empty for mode 0 and unknown modes.
QString EditModeText(std::uint8_t mode);
