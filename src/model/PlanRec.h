#pragma once

#include "model/Geometry.h"
#include "model/PlanLimits.h"
#include "model/Slots.h"

#include <QString>

#include <cstdint>

// Track designation: at most three characters, cut on assignment.
class TrackDesignation {
public:
    TrackDesignation() = default;
    TrackDesignation(const QString& text) { Assign(text); }
    TrackDesignation& operator=(const QString& text) {
        Assign(text);
        return *this;
    }
    const QString& Text() const { return Value; }
    operator const QString&() const { return Value; }
    friend bool operator==(const TrackDesignation& a, const TrackDesignation& b) {
        return a.Value == b.Value;
    }

private:
    void Assign(const QString& text) { Value = text.left(MaxDesignationLength); }
    QString Value;
};

struct PlanGls {
    TrackDesignation Designation;
    TRect TrackRect;
    int X = 0;
};

struct PlanBhf {
    bool InUse = false;
    QString Name;
    QString Abbrev;
    int TrackCount = 0;
    bool Marked = false;
    TRect HeaderRect;
    TRect ColumnRect;
    Slots<PlanGls, MaxTracks> Tracks;
};

// Point kinds of a train.
constexpr int ModusDeparture = 0;
constexpr int ModusArrival = 1;
constexpr int ModusStopDeparture = 2;
// Direction of a run, held on its arrival.
constexpr int RichtungRight = 0;
constexpr int RichtungLeft = 1;

struct PlanCnt {
    int Modus = 0;
    int Richtung = 0;
    int BhfIdx = 1;
    int GlsIdx = 1;
    double Time = 0.0;
    TRect MarkerRect;
    TRect LabelRect;
};

struct PlanZug {
    bool InUse = false;
    int Number = 0;
    QString Name;
    TColor Color = 0;
    int PointCount = 0;
    Slots<PlanCnt, MaxPoints> Points;
};

constexpr TColor PlanDefaultBackColor = 0xFFFFFF;

struct PlanRec {
    TRect PlanRect;
    TColor BackColor = PlanDefaultBackColor;
    TRect HeaderArea;
    TRect DiagramArea;
    QString PlanName;
    QString PlanDescription;
    int StartHour = 0;
    int EndHour = 24;
    int GridStyle = 1;
    int Zoom = 1;
    int StationCount = 0;
    int TrainCount = 0;
    int Spare = 0;
    bool Cyclic = false;
    Slots<PlanBhf, MaxStations> Stations;
    Slots<PlanZug, MaxTrains> Trains;
};

// Puts every field back to its value after reset: empty plan, 0 to 24 h,
// solid grid, zoom 1, white background.
void ResetPlan(PlanRec& plan);

// Document state beside the plan.
constexpr std::uint8_t DocNone = 0;
constexpr std::uint8_t DocNew = 1;
constexpr std::uint8_t DocStored = 2;
