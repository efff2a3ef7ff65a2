#pragma once

#include "diagram/DiagramView.h"
#include "model/Geometry.h"
#include "print/PrintControls.h"

#include <QImage>
#include <QString>

#include <memory>

struct PlanRec;
class TPrintEngine;
struct TRenderContext;

// Printing the diagram: at full size cut into tiles of one sheet's picture
// area, or stretched onto one sheet.

constexpr int PlanTileWidth = 645;
constexpr int PlanTileHeight = 836;

struct TTileGrid {
    int Columns = 0;
    int Rows = 0;
    int Pages() const { return Columns * Rows; }
};
// Tiles of 645 × 836 for a picture of w × h; a part tile counts as a tile.
TTileGrid PlanTileGrid(int w, int h);
// The part of the picture (w × h) that page n shows: column (n − 1) mod
// columns, row (n − 1) div columns, cut at the picture's edges.
TRect PlanTileSource(int page, int columns, int tileW, int tileH, int w, int h);

// "Fahrplan: " and the name; a cyclic plan gets " - (Taktfahrplan)" on the
// full-size print only.
QString PlanPrintTitle(const QString& planName, bool cyclic, bool fullSize);

// The layout form of plan pages: the page frame with "Zentoria" as its
// kind title, the line Bevel1 and the image PlanBox of 645 × 836.
TLayoutForm MakePagePlan();

// The diagram as it is printed (output colours after ColourPrint, the
// description, a black frame 2 pixels inside the edge), drawn on demand:
// a full-size page draws only its own tile, through the band drawing with
// an origin and a clip, so at most one tile-sized bitmap of the diagram
// exists however large the plan is.
class TPlanPicture {
public:
    TPlanPicture(const PlanRec& plan, const DiagramView& view);
    ~TPlanPicture();
    int Width() const { return W; }
    int Height() const { return H; }

    // The part src of the picture into tile's top left; the tile is white
    // first, so a part smaller than the tile leaves the rest white.
    void DrawPart(const TRect& src, QImage& tile);
    // The whole picture stretched into w × h, drawn in bands.
    QImage Fitted(int w, int h);
    // The plan image of a page (print kinds 0 and 1); false for other kinds.
    bool Paint(TRenderContext& ctx, const TControl& image, const TRect& r);

private:
    std::unique_ptr<PlanRec> Plan;
    DiagramView View;
    int W = 0;
    int H = 0;
    QImage Tile;
    QImage FittedCache;
};

// Sets the form's title, adds the pages (one per tile, or one), chooses
// the print kind and hands the engine the picture's painter. The picture
// and the form must outlive the pages.
void PreparePlanPrint(TPrintEngine& engine, TLayoutForm& form, TPlanPicture& picture,
                      const PlanRec& plan, bool fullSize);
