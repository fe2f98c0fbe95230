// The drawing on a sheet: the fit of its bounding box and its painter path.
#include "ui/export/drawingsheet.h"

#include <algorithm>
#include <cmath>
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

// Appends the arc of centre (xc, yc) and radius r from angle start turning by sweep (radians, counter-clockwise
// positive) to (endX, endY) as cubic Béziers of at most a quarter turn each, computed here rather than by
// QPainterPath::arcTo, which places the ends of an arc of a large radius and small sweep by an approximation of
// its angles, a pixel or more away from the entities beside it.
void DrawingSheet::AddArc(QPainterPath& path, double xc, double yc, double r, double start, double sweep, double endX,
                          double endY) const
{
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (std::numbers::pi / 2) - 1e-9)));
    const double step = sweep / pieces, k = 4.0 / 3.0 * std::tan(step / 4) * r;
    for (int i = 0; i < pieces; ++i) {
        const double a = start + i * step, b = a + step;
        const double x0 = xc + r * std::cos(a), y0 = yc + r * std::sin(a);
        const bool last = i == pieces - 1;
        const double x3 = last ? endX : xc + r * std::cos(b), y3 = last ? endY : yc + r * std::sin(b);
        path.cubicTo(Map(x0 - k * std::sin(a), y0 + k * std::cos(a)), Map(x3 + k * std::sin(b), y3 - k * std::cos(b)),
                     Map(x3, y3));
    }
}

QPainterPath DrawingSheet::Path(const Drw& drawing) const
{
    QPainterPath path;
    for (const Entity& e : drawing.entities) {
        const QPointF start = Map(e.x1, e.y1);
        if (path.elementCount() == 0 || path.currentPosition() != start)
            path.moveTo(start);
        if (!e.isArc) {
            path.lineTo(Map(e.x2, e.y2));
            continue;
        }
        const double r = Distance(e.x1, e.y1, e.xc, e.yc);
        const double sweep = ArcSweep(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc, e.clockwise);
        AddArc(path, e.xc, e.yc, r, VectorAngle(e.y1 - e.yc, e.x1 - e.xc), e.clockwise ? -sweep : sweep, e.x2, e.y2);
    }
    return path;
}
