#include "diagram/ChoicePictures.h"

#include "diagram/ColorTable.h"
#include "platform/Canvas.h"
#include "platform/CanvasFunctions.h"

QImage GridStyleSample(int style) {
    if (style < 1 || style > 4)
        return QImage();
    QImage img(GridSampleWidth, GridSampleHeight, QImage::Format_RGB32);
    Canvas c(img);
    FillRectColor(clWhite, {0, 0, GridSampleWidth, GridSampleHeight}, c);
    HorzLine(clBlack, c, {0, GridSampleHeight / 2}, style, GridSampleWidth);
    return img;
}

QImage ColourSwatch(int itemIndex, int itemCount) {
    if (itemIndex < 0 || itemIndex >= itemCount || itemIndex >= ColorTableSize)
        return QImage();
    if (itemCount == BackColorItems && itemIndex == ColorTableSize - 1)
        return QImage();
    QImage img(SwatchWidth, SwatchHeight, QImage::Format_RGB32);
    Canvas c(img);
    const TRect all{0, 0, SwatchWidth, SwatchHeight};
    FillRectColor(ColorOfItem(itemIndex, itemCount), all, c);
    FrameRectColor(clBlack, {0, 0, SwatchWidth - 1, SwatchHeight - 1}, c);
    return img;
}
