// Checking a NURBS curve and evaluating it with de Boor's algorithm.
#include "dxf/nurbs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool Finite(Vec2 p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

bool IsValidNurbs(const NurbsCurve& curve)
{
    const int p = curve.degree;
    const std::size_t n = curve.points.size();
    if (p < 1 || p > MaxSplineDegree || n < static_cast<std::size_t>(p) + 1 ||
        curve.knots.size() != n + static_cast<std::size_t>(p) + 1 ||
        (!curve.weights.empty() && curve.weights.size() != n))
        return false;
    const std::vector<double>& u = curve.knots;
    if (!std::all_of(u.begin(), u.end(), [](double k) { return std::isfinite(k); }) ||
        !std::is_sorted(u.begin(), u.end()) || !(u[p] < u[n]) ||
        !std::all_of(curve.points.begin(), curve.points.end(), Finite) ||
        !std::all_of(curve.weights.begin(), curve.weights.end(),
                     [](double w) { return w > 0 && std::isfinite(w); }))
        return false;
    // A knot inside the range repeated more than degree times: the index of each span minus that of the span
    // before it is the multiplicity of the knot between them.
    std::size_t previous = 0;
    bool first = true;
    for (std::size_t k = p; k < n; ++k) {
        if (!(u[k] < u[k + 1]))
            continue;
        if (!first && k - previous > static_cast<std::size_t>(p))
            return false;
        previous = k;
        first = false;
    }
    return true;
}

NurbsEvaluator::NurbsEvaluator(const NurbsCurve& curve) : curve(curve)
{
    const std::size_t n = curve.points.size();
    for (std::size_t k = curve.degree; k < n; ++k) {
        if (!(curve.knots[k] < curve.knots[k + 1]))
            continue;
        // The multiplicity of the knot where this span starts is its distance to the span before it.
        if (spans.empty() || k - static_cast<std::size_t>(spans.back()) + 1 >= static_cast<std::size_t>(curve.degree)) {
            first.push_back(spans.size());
            cuts.push_back(curve.knots[k]);
        }
        spans.push_back(static_cast<int>(k));
    }
    first.push_back(spans.size());
    cuts.push_back(curve.knots[n]);
}

CurvePoint NurbsEvaluator::At(std::size_t piece, double t) const
{
    const int p = curve.degree;
    const double* u = curve.knots.data();
    // The last span of the piece that starts at or before t.
    const auto begin = spans.begin() + static_cast<std::ptrdiff_t>(first[piece]);
    const auto end = spans.begin() + static_cast<std::ptrdiff_t>(first[piece + 1]);
    const int k = *(std::upper_bound(begin + 1, end, t, [u](double value, int span) { return value < u[span]; }) - 1);
    // The homogeneous control points (w x, w y, w) of the span, combined level by level.
    std::array<std::array<double, 3>, MaxSplineDegree + 1> h;
    for (int j = 0; j <= p; ++j) {
        const int i = k - p + j;
        const double w = curve.weights.empty() ? 1.0 : curve.weights[i];
        h[j] = {w * curve.points[i].x, w * curve.points[i].y, w};
    }
    std::array<double, 3> derivative{};
    for (int r = 1; r <= p; ++r) {
        if (r == p) {
            // The last step blends two points; their difference gives the derivative.
            const double scale = p / (u[k + 1] - u[k]);
            for (int c = 0; c < 3; ++c)
                derivative[c] = scale * (h[p][c] - h[p - 1][c]);
        }
        for (int j = p; j >= r; --j) {
            const int i = k - p + j;
            const double a = (t - u[i]) / (u[i + p + 1 - r] - u[i]);
            for (int c = 0; c < 3; ++c)
                h[j][c] = (1 - a) * h[j - 1][c] + a * h[j][c];
        }
    }
    const double w = h[p][2];
    const Vec2 point{h[p][0] / w, h[p][1] / w};
    return {point, {(derivative[0] - point.x * derivative[2]) / w, (derivative[1] - point.y * derivative[2]) / w}};
}
