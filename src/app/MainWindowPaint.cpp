// The diagram on the main window's paint box.
#include "app/MainWindow.h"

#include "app/PlanImage.h"

#include <QPaintEvent>
#include <QPainter>

void TFMain::ResizePlan() {
    // Canvas of the reset plan until the renderer sizes it.
    const int height = 120 + 80 + (Plan.EndHour - Plan.StartHour) * Plan.Zoom * 60;
    const int width = 2 * 80 + 50 + 25;
    Plan.PlanRect = {0, 0, width, height};
    PlanImage->resize(width, height);
    PlanBoxContent->resize(width + 16, height + 16);
    PaintPlan();
}

void TFMain::PaintPlan() {
    PlanImage->update();
}

void TFMain::PlanImagePaint(QPaintEvent* event) {
    QPainter painter(PlanImage);
    painter.fillRect(event->rect(), Qt::white);
}
