#include "design/forms/EndShapePictures.h"

#include <QPainter>
#include <QPen>

namespace {

const QColor Background(224, 224, 224);
const QColor Bar(220, 0, 0);
constexpr int BarWidth = 3;
constexpr int UpperY = 5, LowerY = 14;  // the bar's level: upper bars near the top, lower ones below
constexpr int Bend = 10;                // how far a bend or a hook reaches
constexpr int Margin = 4;

}  // namespace

QImage EndShapePicture(bool lower, bool atEnd, bool hooked) {
    QImage image(EndShapePictureWidth, EndShapePictureHeight, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Bar, BarWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));

    // Drawn as the start end, on the left; the end end is its mirror image.
    const int y = lower ? LowerY : UpperY;
    const int across = lower ? -Bend : Bend;  // hooks of lower bars turn up, bends of upper bars down
    int corner = Margin;
    QPolygon line;
    if (hooked) {
        corner = Margin + BarWidth;
        line << QPoint(corner, y + across) << QPoint(corner, y);
    } else if (!lower) {
        corner = Margin + Bend;
        line << QPoint(Margin, y + across) << QPoint(corner, y);
    } else {
        line << QPoint(corner, y);
    }
    line << QPoint(EndShapePictureWidth - 1, y);
    if (atEnd)
        for (QPoint& p : line) p.setX(EndShapePictureWidth - 1 - p.x());
    painter.drawPolyline(line);
    return image;
}
