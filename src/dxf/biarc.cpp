// The distance from a point to a line or arc segment, and the biarc through two points with given tangents.
#include "dxf/biarc.h"

#include <algorithm>

#include "geometry/mymath.h"

namespace {

// An arc that turns by less than this (rad) is given as a line: it would hardly leave its chord, and its centre
// would lie far beyond the drawing.
constexpr double StraightTurn = 1e-6;
// Half of the largest turn of one arc of a biarc (a quarter turn).
constexpr double MaxHalfTurn = Pi / 4;

Vec2 Rotated(Vec2 a, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * a.x - s * a.y, s * a.x + c * a.y};
}

// The arc from a to b whose direction is t (a unit vector) at a (atStart) or at b. False when the chord is null or
// the arc would turn by more than twice MaxHalfTurn.
bool ArcWithTangent(Vec2 a, Vec2 b, Vec2 t, bool atStart, CurveSegment& segment)
{
    const Vec2 d = b - a;
    const double chord = Length(d);
    if (!(chord > 0))
        return false;
    // The tangent at either end makes half the arc's turn with the chord; across is the sine of that half turn,
    // positive for a counter-clockwise arc.
    const double along = Dot(t, d) / chord;
    const double across = (atStart ? Cross(t, d) : Cross(d, t)) / chord;
    const double halfTurn = std::atan2(std::fabs(across), along);
    if (!(halfTurn <= MaxHalfTurn))
        return false;
    segment.start = a;
    segment.end = b;
    segment.isArc = 2 * halfTurn >= StraightTurn;
    segment.clockwise = false;
    if (segment.isArc) {
        const double curvature = 2 * across / chord;
        segment.centre = (atStart ? a : b) + (1 / curvature) * LeftNormal(t);
        segment.clockwise = curvature < 0;
    }
    return true;
}

}  // namespace

double DistanceToSegment(const CurveSegment& segment, Vec2 q)
{
    if (!segment.isArc) {
        const Vec2 d = segment.end - segment.start;
        const double squared = Dot(d, d);
        const double f = squared > 0 ? std::clamp(Dot(q - segment.start, d) / squared, 0.0, 1.0) : 0.0;
        return Length(q - (segment.start + f * d));
    }
    const Vec2 a = segment.start - segment.centre;
    const Vec2 b = segment.end - segment.centre;
    const Vec2 v = q - segment.centre;
    // The sector of an arc of at most a half turn: v lies between a and b in the arc's direction.
    const double sense = segment.clockwise ? -1.0 : 1.0;
    if (sense * Cross(a, v) >= 0 && sense * Cross(v, b) >= 0)
        return std::fabs(Length(v) - Length(a));
    return std::min(Length(q - segment.start), Length(q - segment.end));
}

bool Biarc(Vec2 p0, Vec2 t0, Vec2 p1, Vec2 t1, Vec2 hint, CurveSegment& first, CurveSegment& second)
{
    const Vec2 v = p1 - p0;
    const double chord = Length(v);
    if (!(chord > 0))
        return false;
    // Where the two arcs meet, the chords from p0 and to p1 make an angle of half the total turn: the junctions
    // lie on the circle through p0 and p1 whose tangent at p0 is the chord turned back by that half turn.
    const double turn = std::atan2(Cross(t0, t1), Dot(t0, t1));
    Vec2 junction;
    if (std::fabs(turn) < StraightTurn) {
        // That circle is all but the chord's line.
        const double f = std::clamp(Dot(hint - p0, v) / (chord * chord), 0.0, 1.0);
        junction = p0 + f * v;
    } else {
        const Vec2 u = Rotated((1 / chord) * v, -turn / 2);
        const double curvature = 2 * std::sin(turn / 2) / chord;
        const Vec2 centre = p0 + (1 / curvature) * LeftNormal(u);
        const Vec2 towardHint = hint - centre;
        const double distance = Length(towardHint);
        if (!(distance > 0))
            return false;
        junction = centre + (1 / (std::fabs(curvature) * distance)) * towardHint;
    }
    return ArcWithTangent(p0, junction, t0, true, first) && ArcWithTangent(junction, p1, t1, false, second);
}
