#pragma once

#include "diagram/DiagramView.h"
#include "diagram/ScreenImage.h"
#include "editing/DragSprites.h"
#include "editing/EditState.h"
#include "model/PlanRec.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <cstdint>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QScrollArea;
class QTabWidget;
class QToolButton;
class QWidget;
class TFPlanError;
class TFormInfo;
class TPlanImage;
struct SettingChange;

// A plan open in the editor is drawn and edited only while this is set.
extern bool PlanOpen;

// The main window: owns the open plan, its document and editing state, the
// menus, the tool tabs and the diagram's paint box. The editing state is a
// base so its fields read as the window's own and the editing functions can
// be handed the window as their state.
class TFMain : public QMainWindow, public EditState, public DragState {
    Q_OBJECT
public:
    explicit TFMain(QWidget* parent = nullptr);
    ~TFMain() override;

    // The open plan and its document state.
    PlanRec Plan;
    std::uint8_t DocState = DocNone;
    bool Modified = false;
    bool ColourPrint = true;
    int LastWidth = 0;
    int LastHeight = 0;

    // Time-axis values of the last drawing and what the renderer needs of
    // the window; refreshed from the fields above before every drawing.
    DiagramView View;
    // The paint box's visible part; all drawing on the screen goes here.
    ScreenImage Screen;

    // Menu items.
    QMenu* Datei1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Delete1 = nullptr;
    QMenu* bbPrint = nullptr;
    QAction* dxBarButton3 = nullptr;
    QAction* dxBarButton5 = nullptr;
    QAction* dxBarFarbdruck = nullptr;
    QAction* Programmbeenden1 = nullptr;
    QMenu* dxBarSubItem2 = nullptr;
    QAction* BhfDBBtn = nullptr;
    QAction* bbPlanScannen = nullptr;
    QMenu* bbplan = nullptr;
    QAction* bbMann = nullptr;
    QAction* bbBhf = nullptr;
    QAction* bbZug = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* dxBarButton1 = nullptr;
    QAction* TREVALONHomepage1 = nullptr;
    QAction* Info1 = nullptr;

    // Tool panel and tabs.
    QWidget* BtnPanel = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tsFahrplan = nullptr;
    QWidget* tsBahnhof = nullptr;
    QWidget* tsZuege = nullptr;
    QWidget* tsZeitachse = nullptr;
    QWidget* tsSonst = nullptr;
    QLineEdit* EditBez = nullptr;
    QLineEdit* EditBem = nullptr;
    QToolButton* FahrdienstBtn = nullptr;
    QToolButton* TabelleBtn = nullptr;
    QToolButton* FahrplanBtn = nullptr;
    QToolButton* PlanScannenBtn = nullptr;
    QToolButton* sbBhfPlus = nullptr;
    QToolButton* sbBhfMinus = nullptr;
    QToolButton* NewTrainBtn = nullptr;
    QToolButton* ZugDelBtn = nullptr;
    QToolButton* NewNameBtn = nullptr;
    QComboBox* ColBox = nullptr;
    QGroupBox* rgZugMoveTyp = nullptr;
    QRadioButton* rgZugMoveTypItem[2] = {nullptr, nullptr};
    QComboBox* UhrBegBox = nullptr;
    QComboBox* UhrEndBox = nullptr;
    QComboBox* PPMinBox = nullptr;
    QComboBox* GridChoiceBox = nullptr;
    QComboBox* ColBoxBack = nullptr;
    QCheckBox* cbTaktFP = nullptr;
    QToolButton* SpeedButton1 = nullptr;

    // Centre and bottom.
    QWidget* Panel1 = nullptr;
    QLabel* TitelPanel = nullptr;
    QScrollArea* PlanBox = nullptr;
    QWidget* PlanBoxContent = nullptr;
    TPlanImage* PlanImage = nullptr;
    QWidget* InfoPanel = nullptr;
    QWidget* ModusPanel = nullptr;
    QLabel* ModusCaption = nullptr;
    QLabel* ModusLabel = nullptr;
    QLabel* BhfLabel = nullptr;
    QLabel* GlsLabel = nullptr;
    QLabel* TimeLabel = nullptr;

    // Plan state operations used across the program.
    void ResetPlan();
    void ClearPlanView();
    void SetEditMode(std::uint8_t mode);
    void EnablePlanCommands(bool enable);
    void ShowTitle(const QString& name);
    // Sizes the canvas from the plan and repaints it.
    void ResizePlan();
    void PaintPlan();
    // Draws train SelTrain on the screen in the marked or unmarked look.
    void HighlightTrain(bool marked);
    // The view state as the renderer needs it now.
    DiagramView& CurrentView();

    // Plan settings on the tool tabs.
    void ShowPlanTexts();
    void ShowPlanSettings();
    void EditBezChange();
    void EditBemChange();
    void UhrBegBoxChange();
    void UhrEndBoxChange();
    void PPMinBoxChange();
    void GridChoiceBoxChange();
    void ColBoxBackChange();
    void cbTaktFPClick();

    // Picture export of the diagram.
    void SpeedButton1Click();

    // Plan printing through the print preview.
    void PrnPlanBtnClick();
    void PrnPage1Click();
    // Timetable views and the plan scan.
    void TabelleBtnClick();
    void FahrdienstBtnClick();
    void FahrplanBtnClick();
    void PlanScannenBtnClick();
    // The error list of the last scan; lives as long as the window.
    TFPlanError* FPlanError = nullptr;
    // The station database editor.
    void BhfDBBtnClick();

    // The plan commands of the menu "Datei".
    void NewBtnClick();
    void OpenBtnClick();
    void SaveBtnClick();
    void SaveAs1Click();
    void Delete1Click();

    // The window's remembered placement, stored when it is destroyed.
    TFormInfo* FormInfo1 = nullptr;

    // The closing question; true when the window may close.
    bool FormClose();
    // Stores the open plan; false (after showing why) when that failed.
    virtual bool StoreOpenPlan();

    // Help and about.
    void ShowHelp(int context);
    void dxBarButton1Click();
    void TREVALONHomepage1Click();
    void Info1Click();
    void dxBarFarbdruckClick();
    void Programmbeenden1Click();
    void rgZugMoveTypClick();

    // Mouse editing on the paint box, in paint box (canvas) coordinates.
    void BhfImageMouseMove(int x, int y);
    void BhfImageMouseDown(Qt::MouseButton button, int x, int y);
    void BhfImageMouseUp(Qt::MouseButton button, int x, int y);
    void SelectTrainAt(int x, int y);
    void InsertClick(int x, int y);
    void ToggleStationMark(int x, int y);
    // Ends a running insertion as the right release ends it; every command
    // that changes the plan or the mode calls it first.
    void EndRunningInsertion();

    // Tab "Züge".
    void NewTrainBtnClick();
    void ZugDelBtnClick();
    void NewNameBtnClick();
    void ColBoxChange();
    // The colour of new trains after a plan is made or opened.
    void ResetTrainColour();

    // Tab "Bahnhöfe".
    void sbBhfPlusClick();
    void sbBhfMinusClick();

    // The moving gestures on the paint box: press, pointer move (the drag
    // bitmaps and the 100 run sprites come with the window, as DragState).
    void BeginPointDrag(int X, int Y);
    void DragPoint(int X, int Y);
    void BeginRunMove(int X, int Y);
    void MoveRun();
    void BeginTrainMove(int X, int Y);
    void MoveTrain();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormResize();
    void FormDestroy();
    void WMGetMinMaxInfo();
    void CreateMenus();
    void CreateToolPanel();
    void CreateFahrplanTab();
    void CreateBahnhofTab();
    void CreateZuegeTab();
    void CreateZeitachseTab();
    void CreateSonstTab();
    void CreateCentre();
    void CreateInfoPanel();
    void ClearEditingState();
    void ConnectSettingsHandlers();
    void ConnectExport();
    void ConnectPrint();
    void ConnectEditing();
    // The press gestures of train moving; the press, each move and the
    // release of the paint box hand them on here.
    void StartGesture(int gesture, int x, int y);
    void FollowGesture(int x, int y);
    // The train just finished drawn marked, or nothing when none remains.
    void ShowFinishedTrain(bool trainRemains);
    void ConnectViews();
    void ConnectPlanCommands();
    // The description edit draws the new text on the screen as it stores it.
    void DrawDescriptionOnScreen(const QString& text);
    void ApplySettingChange(QComboBox* box, const SettingChange& change);
    void PlanImagePaint(QPaintEvent* event);
    // Shows what was drawn on the screen image inside canvas rectangle r.
    void ShowScreenPart(const TRect& r);
    TRect VisiblePlanRect() const;

    bool Destroyed = false;
};
