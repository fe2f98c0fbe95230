// Mymath entity operations: point on entity, arc sweep, length, end tangents, extents, projection, distance,
// extension along the entity and the arc's midpoint.
#include "geometry/mymath.h"

#include <utility>

namespace {

bool SamePoint(double x1, double y1, double x2, double y2)
{
    return IsZero(x1 - x2) && IsZero(y1 - y2);
}

// True when v lies between a and b (either order), both ends included within Epsilon.
bool InClosedRange(double v, double a, double b)
{
    return (IsGreaterEqual(v, a) && IsLessEqual(v, b)) || (IsGreaterEqual(v, b) && IsLessEqual(v, a));
}

// True when v lies strictly between a and b (either order), Epsilon away from both.
bool InOpenRange(double v, double a, double b)
{
    return (IsLess(a, v) && IsLess(v, b)) || (IsLess(b, v) && IsLess(v, a));
}

double Larger(double first, double second)
{
    return IsGreater(first, second) ? first : second;
}
double Smaller(double first, double second)
{
    return IsGreater(first, second) ? second : first;
}

bool IsPointOnSegment(const EntityGeometry& e, double px, double py)
{
    if (!InClosedRange(px, e.x1, e.x2) || !InClosedRange(py, e.y1, e.y2))
        return false;
    const double toEnd = NormalizeAngle(VectorAngle(e.y2 - py, e.x2 - px), false);
    const double direction = NormalizeAngle(VectorAngle(e.y2 - e.y1, e.x2 - e.x1), false);
    return IsZero(direction - toEnd);
}

bool IsPointOnArc(const EntityGeometry& e, double px, double py)
{
    if (!IsZero(std::hypot(px - e.cx, py - e.cy) - std::hypot(e.x1 - e.cx, e.y1 - e.cy)))
        return false;
    // [a1, a2] is the counter-clockwise sweep; a full circle spans a whole turn.
    double a1 = NormalizeAngle(VectorAngle(e.y1 - e.cy, e.x1 - e.cx), false);
    double a2 = NormalizeAngle(VectorAngle(e.y2 - e.cy, e.x2 - e.cx), false);
    if (e.cw)
        std::swap(a1, a2);
    while (IsGreater(a2, a1))
        a2 -= TwoPi;
    while (IsLessEqual(a2, a1))
        a2 += TwoPi;
    bool atCentre = false;
    double ap = VectorAngle(py - e.cy, px - e.cx, &atCentre);
    if (atCentre)
        return false;
    ap = NormalizeAngle(ap, false);
    while (IsGreater(ap, a1))
        ap -= TwoPi;
    while (IsLess(ap, a1))
        ap += TwoPi;
    return IsGreaterEqual(ap, a1) && IsLessEqual(ap, a2);
}

bool ProjectOnSegment(const EntityGeometry& e, double qx, double qy, double& fx, double& fy)
{
    const double dx = e.x1 - e.x2;
    const double dy = e.y1 - e.y2;
    if (IsZero(dx)) {
        if (!InOpenRange(qy, e.y1, e.y2))
            return false;
        fx = e.x1;
        fy = qy;
        return true;
    }
    if (IsZero(dy)) {
        if (!InOpenRange(qx, e.x1, e.x2))
            return false;
        fx = qx;
        fy = e.y1;
        return true;
    }
    // Solve along the longer axis first, so that the slope stays at most 1.
    double x = 0;
    double y = 0;
    if (IsGreaterEqual(std::fabs(dx), std::fabs(dy))) {
        const double m = dy / dx;
        x = (qx + m * (qy - e.y1) + m * m * e.x1) / (1 + m * m);
        y = e.y1 + m * (x - e.x1);
    } else {
        const double m = dx / dy;
        y = (qy + m * (qx - e.x1) + m * m * e.y1) / (1 + m * m);
        x = e.x1 + m * (y - e.y1);
    }
    if (!IsPointOnSegment(e, x, y))
        return false;
    fx = x;
    fy = y;
    return true;
}

bool ProjectOnArc(const EntityGeometry& e, double qx, double qy, double& fx, double& fy)
{
    if (SamePoint(qx, qy, e.cx, e.cy))
        return false;
    const double r = Distance(e.x1, e.y1, e.cx, e.cy);
    double x[2];
    double y[2];
    const int count = IntersectLineCircle(qx, qy, e.cx, e.cy, e.cx, e.cy, r, x, y);
    int chosen = -1;
    if (count == 1) {
        if (IsPointOnArc(e, x[0], y[0]))
            chosen = 0;
    } else if (count == 2) {
        const bool on0 = IsPointOnArc(e, x[0], y[0]);
        const bool on1 = IsPointOnArc(e, x[1], y[1]);
        if (on0 && on1) {
            chosen = IsLessEqual(Distance(qx, qy, x[0], y[0]), Distance(qx, qy, x[1], y[1])) ? 0 : 1;
        } else if (on0) {
            chosen = 0;
        } else if (on1) {
            chosen = 1;
        }
    }
    if (chosen < 0)
        return false;
    fx = x[chosen];
    fy = y[chosen];
    return true;
}

// The entity run the other way: ends exchanged and, for an arc, the direction inverted.
EntityGeometry Reversed(const EntityGeometry& e)
{
    return {e.x2, e.y2, e.x1, e.y1, e.isArc, e.cx, e.cy, !e.cw};
}

}  // namespace

bool IsPointOnEntity(const EntityGeometry& e, double px, double py)
{
    return e.isArc ? IsPointOnArc(e, px, py) : IsPointOnSegment(e, px, py);
}

double ArcSweep(double x1, double y1, double x2, double y2, double cx, double cy, bool cw)
{
    if (SamePoint(x1, y1, x2, y2))
        return SamePoint(x1, y1, cx, cy) ? 0 : TwoPi;
    if (SamePoint(x1, y1, cx, cy) || SamePoint(x2, y2, cx, cy))
        return 0;
    double s = VectorAngle(y1 - cy, x1 - cx);
    double e = VectorAngle(y2 - cy, x2 - cx);
    if (cw)
        std::swap(s, e);
    if (IsLess(e, s))
        e += TwoPi;
    return std::fabs(e - s);
}

double EntityLength(const EntityGeometry& e)
{
    if (!e.isArc)
        return Distance(e.x1, e.y1, e.x2, e.y2);
    return ArcSweep(e.x1, e.y1, e.x2, e.y2, e.cx, e.cy, e.cw) * Distance(e.cx, e.cy, e.x1, e.y1);
}

void EndTangents(const EntityGeometry& e, double& startAngle, double& endAngle)
{
    if (!e.isArc) {
        startAngle = NormalizeAngle(VectorAngle(e.y2 - e.y1, e.x2 - e.x1), false);
        endAngle = startAngle;
        return;
    }
    const double turn = e.cw ? -HalfPi : HalfPi;
    startAngle = NormalizeAngle(VectorAngle(e.y1 - e.cy, e.x1 - e.cx) + turn, false);
    endAngle = NormalizeAngle(VectorAngle(e.y2 - e.cy, e.x2 - e.cx) + turn, false);
}

void EntityExtents(const EntityGeometry& e, double& maxX, double& minX, double& maxY, double& minY)
{
    maxX = Larger(e.x1, e.x2);
    minX = Smaller(e.x1, e.x2);
    maxY = Larger(e.y1, e.y2);
    minY = Smaller(e.y1, e.y2);
    if (!e.isArc)
        return;
    const double r = Distance(e.cx, e.cy, e.x1, e.y1);
    if (IsPointOnEntity(e, e.cx, e.cy + r))
        maxY = e.cy + r;
    if (IsPointOnEntity(e, e.cx, e.cy - r))
        minY = e.cy - r;
    if (IsPointOnEntity(e, e.cx + r, e.cy))
        maxX = e.cx + r;
    if (IsPointOnEntity(e, e.cx - r, e.cy))
        minX = e.cx - r;
}

bool ProjectOnEntity(const EntityGeometry& e, double qx, double qy, double& fx, double& fy)
{
    return e.isArc ? ProjectOnArc(e, qx, qy, fx, fy) : ProjectOnSegment(e, qx, qy, fx, fy);
}

double DistanceToEntity(double qx, double qy, const EntityGeometry& e, double* nx, double* ny)
{
    const double d1 = Distance(qx, qy, e.x1, e.y1);
    const double d2 = Distance(qx, qy, e.x2, e.y2);
    const bool first = IsLess(d1, d2);
    double fx = first ? e.x1 : e.x2;
    double fy = first ? e.y1 : e.y2;
    double distance = first ? d1 : d2;
    // The foot wins unless an end is clearly nearer: only an arc's foot on the far side of its centre can be.
    double footX = 0;
    double footY = 0;
    if (ProjectOnEntity(e, qx, qy, footX, footY)) {
        const double footDistance = Distance(qx, qy, footX, footY);
        if (!IsLess(distance, footDistance)) {
            fx = footX;
            fy = footY;
            distance = footDistance;
        }
    }
    if (nx)
        *nx = fx;
    if (ny)
        *ny = fy;
    return distance;
}

void ExtendEnd(const EntityGeometry& e, double delta, double& px, double& py)
{
    if (!e.isArc) {
        const double a = VectorAngle(e.y2 - e.y1, e.x2 - e.x1);
        const double length = Distance(e.x1, e.y1, e.x2, e.y2) + delta;
        px = e.x1 + length * std::cos(a);
        py = e.y1 + length * std::sin(a);
        return;
    }
    const double r = Distance(e.cx, e.cy, e.x1, e.y1);
    if (IsZero(r)) {
        // A point-sized arc has no way to travel; its centre is the only point it has.
        px = e.cx;
        py = e.cy;
        return;
    }
    const double phi = (EntityLength(e) + delta) / r;
    const double a0 = VectorAngle(e.y1 - e.cy, e.x1 - e.cx);
    const double t = e.cw ? a0 - phi : a0 + phi;
    px = e.cx + r * std::cos(t);
    py = e.cy + r * std::sin(t);
}

void ExtendStart(const EntityGeometry& e, double delta, double& px, double& py)
{
    ExtendEnd(Reversed(e), delta, px, py);
}

void ArcMidpoint(double x1, double y1, double x2, double y2, double cx, double cy, bool cw, double& mx, double& my)
{
    if (SamePoint(x1, y1, x2, y2)) {
        mx = x1;
        my = y1;
        return;
    }
    const double a1 = NormalizeAngle(VectorAngle(y1 - cy, x1 - cx), false);
    double a2 = VectorAngle(y2 - cy, x2 - cx);
    while (IsLess(a2, a1))
        a2 += TwoPi;
    double m = (a1 + a2) / 2;
    if (cw)
        m += Pi;
    const double r = Distance(x1, y1, cx, cy);
    mx = cx + r * std::cos(m);
    my = cy + r * std::sin(m);
}
