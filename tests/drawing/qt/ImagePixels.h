#pragma once
// Reading a canvas picture back: the colour of a logical pixel, whatever the device pixel ratio.
#include <QColor>
#include <QImage>

#include "platform/Canvas.h"

inline ColourRef At(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
    return PackRgb(c.red(), c.green(), c.blue());
}
