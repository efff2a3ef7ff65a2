#include "app/PlanImage.h"

#include <QMouseEvent>
#include <QPaintEvent>

TPlanImage::TPlanImage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlanImage"));
    setMouseTracking(true);
    // Every paint redraws the exposed part completely.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlanImage::paintEvent(QPaintEvent* event) {
    if (OnPaint)
        OnPaint(event);
}

void TPlanImage::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown)
        OnMouseDown(event);
}

void TPlanImage::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove)
        OnMouseMove(event);
}

void TPlanImage::mouseReleaseEvent(QMouseEvent* event) {
    if (OnMouseUp)
        OnMouseUp(event);
}
