#include "print/TablePrint.h"

#include "platform/Canvas.h"
#include "print/PrintEngine.h"
#include "print/RenderControl.h"
#include "tablestore/Cursor.h"
#include "views/TimetableRows.h"

#include <algorithm>

using namespace Qt::StringLiterals;

const QStringList TrainRunPrintHeaders = {u"Zugname"_s, u"Abfahrt"_s, u"Bahnhof"_s, u"Gleis"_s,
                                          u"Ankunft"_s, u"Bahnhof"_s, u"Gleis"_s};
const QStringList DispatcherPrintHeaders = {u"Zugname"_s, u"Bahnhof (von)"_s, u"Ankunft"_s,
                                            u"Gleis"_s,   u"Abfahrt"_s,       u"Bahnhof (nach)"_s};
const QStringList ErrorListPrintHeaders = {u"Fehlertyp"_s, u"Zugname"_s, u"Uhrzeit"_s, u"Bahnhof"_s,
                                           u"Gleis"_s,     u"Bahnhof"_s, u"Zugname"_s};

int ListPageCount(int rows) {
    if (rows <= 0)
        return 0;
    return rows / RowsPerListPage + (rows % RowsPerListPage > 0 ? 1 : 0);
}

int ListGridRows(int page, int rows) {
    if (rows >= page * RowsPerListPage)
        return RowsPerListPage + 1;
    return std::max(1, rows - page * RowsPerListPage + RowsPerListPage + 1);
}

namespace {

TControl MakeGrid(const std::vector<int>& widths) {
    TControl g;
    g.Classes = ccStringGrid;
    g.Name = u"sg1"_s;
    g.Left = 60;
    g.Top = 160;
    g.Width = 645;
    g.Height = 836;
    g.ColCount = static_cast<int>(widths.size());
    g.RowCount = 2;
    g.FixedRows = 1;
    g.FixedCols = 0;
    g.RowHeight = 18;
    g.GridLineWidth = 1;
    g.FixedColor = 0xF0F0F0; // button face
    g.ColWidths = widths;
    g.Font.Size = PointsOfHeight(13);
    return g;
}

TLayoutForm ListForm(const QString& name, const QString& title, int bezWidth,
                     const std::vector<int>& widths) {
    TLayoutForm f = MakePageFrame(name, title, 99, 1008);
    TControl& box = f.Components.front();
    if (bezWidth > 0) {
        TControl bez = MakeLabel(u"PlanBez"_s, 60, 128, bezWidth, 16, QString(), 13);
        box.Children.push_back(std::move(bez));
    }
    box.Children.push_back(MakeGrid(widths));
    return f;
}

QStringList CellsOf(Cursor& t, int kind) {
    switch (kind) {
    case pkTrainRun:
        return TrainRunCells(t);
    case pkDispatcher:
        return DispatcherCells(t);
    default:
        return ErrorListCells(t);
    }
}

const QStringList& HeadersOf(int kind) {
    switch (kind) {
    case pkTrainRun:
        return TrainRunPrintHeaders;
    case pkDispatcher:
        return DispatcherPrintHeaders;
    default:
        return ErrorListPrintHeaders;
    }
}

} // namespace

TLayoutForm MakePrnPlanTab() {
    return ListForm(u"TFPrnPlanTab"_s, u"Zuglauf"_s, 562, {121, 75, 138, 44, 74, 127, 37});
}

TLayoutForm MakePrnPlanTab1() {
    return ListForm(u"TFPrnPlanTab1"_s, u"Fahrdienstleiter"_s, 462, {111, 149, 91, 44, 94, 127});
}

TLayoutForm MakePrnError() {
    return ListForm(u"TFPrnError"_s, u"Fehlerliste"_s, 0, {114, 99, 63, 105, 46, 102, 100});
}

TLayoutForm MakePrnFahr() {
    TLayoutForm f = MakePageFrame(u"TFPrnFahr"_s, u"Fahrplan"_s, 91, 1015);
    TControl& box = f.Components.front();
    box.Children.push_back(MakeLine(u"Bevel1"_s, 117));
    box.Children.push_back(MakeLabel(u"lAbfahrt"_s, 80, 144, 200, 23, QString(), 19, fsBold));
    box.Children.push_back(MakeLabel(u"lBahnhof"_s, 678 - 300, 144, 300, 23, QString(), 19, fsBold,
                                     TAlignment::Right));
    TControl pb;
    pb.Classes = ccPaintBox;
    pb.Name = u"pb"_s;
    pb.Left = 60;
    pb.Top = 178;
    pb.Width = StationPaintBoxWidth;
    pb.Height = StationPaintBoxHeight;
    box.Children.push_back(std::move(pb));
    return f;
}

void FillListPage(TLayoutForm& form, int page, Cursor& t, int kind, const TListProgress* progress) {
    TControl* grid = form.Find(u"sg1"_s);
    if (!grid || page < 1)
        return;
    const int rows = t.RecordCount();
    t.First();
    t.MoveBy((page - 1) * RowsPerListPage);
    grid->RowCount = ListGridRows(page, rows);
    grid->Cells.clear();
    const QStringList& headers = HeadersOf(kind);
    for (int c = 0; c < headers.size(); ++c)
        grid->SetCell(c, 0, headers[c]);
    if (progress && progress->Begin)
        progress->Begin(grid->RowCount - 1);
    for (int r = 1; r < grid->RowCount && !t.Eof(); ++r) {
        if (progress && progress->Step)
            progress->Step(r);
        const QStringList cells = CellsOf(t, kind);
        for (int c = 0; c < cells.size(); ++c)
            grid->SetCell(c, r, cells[c]);
        t.Next();
    }
    if (progress && progress->End)
        progress->End();
}

int PrepareListPrint(TPrintEngine& engine, TLayoutForm& form, Cursor& source, int kind,
                     const QString& planName, const QString& planBez,
                     std::function<const TListProgress*()> progress) {
    form.SetText(u"ltitel"_s, u"Fahrplan: "_s + planName);
    form.SetText(u"PlanBez"_s, planBez);
    const int pages = ListPageCount(source.RecordCount());
    for (int i = 0; i < pages; ++i)
        engine.AddPages(form);
    engine.PrintKind = kind;
    engine.FillList = [&source, kind, progress](TLayoutForm& f, int page, bool withProgress) {
        FillListPage(f, page, source, kind, withProgress && progress ? progress() : nullptr);
    };
    return pages;
}

int SlotColumnCount(const std::vector<StationEntry>& rows, int first, int previousHour) {
    const int count = static_cast<int>(rows.size());
    int used = 1;
    int changes = 0;
    int i = first;
    while (i < count && used < 20) {
        const int hour = rows[static_cast<std::size_t>(i)].Hour();
        if (hour != previousHour) {
            ++changes;
            if (changes % 2 == 1)
                ++used;
        }
        ++used;
        previousHour = hour;
        ++i;
    }
    return i - first;
}

namespace {

int HourBefore(const std::vector<StationEntry>& rows, int at) {
    return rows[static_cast<std::size_t>(at > 0 ? at - 1 : 0)].Hour();
}

// One page by the slot rule from `first`: its left and right columns.
TStationPage SlotPage(const std::vector<StationEntry>& rows, int first) {
    TStationPage p;
    p.First = first;
    const int count = static_cast<int>(rows.size());
    if (first >= count)
        return p;
    p.Left = SlotColumnCount(rows, first, HourBefore(rows, first));
    const int right = first + p.Left < count
                          ? SlotColumnCount(rows, first + p.Left, HourBefore(rows, first + p.Left))
                          : 0;
    p.Count = p.Left + right;
    return p;
}

} // namespace

int StationPageCount(const std::vector<StationEntry>& rows) {
    const int count = static_cast<int>(rows.size());
    if (count == 0)
        return 0;
    const int columns = (count + 16) / 17;
    const int estimate = (columns + 1) / 2;
    int needed = 0;
    for (int first = 0; first < count; ++needed)
        first += SlotPage(rows, first).Count;
    return std::max(estimate, needed);
}

std::vector<TStationPage> StationPages(const std::vector<StationEntry>& rows, int pages,
                                       const StationLayoutParams& params) {
    std::vector<TStationPage> out;
    const int count = static_cast<int>(rows.size());
    if (pages <= 0 || count == 0)
        return out;
    if (pages == 1) {
        // One sheet splits by height. Judged on the printed sizes, so the
        // preview (with its taller boxes) divides the rows as the paper does.
        StationLayoutParams paper = params;
        paper.BandHeight = 19;
        paper.BoxHeight = 36;
        paper.Margin = 20;
        const TRect box{0, 0, StationPaintBoxWidth, StationPaintBoxHeight};
        TStationPage p;
        p.Count = count;
        p.Left = LeftColumnCount(rows.data(), count, paper, rows.front().Hour());
        // The height split may leave a column longer than the sheet: then the
        // slot rule divides the rows, which always fits.
        const int paperLeft = p.Left;
        const auto places = StationBoxPlaces(rows.data(), count, paperLeft, paper, box);
        const bool fits = std::all_of(places.begin(), places.end(), [&](const StationBoxPlace& b) {
            return b.Y + paper.BoxHeight <= box.Bottom;
        });
        if (!fits) {
            const TStationPage slot = SlotPage(rows, 0);
            if (slot.Count == count)
                p.Left = slot.Left;
        }
        out.push_back(p);
        return out;
    }
    int first = 0;
    for (int n = 1; n < pages; ++n) {
        out.push_back(SlotPage(rows, first));
        first += out.back().Count;
    }
    // The last page holds the rest; the page count makes sure it fits its
    // two columns, which the slot rule divides.
    TStationPage last = SlotPage(rows, first);
    last.Count = count - first;
    last.Left = std::min(last.Left, last.Count);
    out.push_back(last);
    return out;
}

StationLayoutParams StationPrintParams(Canvas& c, bool previewing, double previewScale,
                                       const TPrintScales& s) {
    StationLayoutParams p;
    p.RightBandTextOffset = 2;
    p.BoldFont = p.RegularFont = u"Arial"_s;
    if (previewing) {
        const double S = previewScale > 0 ? previewScale : 1.0;
        p.BandHeight = static_cast<int>(19 / S);
        p.BoxHeight = static_cast<int>(40 / S);
        p.Margin = static_cast<int>(20 / S);
        p.Padding = static_cast<int>(4 / S);
        p.BoldSize = p.RegularSize = static_cast<int>(10 / S);
        p.PenWidth = 1;
    } else {
        p.BandHeight = static_cast<int>(19 * s.ScaleY);
        p.BoxHeight = static_cast<int>(36 * s.ScaleY);
        p.Margin = static_cast<int>(20 * s.ScaleY);
        p.Padding = 4;
        p.BoldSize = p.RegularSize = 10;
        p.PenWidth = s.PenScaleY;
    }
    // The columns are measured in the font the entries are written in, so
    // the times fit their column in the preview as on paper.
    c.SetFont(p.RegularFont, p.RegularSize, 0);
    p.TimeColumn = c.TextWidth(u"88888888888"_s) + 2 * p.Padding;
    p.TrackColumn = c.TextWidth(u"888"_s) + 3 * p.Padding;
    return p;
}

void DrawStationTimetablePage(Canvas& c, const std::vector<StationEntry>& rows, int page, int pages,
                              const StationLayoutParams& params, const TRect& r) {
    const std::vector<TStationPage> all = StationPages(rows, pages, params);
    if (page < 1 || page > static_cast<int>(all.size()))
        return;
    const TStationPage& p = all[static_cast<std::size_t>(page - 1)];
    if (p.Count <= 0)
        return;
    DrawStationTimetable(c, rows.data() + p.First, p.Count, p.Left, params, r);
}

int PrepareStationPrint(TPrintEngine& engine, TLayoutForm& form, Cursor& t, const QString& planName,
                        const QString& typeText, const QString& station) {
    form.SetText(u"ltitel"_s, u"Fahrplan: "_s + planName);
    form.SetText(u"lAbfahrt"_s, typeText);
    form.SetText(u"lBahnhof"_s, station);
    const int pages = StationPageCount(ReadStationEntries(t));
    for (int i = 0; i < pages; ++i)
        engine.AddPages(form);
    engine.PrintKind = pkStationTimetable;
    TPrintEngine* e = &engine;
    engine.DrawPaintBox = [&t, e](TRenderContext& ctx, const TControl&, const TRect& r) {
        const std::vector<StationEntry> rows = ReadStationEntries(t);
        if (rows.empty())
            return;
        const StationLayoutParams params =
            StationPrintParams(*ctx.Target, ctx.Previewing, ctx.PreviewScale, ctx.Scales);
        DrawStationTimetablePage(*ctx.Target, rows, ctx.Page, e->PageCount(), params, r);
    };
    return pages;
}
