#include "ViewPlans.h"

#include "PlanFixtures.h"
#include "model/TimeOfDay.h"

int AddTrain(PlanRec& plan, const QString& name, std::initializer_list<Stop> points) {
    const int slot = ++plan.TrainCount;
    PlanZug& z = plan.Trains[slot];
    z.InUse = true;
    z.Number = slot;
    z.Name = name;
    int n = 0;
    for (const Stop& s : points) {
        PlanCnt& p = z.Points[++n];
        p.Modus = s.Modus;
        p.BhfIdx = s.Station;
        p.GlsIdx = s.Track;
        p.Time = EncodeTime(s.Hour, s.Minute);
        if (n > 1)
            p.Richtung = s.Station >= z.Points[n - 1].BhfIdx ? RichtungRight : RichtungLeft;
        if (s.Modus == ModusStopDeparture)
            p.Richtung = z.Points[n - 1].Richtung;
    }
    z.PointCount = n;
    return slot;
}

PlanRec LinePlan(int stations, int tracks) {
    PlanRec plan = PlanWithStations({}, 0, 24, 1);
    for (int k = 1; k <= stations; ++k) {
        PlanBhf& st = plan.Stations[k];
        st.InUse = true;
        st.Name = QString(QChar(u'A' + k - 1));
        st.Abbrev = st.Name;
        st.TrackCount = tracks;
        for (int j = 1; j <= tracks; ++j)
            st.Tracks[j].Designation = QString::number(j);
    }
    plan.StationCount = stations;
    return plan;
}
