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
        !std::all_of(curve.weights.begin(), curve.weights.end(), [](double w) { return w > 0 && std::isfinite(w); }))
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

namespace {

using Homogeneous = std::array<double, 3>;

// The Bezier points of knot span k: the blossoms of the curve at its ends, u[k] repeated degree - i times and
// u[k + 1] i times for the i-th, each by de Boor's algorithm with the r-th argument on its r-th level.
void BezierPoints(const NurbsCurve& c, int k, std::array<Homogeneous, MaxSplineDegree + 1>& bezier)
{
    const int p = c.degree;
    const double* u = c.knots.data();
    std::array<Homogeneous, MaxSplineDegree + 1> control;
    for (int j = 0; j <= p; ++j) {
        const int i = k - p + j;
        const double w = c.weights.empty() ? 1.0 : c.weights[i];
        control[j] = {w * c.points[i].x, w * c.points[i].y, w};
    }
    for (int b = 0; b <= p; ++b) {
        std::array<Homogeneous, MaxSplineDegree + 1> h;
        std::copy(control.begin(), control.begin() + p + 1, h.begin());
        for (int r = 1; r <= p; ++r) {
            const double t = r <= p - b ? u[k] : u[k + 1];
            for (int j = p; j >= r; --j) {
                const int i = k - p + j;
                const double a = (t - u[i]) / (u[i + p + 1 - r] - u[i]);
                for (int m = 0; m < 3; ++m)
                    h[j][m] = (1 - a) * h[j - 1][m] + a * h[j][m];
            }
        }
        bezier[b] = h[p];
    }
}

// The binomial coefficients C(n, k) for n up to MaxSplineDegree (Pascal's triangle).
using Binomials = std::array<std::array<double, MaxSplineDegree + 1>, MaxSplineDegree + 1>;

Binomials PascalTriangle()
{
    Binomials c{};
    for (int n = 0; n <= MaxSplineDegree; ++n) {
        c[n][0] = c[n][n] = 1;
        for (int k = 1; k < n; ++k)
            c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}

}  // namespace

NurbsEvaluator::NurbsEvaluator(const NurbsCurve& curve) : degree(curve.degree), rational(!curve.weights.empty())
{
    static const Binomials binomial = PascalTriangle();
    const int p = degree;
    const std::size_t n = curve.points.size();
    int previous = -1;
    for (std::size_t k = p; k < n; ++k) {
        const double u0 = curve.knots[k], u1 = curve.knots[k + 1];
        if (!(u0 < u1))
            continue;
        // The multiplicity of the knot where this span starts is its distance to the span before it.
        if (previous < 0 || static_cast<int>(k) - previous + 1 >= p) {
            first.push_back(spans.size());
            cuts.push_back(u0);
        }
        previous = static_cast<int>(k);
        // The span's Bezier points, then their power form.
        std::array<Homogeneous, MaxSplineDegree + 1> bezier;
        BezierPoints(curve, static_cast<int>(k), bezier);
        spans.push_back({u0, 1 / (u1 - u0), coefficients.size()});
        for (int j = 0; j <= p; ++j) {
            Homogeneous c{0, 0, 0};
            for (int i = 0; i <= j; ++i) {
                const double factor = binomial[p][j] * binomial[j][i] * ((j - i) % 2 ? -1 : 1);
                for (int m = 0; m < 3; ++m)
                    c[m] += factor * bezier[i][m];
            }
            coefficients.push_back(c);
        }
    }
    first.push_back(spans.size());
    cuts.push_back(curve.knots[n]);
}

CurvePoint NurbsEvaluator::At(std::size_t piece, double t) const
{
    // The span of the piece that holds t: the one used last when it does (the curve is mostly walked along),
    // otherwise the last one that starts at or before t.
    const std::size_t begin = first[piece], end = first[piece + 1];
    std::size_t k = recent;
    if (!(k >= begin && k < end && spans[k].start <= t && (k + 1 == end || t < spans[k + 1].start))) {
        k = static_cast<std::size_t>(std::upper_bound(spans.begin() + static_cast<std::ptrdiff_t>(begin + 1),
                                                      spans.begin() + static_cast<std::ptrdiff_t>(end), t,
                                                      [](double value, const Span& s) { return value < s.start; }) -
                                     spans.begin()) -
            1;
        recent = k;
    }
    const Span& span = spans[k];
    const double s = (t - span.start) * span.scale;
    const Homogeneous* c = coefficients.data() + span.coefficients;
    // Horner's scheme for the value and the derivative together.
    double x = c[degree][0], y = c[degree][1], w = c[degree][2], dx = 0, dy = 0, dw = 0;
    for (int j = degree - 1; j >= 0; --j) {
        dx = dx * s + x, dy = dy * s + y, dw = dw * s + w;
        x = x * s + c[j][0], y = y * s + c[j][1], w = w * s + c[j][2];
    }
    dx *= span.scale, dy *= span.scale, dw *= span.scale;
    if (!rational)
        return {{x, y}, {dx, dy}};
    const Vec2 point{x / w, y / w};
    return {point, {(dx - point.x * dw) / w, (dy - point.y * dw) / w}};
}
