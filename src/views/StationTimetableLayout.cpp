#include "views/StationTimetableLayout.h"

#include "platform/Canvas.h"
#include "tablestore/Cursor.h"
#include "views/WholeMinute.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Red = 0x0000FF;

QString WithTime(const QString& station, int minute) {
    if (station.isEmpty())
        return QString();
    return station + u" ("_s + ShortTimeText(MinutesToTime(minute)) + u')';
}

void DrawBand(Canvas& c, const StationLayoutParams& p, int x, int y, int width, int hour,
              int textOffset) {
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenColor(Black);
    c.SetPenWidth(p.PenWidth);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(Silver);
    c.Rectangle(TRect{x, y, x + width, y + p.BandHeight});
    c.SetFont(p.BoldFont, p.BoldSize, fsBold);
    c.SetFontColor(Red);
    const QString text = ShortTimeText(MinutesToTime(hour * 60)) + u" Uhr"_s;
    c.TextOut(x + width / 2 - c.TextWidth(text) / 2, y + textOffset, text);
}

void DrawEntry(Canvas& c, const StationLayoutParams& p, const StationEntry& e, int x, int y,
               int width) {
    const int w1 = p.TimeColumn;
    const int w2 = p.TrackColumn;
    c.SetPenStyle(TPenStyle::Solid);
    c.SetPenColor(Black);
    c.SetPenWidth(p.PenWidth);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetBrushColor(White);
    c.Rectangle(TRect{x, y, x + width, y + p.BoxHeight});
    c.MoveTo(x + w1, y);
    c.LineTo(x + w1, y + p.BoxHeight);
    c.MoveTo(x + width - w2, y);
    c.LineTo(x + width - w2, y + p.BoxHeight);

    c.SetFontColor(Black);
    c.SetBrushColor(White);
    c.SetFont(p.BoldFont, p.BoldSize, fsBold);
    c.TextOut(x + width - w2 + w2 / 2 - c.TextWidth(e.Track) / 2, y + p.Padding, e.Track);
    c.TextOut(x + p.Padding, y + p.Padding, ShortTimeText(MinutesToTime(e.Minute)));
    c.SetFont(p.RegularFont, p.RegularSize, 0);
    const QString next = WithTime(e.Next, e.NextMinute);
    if (!next.isEmpty())
        c.TextOut(x + w1 + p.Padding, y + p.Padding, next);
    const int y2 = y + p.Padding + c.TextHeight(u"Dummy"_s) + p.Padding;
    c.TextOut(x + p.Padding, y2, e.Train);
    const QString end = WithTime(e.End, e.EndMinute);
    if (!end.isEmpty()) {
        c.SetFont(p.BoldFont, p.BoldSize, fsBold);
        c.TextOut(x + w1 + p.Padding, y2, end);
    }
}

} // namespace

int StationEntry::Hour() const {
    return HourOfMinute(Minute);
}

std::vector<StationEntry> ReadStationEntries(Cursor& t) {
    std::vector<StationEntry> rows;
    rows.reserve(size_t(t.RecordCount()));
    for (t.First(); !t.Eof(); t.Next()) {
        StationEntry e;
        e.Minute = WholeMinute(t.FieldByName(u"Uhrzeit"_s).AsDateTime());
        e.Track = t.FieldByName(u"Gleis"_s).AsString();
        e.Train = t.FieldByName(u"ZugN"_s).AsString();
        e.Next = t.FieldByName(u"NBhf"_s).AsString();
        e.NextMinute = WholeMinute(t.FieldByName(u"ZeitNB"_s).AsDateTime());
        e.End = t.FieldByName(u"LBhf"_s).AsString();
        e.EndMinute = WholeMinute(t.FieldByName(u"ZeitLB"_s).AsDateTime());
        rows.push_back(std::move(e));
    }
    t.First();
    return rows;
}

StationLayoutParams ScreenLayoutParams(Canvas& c) {
    StationLayoutParams p;
    p.BoldFont = c.FontName();
    p.RegularFont = u"MS Sans Serif"_s;
    p.TimeColumn = c.TextWidth(u"8888888888"_s) + 8;
    p.TrackColumn = c.TextWidth(u"88"_s) + 12;
    return p;
}

int LeftColumnCount(const StationEntry* rows, int count, const StationLayoutParams& p,
                    int initialHour) {
    if (count <= 0)
        return 0;
    int previous = initialHour;
    int total = p.BandHeight;
    for (int i = 0; i < count; ++i) {
        if (rows[i].Hour() != previous) {
            total += p.BandHeight;
            previous = rows[i].Hour();
        }
        total += p.BoxHeight;
    }
    previous = rows[0].Hour();
    int budget = total / 2 - p.BandHeight;
    int left = 0;
    while (budget > 0 && left < count) {
        if (rows[left].Hour() != previous) {
            budget -= p.BandHeight;
            previous = rows[left].Hour();
        }
        budget -= p.BoxHeight;
        ++left;
    }
    return left;
}

StationColumnGeometry StationColumns(const StationLayoutParams& p, const TRect& area) {
    StationColumnGeometry g;
    g.Width = (area.Width() - 3 * p.Margin) / 2;
    g.LeftX = area.Left + p.Margin;
    g.RightX = area.Left + 2 * p.Margin + g.Width;
    g.Top = area.Top + p.Margin;
    return g;
}

std::vector<StationBoxPlace> StationBoxPlaces(const StationEntry* rows, int count, int leftCount,
                                              const StationLayoutParams& p, const TRect& area) {
    std::vector<StationBoxPlace> places(size_t(std::max(count, 0)));
    if (count <= 0)
        return places;
    const StationColumnGeometry g = StationColumns(p, area);
    // The band of the first hour heads the left column; the first box goes below it.
    int leftY = g.Top + p.BandHeight;
    int rightY = g.Top;
    int previous = rows[0].Hour();
    for (int i = 0; i < count; ++i) {
        StationBoxPlace& place = places[size_t(i)];
        const bool changed = rows[i].Hour() != previous;
        if (i >= leftCount) {
            place.X = g.RightX;
            if (changed || i == leftCount) {
                place.Band = true;
                place.BandY = rightY;
                rightY += p.BandHeight;
            }
            place.Y = rightY;
            rightY += p.BoxHeight;
        } else {
            place.X = g.LeftX;
            if (changed) {
                place.Band = true;
                place.BandY = leftY;
                leftY += p.BandHeight;
            }
            place.Y = leftY;
            leftY += p.BoxHeight;
        }
        previous = rows[i].Hour();
    }
    return places;
}

int StationTimetableHeight(const StationEntry* rows, int count, int leftCount,
                           const StationLayoutParams& p) {
    if (count <= 0)
        return 0;
    const int hours = (rows[count - 1].Minute - rows[0].Minute) / 60;
    const int estimate =
        (hours / 2 + 2) * p.BandHeight + (count / 2 + 1) * p.BoxHeight + 3 * p.Margin;
    int bottom = 0;
    for (const StationBoxPlace& place :
         StationBoxPlaces(rows, count, leftCount, p, TRect{0, 0, 0, 0}))
        bottom = std::max(bottom, place.Y + p.BoxHeight);
    return std::max(estimate, bottom + p.Margin);
}

void DrawStationTimetable(Canvas& c, const StationEntry* rows, int count, int leftCount,
                          const StationLayoutParams& p, const TRect& area) {
    if (count <= 0)
        return;
    const StationColumnGeometry g = StationColumns(p, area);
    const std::vector<StationBoxPlace> places = StationBoxPlaces(rows, count, leftCount, p, area);
    DrawBand(c, p, g.LeftX, g.Top, g.Width, rows[0].Hour(), p.Padding);
    for (int i = 0; i < count; ++i) {
        const StationBoxPlace& place = places[size_t(i)];
        const bool right = i >= leftCount;
        if (place.Band &&
            c.MayShow(TRect{place.X, place.BandY, place.X + g.Width, place.BandY + p.BandHeight}))
            DrawBand(c, p, place.X, place.BandY, g.Width, rows[i].Hour(),
                     right ? p.RightBandTextOffset : p.Padding);
        // Texts may run on to the right of their box, so only the height decides.
        if (c.MayShow(TRect{place.X, place.Y, area.Left + area.Width() * 4, place.Y + p.BoxHeight}))
            DrawEntry(c, p, rows[i], place.X, place.Y, g.Width);
    }
    c.SetPenWidth(1);
}
