#include "print/TPrintPreview.h"

#include "platform/Canvas.h"
#include "platform/DialogRunner.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

TPrintPreview* Instance = nullptr;

// Pages to a printer or, when the print dialog chose a file, to that file.
class PrinterTarget : public TPrintTarget {
public:
    explicit PrinterTarget(QPrinter& printer) : P(printer) {}
    bool SeparateDocuments() const override {
        return P.outputFormat() == QPrinter::NativeFormat && P.outputFileName().isEmpty();
    }
    Canvas* BeginDocument() override {
        C = std::make_unique<Canvas>(P, P.resolution());
        if (!C->Painter().isActive()) {
            C.reset();
            return nullptr;
        }
        return C.get();
    }
    bool NextPage() override { return P.newPage(); }
    bool EndDocument() override {
        if (!C)
            return false;
        C.reset();
        return P.printerState() != QPrinter::Error;
    }
    int DpiX() const override { return P.resolution(); }
    int DpiY() const override { return P.resolution(); }
    QString Error() const override {
        return QStringLiteral("Der Drucker hat die Seite nicht angenommen.");
    }

private:
    QPrinter& P;
    std::unique_ptr<Canvas> C;
};

QToolButton* ArrowButton(const char* name, Qt::ArrowType arrow, const QString& hint) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(arrow);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    return b;
}

} // namespace

TPrintPreview* ThePrintPreview() {
    return Instance;
}

TPreviewViewer::TPreviewViewer(TPrintPreview& preview, QWidget* parent)
    : QWidget(parent), Preview(preview) {
    setObjectName(QStringLiteral("Viewer"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void TPreviewViewer::paintEvent(QPaintEvent*) {
    Preview.PaintPage(*this, width(), height());
}

TPrinterIdle::TPrinterIdle(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("PrinterIdle"));
    setWindowTitle(QStringLiteral("Seiten werden gedruckt..."));
    setFixedSize(329, 51);
    Bar = new QProgressBar(this);
    Bar->setObjectName(QStringLiteral("ProgressBar1"));
    Bar->setGeometry(16, 14, 297, 20);
    Bar->setTextVisible(true);
    Bar->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid gray; background: white; text-align: center; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 navy, stop:1 white); }"));
}

TPrintPreview::TPrintPreview(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    Instance = this;
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(Engine.PreviewCaption);
    setProperty("helpContext", 27);
    setMinimumSize(400, 300);

    BtnFirst = ArrowButton("BtnFirst", Qt::UpArrow, QStringLiteral("Erste Seite"));
    BtnPrior = ArrowButton("BtnPrior", Qt::LeftArrow, QStringLiteral("Vorherige Seite"));
    MidBtn = new QPushButton(QStringLiteral("Seite"));
    MidBtn->setObjectName(QStringLiteral("MidBtn"));
    MidBtn->setStatusTip(QStringLiteral("Nächste Seite"));
    MidBtn->setMinimumWidth(110);
    MidBtn->installEventFilter(this);
    BtnNext = ArrowButton("BtnNext", Qt::RightArrow, QStringLiteral("Nächste Seite"));
    BtnLast = ArrowButton("BtnLast", Qt::DownArrow, QStringLiteral("Letzte Seite"));
    auto* zoomLabel = new QLabel(QStringLiteral("Zoom:"));
    Zoomlist = new QComboBox;
    Zoomlist->setObjectName(QStringLiteral("Zoomlist"));
    Zoomlist->addItems({QStringLiteral("140%"), QStringLiteral("125%"), QStringLiteral("100%"),
                        QStringLiteral("75%"), QStringLiteral("50%")});
    Zoomlist->setCurrentIndex(3);
    Zoomlist->setAccessibleName(QStringLiteral("Zoom"));
    zoomLabel->setBuddy(Zoomlist);
    BtnPrint = new QPushButton(QStringLiteral("Drucken"));
    BtnPrint->setObjectName(QStringLiteral("BtnPrint"));
    BtnPrintSetup = new QPushButton(QStringLiteral("Einstellung"));
    BtnPrintSetup->setObjectName(QStringLiteral("BtnPrintSetup"));
    BtnClose = new QPushButton(QStringLiteral("OK"));
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setDefault(true);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    for (QWidget* w : std::initializer_list<QWidget*>{BtnFirst, BtnPrior, MidBtn, BtnNext, BtnLast})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(zoomLabel);
    bar->addWidget(Zoomlist);
    bar->addSpacing(16);
    bar->addWidget(BtnPrint);
    bar->addWidget(BtnPrintSetup);
    bar->addStretch(1);
    bar->addWidget(BtnClose);

    ScrollBox2 = new QScrollArea;
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    ScrollBox2->setBackgroundRole(QPalette::Dark);
    ScrollBox2->setWidgetResizable(false);
    Area = new QWidget;
    Area->setAutoFillBackground(true);
    QPalette grey = Area->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    Area->setPalette(grey);
    Shadow = new QWidget(Area);
    Shadow->setObjectName(QStringLiteral("Shadow"));
    Shadow->setAttribute(Qt::WA_StyledBackground);
    Shadow->setStyleSheet(QStringLiteral("background: black;"));
    ScrollBox1 = new QWidget(Area);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    Viewer = new TPreviewViewer(*this, ScrollBox1);
    ScrollBox2->setWidget(Area);

    sb1 = new QStatusBar;
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(ScrollBox2, 1);
    layout->addWidget(sb1);

    PrinterIdle = new TPrinterIdle(this);

    connect(BtnFirst, &QToolButton::clicked, this, [this] { BtnFirstClick(); });
    connect(BtnPrior, &QToolButton::clicked, this, [this] { BtnPriorClick(); });
    connect(MidBtn, &QPushButton::clicked, this, [this] { BtnNextClick(); });
    connect(BtnNext, &QToolButton::clicked, this, [this] { BtnNextClick(); });
    connect(BtnLast, &QToolButton::clicked, this, [this] { BtnLastClick(); });
    connect(Zoomlist, &QComboBox::currentIndexChanged, this, [this] { ZoomlistChange(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnPrintSetup, &QPushButton::clicked, this, [this] { BtnPrintSetupClick(); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { accept(); });

    resize(820, 760);
    LastWidth = width();
    SizeSheet();
}

TPrintPreview::~TPrintPreview() {
    if (Instance == this)
        Instance = nullptr;
}

QPrinter& TPrintPreview::Printer() {
    if (!PrinterDevice)
        PrinterDevice = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *PrinterDevice;
}

bool TPrintPreview::Landscape() const {
    return PrinterDevice && PrinterDevice->pageLayout().orientation() == QPageLayout::Landscape;
}

bool TPrintPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MidBtn) {
        if (event->type() == QEvent::Enter)
            sb1->showMessage(MidBtn->statusTip());
        else if (event->type() == QEvent::Leave)
            sb1->clearMessage();
    }
    return QDialog::eventFilter(watched, event);
}

void TPrintPreview::SizeSheet() {
    const TPrintScales s = PreviewScales(Engine.PreviewScale, Engine.RulerSize);
    const TSheetSize sheet =
        PreviewSheetSize(s.ScaleX, Engine.DesignPixelsPerInch, Engine.PreviewWidth,
                         Engine.PreviewHeight, Engine.RulerSize, Landscape());
    ScrollBox1->resize(sheet.Width, sheet.Height);
    Viewer->setGeometry(0, 0, sheet.Width, sheet.Height);
    FormResize();
}

void TPrintPreview::FormResize() {
    if (!ScrollBox2 || !ScrollBox1)
        return;
    const QSize view = ScrollBox2->viewport()->size();
    const QSize page = ScrollBox1->size();
    int left = 0;
    int top = 0;
    if (view.width() >= page.width()) {
        left = std::max(0, (view.width() - page.width()) / 2);
        top = std::max(0, (view.height() - page.height()) / 2);
    }
    Area->resize(std::max(view.width(), page.width() + 6),
                 std::max(view.height(), page.height() + 6));
    ScrollBox1->move(left, top);
    Shadow->setGeometry(left + 3, top + 3, page.width(), page.height());
    Shadow->lower();
    ScrollBox2->ensureVisible(0, 0);
    // The close button keeps its place at the right by the layout.
    LastWidth = width();
}

void TPrintPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void TPrintPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormResize();
    BtnPrint->setFocus();
}

void TPrintPreview::done(int result) {
    // The next job starts with no pages.
    Engine.Clear();
    QDialog::done(result);
}

int TPrintPreview::ShowPreview() {
    const int n = Engine.PageCount();
    MidBtn->setText(QStringLiteral("Seite: 1/") + QString::number(n));
    BtnNext->setEnabled(n >= 2);
    BtnLast->setEnabled(n >= 2);
    BtnPrior->setEnabled(false);
    BtnFirst->setEnabled(false);
    Engine.CurrentPage = 1;
    if (n == 0)
        return 0;
    Engine.Previewing = true;
    setWindowTitle(Engine.PreviewCaption);
    SizeSheet();
    Engine.FillPage(1, true);
    // Opened centred on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        resize(std::min(width(), avail.width()), std::min(height(), avail.height()));
        move(avail.center() - rect().center());
    }
    int result = 0;
    try {
        result = ExecDialog(*this);
    } catch (...) {
        Engine.Previewing = false;
        throw;
    }
    Engine.Previewing = false;
    return result;
}

void TPrintPreview::GoTo(int page) {
    const int n = Engine.PageCount();
    if (page < 1 || page > n || page == Engine.CurrentPage)
        return;
    Engine.CurrentPage = page;
    MidBtn->setText(QStringLiteral("Seite: ") + QString::number(page) + u'/' + QString::number(n));
    BtnNext->setEnabled(page < n);
    BtnLast->setEnabled(page < n);
    BtnPrior->setEnabled(page > 1);
    BtnFirst->setEnabled(page > 1);
    try {
        Engine.FillPage(page, true);
    } catch (const std::exception& e) {
        ShowMessageBox(QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
    }
    Viewer->update();
}

void TPrintPreview::BtnFirstClick() {
    GoTo(1);
}
void TPrintPreview::BtnPriorClick() {
    GoTo(Engine.CurrentPage - 1);
}
void TPrintPreview::BtnNextClick() {
    GoTo(Engine.CurrentPage + 1);
}
void TPrintPreview::BtnLastClick() {
    GoTo(Engine.PageCount());
}

bool TPrintPreview::ZoomlistChange(bool fromPrinterSetup) {
    const double scale = ZoomScale(Zoomlist->currentText());
    if (scale <= 0)
        return false;
    if (!fromPrinterSetup && scale == Engine.PreviewScale)
        return false;
    Engine.PreviewScale = scale;
    SizeSheet();
    Viewer->update();
    return true;
}

void TPrintPreview::PaintPage(QPaintDevice& device, int width, int height) {
    try {
        Canvas c(device, 96);
        c.Painter().fillRect(0, 0, width, height, Qt::white);
        if (!Engine.Previewing || Engine.CurrentPage < 1)
            return;
        const TPrintScales s = PreviewScales(Engine.PreviewScale, Engine.RulerSize);
        if (Engine.PreviewRulers())
            DrawRulers(c, s, Engine.RulerSize, Engine.DesignPixelsPerInch, Engine.PreviewScale,
                       width, height);
        Engine.RenderPage(c, Engine.CurrentPage, s, true);
    } catch (const std::exception&) {
        // A page that cannot be drawn is not drawn again until the next show.
        Engine.Previewing = false;
    }
}

void TPrintPreview::BtnPrintClick() {
    const int n = Engine.PageCount();
    if (n < 1 || !Engine.PageBox(Engine.CurrentPage))
        return;
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, n);
    dialog.setFromTo(1, n);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    // The program prints the copies itself, one after the other: the
    // printer must not multiply them again.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    int from = 0;
    int to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    repaint();
    PrinterIdle->Bar->setRange(0, copies * n);
    PrinterIdle->Bar->setValue(0);
    PrinterIdle->move(geometry().center() - PrinterIdle->rect().center());
    PrinterIdle->show();
    PrinterTarget target(printer);
    const QString error = PrintPages(Engine, target, copies, from, to, [this](int done, int) {
        PrinterIdle->Bar->setValue(done);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    PrinterIdle->hide();
    Engine.Previewing = true;
    ZoomlistChange(true);
    if (!error.isEmpty())
        ShowMessageBox(QStringLiteral("Fehler"), error);
}

void TPrintPreview::BtnPrintSetupClick() {
    QPageSetupDialog dialog(&Printer(), this);
    ExecDialog(dialog);
    ZoomlistChange(true);
}
