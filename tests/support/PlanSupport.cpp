#include "PlanSupport.h"

#include "model/TimeOfDay.h"
#include "store/PlanStore.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

std::unique_ptr<PlanRec> MakePlan(int stations, int tracks, int trains, int points) {
    auto plan = std::make_unique<PlanRec>();
    plan->PlanName = u"Plan %1×%2"_s.arg(stations).arg(trains);
    plan->PlanDescription = u"Prüfplan"_s;
    plan->StartHour = 0;
    plan->EndHour = 24;
    plan->GridStyle = 3;
    plan->Zoom = 9;
    plan->BackColor = 0xC0C0C0;
    plan->Cyclic = true;
    plan->StationCount = stations;
    for (int i = 1; i <= stations; ++i) {
        PlanBhf& bhf = plan->Stations[i];
        bhf.InUse = true;
        bhf.Name = u"Bahnhof %1"_s.arg(i);
        bhf.Abbrev = u"B%1"_s.arg(i);
        bhf.TrackCount = tracks;
        for (int j = 1; j <= tracks; ++j)
            bhf.Tracks[j].Designation = QString::number(j);
    }
    plan->TrainCount = trains;
    for (int b = 1; b <= trains; ++b) {
        PlanZug& zug = plan->Trains[b];
        zug.InUse = true;
        zug.Number = b;
        zug.Name = u"Zug #%1"_s.arg(b);
        zug.Color = 0x0000FF;
        zug.PointCount = points;
        for (int p = 1; p <= points; ++p) {
            PlanCnt& cnt = zug.Points[p];
            cnt.Modus = p == 1 ? ModusDeparture : (p % 2 == 0 ? ModusArrival : ModusStopDeparture);
            cnt.Richtung = RichtungRight;
            cnt.BhfIdx = 1 + (p / 2) % std::max(1, stations);
            cnt.GlsIdx = 1 + (b + p) % std::max(1, tracks);
            cnt.Time = MinutesToTime((b * 7 + p * 3) % 1440);
        }
    }
    return plan;
}

void StoreNew(Tdm& dm, const PlanRec& plan) {
    std::uint8_t docState = DocNew;
    bool modified = true;
    const StoreResult result = StorePlan(dm, plan, docState, modified);
    ASSERT_TRUE(result.Ok) << result.Error.toStdString();
    ASSERT_EQ(docState, DocStored);
    ASSERT_FALSE(modified);
}

void ExpectSamePlan(const PlanRec& a, const PlanRec& b) {
    EXPECT_EQ(a.PlanName, b.PlanName);
    EXPECT_EQ(a.PlanDescription, b.PlanDescription);
    EXPECT_EQ(a.StartHour, b.StartHour);
    EXPECT_EQ(a.EndHour, b.EndHour);
    EXPECT_EQ(a.GridStyle, b.GridStyle);
    EXPECT_EQ(a.Zoom, b.Zoom);
    EXPECT_EQ(a.BackColor, b.BackColor);
    EXPECT_EQ(a.Cyclic, b.Cyclic);
    ASSERT_EQ(a.StationCount, b.StationCount);
    for (int i = 1; i <= a.StationCount; ++i) {
        const PlanBhf& x = a.Stations[i];
        const PlanBhf& y = b.Stations[i];
        EXPECT_EQ(x.Name, y.Name) << "station " << i;
        EXPECT_EQ(x.Abbrev, y.Abbrev) << "station " << i;
        ASSERT_EQ(x.TrackCount, y.TrackCount) << "station " << i;
        for (int j = 1; j <= x.TrackCount; ++j)
            EXPECT_EQ(x.Tracks[j].Designation.Text(), y.Tracks[j].Designation.Text());
    }
    ASSERT_EQ(a.TrainCount, b.TrainCount);
    for (int t = 1; t <= a.TrainCount; ++t) {
        const PlanZug& x = a.Trains[t];
        const PlanZug& y = b.Trains[t];
        EXPECT_EQ(x.InUse, y.InUse) << "train " << t;
        EXPECT_EQ(x.Number, y.Number) << "train " << t;
        EXPECT_EQ(x.Name, y.Name) << "train " << t;
        EXPECT_EQ(x.Color, y.Color) << "train " << t;
        ASSERT_EQ(x.PointCount, y.PointCount) << "train " << t;
        for (int p = 1; p <= x.PointCount; ++p) {
            const PlanCnt& c = x.Points[p];
            const PlanCnt& d = y.Points[p];
            EXPECT_EQ(c.Modus, d.Modus) << "train " << t << " point " << p;
            EXPECT_EQ(c.Richtung, d.Richtung) << "train " << t << " point " << p;
            EXPECT_EQ(c.BhfIdx, d.BhfIdx) << "train " << t << " point " << p;
            EXPECT_EQ(c.GlsIdx, d.GlsIdx) << "train " << t << " point " << p;
            EXPECT_EQ(TimeToText(c.Time), TimeToText(d.Time)) << "train " << t << " point " << p;
        }
    }
}
