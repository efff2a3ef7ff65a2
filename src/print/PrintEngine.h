#pragma once

#include "print/PrintControls.h"
#include "print/PrintScales.h"
#include "print/RenderControl.h"

#include <QDate>
#include <QString>

#include <functional>
#include <vector>

class Canvas;
class QPaintDevice;

// Print kinds the callers choose before showing the preview.
constexpr int pkPlanTiles = 0;
constexpr int pkPlanFitted = 1;
constexpr int pkTrainRun = 2;
constexpr int pkDispatcher = 3;
constexpr int pkStationTimetable = 4;
constexpr int pkErrorList = 5;

// The page list and the rendering of pages, shared by the preview window,
// the printer and the command line. A page is a layout form's scroll box;
// one form usually stands for many pages and the page number decides what
// it shows.
class TPrintEngine {
public:
    // Published settings.
    int PrintTags = 0;
    QString PreviewCaption = QStringLiteral("Druckvorschau");
    double PreviewScale = 2.0;
    int DesignPixelsPerInch = DefaultDesignPixelsPerInch;
    double PreviewHeight = 11.0;
    double PreviewWidth = 8.0;
    std::function<void(const TControl&)> OnUpdatePrintStatus;

    // State.
    int CurrentPage = 0;
    int PrintingPage = 0;
    bool Previewing = false;
    int PrintKind = pkPlanTiles;
    int TileColumns = 1;
    int RulerSize = 0;
    bool PreviewRulers() const { return RulerSize > 0; }
    void SetPreviewRulers(bool on) { RulerSize = on ? 32 : 0; }
    // Accepts only 1.0 … 5.0; false when refused.
    bool SetPreviewScale(double scale);

    // What a page shows beyond the frame, filled just before it is shown or
    // printed: (form, page, with progress). Set by the callers of kinds 2, 3, 5.
    std::function<void(TLayoutForm&, int, bool)> FillList;
    // The plan picture (kinds 0 and 1) and the station timetable (kind 4).
    std::function<bool(TRenderContext&, const TControl&, const TRect&)> DrawPlanBox;
    std::function<void(TRenderContext&, const TControl&, const TRect&)> DrawPaintBox;
    // The date the pages show; today when not set.
    QDate PrintDate;

    // Every scroll box of the form becomes one more page. The page list has
    // no fixed size.
    void AddPages(TLayoutForm& form);
    int PageCount() const { return static_cast<int>(Pages.size()); }
    TLayoutForm* PageForm(int page) const;
    TControl* PageBox(int page) const;
    // Empties the page list: the next job starts with no pages.
    void Clear();

    // Page number, page count and date, then the rows of a list page.
    void FillPage(int page, bool progress);
    // The filtered controls of page n with these scales; with rulers in the
    // preview the rulers first.
    void RenderPage(Canvas& c, int page, const TPrintScales& scales, bool previewing);

private:
    struct Page {
        TLayoutForm* Form = nullptr;
        TControl* Box = nullptr;
    };
    std::vector<Page> Pages;
};

// Rulers of the preview: horizontal in (r, 0, width, r), vertical in
// (0, r, r, height), r = trunc(RulerSize · ScaleX).
void DrawRulers(Canvas& c, const TPrintScales& s, int rulerSize, int designPixelsPerInch,
                double previewScale, int width, int height);

// The pages a print run prints, in order, each with whether it begins a
// document of its own. Copies below 1 count as 1; from = to = 0 ("all")
// means 1 … pageCount; the end is cut to pageCount and the start, at least
// 1, lowered to the end if above it. A file target gets one document with
// the pages and copies in order; a real printer one document per page.
struct TPrintStep {
    int Page = 0;
    bool NewDocument = false;
};
std::vector<TPrintStep> PrintSequence(int copies, int from, int to, int pageCount,
                                      bool separateDocuments);

// Where printed pages go: a printer, a PDF file, a test's recorder.
class TPrintTarget {
public:
    virtual ~TPrintTarget() = default;
    // One document per page (a real printer) or one for the whole run (a file).
    virtual bool SeparateDocuments() const = 0;
    // A canvas for the first page of a document; null when the device
    // refused. Another page of the same document comes from NextPage.
    virtual Canvas* BeginDocument() = 0;
    virtual bool NextPage() = 0;
    // False when the document could not be completed.
    virtual bool EndDocument() = 0;
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual QString Error() const { return QString(); }
};

// Prints the run: fills and renders each page without progress, reports
// progress(done, total) after each, and returns "" or a German message
// naming the pages that failed. A failed page does not stop the others.
QString PrintPages(TPrintEngine& engine, TPrintTarget& target, int copies, int from, int to,
                   const std::function<void(int, int)>& progress = {});
