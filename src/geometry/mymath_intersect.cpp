// Mymath intersections: two lines in point-slope form, two segments, a line and a circle, two circles.
#include "geometry/mymath.h"

#include <algorithm>
#include <utility>

namespace {

// The slope of the segment P1P2: vertical (LargestDouble) first, then horizontal (0), else dy/dx.
double SegmentSlope(double x1, double y1, double x2, double y2)
{
    if (IsZero(x2 - x1))
        return LargestDouble;
    if (IsZero(y2 - y1))
        return 0;
    return (y2 - y1) / (x2 - x1);
}

// Intersects the line u = m·v + (au - m·av) with the circle u² + v² = r² centred at the origin, (v, u) being
// (x, y) when the line is closer to horizontal, or (y, x) when closer to vertical. Writes the roots in v and u
// (the + root first) and returns the count.
int LineCircleRoots(double av, double au, double m, double r, double (&v)[2], double (&u)[2])
{
    const double q = au - m * av;
    const double s = SafeRoot((m * q) * (m * q), (m * m + 1) * (q * q - r * r));
    const int count = IsZero(s) ? 1 : (IsGreater(s, 0) ? 2 : 0);
    const double root = count == 1 ? 0 : s;
    for (int i = 0; i < count; ++i) {
        v[i] = (-m * q + (i == 0 ? root : -root)) / (m * m + 1);
        u[i] = m * v[i] - m * av + au;
    }
    return count;
}

// An axis-parallel line at offset a from the circle's centre (x = a, or y = a) against the circle of radius r:
// the points at ±s along the line (the + root first), a across it. Returns the count.
int AxisLineCircleRoots(double a, double r, double (&along)[2], double (&across)[2])
{
    const double s = SafeRoot(0, a * a - r * r);
    const int count = IsZero(s) ? 1 : (IsGreater(s, 0) ? 2 : 0);
    const double root = count == 1 ? 0 : s;
    for (int i = 0; i < count; ++i) {
        across[i] = a;
        along[i] = i == 0 ? root : -root;
    }
    return count;
}

}  // namespace

int IntersectLines(double x1, double y1, double m1, double x2, double y2, double m2, double& x, double& y)
{
    const bool vertical1 = IsVerticalSlope(m1);
    const bool vertical2 = IsVerticalSlope(m2);
    if (vertical1 && vertical2)
        return 0;
    if (!vertical1 && !vertical2 && IsZero(m1 - m2))
        return 0;
    if (vertical1) {
        x = x1;
        y = y2 + m2 * (x1 - x2);
    } else if (vertical2) {
        x = x2;
        y = y1 + m1 * (x2 - x1);
    } else {
        x = (y2 + m1 * x1 - m2 * x2 - y1) / (m1 - m2);
        y = y1 + m1 * (x - x1);
    }
    return 1;
}

int IntersectSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                      double (&x)[2], double (&y)[2])
{
    double px = 0;
    double py = 0;
    if (IntersectLines(x1, y1, SegmentSlope(x1, y1, x2, y2), x3, y3, SegmentSlope(x3, y3, x4, y4), px, py) == 0)
        return 0;
    const EntityGeometry first{x1, y1, x2, y2, false, 0, 0, false};
    const EntityGeometry second{x3, y3, x4, y4, false, 0, 0, false};
    if (!IsPointOnEntity(first, px, py) || !IsPointOnEntity(second, px, py))
        return 0;
    x[0] = px;
    y[0] = py;
    return 1;
}

int IntersectLineCircle(double ax, double ay, double bx, double by, double cx, double cy, double r, double (&x)[2],
                        double (&y)[2])
{
    ax -= cx;
    ay -= cy;
    bx -= cx;
    by -= cy;
    const double dx = ax - bx;
    const double dy = ay - by;
    if (IsZero(dx) && IsZero(dy))
        return 0;
    int count = 0;
    if (IsZero(dx)) {
        count = AxisLineCircleRoots(ax, r, y, x);
    } else if (IsZero(dy)) {
        count = AxisLineCircleRoots(ay, r, x, y);
    } else if (IsGreaterEqual(std::fabs(dx), std::fabs(dy))) {
        count = LineCircleRoots(ax, ay, dy / dx, r, x, y);
    } else {
        count = LineCircleRoots(ay, ax, dx / dy, r, y, x);
    }
    for (int i = 0; i < count; ++i) {
        x[i] += cx;
        y[i] += cy;
    }
    return count;
}

int IntersectCircles(double c1x, double c1y, double r1, double c2x, double c2y, double r2, double (&x)[2],
                     double (&y)[2])
{
    if (IsZero(c1x - c2x) && IsZero(c1y - c2y))
        return 0;
    // O (radius r) is the smaller circle, K (radius R) the larger; equal radii keep their order.
    if (IsGreater(r1, r2)) {
        std::swap(c1x, c2x);
        std::swap(c1y, c2y);
        std::swap(r1, r2);
    }
    const double ox = c1x, oy = c1y, r = r1, bigR = r2;
    const double dx = c2x - ox;
    const double dy = c2y - oy;
    const double d = std::hypot(dx, dy);
    if (IsGreater(d, bigR + r) || IsLess(d, bigR - r))
        return 0;

    // b: distance from K to the chord's foot along K -> O; m: distance from O to that foot.
    const double b = (d * d + bigR * bigR - r * r) / (2 * d);
    double m = 0;
    double theta = 0;
    bool tangent = false;
    if (!IsGreater(b, d)) {
        m = d - b;
        theta = IsZero(dx) ? (IsGreater(dy, 0) ? HalfPi : ThreeHalfPi) : VectorAngle(dy, dx);
        tangent = IsZero(d - (bigR + r));
    } else {
        m = b - d;
        theta = IsZero(dx) ? (IsGreater(dy, 0) ? ThreeHalfPi : HalfPi) : VectorAngle(-dy, -dx);
        tangent = IsZero(d - (bigR - r));
    }
    const double fx = ox + m * std::cos(theta);
    const double fy = oy + m * std::sin(theta);
    if (tangent) {
        x[0] = fx;
        y[0] = fy;
        return 1;
    }
    const double h2 = r * r - m * m;
    if (IsLess(h2, 0))
        return 0;
    const double h = std::sqrt(std::max(h2, 0.0));
    x[0] = fx + h * std::cos(theta + HalfPi);
    y[0] = fy + h * std::sin(theta + HalfPi);
    x[1] = fx + h * std::cos(theta - HalfPi);
    y[1] = fy + h * std::sin(theta - HalfPi);
    return 2;
}
