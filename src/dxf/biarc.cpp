// The distance from a point to a line or arc segment, and the biarc through two points with given tangents.
#include "dxf/biarc.h"

#include <algorithm>

namespace {

// An arc that turns by less than about this (rad) is given as a line: it would hardly leave its chord, and its
// centre would lie far beyond the drawing. It is compared with the sine of half the turn.
constexpr double StraightTurn = 1e-6;

// The arc from a to b whose direction is t (a unit vector) at a (atStart) or at b. False when the chord is null or
// the arc would turn by more than a quarter turn.
bool ArcWithTangent(Vec2 a, Vec2 b, Vec2 t, bool atStart, CurveSegment& segment)
{
    const Vec2 d = b - a;
    const double chord = Length(d);
    if (!(chord > 0))
        return false;
    // The tangent at either end makes half the arc's turn with the chord: along and across are the cosine and the
    // sine of that half turn (across positive for a counter-clockwise arc), which is at most an eighth of a turn.
    const double along = Dot(t, d) / chord;
    const double across = (atStart ? Cross(t, d) : Cross(d, t)) / chord;
    if (!(std::fabs(across) <= along))
        return false;
    segment.start = a;
    segment.end = b;
    segment.isArc = std::fabs(across) >= StraightTurn / 2;
    segment.clockwise = false;
    if (segment.isArc) {
        const double curvature = 2 * across / chord;
        segment.centre = (atStart ? a : b) + (1 / curvature) * LeftNormal(t);
        segment.clockwise = curvature < 0;
    }
    return true;
}

}  // namespace

SegmentDistance::SegmentDistance(const CurveSegment& segment) : start(segment.start), end(segment.end)
{
    if (segment.isArc) {
        centre = segment.centre;
        along = start - centre;
        toEnd = end - centre;
        scale = Length(along);
        sense = segment.clockwise ? -1.0 : 1.0;
    } else {
        along = end - start;
        const double squared = Dot(along, along);
        scale = squared > 0 ? 1 / squared : 0.0;
    }
}

double SegmentDistance::operator()(Vec2 q) const
{
    if (sense == 0) {
        const double f = std::clamp(Dot(q - start, along) * scale, 0.0, 1.0);
        return Length(q - (start + f * along));
    }
    // The sector of an arc of at most a half turn: q lies between its ends in the arc's direction.
    const Vec2 v = q - centre;
    if (sense * Cross(along, v) >= 0 && sense * Cross(v, toEnd) >= 0)
        return std::fabs(Length(v) - scale);
    return std::min(Length(q - start), Length(q - end));
}

bool Biarc(Vec2 p0, Vec2 t0, Vec2 p1, Vec2 t1, std::span<const Vec2> along, CurveSegment& first, CurveSegment& second)
{
    const Vec2 v = p1 - p0;
    const double chord = Length(v);
    if (!(chord > 0) || along.empty())
        return false;
    const std::size_t middle = along.size() / 2;
    // Where the two arcs meet, the chords from p0 and to p1 make an angle of half the total turn: the junctions
    // lie on the circle through p0 and p1 whose tangent at p0 is the chord turned back by that half turn. The
    // cosine and sine of the half turn come from those of the turn.
    const double cosTurn = Dot(t0, t1), sinTurn = Cross(t0, t1);
    const double cosHalf = std::sqrt(std::max(0.0, (1 + cosTurn) / 2));
    const double sinHalf = std::copysign(std::sqrt(std::max(0.0, (1 - cosTurn) / 2)), sinTurn);
    Vec2 junction;
    if (std::fabs(sinHalf) < StraightTurn / 2) {
        // That circle is all but the chord's line.
        const double f = std::clamp(Dot(along[middle] - p0, v) / (chord * chord), 0.0, 1.0);
        junction = p0 + f * v;
    } else {
        const Vec2 w = (1 / chord) * v;
        const Vec2 u{cosHalf * w.x + sinHalf * w.y, cosHalf * w.y - sinHalf * w.x};  // w turned back
        const double curvature = 2 * sinHalf / chord;
        const double radius = 1 / std::fabs(curvature);
        const Vec2 centre = p0 + (1 / curvature) * LeftNormal(u);
        // The crossing nearest to the middle point, between two neighbouring points on either side of the circle
        // (taken where the straight line between them meets it); the middle point itself when there is none.
        Vec2 hint = along[middle];
        double nearest = HUGE_VAL;
        double outside = Length(along[0] - centre) - radius;
        for (std::size_t j = 0; j + 1 < along.size(); ++j) {
            const double next = Length(along[j + 1] - centre) - radius;
            const double offset = std::fabs(j + 0.5 - static_cast<double>(middle));
            if ((outside < 0) != (next < 0) && offset < nearest) {
                nearest = offset;
                hint = along[j] + (outside / (outside - next)) * (along[j + 1] - along[j]);
            }
            outside = next;
        }
        const Vec2 towardHint = hint - centre;
        const double distance = Length(towardHint);
        if (!(distance > 0))
            return false;
        junction = centre + (radius / distance) * towardHint;
    }
    return ArcWithTangent(p0, junction, t0, true, first) && ArcWithTangent(junction, p1, t1, false, second);
}
