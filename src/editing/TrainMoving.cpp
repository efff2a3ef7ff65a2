#include "editing/TrainMoving.h"

#include "diagram/ColorTable.h"
#include "diagram/DiagramRenderer.h"
#include "diagram/ScreenImage.h"
#include "editing/DragSprites.h"
#include "editing/EditState.h"
#include "editing/TrainDrag.h"
#include "editing/TrainMove.h"
#include "model/PlanRec.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

#include <algorithm>

namespace {

bool Empty(const TRect& r) {
    return r.Left >= r.Right || r.Top >= r.Bottom;
}

TRect Union(const TRect& a, const TRect& b) {
    if (Empty(a))
        return b;
    if (Empty(b))
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

const PlanZug* SelectedTrain(const MovingContext& m) {
    const int t = m.State.SelTrain;
    if (t < 1 || t > std::min(m.Plan.TrainCount, MaxTrains) || !m.Plan.Trains[t].InUse)
        return nullptr;
    return &m.Plan.Trains[t];
}

// The press lies on the name box of the selected point (only arrivals have
// one).
bool OnSelectedNameBox(const MovingContext& m, int x, int y) {
    const PlanZug* z = SelectedTrain(m);
    const int n = m.State.SelPoint;
    if (!z || n < 2 || n > std::min(z->PointCount, MaxPoints))
        return false;
    const PlanCnt& pt = z->Points[n];
    return pt.Modus == ModusArrival && PointInRect(x, y, pt.LabelRect);
}

int MoveShift(const EditState& s) {
    return RoundedMinute(s.HoverTime) - RoundedMinute(s.PrevHoverTime);
}

// The run's picture at its place of the press, and the screen under it.
void PrepareSprite(MovingContext& m, int k, int arrival) {
    DragState& d = m.Drag;
    TRunSprite& sprite = d.RunSprite[k];
    const int train = m.State.SelTrain;
    d.MoveRuns[k] = RunBoundsOf(m.Plan, train, arrival);
    const TRect rect = RunRect(m.Plan, train, arrival);
    sprite.Prepared = rect;
    sprite.Current = rect;
    sprite.Saved = {};
    const TRect view = m.Screen.Viewport();
    const int left = std::max(rect.Left, view.Left);
    const int right = std::min(rect.Right, view.Right);
    sprite.MaskLeft = left;
    if (left >= right || rect.Height() <= 0) {
        // Never visible while the viewport stays: no picture is needed.
        sprite.Mask = QImage();
    } else {
        SizeBitmap(sprite.Mask, right - left, rect.Height());
        {
            Canvas c(sprite.Mask);
            c.SetOrigin(left - rect.Left, 0);
            FillRectColor(clBlack, {left - rect.Left, 0, right - rect.Left, rect.Height()}, c);
            DrawSIngleTrain(m.Plan, train, arrival, rect, c);
        }
        sprite.Mask.invertPixels();
    }
    sprite.Saved = VisiblePart(m.Screen, rect);
    SaveUnder(m.Screen, sprite.Saved, sprite.Background);
}

// Takes the sprites 1 … count off the screen and puts them on again at the
// runs' current times. They come off in the reverse order they went on, so
// where two overlap the diagram comes back as it was.
TRect MoveSprites(MovingContext& m, int count) {
    DragState& d = m.Drag;
    TRect changed;
    for (int k = count; k >= 1; --k) {
        TRunSprite& s = d.RunSprite[k];
        RestoreUnder(m.Screen, s.Saved, s.Background);
        changed = Union(changed, s.Saved);
    }
    for (int k = 1; k <= count; ++k) {
        TRunSprite& s = d.RunSprite[k];
        s.Current = RunRect(m.Plan, m.State.SelTrain, d.MoveRuns[k].Arrival);
        s.Saved = VisiblePart(m.Screen, s.Current);
        SaveUnder(m.Screen, s.Saved, s.Background);
        AndMask(m.Screen, s.Saved, s.Mask, s.MaskLeft, s.Current.Top);
        changed = Union(changed, s.Saved);
    }
    return changed;
}

} // namespace

void BeginPointDrag(MovingContext& m, int x, int y) {
    (void)x;
    const PlanZug* z = SelectedTrain(m);
    const int n = m.State.SelPoint;
    if (!z)
        return;
    const int variant = ClassifyDragPoint(*z, n);
    if (variant == 0)
        return;
    const PointDragFrame frame = PointDragFrameOf(m.Plan, m.State.SelTrain, n, variant, y);
    DragState& d = m.Drag;
    m.State.DragVariant = static_cast<std::uint8_t>(variant);
    d.DragImageRect = frame.ImageRect;
    d.DragBounds = frame.Bounds;
    m.Screen.Validate(m.Plan, m.View, true);
    d.DragShown = VisiblePart(m.Screen, frame.ImageRect);
    SaveUnder(m.Screen, d.DragShown, d.DragBackground);
    // No preview yet: a white mask leaves the diagram as it is.
    SizeBitmap(d.DragMask, d.DragShown.Width(), d.DragShown.Height());
    if (!Empty(d.DragShown))
        d.DragMask.fill(Qt::white);
    m.Modified = true;
    m.State.PointDragActive = true;
}

TRect DragPoint(MovingContext& m, int x, int y) {
    DragState& d = m.Drag;
    if (!m.State.PointDragActive || !PointInRect(x, y, d.DragBounds))
        return {};
    m.State.DragMoved = true;
    const TRect shown = d.DragShown;
    RestoreUnder(m.Screen, shown, d.DragBackground);
    const int train = m.State.SelTrain;
    const int n = m.State.SelPoint;
    const int variant = m.State.DragVariant;
    const PointPlace place =
        DragPointPlace(m.Plan, train, n, variant, d.DragBounds, x, y, m.State.HoverTime);
    if (place.Follow) {
        if (!Empty(shown)) {
            {
                Canvas c(d.DragMask);
                c.SetOrigin(shown.Left, shown.Top);
                FillRectColor(clBlack, shown, c);
                DrawDragPreview(m.Plan, train, n, variant, place, c);
            }
            d.DragMask.invertPixels();
        }
        WriteDragPlace(m.Plan, train, n, variant, place);
    }
    AndMask(m.Screen, shown, d.DragMask, shown.Left, shown.Top);
    return shown;
}

void BeginRunMove(MovingContext& m, int x, int y) {
    m.Modified = true;
    if (!OnSelectedNameBox(m, x, y))
        return;
    m.State.MoveArmed = true;
    m.Screen.Validate(m.Plan, m.View, true);
    PrepareSprite(m, 1, m.State.SelPoint);
    m.Drag.SpriteCount = 1;
}

TRect MoveRun(MovingContext& m) {
    if (!m.State.MoveArmed || m.State.EditMode != EditTrains)
        return {};
    m.State.DragMoved = true;
    if (m.Drag.SpriteCount < 1 ||
        !ShiftRun(m.Plan, m.State.SelTrain, m.Drag.MoveRuns[1], MoveShift(m.State)))
        return {};
    return MoveSprites(m, 1);
}

void BeginTrainMove(MovingContext& m, int x, int y) {
    if (OnSelectedNameBox(m, x, y))
        m.State.MoveArmed = true;
    const PlanZug* z = SelectedTrain(m);
    if (!z)
        return;
    m.Modified = true;
    m.Drag.SpriteCount = 0;
    // Only an armed move ever shows the sprites.
    if (!m.State.MoveArmed)
        return;
    m.Screen.Validate(m.Plan, m.View, true);
    const int runs = std::clamp(z->PointCount, 0, MaxPoints) / 2;
    for (int k = 1; k <= runs; ++k)
        PrepareSprite(m, k, 2 * k);
    m.Drag.SpriteCount = runs;
}

TRect MoveTrain(MovingContext& m) {
    if (!m.State.MoveArmed || m.State.EditMode != EditTrains)
        return {};
    m.State.DragMoved = true;
    DragState& d = m.Drag;
    if (d.SpriteCount < 1)
        return {};
    RunBounds runs[MaxPoints];
    for (int k = 1; k <= d.SpriteCount; ++k)
        runs[k - 1] = d.MoveRuns[k];
    if (!ShiftTrain(m.Plan, m.State.SelTrain, runs, d.SpriteCount, MoveShift(m.State)))
        return {};
    return MoveSprites(m, d.SpriteCount);
}
