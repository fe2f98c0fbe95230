// The drawing on a sheet: the fit of its bounding box and its painter path.
#include "ui/export/drawingsheet.h"

#include <algorithm>
#include <numbers>

#include "model/drw.h"

DrawingSheet::DrawingSheet(const Drw& drawing, const QRectF& target)
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    const double width = maxX - minX, height = maxY - minY;
    if (width > Epsilon || height > Epsilon)
        scale = std::min(width > Epsilon ? target.width() / width : LargestDouble,
                         height > Epsilon ? target.height() / height : LargestDouble);
    const QPointF centre = target.center();
    originX = centre.x() - scale * (minX + maxX) / 2;
    originY = centre.y() + scale * (minY + maxY) / 2;
}

QPointF DrawingSheet::Map(double x, double y) const
{
    return {originX + scale * x, originY - scale * y};
}

QPainterPath DrawingSheet::Path(const Drw& drawing) const
{
    QPainterPath path;
    constexpr double Degrees = 180 / std::numbers::pi;
    for (const Entity& e : drawing.entities) {
        const QPointF start = Map(e.x1, e.y1);
        if (path.elementCount() == 0 || path.currentPosition() != start)
            path.moveTo(start);
        if (!e.isArc) {
            path.lineTo(Map(e.x2, e.y2));
            continue;
        }
        // The sheet keeps the drawing upright, so an arc turns the same way on it, and Qt's angles, counted
        // counter-clockwise as seen, are the drawing's own.
        const double r = Distance(e.x1, e.y1, e.xc, e.yc);
        const double sweep = ArcSweep(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc, e.clockwise);
        const double startAngle = VectorAngle(e.y1 - e.yc, e.x1 - e.xc);
        const QPointF corner = Map(e.xc - r, e.yc + r);
        path.arcTo(QRectF(corner.x(), corner.y(), 2 * r * scale, 2 * r * scale), startAngle * Degrees,
                   (e.clockwise ? -sweep : sweep) * Degrees);
    }
    return path;
}
