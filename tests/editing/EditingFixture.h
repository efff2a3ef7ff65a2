#pragma once

#include "PlanSupport.h"
#include "diagram/DiagramView.h"
#include "editing/EditState.h"
#include "model/PlanRec.h"

#include <QImage>

#include <initializer_list>

// A plan drawn once so the rectangles of the last drawing are stored, with
// an editing state beside it. Press points come from those rectangles.
struct DrawnPlan {
    DrawnPlan(std::initializer_list<int> tracks, int startHour, int endHour, int zoom)
        : Plan(PlanWithStations(tracks, startHour, endHour, zoom)) {
        Draw();
    }
    void Draw() { Picture = RenderScreen(Plan, View); }

    // Centre of track g of station b, and the row of minute m after the start hour.
    int TrackX(int b, int g) const { return Plan.Stations[b].Tracks[g].X; }
    int Row(int minutes) const { return View.TimeTop + minutes * Plan.Zoom; }

    PlanRec Plan;
    DiagramView View;
    EditState State;
    bool Modified = false;
    QImage Picture;
};
