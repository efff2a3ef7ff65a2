#pragma once

#include <QWidget>

#include <functional>

// The paint box the diagram is drawn on. It has no drawing of its own: the
// main window paints it and handles its mouse events.
class TPlanImage : public QWidget {
    Q_OBJECT
public:
    explicit TPlanImage(QWidget* parent = nullptr);

    std::function<void(QPaintEvent*)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
