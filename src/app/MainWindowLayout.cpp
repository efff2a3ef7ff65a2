// Building the main window's menus, tool tabs and panels.
#include "app/MainWindow.h"

#include "app/PlanImage.h"
#include "diagram/ChoicePictures.h"
#include "diagram/ColorTable.h"
#include "diagram/PlanSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Hint in the status bar under the pointer and as tool tip.
template <typename W> W* Hinted(W* widget, const QString& hint) {
    widget->setStatusTip(hint);
    widget->setToolTip(hint);
    return widget;
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumHeight(25);
    return Hinted(b, hint);
}

QLabel* Caption(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    return l;
}

QHBoxLayout* TabRow(QWidget* tab) {
    auto* row = new QHBoxLayout(tab);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(6);
    return row;
}

// The colour boxes list the colour table with a swatch per item and no text.
void FillColourBox(QComboBox* box, int items) {
    for (int i = 0; i < items; ++i) {
        const QImage swatch = ColourSwatch(i, items);
        box->addItem(swatch.isNull() ? QIcon() : QIcon(QPixmap::fromImage(swatch)), QString());
    }
}

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

void TFMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("dxBarManager1"));

    Datei1 = bar->addMenu(QStringLiteral("Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Datei1->setProperty("helpContext", 14);
    New1 = Item(Datei1, "New1", QStringLiteral("Neu"));
    Open1 = Item(Datei1, "Open1", QStringLiteral("Öffnen"));
    Save1 = Item(Datei1, "Save1", QStringLiteral("Speichern"));
    SaveAs1 = Item(Datei1, "SaveAs1", QStringLiteral("Speichern unter.."));
    Delete1 = Item(Datei1, "Delete1", QStringLiteral("Löschen"));
    Datei1->addSeparator();
    bbPrint = Datei1->addMenu(QStringLiteral("Drucken"));
    bbPrint->setObjectName(QStringLiteral("bbPrint"));
    dxBarButton3 = Item(bbPrint, "dxBarButton3", QStringLiteral("Fahrplan 1:1"));
    dxBarButton5 = Item(bbPrint, "dxBarButton5", QStringLiteral("Fahrplan (Seite angepaßt)"));
    bbPrint->addSeparator();
    dxBarFarbdruck = Item(bbPrint, "dxBarFarbdruck", QStringLiteral("Farbdruck"));
    dxBarFarbdruck->setCheckable(true);
    dxBarFarbdruck->setChecked(true);
    connect(dxBarFarbdruck, &QAction::triggered, this, [this] { dxBarFarbdruckClick(); });
    Datei1->addSeparator();
    Programmbeenden1 = Item(Datei1, "Programmbeenden1", QStringLiteral("Programm beenden"));
    connect(Programmbeenden1, &QAction::triggered, this, [this] { Programmbeenden1Click(); });

    dxBarSubItem2 = bar->addMenu(QStringLiteral("Bearbeiten"));
    dxBarSubItem2->setObjectName(QStringLiteral("dxBarSubItem2"));
    dxBarSubItem2->setProperty("helpContext", 16);
    BhfDBBtn = Item(dxBarSubItem2, "BhfDBBtn", QStringLiteral("Bahnhofsdatenbank"));
    dxBarSubItem2->addSeparator();
    bbPlanScannen = Item(dxBarSubItem2, "bbPlanScannen", QStringLiteral("Fahrplan scannen"));

    bbplan = bar->addMenu(QStringLiteral("Anzeige"));
    bbplan->setObjectName(QStringLiteral("bbplan"));
    bbplan->setProperty("helpContext", 23);
    bbMann = Item(bbplan, "bbMann", QStringLiteral("Fahrdienstleiter"));
    bbBhf = Item(bbplan, "bbBhf", QStringLiteral("Bahnhofsfahrplan"));
    bbZug = Item(bbplan, "bbZug", QStringLiteral("Zuglauf"));

    Hilfe1 = bar->addMenu(QStringLiteral("Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    Hilfe1->setProperty("helpContext", 11);
    dxBarButton1 = Item(Hilfe1, "dxBarButton1", QStringLiteral("Zentoria-Hilfe Inhalt"));
    dxBarButton1->setStatusTip(QStringLiteral("Hilfe starten"));
    dxBarButton1->setShortcut(QKeySequence(Qt::Key_F1));
    dxBarButton1->setShortcutContext(Qt::ApplicationShortcut);
    connect(dxBarButton1, &QAction::triggered, this, [this] { dxBarButton1Click(); });
    Hilfe1->addSeparator();
    TREVALONHomepage1 = Item(Hilfe1, "TREVALONHomepage1", QStringLiteral("Trevalon Homepage"));
    connect(TREVALONHomepage1, &QAction::triggered, this, [this] { TREVALONHomepage1Click(); });
    Hilfe1->addSeparator();
    Info1 = Item(Hilfe1, "Info1", QStringLiteral("Info..."));
    Info1->setProperty("helpContext", 20);
    connect(Info1, &QAction::triggered, this, [this] { Info1Click(); });
}

void TFMain::CreateFahrplanTab() {
    tsFahrplan = new QWidget;
    tsFahrplan->setObjectName(QStringLiteral("tsFahrplan"));
    tsFahrplan->setProperty("helpContext", 18);
    QHBoxLayout* row = TabRow(tsFahrplan);
    row->addWidget(Caption(tsFahrplan, QStringLiteral("Bezeichnung:")));
    EditBez = Hinted(new QLineEdit(tsFahrplan), QStringLiteral("Fahrplanbezeichnung eingeben"));
    EditBez->setObjectName(QStringLiteral("EditBez"));
    EditBez->setMinimumWidth(90);
    EditBez->setMaximumWidth(180);
    row->addWidget(EditBez);
    row->addSpacing(8);
    row->addWidget(Caption(tsFahrplan, QStringLiteral("Kurzbeschreibung:")));
    EditBem = Hinted(new QLineEdit(tsFahrplan), QStringLiteral("Kurzbeschreibung eingeben "));
    EditBem->setObjectName(QStringLiteral("EditBem"));
    EditBem->setMinimumWidth(90);
    EditBem->setMaximumWidth(240);
    row->addWidget(EditBem);
    row->addSpacing(12);
    FahrdienstBtn = ToolButton(tsFahrplan, "FahrdienstBtn", QStringLiteral("Fahrdienstleiter"),
                               QStringLiteral("Fahrdienstleiter"));
    TabelleBtn = ToolButton(tsFahrplan, "TabelleBtn", QStringLiteral("Zuglauf"),
                            QStringLiteral("Zuglauf anzeigen"));
    FahrplanBtn = ToolButton(tsFahrplan, "FahrplanBtn", QStringLiteral("Bahnhofsfahrplan"),
                             QStringLiteral("Abfahrt / Ankuft"));
    PlanScannenBtn = ToolButton(tsFahrplan, "PlanScannenBtn", QStringLiteral("Scannen"),
                                QStringLiteral("Fahrplan auf Fehler scannen"));
    for (QToolButton* b : {FahrdienstBtn, TabelleBtn, FahrplanBtn, PlanScannenBtn})
        row->addWidget(b);
}

void TFMain::CreateBahnhofTab() {
    tsBahnhof = new QWidget;
    tsBahnhof->setObjectName(QStringLiteral("tsBahnhof"));
    tsBahnhof->setProperty("helpContext", 22);
    QHBoxLayout* row = TabRow(tsBahnhof);
    sbBhfPlus = ToolButton(tsBahnhof, "sbBhfPlus", QStringLiteral("Bahnhof einfügen"),
                           QStringLiteral("Bahnhof hinzufügen"));
    sbBhfMinus = ToolButton(tsBahnhof, "sbBhfMinus", QStringLiteral("Bahnhof löschen"),
                            QStringLiteral("Markierten Bahnhof löschen"));
    row->addWidget(sbBhfPlus);
    row->addWidget(sbBhfMinus);
    row->addStretch(1);
}

void TFMain::CreateZuegeTab() {
    tsZuege = new QWidget;
    tsZuege->setObjectName(QStringLiteral("tsZuege"));
    tsZuege->setProperty("helpContext", 24);
    QHBoxLayout* row = TabRow(tsZuege);
    NewTrainBtn = ToolButton(tsZuege, "NewTrainBtn", QStringLiteral("Neuer Zug"),
                             QStringLiteral("Neuen Zug hinzufügen"));
    ZugDelBtn = ToolButton(tsZuege, "ZugDelBtn", QStringLiteral("Zug löschen"),
                           QStringLiteral("Makierten Zug löschen"));
    NewNameBtn = ToolButton(tsZuege, "NewNameBtn", QStringLiteral("Zugname"),
                            QStringLiteral("Zugnamen ändern"));
    row->addWidget(NewTrainBtn);
    row->addWidget(ZugDelBtn);
    row->addWidget(NewNameBtn);
    row->addSpacing(12);
    row->addWidget(Caption(tsZuege, QStringLiteral("Zugfarbe:")));
    ColBox =
        Hinted(new QComboBox(tsZuege), QStringLiteral("Farbe für den markierten Zug auswählen"));
    ColBox->setObjectName(QStringLiteral("ColBox"));
    ColBox->setIconSize(QSize(SwatchWidth, SwatchHeight));
    FillColourBox(ColBox, TrainColorItems);
    // No choice yet: new trains are blue.
    ColBox->setCurrentIndex(-1);
    row->addWidget(ColBox);
    row->addSpacing(12);
    rgZugMoveTyp = Hinted(new QGroupBox(QStringLiteral("Zug verschieben"), tsZuege),
                          QStringLiteral("Modus zum Zug verschieben einstellen"));
    rgZugMoveTyp->setObjectName(QStringLiteral("rgZugMoveTyp"));
    auto* group = new QHBoxLayout(rgZugMoveTyp);
    group->setContentsMargins(6, 0, 6, 0);
    rgZugMoveTypItem[0] = new QRadioButton(QStringLiteral("Teilstrecke"), rgZugMoveTyp);
    rgZugMoveTypItem[1] = new QRadioButton(QStringLiteral("Gesamter Zug"), rgZugMoveTyp);
    rgZugMoveTypItem[0]->setChecked(true);
    for (QRadioButton* r : rgZugMoveTypItem) {
        group->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rgZugMoveTypClick();
        });
    }
    row->addWidget(rgZugMoveTyp);
    row->addStretch(1);
}

void TFMain::CreateZeitachseTab() {
    tsZeitachse = new QWidget;
    tsZeitachse->setObjectName(QStringLiteral("tsZeitachse"));
    tsZeitachse->setProperty("helpContext", 25);
    QHBoxLayout* row = TabRow(tsZeitachse);
    row->addWidget(Caption(tsZeitachse, QStringLiteral("Startzeit:")));
    UhrBegBox = Hinted(new QComboBox(tsZeitachse), UhrBegHint());
    UhrBegBox->setObjectName(QStringLiteral("UhrBegBox"));
    UhrBegBox->addItems(UhrBegItems());
    row->addWidget(UhrBegBox);
    row->addSpacing(8);
    row->addWidget(Caption(tsZeitachse, QStringLiteral("Endzeit:")));
    UhrEndBox = Hinted(new QComboBox(tsZeitachse), UhrEndHint());
    UhrEndBox->setObjectName(QStringLiteral("UhrEndBox"));
    UhrEndBox->addItems(UhrEndItems());
    row->addWidget(UhrEndBox);
    row->addSpacing(8);
    row->addWidget(Caption(tsZeitachse, QStringLiteral("Auflösung:")));
    PPMinBox = Hinted(new QComboBox(tsZeitachse), PPMinHint());
    PPMinBox->setObjectName(QStringLiteral("PPMinBox"));
    PPMinBox->addItems(PPMinItems());
    row->addWidget(PPMinBox);
    row->addStretch(1);
}

void TFMain::CreateSonstTab() {
    tsSonst = new QWidget;
    tsSonst->setObjectName(QStringLiteral("tsSonst"));
    tsSonst->setProperty("helpContext", 26);
    QHBoxLayout* row = TabRow(tsSonst);
    row->addWidget(Caption(tsSonst, QStringLiteral("Gitterlinien:")));
    GridChoiceBox = Hinted(new QComboBox(tsSonst), GridChoiceHint());
    GridChoiceBox->setObjectName(QStringLiteral("GridChoiceBox"));
    GridChoiceBox->setIconSize(QSize(GridSampleWidth, GridSampleHeight));
    int style = 0;
    for (const QString& item : GridChoiceItems()) {
        const QImage sample = GridStyleSample(style++);
        GridChoiceBox->addItem(sample.isNull() ? QIcon() : QIcon(QPixmap::fromImage(sample)), item);
    }
    row->addWidget(GridChoiceBox);
    row->addSpacing(8);
    row->addWidget(Caption(tsSonst, QStringLiteral("Hintergrund:")));
    ColBoxBack = Hinted(new QComboBox(tsSonst), ColBoxBackHint());
    ColBoxBack->setObjectName(QStringLiteral("ColBoxBack"));
    ColBoxBack->setIconSize(QSize(SwatchWidth, SwatchHeight));
    FillColourBox(ColBoxBack, BackColorItems);
    ColBoxBack->setCurrentIndex(SelectColorItem(-1, PlanDefaultBackColor));
    row->addWidget(ColBoxBack);
    row->addSpacing(8);
    cbTaktFP = Hinted(new QCheckBox(TaktFPCaption(), tsSonst), TaktFPHint());
    cbTaktFP->setObjectName(QStringLiteral("cbTaktFP"));
    row->addWidget(cbTaktFP);
    row->addSpacing(12);
    SpeedButton1 = ToolButton(tsSonst, "SpeedButton1", QStringLiteral("Bild exportieren"),
                              QStringLiteral("Fahrplan als Bitmap exportieren"));
    row->addWidget(SpeedButton1);
    row->addStretch(1);
}

void TFMain::CreateToolPanel() {
    BtnPanel = new QWidget;
    BtnPanel->setObjectName(QStringLiteral("BtnPanel"));
    auto* layout = new QVBoxLayout(BtnPanel);
    layout->setContentsMargins(2, 2, 2, 2);
    PageControl1 = new QTabWidget(BtnPanel);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(false);
    CreateFahrplanTab();
    CreateBahnhofTab();
    CreateZuegeTab();
    CreateZeitachseTab();
    CreateSonstTab();
    PageControl1->addTab(tsFahrplan, QStringLiteral("Fahrplan"));
    PageControl1->addTab(tsBahnhof, QStringLiteral("Bahnhöfe"));
    PageControl1->addTab(tsZuege, QStringLiteral("Züge"));
    PageControl1->addTab(tsZeitachse, QStringLiteral("Zeitachse"));
    PageControl1->addTab(tsSonst, QStringLiteral("Sonstiges"));
    PageControl1->setFixedHeight(PageControl1->sizeHint().height());
    layout->addWidget(PageControl1);
}

void TFMain::CreateCentre() {
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    TitelPanel = new QLabel(QStringLiteral("  Fahrplan:"), Panel1);
    TitelPanel->setObjectName(QStringLiteral("TitelPanel"));
    TitelPanel->setStyleSheet(QStringLiteral(
        "QLabel { background: #000080; color: #ffffc0; font-weight: bold; padding: 3px; }"));
    layout->addWidget(TitelPanel);

    PlanBox = new QScrollArea(Panel1);
    PlanBox->setObjectName(QStringLiteral("PlanBox"));
    PlanBox->setBackgroundRole(QPalette::Base);
    PlanBox->setStyleSheet(QStringLiteral("QScrollArea#PlanBox { background: white; }"));
    PlanBox->setWidgetResizable(false);
    PlanBoxContent = new QWidget;
    PlanBoxContent->setObjectName(QStringLiteral("PlanBoxContent"));
    PlanBoxContent->setAutoFillBackground(true);
    QPalette white = PlanBoxContent->palette();
    white.setColor(QPalette::Window, Qt::white);
    PlanBoxContent->setPalette(white);
    PlanImage = new TPlanImage(PlanBoxContent);
    PlanImage->move(8, 8);
    PlanImage->OnPaint = [this](QPaintEvent* e) { PlanImagePaint(e); };
    PlanBox->setWidget(PlanBoxContent);
    layout->addWidget(PlanBox, 1);
}

void TFMain::CreateInfoPanel() {
    InfoPanel = new QWidget;
    InfoPanel->setObjectName(QStringLiteral("InfoPanel"));
    QFont bold = InfoPanel->font();
    bold.setBold(true);
    InfoPanel->setFont(bold);
    auto* row = new QHBoxLayout(InfoPanel);
    row->setContentsMargins(0, 1, 0, 1);
    row->setSpacing(2);
    auto sunken = [](QWidget* w) {
        w->setStyleSheet(QStringLiteral("#%1 { border: 1px inset #a0a0a0; }").arg(w->objectName()));
        w->setFixedHeight(21);
    };
    ModusPanel = new QWidget(InfoPanel);
    ModusPanel->setObjectName(QStringLiteral("ModusPanel"));
    auto* modus = new QHBoxLayout(ModusPanel);
    modus->setContentsMargins(0, 0, 0, 0);
    modus->setSpacing(4);
    ModusCaption = new QLabel(QStringLiteral("  Modus:"), ModusPanel);
    ModusLabel = new QLabel(ModusPanel);
    ModusLabel->setObjectName(QStringLiteral("ModusLabel"));
    modus->addWidget(ModusCaption);
    modus->addWidget(ModusLabel, 1);
    sunken(ModusPanel);
    BhfLabel = new QLabel(QStringLiteral("  Bahnhof:"), InfoPanel);
    BhfLabel->setObjectName(QStringLiteral("BhfLabel"));
    BhfLabel->setFixedWidth(184);
    GlsLabel = new QLabel(InfoPanel);
    GlsLabel->setObjectName(QStringLiteral("GlsLabel"));
    GlsLabel->setFixedWidth(82);
    TimeLabel = new QLabel(InfoPanel);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    TimeLabel->setFixedWidth(111);
    for (QLabel* l : {BhfLabel, GlsLabel, TimeLabel})
        sunken(l);
    row->addWidget(ModusPanel, 1);
    row->addWidget(BhfLabel);
    row->addWidget(GlsLabel);
    row->addWidget(TimeLabel);

    statusBar()->setObjectName(QStringLiteral("sb1"));
    statusBar()->setSizeGripEnabled(true);
}
