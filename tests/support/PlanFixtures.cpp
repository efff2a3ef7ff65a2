#include "PlanFixtures.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "model/TimeOfDay.h"
#include "platform/Canvas.h"

PlanRec PlanWithStations(std::initializer_list<int> trackCounts, int startHour, int endHour,
                         int zoom) {
    PlanRec plan;
    plan.PlanName = QStringLiteral("Testplan");
    plan.StartHour = startHour;
    plan.EndHour = endHour;
    plan.Zoom = zoom;
    int k = 0;
    for (int tracks : trackCounts) {
        PlanBhf& st = plan.Stations[++k];
        st.InUse = true;
        st.Name = QStringLiteral("Station %1").arg(k);
        st.Abbrev = QString(QChar(u'A' + (k - 1) % 26));
        st.TrackCount = tracks;
        for (int j = 1; j <= tracks; ++j)
            st.Tracks[j].Designation = QString::number(j);
    }
    plan.StationCount = k;
    return plan;
}

int AddRun(PlanRec& plan, TColor color, int s1, int g1, int h1, int m1, int s2, int g2, int h2,
           int m2, int richtung) {
    const int slot = ++plan.TrainCount;
    PlanZug& z = plan.Trains[slot];
    z.InUse = true;
    z.Number = slot;
    z.Name = QStringLiteral("Zug #%1").arg(slot);
    z.Color = color;
    z.PointCount = 2;
    z.Points[1] = PlanCnt{ModusDeparture, 0, s1, g1, EncodeTime(h1, m1), {}, {}};
    z.Points[2] = PlanCnt{ModusArrival, richtung, s2, g2, EncodeTime(h2, m2), {}, {}};
    return slot;
}

PlanRec WorkedExample(TColor trainColor) {
    PlanRec plan = PlanWithStations({2, 3}, 6, 8, 1);
    AddRun(plan, trainColor, 1, 1, 6, 10, 2, 2, 6, 40, RichtungRight);
    return plan;
}

PlanRec GeneratedPlan(int stations, int tracks, int trains, int points, int zoom) {
    PlanRec plan = PlanWithStations({}, 0, 24, zoom);
    plan.StationCount = stations;
    for (int k = 1; k <= stations; ++k) {
        PlanBhf& st = plan.Stations[k];
        st.InUse = true;
        st.Name = QStringLiteral("Station %1").arg(k);
        st.Abbrev = QStringLiteral("S%1").arg(k);
        st.TrackCount = tracks;
        for (int j = 1; j <= tracks; ++j)
            st.Tracks[j].Designation = QString::number(j);
    }
    plan.PlanDescription = QStringLiteral("Erzeugter Fahrplan");
    for (int slot = 1; slot <= trains; ++slot) {
        PlanZug& z = plan.Trains[slot];
        z.InUse = true;
        z.Number = slot;
        z.Name = QStringLiteral("Zug #%1").arg(slot);
        z.Color = ColorTableEntry(slot % TrainColorItems);
        z.PointCount = points;
        int station = (slot - 1) % stations + 1;
        int step = station == stations ? -1 : 1;
        const int track = (slot - 1) % tracks + 1;
        int minute = (slot * 3) % 150;
        z.Points[1] = PlanCnt{ModusDeparture, 0, station, track, MinutesToTime(minute), {}, {}};
        for (int p = 2; p <= points; p += 2) {
            // A 20-minute run to the next station, then a 5-minute stop.
            if (station + step < 1 || station + step > stations)
                step = -step;
            station += step;
            minute += 20;
            z.Points[p] = PlanCnt{ModusArrival,
                                  step > 0 ? RichtungRight : RichtungLeft,
                                  station,
                                  track,
                                  MinutesToTime(minute),
                                  {},
                                  {}};
            if (p + 1 <= points) {
                minute += 5;
                z.Points[p + 1] = PlanCnt{ModusStopDeparture,
                                          z.Points[p].Richtung,
                                          station,
                                          track,
                                          MinutesToTime(minute),
                                          {},
                                          {}};
            }
        }
    }
    plan.TrainCount = trains;
    return plan;
}

PlanRec LargestPlan() {
    return GeneratedPlan(MaxStations, MaxTracks, MaxTrains, MaxPoints, 9);
}

namespace {
QImage Render(PlanRec& plan, DiagramView& view, bool output) {
    ResizePlan(plan);
    QImage img(plan.PlanRect.Width(), plan.PlanRect.Height(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    Canvas c(img);
    if (output)
        DrawOutputPicture(plan, view, c);
    else
        PaintPlan(plan, view, c);
    return img;
}
} // namespace

QImage RenderScreen(PlanRec& plan, DiagramView& view) {
    return Render(plan, view, false);
}

QImage RenderOutput(PlanRec& plan, DiagramView& view) {
    return Render(plan, view, true);
}
