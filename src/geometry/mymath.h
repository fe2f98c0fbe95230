// Mymath: plane geometry of straight lines and circular arcs, with one absolute tolerance.
// Free functions on plain doubles: no classes, no allocation, no state. Lengths in millimetres, angles in radians.
#pragma once

#include <cmath>

// ---------------------------------------------------------------------------------------------------------------
// Tolerance and constants
// ---------------------------------------------------------------------------------------------------------------

// The one absolute tolerance of the program, used alike for lengths and coordinates (mm), angles (rad) and slopes.
constexpr double Epsilon = 1e-8;

constexpr double Pi = 3.141592653589793;
constexpr double TwoPi = 6.283185307179586;
constexpr double HalfPi = 1.5707963267948966;
constexpr double ThreeHalfPi = 4.71238898038469;

// The largest double; as a slope it stands for a vertical line (see IsVerticalSlope).
constexpr double LargestDouble = 1.7976931348623157e308;

// ---------------------------------------------------------------------------------------------------------------
// Entity geometry
// ---------------------------------------------------------------------------------------------------------------

// The geometry of one drawing entity.
//  - (x1, y1) is the start point P1, (x2, y2) the end point P2 (mm).
//  - isArc false: the straight segment P1 -> P2; (cx, cy) and cw are ignored.
//  - isArc true: a circular arc with centre C = (cx, cy); its radius is always |C P1|.
//    cw false: the arc runs counter-clockwise from P1 to P2; cw true: clockwise.
//    An arc whose P1 equals P2 (within Epsilon in both coordinates) is a full circle.
struct EntityGeometry {
    double x1, y1, x2, y2;
    bool isArc;
    double cx, cy;
    bool cw;
};

// ---------------------------------------------------------------------------------------------------------------
// Comparisons. t is the tolerance, Epsilon unless a caller needs another one. Every comparison of real values in
// the program goes through these, and their exact forms matter: "equal" means |a - b| < t (open), "less" means
// a < b - t, "less or equal" means a < b + t. A NaN operand makes every one of them false.
// ---------------------------------------------------------------------------------------------------------------

// |a| < t.
inline bool IsZero(double a, double t = Epsilon)
{
    return a >= 0 ? a < t : a > -t;
}
// |a - b| < t.
inline bool IsEqual(double a, double b, double t = Epsilon)
{
    return std::fabs(a - b) < t;
}
// a < b - t: a is clearly less than b.
inline bool IsLess(double a, double b, double t = Epsilon)
{
    return a < b - t;
}
// a < b + t: a is less than b or equal within t.
inline bool IsLessEqual(double a, double b, double t = Epsilon)
{
    return a < b + t;
}
// a > b + t: a is clearly greater than b.
inline bool IsGreater(double a, double b, double t = Epsilon)
{
    return a > b + t;
}
// a > b - t: a is greater than b or equal within t.
inline bool IsGreaterEqual(double a, double b, double t = Epsilon)
{
    return a > b - t;
}
// True when the slope m stands for a vertical line: |m| > LargestDouble / 10.
inline bool IsVerticalSlope(double m)
{
    return std::fabs(m) > LargestDouble / 10;
}
// True when the angle a (rad) is zero modulo a whole turn within the angular tolerance t: with
// b = NormalizeAngle(a, false), true unless t < b < 2π - t.
bool IsAngleZero(double a, double t = Epsilon);

// ---------------------------------------------------------------------------------------------------------------
// Scalars and points
// ---------------------------------------------------------------------------------------------------------------

// Euclidean distance between (x1, y1) and (x2, y2).
double Distance(double x1, double y1, double x2, double y2);

// The direction of the vector (dx, dy) in (-π, π], i.e. atan2(dy, dx). Note the argument order: dy first.
// A null vector (|dx| and |dy| both below Epsilon) gives 0 and sets *nullVector; so does a NaN component.
// Otherwise *nullVector is set false. nullVector may be absent.
double VectorAngle(double dy, double dx, bool* nullVector = nullptr);

// Brings an angle (rad) into range by whole turns:
//  - first 2π is added while a < -Epsilon;
//  - allowFullTurn false: 2π is subtracted while a > 2π - Epsilon. The result lies in [-Epsilon, 2π - Epsilon],
//    so an angle a hair below 2π (e.g. 2π - 1e-9) becomes a hair below 0 (-1e-9);
//  - allowFullTurn true: 2π is subtracted while a > 2π + Epsilon. The result lies in [-Epsilon, 2π + Epsilon],
//    so 2π stays 2π.
// Angles beyond a few hundred turns are first reduced with fmod, so that no value can loop for long.
// A NaN or infinite angle gives NaN.
double NormalizeAngle(double a, bool allowFullTurn);

// The square root of a - b for the discriminants of the intersection formulas, guarded against cancellation:
// a difference smaller than 10^(k - 9), k the decimal magnitude of the larger of a and b (truncated toward zero),
// counts as 0. When the (possibly zeroed) difference d satisfies IsGreaterEqual(d, 0) the result is sqrt(|d|)
// (so -Epsilon < d < 0 still gives a small positive root); otherwise the negative d itself is returned.
// Read the result r as: IsZero(r) one double root; IsGreater(r, 0) two roots; otherwise none.
double SafeRoot(double a, double b);

// ---------------------------------------------------------------------------------------------------------------
// Entities
// ---------------------------------------------------------------------------------------------------------------

// True when the point P = (px, py) lies on the entity.
//  - Line: P must lie in the segment's bounding box widened by Epsilon, and the direction from P to P2 must equal
//    the segment's direction within Epsilon radians. P1 is always on the segment. For P at P2 (within Epsilon) the
//    direction from P to P2 is that of a null vector, 0, so P2 counts as on the segment only when the segment runs
//    along +x. Callers that need both ends test P2 themselves. A zero-length segment contains its point.
//  - Arc: P must be at the radius (|CP| - |CP1| within Epsilon) and its angle within the arc's sweep, both ends
//    included within Epsilon. A full circle contains every point at its radius. The centre is never on the arc.
bool IsPointOnEntity(const EntityGeometry& e, double px, double py);

// The angle (rad) swept by the arc from P1 to P2 about C in direction cw, in [0, 2π].
// P1 equal to P2: 2π (full circle), or 0 when P1 also equals C. P1 or P2 equal to C: 0.
double ArcSweep(double x1, double y1, double x2, double y2, double cx, double cy, bool cw);

// Length (mm): a line's |P1P2|, an arc's ArcSweep × |CP1| (a full circle gives its circumference).
double EntityLength(const EntityGeometry& e);

// The direction of travel (rad, normalised as NormalizeAngle(·, false)) at P1 and at P2. A line gives its own
// direction for both; an arc the tangent direction, i.e. the radius direction turned by +π/2 (counter-clockwise)
// or -π/2 (clockwise).
void EndTangents(const EntityGeometry& e, double& startAngle, double& endAngle);

// The bounding box of the entity (mm), in the output order maxX, minX, maxY, minY. An arc includes each extreme
// point of its circle (top, bottom, right, left) that IsPointOnEntity, and otherwise the matching end point.
void EntityExtents(const EntityGeometry& e, double& maxX, double& minX, double& maxY, double& minY);

// True when the foot F = (fx, fy) of the perpendicular from Q = (qx, qy) falls on the entity; F is valid only then.
//  - Line: a horizontal or vertical segment accepts feet strictly inside it (Epsilon away from both ends); any
//    other segment accepts what IsPointOnEntity accepts. A zero-length segment accepts nothing.
//  - Arc: F is where the line through Q and C meets the circle, on the arc, nearer to Q when both are (ties go to
//    the first point). Q at the centre gives false.
bool ProjectOnEntity(const EntityGeometry& e, double qx, double qy, double& fx, double& fy);

// Distance (mm) from Q = (qx, qy) to the entity, and the nearest point N = (*nx, *ny): the foot of the
// perpendicular when ProjectOnEntity succeeds, else the nearer end point (P1 only when clearly nearer than P2,
// so ties go to P2). An arc whose only foot lies on the far side of its centre from Q gives the nearer end point
// when that is clearly nearer than the foot. Either output pointer may be absent.
double DistanceToEntity(double qx, double qy, const EntityGeometry& e, double* nx = nullptr, double* ny = nullptr);

// The point P = (px, py) at distance EntityLength + delta (mm) from P1, travelling along the entity (beyond P2 for
// delta > 0, short of it for delta < 0). An arc keeps its centre and radius; a zero-radius arc gives its centre.
void ExtendEnd(const EntityGeometry& e, double delta, double& px, double& py);

// The same at the other end: the point at distance EntityLength + delta from P2, travelling backwards past P1.
void ExtendStart(const EntityGeometry& e, double delta, double& px, double& py);

// The point M = (mx, my) half way along the arc from P1 to P2 about C in direction cw, at radius |CP1|.
// P1 equal to P2 (full circle) gives P1 itself.
void ArcMidpoint(double x1, double y1, double x2, double y2, double cx, double cy, bool cw, double& mx, double& my);

// ---------------------------------------------------------------------------------------------------------------
// Intersections. The functions with array outputs return a count n; only the first n entries of x and y are
// written and valid.
// ---------------------------------------------------------------------------------------------------------------

// Intersects the line through (x1, y1) with slope m1 and the line through (x2, y2) with slope m2 (a vertical line
// has slope LargestDouble). Returns 1 with the crossing point (x, y), or 0: both lines vertical, or parallel within
// Epsilon (coincident lines count as parallel and give 0 too). x and y are written only when 1 is returned.
int IntersectLines(double x1, double y1, double m1, double x2, double y2, double m2, double& x, double& y);

// The crossing point of the segments P1P2 and P3P4 that lies on both (IsPointOnEntity of each as a line, so a
// crossing exactly at P2 or P4 counts only for segments running along +x). Returns 0 or 1. Parallel and
// collinear segments give 0.
int IntersectSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                      double (&x)[2], double (&y)[2]);

// The points where the infinite line through A and B meets the circle with centre C and radius r. Returns 0 (also
// when A equals B), 1 (tangent within SafeRoot's guard) or 2. With 2 points the one with the larger coordinate
// along the line's dominant axis comes first (larger y for a vertical line, larger x for a horizontal one).
int IntersectLineCircle(double ax, double ay, double bx, double by, double cx, double cy, double r, double (&x)[2],
                        double (&y)[2]);

// The points where the circle (C1, r1) meets the circle (C2, r2). Returns 0 (concentric circles, circles apart or
// one inside the other), 1 (touching within Epsilon, from outside or from inside) or 2.
int IntersectCircles(double c1x, double c1y, double r1, double c2x, double c2y, double r2, double (&x)[2],
                     double (&y)[2]);

// ---------------------------------------------------------------------------------------------------------------
// Constructions. Outputs are valid only when the function returns true.
// ---------------------------------------------------------------------------------------------------------------

// The circle through P1, P2, P3: centre C, radius r = |CP1|, and the direction of the arc that starts at P1,
// passes P2 and ends at P3 (cw true when P3 lies to the right of the directed line P1 -> P2). False when two of the
// points coincide or the three are collinear.
bool CircleThrough3Points(double x1, double y1, double x2, double y2, double x3, double y3, double& cx, double& cy,
                          double& r, bool& cw);

// The centre C of the arc of radius r from P1 to P2 in direction cw; largeArc chooses the arc of more than half a
// turn. A chord of exactly 2r gives the half circle's centre, the chord's midpoint. False when P1 equals P2, r is
// zero, or the chord is longer than 2r.
bool ArcCentreFromRadius(double x1, double y1, double x2, double y2, double r, bool cw, bool largeArc, double& cx,
                         double& cy);

// The arc that a polyline bulge (tan of a quarter of the included angle) describes from P1 to P2: centre C,
// radius r, direction cw (negative bulge: clockwise). |bulge| 1 is a half circle, |bulge| > 1 the larger arc.
// False when the bulge is zero, the end points coincide or the arc's height is below Epsilon.
bool ArcFromBulge(double x1, double y1, double x2, double y2, double bulge, double& cx, double& cy, double& r,
                  bool& cw);

// Moves the centre C = (cx, cy) onto the perpendicular bisector of P1P2, so that it is equidistant from both ends.
// A centre already equidistant within Epsilon stays; otherwise it becomes its orthogonal projection on the
// bisector. *r, when asked for, receives |P1C|. False (C unchanged) when P1, P2 and C all coincide, or P1 equals
// P2 while C is not equidistant.
bool SnapCentreToBisector(double x1, double y1, double x2, double y2, double& cx, double& cy, double* r = nullptr);
