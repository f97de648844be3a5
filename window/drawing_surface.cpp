#include "drawing_surface.h"

#include <QPainter>
#include <QPen>

namespace {

const QRect extent(QPoint(diagram_extent.left, diagram_extent.top),
                   QPoint(diagram_extent.right, diagram_extent.bottom));
const QColor red(255, 0, 0);

} // namespace

QRect Drawing_surface::draw(std::span<const Plot_segment> segments, const QColor &foreground,
                            qreal device_pixel_ratio)
{
    if (image.isNull()) {
        image = QImage(extent.size() * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(device_pixel_ratio);
        image.fill(Qt::transparent);
    }

    QPainter painter(&image);
    painter.translate(-extent.topLeft());
    const QPen pens[] = {QPen(foreground, 1), QPen(red, 1)};
    QRect touched;
    for (const Plot_segment &segment : segments) {
        painter.setPen(pens[segment.colour == Plot_colour::red]);
        const QLine line(segment.x1, segment.y1, segment.x2, segment.y2);
        painter.drawLine(line);
        touched |= QRect(line.p1(), line.p2()).normalized();
    }
    return touched.intersected(extent);
}

void Drawing_surface::paint(QPainter &painter, const QRect &exposed) const
{
    const QRect shown = exposed & extent;
    if (image.isNull() || shown.isEmpty())
        return;
    const qreal ratio = image.devicePixelRatio();
    const QRectF source(QPointF(shown.topLeft() - extent.topLeft()) * ratio, QSizeF(shown.size()) * ratio);
    painter.drawImage(shown, image, source);
}
