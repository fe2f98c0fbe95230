// The replacement of a plane curve by a chain of circular arcs, and lines where the curve runs straight, that keeps
// within a tolerance of it: the one routine behind the ELLIPSE and SPLINE converters.
#pragma once

#include <cstddef>
#include <vector>

#include "dxf/biarc.h"

// A point of a curve and the curve's derivative there with respect to its parameter.
struct CurvePoint {
    Vec2 point;
    Vec2 derivative;
};

// A plane curve given on pieces: piece i runs over the parameters cuts[i] to cuts[i + 1] of its caller. The curve
// is smooth inside a piece; its direction may jump where two pieces meet.
class PlaneCurve {
public:
    virtual ~PlaneCurve() = default;
    // The point and the derivative at parameter t of piece (t within the piece, its ends included: at an end, the
    // derivative on the piece's side).
    virtual CurvePoint At(std::size_t piece, double t) const = 0;
};

// Segments shorter than this (mm) are not made: a shorter piece of the curve is left to its neighbours, and an arc
// that short would read as a whole circle.
constexpr double MinSegmentLength = 1e-7;

// Replaces the curve from cuts.front() to cuts.back() (increasing parameters, one piece between two cuts) by a
// chain of segments: the first starts at the curve's start, each starts where the one before it ends, the last ends
// at the curve's end. Each piece becomes one line when a line keeps within tolerance (mm) of it, otherwise one biarc
// when that does, otherwise its halves are taken in turn; within tolerance means at points evenly spread over the
// piece, with the largest deviation between them estimated from its neighbours. A piece halved 48 times becomes a
// line whatever it deviates. Fewer than two cuts give no segment.
// At most maxSegments + 2 segments are made: false when the curve needs more than maxSegments, with segments
// holding its first ones (more than maxSegments of them); true otherwise.
bool CurveToArcs(const PlaneCurve& curve, const std::vector<double>& cuts, double tolerance, std::size_t maxSegments,
                 std::vector<CurveSegment>& segments);
