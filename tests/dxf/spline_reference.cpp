// The Cox-de Boor evaluation of a NURBS curve and the deviation measures of the spline tests.
#include "dxf/spline_reference.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double TwoPiValue = 6.283185307179586;

// The knot span [u[k], u[k + 1]) holding t; the last span of the range holds the range's end.
int Span(const NurbsCurve& c, double t)
{
    const int n = static_cast<int>(c.points.size());
    int k = c.degree;
    for (int j = c.degree; j < n; ++j) {
        if (c.knots[j] <= t && c.knots[j] < c.knots[j + 1])
            k = j;
    }
    return k;
}

// The basis function N(i, p) at t, t in span k.
double Basis(const std::vector<double>& u, int i, int p, double t, int k)
{
    if (p == 0)
        return i == k ? 1.0 : 0.0;
    double value = 0.0;
    if (u[i + p] > u[i])
        value += (t - u[i]) / (u[i + p] - u[i]) * Basis(u, i, p - 1, t, k);
    if (u[i + p + 1] > u[i + 1])
        value += (u[i + p + 1] - t) / (u[i + p + 1] - u[i + 1]) * Basis(u, i + 1, p - 1, t, k);
    return value;
}

double Distance(Vec2 a, Vec2 b)
{
    return Length(a - b);
}

// The distance from q to the straight segment a-b.
double DistanceToLine(Vec2 q, Vec2 a, Vec2 b)
{
    CurveSegment line;
    line.start = a;
    line.end = b;
    return DistanceToSegment(line, q);
}

// The distance from q to the curve near the samples' edge from sample k to sample k + 1: along the samples'
// polyline and, when that is not small, on the curve itself between the samples around the edge (golden-section
// search).
double DistanceNear(const NurbsCurve& curve, const CurveSamples& s, std::size_t k, Vec2 q, double refineAbove)
{
    const std::size_t lo = k > 0 ? k - 1 : k, hi = std::min(k + 2, s.p.size() - 1);
    double d = HUGE_VAL;
    for (std::size_t i = lo; i < hi; ++i)
        d = std::min(d, DistanceToLine(q, s.p[i], s.p[i + 1]));
    if (d <= refineAbove)
        return d;
    double a = s.t[lo], c = s.t[hi];
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60; ++i) {
        const double x1 = c - ratio * (c - a), x2 = a + ratio * (c - a);
        if (Distance(q, ReferencePoint(curve, x1)) < Distance(q, ReferencePoint(curve, x2)))
            c = x2;
        else
            a = x1;
    }
    return std::min(d, Distance(q, ReferencePoint(curve, (a + c) / 2)));
}

}  // namespace

Vec2 ReferencePoint(const NurbsCurve& curve, double t)
{
    const int k = Span(curve, t);
    Vec2 sum;
    double weight = 0.0;
    for (int i = k - curve.degree; i <= k; ++i) {
        const double w = (curve.weights.empty() ? 1.0 : curve.weights[i]) * Basis(curve.knots, i, curve.degree, t, k);
        sum = sum + w * curve.points[i];
        weight += w;
    }
    return (1 / weight) * sum;
}

CurveSamples SampleCurve(const NurbsCurve& curve, int samplesPerSpan)
{
    CurveSamples s;
    const int n = static_cast<int>(curve.points.size());
    for (int k = curve.degree; k < n; ++k) {
        const double u0 = curve.knots[k], u1 = curve.knots[k + 1];
        if (!(u0 < u1))
            continue;
        for (int j = 0; j < samplesPerSpan; ++j) {
            s.t.push_back(u0 + (u1 - u0) * j / samplesPerSpan);
            s.p.push_back(ReferencePoint(curve, s.t.back()));
        }
    }
    s.t.push_back(curve.knots[n]);
    s.p.push_back(ReferencePoint(curve, s.t.back()));
    return s;
}

Vec2 PointOnSegment(const CurveSegment& segment, double f)
{
    if (!segment.isArc)
        return segment.start + f * (segment.end - segment.start);
    const Vec2 a = segment.start - segment.centre, b = segment.end - segment.centre;
    double sweep = std::atan2(Cross(a, b), Dot(a, b));
    if (!segment.clockwise && sweep < 0)
        sweep += TwoPiValue;
    if (segment.clockwise && sweep > 0)
        sweep -= TwoPiValue;
    const double angle = std::atan2(a.y, a.x) + f * sweep;
    return segment.centre + Length(a) * Vec2{std::cos(angle), std::sin(angle)};
}

Deviation MeasureDeviation(const NurbsCurve& curve, const std::vector<CurveSegment>& segments)
{
    Deviation result;
    if (segments.empty())
        return result;
    const CurveSamples s = SampleCurve(curve, 400);
    // Neighbours are searched near the last match first (both run along the curve), everywhere when that finds
    // nothing close.
    std::size_t j = 0;
    for (Vec2 p : s.p) {
        auto nearest = [&](std::size_t from, std::size_t to) {
            double best = HUGE_VAL;
            for (std::size_t k = from; k < to; ++k) {
                const double d = DistanceToSegment(segments[k], p);
                if (d < best)
                    best = d, j = k;
            }
            return best;
        };
        double d = nearest(j > 3 ? j - 3 : 0, std::min(j + 12, segments.size()));
        if (d > 1e-3)
            d = nearest(0, segments.size());
        result.curveToSegments = std::max(result.curveToSegments, d);
    }
    std::size_t b = 0;
    for (const CurveSegment& segment : segments) {
        for (int i = 0; i <= 16; ++i) {
            const Vec2 q = PointOnSegment(segment, i / 16.0);
            // The nearest edge of the samples' polyline, near the last one first.
            auto nearest = [&](std::size_t from, std::size_t to) {
                double best = HUGE_VAL;
                for (std::size_t k = from; k + 1 < to; ++k) {
                    const double d = DistanceToLine(q, s.p[k], s.p[k + 1]);
                    if (d < best)
                        best = d, b = k;
                }
            };
            nearest(b > 50 ? b - 50 : 0, std::min(b + 400, s.p.size()));
            double d = DistanceNear(curve, s, b, q, 1e-3);
            if (d > 1e-3) {
                // Another part of the curve (a loop, a cusp) may pass nearer.
                nearest(0, s.p.size());
                d = std::min(d, DistanceNear(curve, s, b, q, 1e-3));
            }
            result.segmentsToCurve = std::max(result.segmentsToCurve, d);
        }
    }
    return result;
}

double ReferenceLength(const NurbsCurve& curve)
{
    const CurveSamples s = SampleCurve(curve, 4000);
    double length = 0.0;
    for (std::size_t i = 1; i < s.p.size(); ++i)
        length += Distance(s.p[i - 1], s.p[i]);
    return length;
}

int LinesNeeded(const NurbsCurve& curve, double tolerance)
{
    const CurveSamples s = SampleCurve(curve, 400);
    auto fits = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from + 1; k < to; ++k) {
            if (DistanceToLine(s.p[k], s.p[from], s.p[to]) > tolerance)
                return false;
        }
        return true;
    };
    int lines = 0;
    for (std::size_t i = 0; i + 1 < s.p.size(); ++lines) {
        std::size_t j = i + 1;
        while (j + 1 < s.p.size() && fits(i, j + 1))
            ++j;
        i = j;
    }
    return lines;
}
