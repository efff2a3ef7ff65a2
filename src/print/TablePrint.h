#pragma once

#include "print/PrintControls.h"
#include "print/PrintScales.h"
#include "views/StationTimetableLayout.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class Canvas;
class Cursor;
class TPrintEngine;

// Printing the three lists (42 rows a page in a grid) and the station
// timetable (two columns of entry boxes a page).

constexpr int RowsPerListPage = 42;

// Pages of a list of `rows` rows: rows div 42, plus one for a rest.
int ListPageCount(int rows);
// Grid rows of page p (the header row included): 43 on a full page, the
// rest plus the header on the last.
int ListGridRows(int page, int rows);

// Column titles as printed (the dispatcher's differ from its window's).
extern const QStringList TrainRunPrintHeaders;
extern const QStringList DispatcherPrintHeaders;
extern const QStringList ErrorListPrintHeaders;

// The layout forms of the lists and of the station timetable.
TLayoutForm MakePrnPlanTab();
TLayoutForm MakePrnPlanTab1();
TLayoutForm MakePrnError();
TLayoutForm MakePrnFahr();

// Progress while a list page is filled in the preview.
struct TListProgress {
    std::function<void(int maximum)> Begin;
    std::function<void(int position)> Step;
    std::function<void()> End;
};

// Fills the grid sg1 of the form with page p of the cursor's current range
// for print kind 2, 3 or 5; a form without a grid is left alone.
void FillListPage(TLayoutForm& form, int page, Cursor& source, int kind,
                  const TListProgress* progress);

// A list print: ltitel "Fahrplan: " and the plan name, PlanBez (train run:
// the description; dispatcher: the station), one page per 42 rows of the
// cursor's range, the print kind and the page filler. Returns the pages
// added (none for an empty range). The cursor must outlive the pages.
int PrepareListPrint(TPrintEngine& engine, TLayoutForm& form, Cursor& source, int kind,
                     const QString& planName, const QString& planBez,
                     std::function<const TListProgress*()> progress = {});

// Station timetable pagination. Each page takes the rows First … First +
// Count − 1, Left of them in the left column.
struct TStationPage {
    int First = 0;
    int Count = 0;
    int Left = 0;
};
// Rows one column takes from `first` by the slot rule: while its slot count
// (from 1) is below 20 each row adds a slot, and every odd change of hour
// within the column one more; `previousHour` is the hour of the row before.
int SlotColumnCount(const std::vector<StationEntry>& rows, int first, int previousHour);
// Pages the print gets: the estimate of 17 rows a column, or more when the
// slot rule needs more, so that every row is printed once.
int StationPageCount(const std::vector<StationEntry>& rows);
// The paint box of the station page, in design pixels.
constexpr int StationPaintBoxWidth = 645;
constexpr int StationPaintBoxHeight = 806;
// The pages for `pages` sheets: all but the last by the slot rule, the last
// the rest. One sheet splits by height like the window (with the heights
// of params), or by the slot rule when the printed height split would not
// fit the paint box; preview and paper divide the rows alike.
std::vector<TStationPage> StationPages(const std::vector<StationEntry>& rows, int pages,
                                       const StationLayoutParams& params);

// Layout values of the preview (scale previewScale) or the printer (scales).
StationLayoutParams StationPrintParams(Canvas& c, bool previewing, double previewScale,
                                       const TPrintScales& scales);
// Draws page `page` of `pages` into the paint box's rectangle r.
void DrawStationTimetablePage(Canvas& c, const std::vector<StationEntry>& rows, int page, int pages,
                              const StationLayoutParams& params, const TRect& r);

// A station timetable print: ltitel, lAbfahrt (the type text), lBahnhof (the
// station), its pages and the paint box painter reading the cursor's range
// at every drawing. Returns the pages added.
int PrepareStationPrint(TPrintEngine& engine, TLayoutForm& form, Cursor& tTabPlan,
                        const QString& planName, const QString& typeText, const QString& station);
