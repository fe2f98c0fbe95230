// Cutting an ellipse's parameter range at the multiples of π/8.
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
