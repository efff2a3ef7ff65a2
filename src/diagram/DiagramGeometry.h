#pragma once

// Fixed pixel layout of the diagram; printing and export use the same values.
constexpr int TopMargin = 120;
constexpr int BottomMargin = 80;
constexpr int LeftMargin = 80;
constexpr int RightMargin = 50;
constexpr int PixelsPerHour = 60;
constexpr int MinStationWidth = 40;
constexpr int HeaderHeight = 20;
constexpr int LabelGap = 15;
constexpr int LabelWidth = 80;
constexpr int LabelHeight = 15;
constexpr int TrackSpacing = 17;
constexpr int HeaderPadding = 8;
constexpr int MarkerSize = 7;
constexpr int MarkerHalf = 3;
constexpr int ArrowLength = 6;
constexpr int ArrowInset = 2;
constexpr int FirstTrackOffset = 25;
constexpr int HeaderBandOffset = 40;

// Top of the track lines and bottom of the station headers.
constexpr int TrackTop = TopMargin - HeaderBandOffset;
constexpr int HeaderTop = TrackTop - HeaderHeight;
// Space one station column takes besides its inner width: the lane for the
// name boxes with a gap on either side.
constexpr int StationLane = 2 * LabelGap + LabelWidth;

// Inner width of a station: the span of its track lines, at least 40.
inline int StationInnerWidth(int trackCount) {
    const int w = TrackSpacing * (trackCount - 1);
    return w > MinStationWidth ? w : MinStationWidth;
}
