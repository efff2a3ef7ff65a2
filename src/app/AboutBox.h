#pragma once

#include <QDialog>

// "Über...": name, version, icon, picture, credits and contact; a click
// anywhere or Esc closes it.
class Tinfo : public QDialog {
    Q_OBJECT
public:
    explicit Tinfo(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
