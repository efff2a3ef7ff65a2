#pragma once

// The sizes of the plan's fixed arrays; nothing larger can be represented,
// so every command that adds a station, track, train or point checks these.
constexpr int MaxStations = 20;
constexpr int MaxTracks = 30;
constexpr int MaxTrains = 50;
constexpr int MaxPoints = 100;
constexpr int MaxDesignationLength = 3;
