// The segment count rule for arcs drawn as polylines.
#include "render/arctrace.h"

int ArcSegmentCount(const ViewTransform& view, double sweep, double r)
{
    double n = sweep * 12 / Pi + r * 12 * view.scaleX / std::fabs(double(view.areaRight - view.areaLeft)) +
               r * 12 * view.scaleY / std::fabs(double(view.areaBottom - view.areaTop));
    // An empty drawing area or a huge zoom gives no useful count: the cap keeps the arc smooth and the repaint short.
    if (!(n < MaxArcSegments))
        return MaxArcSegments;
    if (!(n >= 1))
        return 0;
    return static_cast<int>(n);
}

// The walk's error bound. With u = 2^-53 the unit roundoff, for the point k (one of at most MaxArcSegments):
// - The exact point takes t = a1 + k step with a1 < 2 pi and k step <= 2 pi, so t is within 3 u 4 pi < 40 u of
//   the real angle a1 + k step, and std::cos and std::sin add at most an ulp (2 u): 42 u from the true values.
// - The walk's seed is computed the same way: its unit vector is within 42 u per component, 60 u in length, of
//   the true one. Each rotation multiplies by (cos step, sin step), each within 2 u of the true values, so the
//   matrix is off by at most 4 u in norm, and rounds each component of the product once per operation (3 u each,
//   under 5 u in length): every rotation adds at most 9 u. After j < ArcWalkSeedInterval rotations the walked
//   vector is within 60 u + 9 u j of the true one, and so within UnitError = (102 + 9 j) u < (128 + 16 j) u of
//   the exact point's cos and sin.
// - Mapping to pixels: the exact point goes x = xc + r c, minus the pan, mirrored, times the scale s, plus the
//   offset o, six roundings; the walk takes o' + k c with o' the same mapping of xc minus the pan and k = +-r s,
//   eight. The difference of the unit vectors scales by r s; no operand exceeds A = |xc| + r + |pan| + |extMin|
//   + |extMax| mm (A s + |o| pixels), so the fourteen roundings add at most 15 u (A s + |o|), counted as 32.
// The walk is used when that sum, doubled for slack, stays below ArcWalkMargin: up to radii of some million
// pixels. Beyond, or for coordinates that large, every point is computed exactly.
namespace {

constexpr double UnitRoundoff = 0x1p-53;

double AxisErrorBound(double centre, double r, double pan, double extMin, double extMax, double scale, double offset)
{
    constexpr double unitError = (128 + 16 * ArcWalkSeedInterval) * UnitRoundoff;
    double a = std::fabs(centre) + r + std::fabs(pan) + std::fabs(extMin) + std::fabs(extMax);
    double s = std::fabs(scale);
    return r * s * unitError + 32 * UnitRoundoff * (a * s + std::fabs(offset));
}

}  // namespace

bool ArcWalkIsSafe(const ViewTransform& view, double xc, double yc, double r)
{
    double ex = AxisErrorBound(xc, r, view.panX, view.extMinX, view.extMaxX, view.scaleX, view.offsetX);
    double ey = AxisErrorBound(yc, r, view.panY, view.extMinY, view.extMaxY, view.scaleY, view.offsetY);
    // Written so that NaN (from infinite or NaN inputs) means unsafe.
    return 2 * ex < ArcWalkMargin && 2 * ey < ArcWalkMargin;
}
