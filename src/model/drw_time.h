// The allowances of the machining time estimate (Drw::EstimateTime, drw_time.cpp), shared with the operations that
// weigh stitching against changes of path.
#pragma once

#include "geometry/mymath.h"

constexpr double PathChangeSeconds = 7.0;  // for each change of path, besides the rapid travel
constexpr double WorkLengthFactor = 1.18;  // the machining length plus 18 %
constexpr double FallbackSpeed = 0.1;      // mm/s, for a speed that is zero, negative or not a number

// The speed (mm/s) the estimate works with: the given one, or FallbackSpeed for one below Epsilon.
inline double UsableSpeed(double speed)
{
    return speed >= Epsilon ? speed : FallbackSpeed;
}
