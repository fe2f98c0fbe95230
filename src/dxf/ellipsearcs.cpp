// Cutting an ellipse's parameter range at the multiples of π/8, and the biarc construction for each piece.
#include "dxf/ellipsearcs.h"

#include <cmath>

#include "geometry/mymath.h"

namespace {

constexpr double GridStep = Pi / 8;
// Parameters are read in single precision: this far from a grid point (or from a whole turn) counts as on it.
constexpr double GridTolerance = 1e-6;

double Normalized(double angle)
{
    return NormalizeAngle(angle, false);
}

// The slope of the normal to direction gamma: 0 for a vertical direction, 1e45 (vertical) for a horizontal one.
double NormalSlope(double gamma)
{
    if (IsEqual(gamma, HalfPi) || IsEqual(gamma, ThreeHalfPi))
        return 0;
    const double t = std::tan(gamma);
    if (IsEqual(t, 0))
        return 1e45;
    return -1 / t;
}

// The centre C on the normal at P (slope p) and on the line through M with slope pChord. False when the two lines
// are parallel.
bool CentreOnNormal(double px, double py, double p, double pChord, double mx, double my, double& cx, double& cy)
{
    if (IsEqual(p, pChord))
        return false;
    if (IsEqual(p, 0)) {
        cx = (py - my) / pChord + mx;
        cy = py;
    } else if (std::fabs(p) > 1e10) {
        cx = px;
        cy = (px - mx) * pChord + my;
    } else {
        cx = (p * px - pChord * mx + my - py) / (p - pChord);
        cy = p * (cx - px) + py;
    }
    return true;
}

}  // namespace

void SplitEllipseRange(double start, double end, std::vector<double>& cuts)
{
    cuts.clear();
    if (IsEqual(start, end, GridTolerance) || IsEqual(std::fabs(start - end), TwoPi, GridTolerance)) {
        start = 0;
        end = TwoPi;
    }
    double sweep = end - start;
    if (sweep < 0)
        sweep = Normalized(sweep);  // through parameter 0
    if (!(sweep > 0))
        return;  // also a parameter that is not a number
    sweep = std::fmin(sweep, TwoPi);
    start = std::fmax(Normalized(start), 0.0);
    end = start + sweep;
    cuts.push_back(start);
    for (int k = static_cast<int>(std::floor((start + GridTolerance) / GridStep)) + 1;
         k * GridStep < end - GridTolerance; ++k)
        cuts.push_back(k * GridStep);
    cuts.push_back(end);
}

bool Biarc(double alpha0, double alpha1, double x0, double y0, double x1, double y1, double& mx, double& my,
           double& c1x, double& c1y, double& c2x, double& c2y)
{
    const double chord = Normalized(VectorAngle(y1 - y0, x1 - x0));
    // The directions half way between each tangent and the chord; the junction is where they cross.
    const double a = Normalized(Pi - alpha0 + chord);
    const double b = Normalized(alpha1 + Pi - chord);
    const double halfA = Normalized((Pi - a) * 0.5);
    const double halfB = Normalized((Pi - b) * 0.5);
    const double m0 = std::tan(Normalized(alpha0 - halfA));
    const double m1 = std::tan(Normalized(halfB + alpha1));
    if (IsEqual(m0, m1)) {
        mx = (x0 + x1) / 2;
        my = (y0 + y1) / 2;
    } else {
        mx = (m0 * x0 - m1 * x1 + y1 - y0) / (m0 - m1);
        my = m0 * (mx - x0) + y0;
    }
    const double pChord = NormalSlope(chord);
    if (!CentreOnNormal(x0, y0, NormalSlope(alpha0), pChord, mx, my, c1x, c1y) ||
        !CentreOnNormal(x1, y1, NormalSlope(alpha1), pChord, mx, my, c2x, c2y))
        return false;
    return std::isfinite(mx) && std::isfinite(my) && std::isfinite(c1x) && std::isfinite(c1y) && std::isfinite(c2x) &&
           std::isfinite(c2y);
}
