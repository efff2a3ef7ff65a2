#pragma once

#include "print/PrintEngine.h"

#include <QDialog>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class TPrintPreview;

// The sheet's white paint box; its paint draws the current page.
class TPreviewViewer : public QWidget {
public:
    explicit TPreviewViewer(TPrintPreview& preview, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPrintPreview& Preview;
};

// The progress window of printing, "Seiten werden gedruckt...": shown
// without being modal while pages go to the printer.
class TPrinterIdle : public QWidget {
public:
    explicit TPrinterIdle(QWidget* parent = nullptr);
    QProgressBar* Bar = nullptr;
};

// The print preview "Druckvorschau": made once and reused by every print.
// Callers add their layout form's pages to Engine, choose the print kind
// and call ShowPreview; printing happens inside.
class TPrintPreview : public QDialog {
public:
    explicit TPrintPreview(QWidget* parent = nullptr);
    ~TPrintPreview() override;

    TPrintEngine Engine;

    // Shows the preview modally from page 1; with no page returns 0 at once.
    int ShowPreview();

    // Navigation, zoom, printing and setup as the buttons do them.
    void BtnFirstClick();
    void BtnPriorClick();
    void BtnNextClick();
    void BtnLastClick();
    // True when the zoom was applied (the same zoom again does nothing,
    // unless it comes from the printer setup).
    bool ZoomlistChange(bool fromPrinterSetup = false);
    void BtnPrintClick();
    void BtnPrintSetupClick();
    void FormResize();
    // Paints the current page onto the viewer (its paint handler).
    void PaintPage(QPaintDevice& device, int width, int height);

    QPrinter& Printer();

    QToolButton* BtnFirst = nullptr;
    QToolButton* BtnPrior = nullptr;
    QPushButton* MidBtn = nullptr;
    QToolButton* BtnNext = nullptr;
    QToolButton* BtnLast = nullptr;
    QComboBox* Zoomlist = nullptr;
    QPushButton* BtnPrint = nullptr;
    QPushButton* BtnPrintSetup = nullptr;
    QPushButton* BtnClose = nullptr;
    QScrollArea* ScrollBox2 = nullptr;
    QWidget* ScrollBox1 = nullptr;
    QWidget* Shadow = nullptr;
    TPreviewViewer* Viewer = nullptr;
    QStatusBar* sb1 = nullptr;
    TPrinterIdle* PrinterIdle = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void GoTo(int page);
    void SizeSheet();
    bool Landscape() const;

    std::unique_ptr<QPrinter> PrinterDevice;
    QWidget* Area = nullptr;
    int LastWidth = 0;
};

// The one preview of the program (made by the main window); null before.
TPrintPreview* ThePrintPreview();
