// How both renderers turn an arc into pixels: nothing, a single dot, or a polyline whose segment count grows with
// the arc's sweep and on-screen size.
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/mymath.h"
#include "render/viewtransform.h"

enum class ArcTraceResult { Nothing, Dot, Polyline };

// The most segments one arc gets: far beyond what a screen shows, so that a huge zoom cannot stall a repaint.
constexpr int MaxArcSegments = 10000;

// Number of segments for a sweep (rad) of radius r (mm) in the view: 24 for a full turn plus 12 for each time the
// radius spans the drawing area's width, and again its height; below 1 means one chord.
int ArcSegmentCount(const ViewTransform& view, double sweep, double r);

// The pixel of the point at angle a1 + k step on the circle about (xc, yc) with radius r, from its own std::cos
// and std::sin: the definition the faster walk below reproduces exactly.
inline void ExactArcPoint(const ViewTransform& view, double xc, double yc, double r, double a1, double step, int k,
                          int& px, int& py)
{
    double t = a1 + k * step;
    view.ToPixel(xc + r * std::cos(t), yc + r * std::sin(t), px, py);
}

// Between seeds of the walk, the number of points reached by rotation.
constexpr int ArcWalkSeedInterval = 64;
// A walked pixel value this close to a rounding boundary (a half pixel) is recomputed exactly.
constexpr double ArcWalkMargin = 1e-6;

// Whether the walk's error for this circle in this view stays below ArcWalkMargin (see arctrace.cpp).
bool ArcWalkIsSafe(const ViewTransform& view, double xc, double yc, double r);

// The pixel v rounds to as RoundPixel would, when no rounding boundary and no clamp bound lies within
// ArcWalkMargin of v; false otherwise (and for NaN).
inline bool RoundWalkedPixel(double v, int& pixel)
{
    if (!(std::fabs(v) < 1e9))
        return false;
    // whole = floor(v) and the fraction v - whole from the truncation: exact, but for fraction + 1 of a tiny
    // negative fraction, off by at most 2^-53, far within the slack ArcWalkIsSafe leaves below the margin.
    int whole = static_cast<int>(v);
    double fraction = v - whole;
    if (fraction < 0) {
        fraction += 1;
        whole -= 1;
    }
    if (std::fabs(fraction - 0.5) < ArcWalkMargin)
        return false;
    pixel = whole + (fraction > 0.5 ? 1 : 0);
    return true;
}

// Calls point(px, py) for k = 1 .. n - 1 with the pixels ExactArcPoint gives, computing most of them by rotating
// the previous unit vector by step instead of calling std::cos and std::sin. Every ArcWalkSeedInterval points the
// vector is re-seeded from std::cos and std::sin; a point whose unrounded pixel value lies within ArcWalkMargin of
// a half pixel, or is out of range, is recomputed exactly. As the walked and the exact value differ by less than
// the margin (ArcWalkIsSafe; otherwise every point is exact), no boundary lies between them: both round alike.
// The bound assumes what TraceArc passes: a1 within [0, 2 pi] and n step at most 2 pi (up to rounding).
template <typename PointFn>
void WalkArcPoints(const ViewTransform& view, double xc, double yc, double r, double a1, double step, int n,
                   PointFn&& point)
{
    if (n <= 1)
        return;
    int px, py;
    if (n <= 2 || !ArcWalkIsSafe(view, xc, yc, r)) {
        for (int k = 1; k < n; ++k) {
            ExactArcPoint(view, xc, yc, r, a1, step, k, px, py);
            point(px, py);
        }
        return;
    }
    // Per axis the walked pixel value is o + k c: the mapping of the centre plus the radius in pixels (its sign
    // turned by a mirror or flip) times the unit vector's component; ArcWalkIsSafe bounds its rounding too.
    const double ox = view.XPixelValue(xc - view.panX), kx = (view.mirrorX ? -r : r) * view.scaleX;
    const double oy = view.YPixelValue(yc - view.panY), ky = (view.flipY ? -r : r) * view.scaleY;
    const double rotC = std::cos(step), rotS = std::sin(step);
    // A block of points from one seed is computed first and handed on after, keeping the walk's loop free of calls.
    int blockX[ArcWalkSeedInterval], blockY[ArcWalkSeedInterval];
    for (int first = 1; first < n; first += ArcWalkSeedInterval) {
        const int count = std::min(ArcWalkSeedInterval, n - first);
        const double t = a1 + first * step;
        double c = std::cos(t), s = std::sin(t);
        for (int j = 0; j < count; ++j) {
            if (!RoundWalkedPixel(ox + kx * c, blockX[j]) || !RoundWalkedPixel(oy + ky * s, blockY[j]))
                ExactArcPoint(view, xc, yc, r, a1, step, first + j, blockX[j], blockY[j]);
            const double nc = c * rotC - s * rotS;
            s = s * rotC + c * rotS;
            c = nc;
        }
        for (int j = 0; j < count; ++j)
            point(blockX[j], blockY[j]);
    }
}

// Traces the arc from (x1, y1) to (x2, y2) about (xc, yc), clockwise when cw. Nothing: an end lies on the centre.
// Dot: start and end fall on one pixel and the ends differ, nothing traced (the caller marks the start). Polyline:
// moveTo(start pixel), then lineTo for each segment end, the last one at the end pixel. A clockwise arc is traced
// counter-clockwise from its end to its start. Ends equal within Epsilon make a full circle.
template <typename MoveFn, typename LineFn>
ArcTraceResult TraceArc(const ViewTransform& view, double x1, double y1, double x2, double y2, double xc, double yc,
                        bool cw, MoveFn&& moveTo, LineFn&& lineTo)
{
    bool null1 = false, null2 = false;
    double a1 = VectorAngle(y1 - yc, x1 - xc, &null1);
    double a2 = VectorAngle(y2 - yc, x2 - xc, &null2);
    if (null1 || null2)
        return ArcTraceResult::Nothing;
    bool fullCircle = IsZero(x1 - x2) && IsZero(y1 - y2);
    int sx, sy, ex, ey;
    view.ToPixel(x1, y1, sx, sy);
    view.ToPixel(x2, y2, ex, ey);
    if (sx == ex && sy == ey && !fullCircle)
        return ArcTraceResult::Dot;
    double r = Distance(x1, y1, xc, yc);
    a1 = NormalizeAngle(a1, false);
    a2 = NormalizeAngle(a2, false);
    if (cw) {
        std::swap(sx, ex);
        std::swap(sy, ey);
        std::swap(a1, a2);
    }
    if (fullCircle) {
        a2 = a1 + TwoPi;
    } else if (a2 < a1) {
        a2 += TwoPi;
    }
    int n = ArcSegmentCount(view, a2 - a1, r);
    double step = n < 1 ? 100.0 : (a2 - a1) / n;
    moveTo(sx, sy);
    // Points at a1 + k step for k = 1 .. n - 1; the point at k = 0 is the start pixel itself.
    WalkArcPoints(view, xc, yc, r, a1, step, n, lineTo);
    lineTo(ex, ey);
    return ArcTraceResult::Polyline;
}
