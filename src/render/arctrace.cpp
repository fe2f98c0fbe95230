// The segment count rule for arcs drawn as polylines.
#include "render/arctrace.h"

int ArcSegmentCount(const ViewTransform& view, double sweep, double r) {
  double n = sweep * 12 / Pi + r * 12 * view.scaleX / std::fabs(double(view.areaRight - view.areaLeft)) +
             r * 12 * view.scaleY / std::fabs(double(view.areaBottom - view.areaTop));
  // An empty drawing area or a huge zoom gives no useful count: the cap keeps the arc smooth and the repaint short.
  if (!(n < MaxArcSegments)) return MaxArcSegments;
  if (!(n >= 1)) return 0;
  return static_cast<int>(n);
}
