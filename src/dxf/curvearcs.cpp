// Approximating a curve by lines and biarcs within a tolerance: each piece is tried as one line, then as one biarc,
// and halved while neither keeps close enough.
#include "dxf/curvearcs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace {

// Points of the curve compared with a candidate, evenly spread over the piece's parameter; the middle one (the
// hint of the biarc and the cut of the halves) is among them.
constexpr int Samples = 7;
constexpr int MiddleSample = (Samples + 1) / 2;
constexpr int MaxDepth = 48;
// How far inside the piece the direction is looked for where the derivative vanishes, as a part of the piece.
constexpr double InwardStep = 1e-6;

// A part of one piece of the curve, with the curve at both its ends.
struct Part {
    std::size_t piece;
    double t0, t1;
    CurvePoint a, b;
    int depth;
};

// The largest deviation over a piece from the deviations at its samples (the ends, on the curve, deviate by 0):
// the largest sample, raised to the top of the parabola through it and its neighbours.
double PeakDeviation(const std::array<double, Samples + 2>& d)
{
    const auto k = static_cast<std::size_t>(std::max_element(d.begin(), d.end()) - d.begin());
    double peak = d[k];
    if (k > 0 && k + 1 < d.size()) {
        const double bend = d[k - 1] - 2 * d[k] + d[k + 1];
        const double slope = d[k + 1] - d[k - 1];
        if (bend < 0)
            peak -= slope * slope / (8 * bend);
    }
    return peak;
}

class Approximation {
public:
    Approximation(const PlaneCurve& curve, double tolerance, std::size_t maxSegments,
                  std::vector<CurveSegment>& segments, Vec2 start)
        : curve(curve), tolerance(tolerance), maxSegments(maxSegments), segments(segments), last(start)
    {
    }

    // Approximates piece from t0 to t1; false once more than maxSegments were made.
    bool Piece(std::size_t piece, double t0, double t1)
    {
        stack.push_back({piece, t0, t1, curve.At(piece, t0), curve.At(piece, t1), 0});
        while (!stack.empty()) {
            const Part part = stack.back();
            stack.pop_back();
            Take(part);
            if (segments.size() > maxSegments)
                return false;
        }
        return true;
    }

    // Ends the chain exactly at the curve's end.
    void Finish(Vec2 end)
    {
        if (!segments.empty())
            segments.back().end = end;
    }

private:
    void Take(const Part& part)
    {
        std::array<CurvePoint, Samples + 2> at;
        at[0] = part.a;
        at[Samples + 1] = part.b;
        for (int j = 1; j <= Samples; ++j)
            at[j] = curve.At(part.piece, part.t0 + (part.t1 - part.t0) * j / (Samples + 1));
        CurveSegment line;
        line.start = part.a.point;
        line.end = part.b.point;
        if (Deviation({&line, 1}, at) <= tolerance || part.depth >= MaxDepth) {
            AddLine(part.b.point);
            return;
        }
        CurveSegment halves[2];
        if (Biarc(part.a.point, Direction(part, true), part.b.point, Direction(part, false), at[MiddleSample].point,
                  halves[0], halves[1]) &&
            Length(halves[0].end - halves[0].start) >= MinSegmentLength &&
            Length(halves[1].end - halves[1].start) >= MinSegmentLength && Deviation(halves, at) <= tolerance) {
            halves[0].start = last;
            segments.push_back(halves[0]);
            segments.push_back(halves[1]);
            last = halves[1].end;
            return;
        }
        const double middle = part.t0 + (part.t1 - part.t0) / 2;
        stack.push_back({part.piece, middle, part.t1, at[MiddleSample], part.b, part.depth + 1});
        stack.push_back({part.piece, part.t0, middle, part.a, at[MiddleSample], part.depth + 1});
    }

    double Deviation(std::span<const CurveSegment> candidate, const std::array<CurvePoint, Samples + 2>& at) const
    {
        std::array<double, Samples + 2> d{};
        for (int j = 1; j <= Samples; ++j) {
            d[j] = HUGE_VAL;
            for (const CurveSegment& s : candidate)
                d[j] = std::min(d[j], DistanceToSegment(s, at[j].point));
        }
        return PeakDeviation(d);
    }

    // The unit direction of travel at the start (or end) of the part: the derivative's; where the derivative
    // vanishes (a cusp, control points that coincide), towards a point a little inside the part; where the curve
    // does not move there either, along the chord.
    Vec2 Direction(const Part& part, bool atStart) const
    {
        const CurvePoint& p = atStart ? part.a : part.b;
        Vec2 d = p.derivative;
        if (!(Length(d) > 0)) {
            const double step = (part.t1 - part.t0) * InwardStep;
            const Vec2 inside = curve.At(part.piece, atStart ? part.t0 + step : part.t1 - step).point;
            d = atStart ? inside - p.point : p.point - inside;
        }
        if (!(Length(d) > 0))
            d = part.b.point - part.a.point;
        const double length = Length(d);
        return length > 0 ? (1 / length) * d : Vec2{1, 0};
    }

    void AddLine(Vec2 end)
    {
        if (!(Length(end - last) >= MinSegmentLength))
            return;  // the curve hardly moved: its neighbours take over
        CurveSegment line;
        line.start = last;
        line.end = end;
        segments.push_back(line);
        last = end;
    }

    const PlaneCurve& curve;
    const double tolerance;
    const std::size_t maxSegments;
    std::vector<CurveSegment>& segments;
    std::vector<Part> stack;
    Vec2 last;  // where the chain ends so far
};

}  // namespace

bool CurveToArcs(const PlaneCurve& curve, const std::vector<double>& cuts, double tolerance, std::size_t maxSegments,
                 std::vector<CurveSegment>& segments)
{
    segments.clear();
    if (cuts.size() < 2)
        return true;
    Approximation approximation(curve, tolerance, maxSegments, segments, curve.At(0, cuts.front()).point);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        if (!approximation.Piece(i, cuts[i], cuts[i + 1]))
            return false;
    }
    approximation.Finish(curve.At(cuts.size() - 2, cuts.back()).point);
    return true;
}
