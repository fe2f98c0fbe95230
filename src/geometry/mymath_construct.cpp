// Mymath constructions: the circle through three points, an arc's centre from its radius or from a polyline bulge,
// and snapping a centre onto the perpendicular bisector of a chord.
#include "geometry/mymath.h"

namespace {

bool SamePoint(double x1, double y1, double x2, double y2)
{
    return IsZero(x1 - x2) && IsZero(y1 - y2);
}

// The slope of the perpendicular bisector of a chord (dx, dy): 0 for a vertical chord, vertical for a horizontal
// one, else -dx/dy.
double BisectorSlope(double dx, double dy)
{
    if (IsZero(dx))
        return 0;
    if (IsZero(dy))
        return LargestDouble;
    return -dx / dy;
}

// The counter-clockwise sweep (rad) from P1 to P2 about the centre (cx, cy), from P1's normalised angle.
double CounterClockwiseSweep(double x1, double y1, double x2, double y2, double cx, double cy)
{
    const double s = NormalizeAngle(VectorAngle(y1 - cy, x1 - cx), false);
    double e = VectorAngle(y2 - cy, x2 - cx);
    while (IsLess(e, s))
        e += TwoPi;
    return e - s;
}

}  // namespace

bool CircleThrough3Points(double x1, double y1, double x2, double y2, double x3, double y3, double& cx, double& cy,
                          double& r, bool& cw)
{
    if (SamePoint(x1, y1, x2, y2) || SamePoint(x2, y2, x3, y3) || SamePoint(x1, y1, x3, y3))
        return false;
    const double m1 = BisectorSlope(x2 - x1, y2 - y1);
    const double m2 = BisectorSlope(x3 - x2, y3 - y2);
    double x = 0;
    double y = 0;
    if (IntersectLines((x1 + x2) / 2, (y1 + y2) / 2, m1, (x2 + x3) / 2, (y2 + y3) / 2, m2, x, y) == 0)
        return false;
    cx = x;
    cy = y;
    r = Distance(x1, y1, cx, cy);
    const double a = NormalizeAngle(VectorAngle(y2 - y1, x2 - x1), false);
    double b = VectorAngle(y3 - y1, x3 - x1);
    while (IsLess(b, a))
        b += TwoPi;
    cw = IsGreaterEqual(b - a, Pi);
    return true;
}

bool ArcCentreFromRadius(double x1, double y1, double x2, double y2, double r, bool cw, bool largeArc, double& cx,
                         double& cy)
{
    if (SamePoint(x1, y1, x2, y2) || IsZero(r))
        return false;
    double x[2];
    double y[2];
    const int count = IntersectCircles(x1, y1, r, x2, y2, r, x, y);
    for (int i = 0; i < count; ++i) {
        const double sweep = CounterClockwiseSweep(x1, y1, x2, y2, x[i], y[i]);
        // The counter-clockwise sweep is the arc's own when cw is false; a small ccw arc or a large cw arc
        // therefore wants a sweep of at most half a turn.
        const bool qualifies = count == 1 || (cw == largeArc ? IsLessEqual(sweep, Pi) : IsGreaterEqual(sweep, Pi));
        if (qualifies) {
            cx = x[i];
            cy = y[i];
            return true;
        }
    }
    return false;
}

bool ArcFromBulge(double x1, double y1, double x2, double y2, double bulge, double& cx, double& cy, double& r, bool& cw)
{
    if (IsZero(bulge))
        return false;
    const double halfChord = Distance(x1, y1, x2, y2) / 2;
    const double height = halfChord * std::fabs(bulge);
    if (IsZero(height))
        return false;
    const double radius = (halfChord * halfChord + height * height) / (2 * height);
    const bool clockwise = IsLess(bulge, 0);
    const bool largeArc = IsGreater(std::fabs(bulge), 1);
    if (!ArcCentreFromRadius(x1, y1, x2, y2, radius, clockwise, largeArc, cx, cy))
        return false;
    r = radius;
    cw = clockwise;
    return true;
}

bool SnapCentreToBisector(double x1, double y1, double x2, double y2, double& cx, double& cy, double* r)
{
    if (SamePoint(x1, y1, x2, y2) && SamePoint(x1, y1, cx, cy))
        return false;
    if (!IsZero(Distance(x1, y1, cx, cy) - Distance(x2, y2, cx, cy))) {
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double midX = (x1 + x2) / 2;
        const double midY = (y1 + y2) / 2;
        if (IsZero(dy)) {
            if (IsZero(dx))
                return false;
            cx = midX;
        } else if (IsZero(dx)) {
            cy = midY;
        } else {
            double x = 0;
            double y = 0;
            if (IntersectLines(midX, midY, -dx / dy, cx, cy, dy / dx, x, y) == 0)
                return false;
            cx = x;
            cy = y;
        }
    }
    if (r)
        *r = Distance(x1, y1, cx, cy);
    return true;
}
