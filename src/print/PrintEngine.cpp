#include "print/PrintEngine.h"

#include "platform/Canvas.h"

#include <QLocale>

#include <algorithm>
#include <exception>

bool TPrintEngine::SetPreviewScale(double scale) {
    if (scale < 1.0 || scale > 5.0)
        return false;
    PreviewScale = scale;
    return true;
}

void TPrintEngine::AddPages(TLayoutForm& form) {
    for (TControl& c : form.Components)
        if (c.Is(ccScrollBox))
            Pages.push_back({&form, &c});
}

TLayoutForm* TPrintEngine::PageForm(int page) const {
    return page >= 1 && page <= PageCount() ? Pages[static_cast<std::size_t>(page - 1)].Form
                                            : nullptr;
}

TControl* TPrintEngine::PageBox(int page) const {
    return page >= 1 && page <= PageCount() ? Pages[static_cast<std::size_t>(page - 1)].Box
                                            : nullptr;
}

void TPrintEngine::Clear() {
    Pages.clear();
    CurrentPage = 0;
}

void TPrintEngine::FillPage(int page, bool progress) {
    TLayoutForm* form = PageForm(page);
    if (!form)
        return;
    form->SetText(QStringLiteral("PageNum"),
                  QString::number(page) + u'/' + QString::number(PageCount()));
    const QDate date = PrintDate.isValid() ? PrintDate : QDate::currentDate();
    form->SetText(QStringLiteral("DateLabel"), date.toString(QStringLiteral("dd.MM.yyyy")));
    if ((PrintKind == pkTrainRun || PrintKind == pkDispatcher || PrintKind == pkErrorList) &&
        FillList)
        FillList(*form, page, progress);
}

void TPrintEngine::RenderPage(Canvas& c, int page, const TPrintScales& scales, bool previewing) {
    const TControl* box = PageBox(page);
    if (!box)
        return;
    TRenderContext ctx;
    ctx.Target = &c;
    ctx.Scales = scales;
    ctx.Previewing = previewing;
    ctx.PreviewScale = PreviewScale;
    ctx.PrintTags = PrintTags;
    ctx.Page = page;
    ctx.PrintKind = PrintKind;
    ctx.TileColumns = TileColumns;
    ctx.OnUpdatePrintStatus = OnUpdatePrintStatus;
    ctx.DrawPlanBox = DrawPlanBox;
    ctx.DrawPaintBox = DrawPaintBox;
    RenderChildren(ctx, box->Children, box->HorzScroll, box->VertScroll);
}

namespace {

void RulerText(Canvas& c, int x, int y, int n) {
    c.SetBrushStyle(TBrushStyle::Clear);
    c.TextOut(x, y, QString::number(n));
}

} // namespace

void DrawRulers(Canvas& c, const TPrintScales& s, int rulerSize, int ppi, double previewScale,
                int width, int height) {
    const int r = static_cast<int>(rulerSize * s.ScaleX);
    if (r <= 0)
        return;
    c.SetPenColor(0);
    c.SetPenWidth(s.PenScaleY);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.SetFont(QStringLiteral("Arial"), static_cast<int>(10 / previewScale), 0);
    c.SetFontColor(0);
    const TRect h{r, 0, width, r};
    const TRect v{0, r, r, height};
    c.Rectangle(h);
    c.Rectangle(v);
    const int stepH = ppi / 12;
    for (int i = 0;; ++i) {
        const int x = h.Left + static_cast<int>(i * stepH * s.ScaleX);
        if (x >= h.Right)
            break;
        const int k = 1 + (i % 3 == 0) + (i % 6 == 0) + (i % 12 == 0);
        c.MoveTo(x, h.Top + s.PenScaleY);
        c.LineTo(x, h.Top + static_cast<int>(6 * s.ScaleY) * k);
        if (i > 0 && i % 12 == 0 && x + stepH * s.ScaleX / 2 < h.Right)
            RulerText(c, x + static_cast<int>(3 * s.ScaleX), h.Top + static_cast<int>(9 * s.ScaleY),
                      i / 12);
    }
    const int stepV = ppi / 6;
    for (int i = 0;; ++i) {
        const int y = v.Top + static_cast<int>(i * stepV * s.ScaleY);
        if (y >= v.Bottom)
            break;
        const int k = (i % 3 == 0 ? 3 : 2) + (i % 6 == 0);
        c.MoveTo(v.Left + s.PenScaleX, y);
        c.LineTo(v.Left + static_cast<int>(6 * s.ScaleX) * k, y);
        if (i > 0 && i % 6 == 0)
            RulerText(c, v.Left + static_cast<int>(12 * s.ScaleX),
                      y - static_cast<int>(16 * s.ScaleY), i / 6);
    }
}

std::vector<TPrintStep> PrintSequence(int copies, int from, int to, int pageCount,
                                      bool separateDocuments) {
    std::vector<TPrintStep> steps;
    if (pageCount <= 0)
        return steps;
    copies = std::max(1, copies);
    if (from <= 0 && to <= 0) {
        from = 1;
        to = pageCount;
    }
    to = std::clamp(to, 1, pageCount);
    from = std::clamp(from, 1, to);
    for (int copy = 0; copy < copies; ++copy)
        for (int n = from; n <= to; ++n)
            steps.push_back({n, separateDocuments || steps.empty()});
    return steps;
}

namespace {

QString FailureText(const std::vector<int>& pages, const QString& reason) {
    QStringList numbers;
    for (int p : pages)
        numbers << QString::number(p);
    QString text = pages.size() == 1
                       ? QStringLiteral("Seite %1 konnte nicht gedruckt werden.").arg(numbers[0])
                       : QStringLiteral("Die Seiten %1 konnten nicht gedruckt werden.")
                             .arg(numbers.join(QStringLiteral(", ")));
    if (!reason.isEmpty())
        text += u' ' + reason;
    return text;
}

} // namespace

QString PrintPages(TPrintEngine& engine, TPrintTarget& target, int copies, int from, int to,
                   const std::function<void(int, int)>& progress) {
    const std::vector<TPrintStep> steps =
        PrintSequence(copies, from, to, engine.PageCount(), target.SeparateDocuments());
    if (steps.empty())
        return QString();
    const int total = std::max(1, copies) * engine.PageCount();
    const bool wasPreviewing = engine.Previewing;
    std::vector<int> failed;
    QString reason;
    auto fail = [&](int page, const QString& why) {
        if (std::find(failed.begin(), failed.end(), page) == failed.end())
            failed.push_back(page);
        if (reason.isEmpty())
            reason = why;
    };

    Canvas* canvas = nullptr;
    std::vector<int> docPages; // pages of the open document
    auto endDocument = [&] {
        if (!canvas)
            return;
        if (!target.EndDocument())
            for (int p : docPages)
                fail(p, target.Error());
        canvas = nullptr;
        docPages.clear();
    };

    int done = 0;
    for (const TPrintStep& step : steps) {
        if (progress)
            progress(++done, total);
        if (step.NewDocument) {
            endDocument();
            canvas = target.BeginDocument();
        } else if (canvas && !target.NextPage()) {
            fail(step.Page, target.Error());
            continue;
        }
        if (!canvas) {
            fail(step.Page, target.Error());
            // A file that cannot be opened takes no later page either.
            if (!target.SeparateDocuments()) {
                for (const TPrintStep& rest : steps)
                    fail(rest.Page, QString());
                break;
            }
            continue;
        }
        docPages.push_back(step.Page);
        engine.PrintingPage = step.Page;
        engine.Previewing = false;
        try {
            engine.FillPage(step.Page, false);
            engine.RenderPage(
                *canvas, step.Page,
                PrinterScales(target.DpiX(), target.DpiY(), engine.DesignPixelsPerInch), false);
        } catch (const std::exception& e) {
            fail(step.Page, QString::fromUtf8(e.what()));
        } catch (...) {
            fail(step.Page, QString());
        }
        if (target.SeparateDocuments())
            endDocument();
    }
    endDocument();
    engine.Previewing = wasPreviewing;
    engine.PrintingPage = 0;
    // All pages share one layout form: the preview shows its page again.
    if (engine.CurrentPage >= 1)
        engine.FillPage(engine.CurrentPage, false);
    std::sort(failed.begin(), failed.end());
    return failed.empty() ? QString() : FailureText(failed, reason);
}
