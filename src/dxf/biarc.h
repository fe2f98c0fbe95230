// The pieces of an approximation of a curve by circular arcs: plane vectors, a segment that is a line or an arc, its
// distance to a point, and the biarc that joins two points with given tangent directions.
#pragma once

#include <cmath>
#include <span>

// A plane point or vector (mm).
struct Vec2 {
    double x = 0.0, y = 0.0;

    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec2 operator*(double s, Vec2 a) { return {s * a.x, s * a.y}; }
    friend bool operator==(Vec2, Vec2) = default;
};

inline double Dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}
// Positive when b lies counter-clockwise of a.
inline double Cross(Vec2 a, Vec2 b)
{
    return a.x * b.y - a.y * b.x;
}
inline double Length(Vec2 a)
{
    return std::sqrt(Dot(a, a));
}
// a turned a quarter turn counter-clockwise.
inline Vec2 LeftNormal(Vec2 a)
{
    return {-a.y, a.x};
}

// One entity of an approximation: the straight segment from start to end, or the arc from start to end about
// centre, turning clockwise or not. Arcs made here sweep at most a half turn.
struct CurveSegment {
    Vec2 start, end;
    Vec2 centre;  // arcs only
    bool isArc = false;
    bool clockwise = false;  // arcs only
};

// The distance (mm) from a point to a segment: to the nearest point of a line segment; for an arc, to its circle
// when the point lies in the arc's sector, otherwise to the nearer end. Prepared once for many points.
class SegmentDistance {
public:
    explicit SegmentDistance(const CurveSegment& segment);
    double operator()(Vec2 q) const;

private:
    Vec2 start, end;
    Vec2 along;          // line: end - start; arc: start - centre
    double scale;        // line: 1 / |along|^2 (0 for a null line); arc: the radius
    Vec2 centre, toEnd;  // arc: its centre, end - centre
    double sense = 0.0;  // arc: 1 counter-clockwise, -1 clockwise; 0 for a line
};

inline double DistanceToSegment(const CurveSegment& segment, Vec2 q)
{
    return SegmentDistance(segment)(q);
}

// The two arcs from p0 to p1 that leave p0 in the direction t0, meet with one tangent at a junction and reach p1 in
// the direction t1 (t0, t1 unit vectors). Every such junction lies on one circle through p0 and p1; the one taken
// is where the curve being replaced, given by points along it in order between p0 and p1, crosses that circle
// nearest to its middle point (so that the arcs pass through the curve there), or the point of the circle nearest
// to that middle point when the curve does not cross it. An arc that turns by less than about a millionth of a
// radian is given as a line.
// False, with first and second not valid, when the ends coincide, along is empty, the junction falls on an end, or
// an arc would turn by more than a quarter turn (the piece bends too much for one biarc).
bool Biarc(Vec2 p0, Vec2 t0, Vec2 p1, Vec2 t1, std::span<const Vec2> along, CurveSegment& first, CurveSegment& second);
