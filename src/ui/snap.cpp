// Object and grid snapping of the drawing tools' cursor point.
#include "ui/snap.h"

#include <cmath>

#include "geometry/mymath.h"
#include "model/drw.h"
#include "render/viewtransform.h"
#include "support/parlav.h"

namespace {

// The nearest multiple of step to v, halves away from zero.
double NearestMultiple(double v, double step)
{
    return v > -Epsilon ? step * std::trunc((v + step / 2) / step) : step * std::trunc((v - step / 2) / step);
}

}  // namespace

bool SnapToEntity(const Drw& drawing, double radius, double& x, double& y)
{
    double best = LargestDouble;
    double bestX = 0, bestY = 0;
    auto consider = [&](double cx, double cy) {
        const double d = Distance(x, y, cx, cy);
        if (IsLessEqual(d, radius) && IsLess(d, best)) {
            best = d;
            bestX = cx;
            bestY = cy;
        }
    };
    for (const Entity& e : drawing.entities) {
        consider(e.x1, e.y1);
        consider(e.x2, e.y2);
        if (e.isArc)
            consider(e.xc, e.yc);
    }
    if (best == LargestDouble)
        return false;
    x = bestX;
    y = bestY;
    return true;
}

void SnapToGrid(double gx, double gy, double& x, double& y)
{
    x = NearestMultiple(x, gx);
    y = NearestMultiple(y, gy);
}

SnappedPoint SnapCursor(const Drw& drawing, const ViewTransform& view, const ParLav& work, double x, double y, int px,
                        int py)
{
    SnappedPoint p{x, y, px, py, false};
    if (work.osnapEnabled)
        p.snapped = SnapToEntity(drawing, work.osnapRadius, p.x, p.y);
    if (work.gridSnapEnabled && !p.snapped) {
        double gx, gy;
        view.GridSteps(gx, gy);
        SnapToGrid(gx, gy, p.x, p.y);
        p.snapped = true;
    }
    if (p.snapped)
        view.ToPixel(p.x, p.y, p.px, p.py);
    return p;
}
