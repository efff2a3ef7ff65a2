#pragma once

#include "model/Geometry.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// The controls of a page layout form. A layout form is never shown: it is a
// description of one printed sheet in design pixels (96 per inch), which the
// print engine draws onto the preview, a printer or a PDF file alike. A
// control may belong to more than one class (a data-aware label is a label
// too); each class it belongs to draws its part.
enum TControlClass : unsigned {
    ccLabel = 1u << 0,
    ccDBLabel = 1u << 1,
    ccMemo = 1u << 2,
    ccEdit = 1u << 3,
    ccComboBox = 1u << 4,
    ccShape = 1u << 5,
    ccStringGrid = 1u << 6,
    ccCalendar = 1u << 7,
    ccCheckBox = 1u << 8,
    ccRadioButton = 1u << 9,
    ccBevel = 1u << 10,
    ccTabSet = 1u << 11,
    ccImage = 1u << 12,
    ccDBImage = 1u << 13,
    ccGroupBox = 1u << 14,
    ccPanel = 1u << 15,
    ccNotebook = 1u << 16,
    ccTabbedNotebook = 1u << 17,
    ccPaintBox = 1u << 18,
    ccScrollBox = 1u << 19,
};

enum class TAlignment { Left, Right, Center };
enum class TBevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine, Spacer };
enum class TShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

struct TFontSpec {
    QString Name = QStringLiteral("Arial");
    int Size = 8; // points
    int Style = 0;
    TColor Color = 0;
};

// Font heights of the forms are given in pixels at 96 dpi; the canvas
// wants points (16 → 12, 13 → 10, 19 → 14).
int PointsOfHeight(int pixelHeight);

struct TControl {
    unsigned Classes = 0;
    QString Name;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    int Tag = 0;
    TFontSpec Font;

    // Labels, check boxes, radio buttons, group boxes; edits and memos
    // keep their text here too.
    QString Caption;
    TAlignment Alignment = TAlignment::Left;
    bool WordWrap = false;
    bool SingleBorder = false;
    // Check boxes and radio buttons.
    bool Checked = false;
    bool BoxLeft = true; // the caption stands right of the box

    // Shapes.
    TShapeType Shape = TShapeType::Rectangle;
    TColor PenColor = 0;
    int PenWidth = 1;
    TColor BrushColor = 0xFFFFFF;
    bool BrushClear = false;

    TBevelShape Bevel = TBevelShape::Box;
    // Panels: a lowered outer bevel draws its edges.
    bool Lowered = false;

    // Tab sets and tabbed notebooks; notebooks show page TabIndex of
    // their children.
    QStringList Tabs;
    int TabIndex = -1;

    // Images: only a bitmap picture is drawn.
    QImage Picture;
    bool PictureIsBitmap = true;

    // String grids.
    int ColCount = 0;
    int RowCount = 0;
    int FixedCols = 0;
    int FixedRows = 0;
    int RowHeight = 18;
    int GridLineWidth = 1;
    TColor FixedColor = 0xF0F0F0;
    std::vector<int> ColWidths;
    std::vector<QStringList> Cells; // [row][column]

    // Scroll boxes: the current scroll positions.
    int HorzScroll = 0;
    int VertScroll = 0;

    std::vector<TControl> Children;

    TRect Bounds() const { return {Left, Top, Left + Width, Top + Height}; }
    bool Is(unsigned cls) const { return (Classes & cls) != 0; }
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // Grid cell rectangle relative to the grid (empty when outside).
    TRect CellRect(int col, int row) const;
};

// One layout form: its components in component order; the page content
// lives in the scroll box ScrollBox1.
struct TLayoutForm {
    QString Name;
    std::vector<TControl> Components;

    TControl* Find(const QString& name);
    const TControl* Find(const QString& name) const;
    // Sets a label's caption; false when the form has no such control.
    bool SetText(const QString& name, const QString& text);
};

// Control makers for the layout forms, all in design pixels.
TControl MakeLabel(const QString& name, int left, int top, int width, int height,
                   const QString& caption, int pixelHeight, int style = 0,
                   TAlignment align = TAlignment::Left);
TControl MakeLine(const QString& name, int y, int left = 60, int right = 705);
TControl MakeScrollBox();

// The shared page frame: title line "Zentoria 1.1", kind title, date and page
// labels with their lines, the plan title ltitel at titleTop and the footer
// line at footerY. The form's one component is ScrollBox1.
TLayoutForm MakePageFrame(const QString& formName, const QString& kindTitle, int titleTop,
                          int footerY);
