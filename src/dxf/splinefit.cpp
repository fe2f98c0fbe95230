// Cubic spline interpolation through fit points: the derivatives at the points solve a tridiagonal system (cyclic
// for a closed curve), and each span becomes a Bézier piece.
#include "dxf/splinefit.h"

#include "geometry/mymath.h"

namespace {

// The rows a[i] x[i-1] + b[i] x[i] + c[i] x[i+1] = r[i] of a tridiagonal system; cyclic: the first row's a
// multiplies the last unknown and the last row's c the first.
struct Tridiagonal {
    std::vector<double> a, b, c;
    std::vector<Vec2> r;
};

// Gaussian elimination without pivoting (the systems here are diagonally dominant); the corners are not used.
std::vector<Vec2> Solve(const Tridiagonal& s)
{
    const std::size_t n = s.b.size();
    std::vector<double> c(n);
    std::vector<Vec2> x(n);
    c[0] = s.c[0] / s.b[0];
    x[0] = (1 / s.b[0]) * s.r[0];
    for (std::size_t i = 1; i < n; ++i) {
        const double m = s.b[i] - s.a[i] * c[i - 1];
        c[i] = s.c[i] / m;
        x[i] = (1 / m) * (s.r[i] - s.a[i] * x[i - 1]);
    }
    for (std::size_t i = n - 1; i-- > 0;)
        x[i] = x[i] - c[i] * x[i + 1];
    return x;
}

// A cyclic system (at least three rows) solved as an open one corrected for its corners (Sherman-Morrison).
std::vector<Vec2> SolveCyclic(Tridiagonal s)
{
    const std::size_t n = s.b.size();
    // alpha multiplies the first unknown in the last row, beta the last unknown in the first.
    const double alpha = s.c[n - 1], beta = s.a[0];
    const double gamma = -s.b[0];
    s.b[0] -= gamma;
    s.b[n - 1] -= alpha * beta / gamma;
    const std::vector<Vec2> x = Solve(s);
    s.r.assign(n, Vec2{});
    s.r[0].x = gamma;
    s.r[n - 1].x = alpha;
    const std::vector<Vec2> z = Solve(s);
    const double denominator = 1 + z[0].x + beta * z[n - 1].x / gamma;
    const Vec2 factor = (1 / denominator) * (x[0] + (beta / gamma) * x[n - 1]);
    std::vector<Vec2> result(n);
    for (std::size_t i = 0; i < n; ++i)
        result[i] = x[i] - z[i].x * factor;
    return result;
}

std::optional<Vec2> Unit(std::optional<Vec2> v)
{
    if (!v)
        return std::nullopt;
    const double length = Length(*v);
    if (!(length > 0) || !std::isfinite(length))
        return std::nullopt;
    return (1 / length) * *v;
}

}  // namespace

bool InterpolateFitPoints(const std::vector<Vec2>& fitPoints, std::optional<Vec2> startDirection,
                          std::optional<Vec2> endDirection, bool closed, NurbsCurve& curve)
{
    std::vector<Vec2> q;
    for (Vec2 p : fitPoints) {
        if (q.empty() || !(Length(p - q.back()) < Epsilon))
            q.push_back(p);
    }
    if (closed && q.size() > 1 && Length(q.back() - q.front()) < Epsilon)
        q.pop_back();
    const std::size_t m = q.size();
    if (m < (closed ? 3u : 2u))
        return false;
    const std::size_t spans = closed ? m : m - 1;
    std::vector<double> h(spans);
    std::vector<Vec2> slope(spans);  // the chord of each span divided by its length
    for (std::size_t i = 0; i < spans; ++i) {
        const Vec2 chord = q[(i + 1) % m] - q[i];
        h[i] = Length(chord);
        slope[i] = (1 / h[i]) * chord;
    }
    // The derivatives d[i] at the points: second derivatives that agree where two spans meet.
    Tridiagonal s{std::vector<double>(m), std::vector<double>(m), std::vector<double>(m), std::vector<Vec2>(m)};
    for (std::size_t i = 0; i < m; ++i) {
        if (!closed && (i == 0 || i + 1 == m))
            continue;
        const std::size_t before = (i + spans - 1) % spans;
        const std::size_t after = i % spans;
        s.a[i] = h[after];
        s.b[i] = 2 * (h[before] + h[after]);
        s.c[i] = h[before];
        s.r[i] = 3 * (h[after] * slope[before] + h[before] * slope[after]);
    }
    std::vector<Vec2> d;
    if (closed) {
        d = SolveCyclic(s);
    } else {
        const std::optional<Vec2> start = Unit(startDirection), end = Unit(endDirection);
        // A given direction is the derivative itself (the parameter runs about as fast as the length); an end
        // without one has no second derivative.
        s.b[0] = start ? 1 : 2;
        s.c[0] = start ? 0 : 1;
        s.r[0] = start ? *start : 3 * slope[0];
        s.a[m - 1] = end ? 0 : 1;
        s.b[m - 1] = end ? 1 : 2;
        s.r[m - 1] = end ? *end : 3 * slope[spans - 1];
        d = Solve(s);
    }
    curve = NurbsCurve{};
    curve.degree = 3;
    curve.points.push_back(q[0]);
    curve.knots.assign(4, 0.0);
    double u = 0;
    for (std::size_t i = 0; i < spans; ++i) {
        const std::size_t next = (i + 1) % m;
        curve.points.push_back(q[i] + (h[i] / 3) * d[i]);
        curve.points.push_back(q[next] - (h[i] / 3) * d[next]);
        curve.points.push_back(q[next]);
        u += h[i];
        curve.knots.insert(curve.knots.end(), i + 1 < spans ? 3 : 4, u);
    }
    return IsValidNurbs(curve);
}
