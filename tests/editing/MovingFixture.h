#pragma once

#include "diagram/DiagramView.h"
#include "diagram/ScreenImage.h"
#include "editing/DragSprites.h"
#include "editing/EditState.h"
#include "editing/TrainMoving.h"
#include "model/PlanRec.h"

#include <initializer_list>

// A stop or end of a train as the tests write it: station, track, minute of
// the day.
struct Stop {
    int Station;
    int Track;
    int Minute;
};

// Appends a train through the given places: the first is its departure,
// then arrival and departure after a stop alternate, the last is an
// arrival. Directions follow the station numbers.
int AddTrain(PlanRec& plan, std::initializer_list<Stop> places);
// As AddTrain, from an array.
int AddTrainFrom(PlanRec& plan, const Stop* places, int count);

// The minute under pointer row y and whether the time panel would show it.
bool HoverMinuteAt(const PlanRec& plan, const DiagramView& view, int y, int& minute);

// A plan with its drawing on a screen image, and the state of the gestures.
struct MovingBench {
    explicit MovingBench(const PlanRec& p);
    PlanRec Plan;
    DiagramView View;
    ScreenImage Screen;
    EditState State;
    DragState Drag;
    bool Modified = false;
    MovingContext Context() { return {Plan, State, Drag, Screen, View, Modified}; }
    // A full drawing of the plan on the screen image (the release repaint).
    void Repaint();
    // Pointer at row y: HoverTime as the pointer read-out sets it.
    void HoverAt(int y);
    // Release: ends the gesture.
    void Release();
};
