// Mymath scalars: angle comparison and normalisation, vector directions, distances and the guarded square root.
#include "geometry/mymath.h"

#include <limits>

namespace {

// Beyond this many radians an angle is reduced with fmod before the turn-by-turn normalisation, so that huge
// values cannot keep the loops going (adding 2π to 1e300 changes nothing).
constexpr double FmodThreshold = 1000.0;

}  // namespace

bool IsAngleZero(double a, double t)
{
    const double b = NormalizeAngle(a, false);
    return !(t < b && b < TwoPi - t);
}

double Distance(double x1, double y1, double x2, double y2)
{
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

double VectorAngle(double dy, double dx, bool* nullVector)
{
    bool isNull = std::fabs(dy) < Epsilon && std::fabs(dx) < Epsilon;
    double angle = 0;
    if (!isNull) {
        angle = std::atan2(dy, dx);
        if (std::isnan(angle)) {
            isNull = true;
            angle = 0;
        }
    }
    if (nullVector)
        *nullVector = isNull;
    return angle;
}

double NormalizeAngle(double a, bool allowFullTurn)
{
    if (!std::isfinite(a))
        return std::numeric_limits<double>::quiet_NaN();
    if (std::fabs(a) > FmodThreshold)
        a = std::fmod(a, TwoPi);
    while (IsLess(a, 0))
        a += TwoPi;
    if (allowFullTurn) {
        while (IsGreater(a, TwoPi))
            a -= TwoPi;
    } else {
        while (IsGreaterEqual(a, TwoPi))
            a -= TwoPi;
    }
    return a;
}

double SafeRoot(double a, double b)
{
    const double la = IsZero(a) ? 0 : std::log10(std::fabs(a));
    const double lb = IsZero(b) ? 0 : std::log10(std::fabs(b));
    const double k = std::trunc(IsGreater(lb, la) ? lb : la);
    const double limit = std::pow(10.0, k - 9);
    double d = a - b;
    if (IsLess(std::fabs(d), limit))
        d = 0;
    if (IsGreaterEqual(d, 0))
        return std::sqrt(std::fabs(d));
    return d;
}
