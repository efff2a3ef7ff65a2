#pragma once

#include "print/TablePrint.h"

#include <QWidget>

class QProgressBar;

// The progress window "Listen werden vorbereitet..." shown while a list
// page is filled for the preview; made once and reused.
class TFPageBar : public QWidget {
public:
    explicit TFPageBar(QWidget* parent = nullptr);
    QProgressBar* ProgressBar1 = nullptr;
    // The callbacks of the list filling, bound to this window.
    const TListProgress* Progress();

private:
    TListProgress Hooks;
};

// The program's one list progress window, made on first use.
TFPageBar& ThePageBar();
