#include "diagram/DiagramView.h"

#include "diagram/ColorTable.h"
#include "model/PlanRec.h"

bool BlackAndWhite(const DiagramView& view, bool output) {
    return output && !view.ColourPrint;
}

TColor PageBackground(const PlanRec& plan, const DiagramView& view, bool output) {
    return BlackAndWhite(view, output) ? clWhite : plan.BackColor;
}

TColor ForegroundOn(TColor background, const DiagramView& view, bool output) {
    if (BlackAndWhite(view, output))
        return clBlack;
    switch (background) {
    case clSilver:
    case clLime:
    case clAqua:
    case clYellow:
    case clWhite:
        return clBlack;
    default:
        return clWhite;
    }
}

TColor HeaderColour(bool stationMarked, const DiagramView& view, bool output) {
    if (BlackAndWhite(view, output))
        return clBlack;
    return stationMarked ? clRed : clBlue;
}

bool TrainIsMarked(const DiagramView& view, int slot) {
    return view.TrainMarked && view.SelTrain == slot;
}

TrainColours TrainColoursOf(const PlanRec& plan, const DiagramView& view, bool output, int slot) {
    const bool marked = TrainIsMarked(view, slot);
    if (BlackAndWhite(view, output)) {
        if (marked)
            return {clBlack, clBlack, clBlack, clBlack, clWhite};
        return {clBlack, clWhite, clBlack, clBlack, clWhite};
    }
    const TColor c = plan.Trains[slot].Color;
    const TColor b = PageBackground(plan, view, output);
    if (!marked)
        return {c, b, c, c, b};
    const bool light = c == clLime || c == clYellow || c == clSilver || c == clAqua;
    return {c, c, clBlack, light ? clBlack : clWhite, c};
}
