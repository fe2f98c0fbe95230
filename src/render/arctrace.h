// How both renderers turn an arc into pixels: nothing, a single dot, or a polyline whose segment count grows with
// the arc's sweep and on-screen size.
#pragma once

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

// Traces the arc from (x1, y1) to (x2, y2) about (xc, yc), clockwise when cw. Nothing: an end lies on the centre.
// Dot: start and end fall on one pixel and the ends differ, nothing traced (the caller marks the start). Polyline:
// moveTo(start pixel), then lineTo for each segment end, the last one at the end pixel. A clockwise arc is traced
// counter-clockwise from its end to its start. Ends equal within Epsilon make a full circle.
template <typename MoveFn, typename LineFn>
ArcTraceResult TraceArc(const ViewTransform& view, double x1, double y1, double x2, double y2, double xc, double yc,
                        bool cw, MoveFn&& moveTo, LineFn&& lineTo) {
  bool null1 = false, null2 = false;
  double a1 = VectorAngle(y1 - yc, x1 - xc, &null1);
  double a2 = VectorAngle(y2 - yc, x2 - xc, &null2);
  if (null1 || null2) return ArcTraceResult::Nothing;
  bool fullCircle = IsZero(x1 - x2) && IsZero(y1 - y2);
  int sx, sy, ex, ey;
  view.ToPixel(x1, y1, sx, sy);
  view.ToPixel(x2, y2, ex, ey);
  if (sx == ex && sy == ey && !fullCircle) return ArcTraceResult::Dot;
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
  for (int k = 1; k < n; ++k) {
    double t = a1 + k * step;
    int px, py;
    view.ToPixel(xc + r * std::cos(t), yc + r * std::sin(t), px, py);
    lineTo(px, py);
  }
  lineTo(ex, ey);
  return ArcTraceResult::Polyline;
}
