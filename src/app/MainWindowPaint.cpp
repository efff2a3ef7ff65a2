// The diagram on the main window's paint box. The paint box shows the screen
// image; everything is drawn into that image, in a paint event from the plan
// and outside one directly (highlighting, later the drag previews).
#include "app/MainWindow.h"

#include "app/PlanImage.h"
#include "diagram/DiagramRenderer.h"
#include "diagram/PlanSettings.h"
#include "platform/Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

DiagramView& TFMain::CurrentView() {
    View.ColourPrint = ColourPrint;
    View.TrainMarked = TrainMarked;
    View.SelTrain = SelTrain;
    return View;
}

void TFMain::ResizePlan() {
    ::ResizePlan(Plan);
    const int width = Plan.PlanRect.Width();
    const int height = Plan.PlanRect.Height();
    PlanImage->resize(width, height);
    PlanBoxContent->resize(width + 16, height + 16);
    PaintPlan();
}

void TFMain::PaintPlan() {
    if (!PlanOpen)
        return;
    ShowTitle(Plan.PlanName);
    Screen.InvalidateAll();
    PlanImage->update();
}

TRect TFMain::VisiblePlanRect() const {
    const QRect r = PlanImage->visibleRegion().boundingRect();
    if (r.isEmpty())
        return {};
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TFMain::PlanImagePaint(QPaintEvent* event) {
    Screen.SetViewport(VisiblePlanRect());
    Screen.Validate(Plan, CurrentView(), PlanOpen);
    QPainter painter(PlanImage);
    const TRect view = Screen.Viewport();
    const QRect viewRect(view.Left, view.Top, view.Width(), view.Height());
    const QRegion exposed = event->region();
    if (!Screen.Image().isNull())
        for (const QRect& r : exposed.intersected(viewRect))
            painter.drawImage(r.topLeft(), Screen.Image(), r.translated(-view.Left, -view.Top));
    // Parts outside the visible area are only asked for when the paint box
    // is rendered elsewhere (a grab); draw them in bands so no picture of
    // the whole canvas is ever held.
    constexpr int BandHeight = 256;
    for (const QRect& r : exposed.subtracted(viewRect)) {
        for (int top = r.top(); top <= r.bottom(); top += BandHeight) {
            const QRect band(r.left(), top, r.width(), std::min(BandHeight, r.bottom() + 1 - top));
            QImage pixels(band.size(), QImage::Format_RGB32);
            pixels.fill(Qt::white);
            if (PlanOpen) {
                Canvas c(pixels);
                c.SetOrigin(band.left(), band.top());
                ::PaintPlan(Plan, CurrentView(), c);
            }
            painter.drawImage(band.topLeft(), pixels);
        }
    }
}

void TFMain::ShowScreenPart(const TRect& r) {
    PlanImage->update(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void TFMain::HighlightTrain(bool marked) {
    Screen.SetViewport(VisiblePlanRect());
    // Parts that are invalid anyway are drawn with the new look later.
    Screen.Validate(Plan, CurrentView(), PlanOpen);
    if (auto c = Screen.OpenCanvas()) {
        ::HighlightTrain(Plan, CurrentView(), *c, marked);
        c.reset();
    } else {
        View.TrainMarked = marked;
    }
    TrainMarked = View.TrainMarked;
    PlanImage->update();
}

void TFMain::DrawDescriptionOnScreen(const QString& text) {
    Screen.SetViewport(VisiblePlanRect());
    Screen.Validate(Plan, CurrentView(), PlanOpen);
    if (auto c = Screen.OpenCanvas()) {
        ::EditBemChange(Plan, CurrentView(), Modified, text, *c);
        c.reset();
    } else {
        // Nothing visible to draw on: the next paint shows the new text.
        QImage none(1, 1, QImage::Format_RGB32);
        Canvas offScreen(none);
        ::EditBemChange(Plan, CurrentView(), Modified, text, offScreen);
    }
    // The erase box of the description is smaller than its bold text; the
    // strip above the station headers holds nothing else, so draw it anew.
    if (PlanOpen)
        Screen.Invalidate({0, 0, Plan.PlanRect.Width(), HeaderTop});
    PlanImage->update();
}
