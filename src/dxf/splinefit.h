// The curve of a SPLINE given by its fit points alone: the cubic spline through them that drawing programs make,
// as a NurbsCurve.
#pragma once

#include <optional>
#include <vector>

#include "dxf/nurbs.h"

// The twice continuously differentiable cubic through the fit points in their order, its parameter running with
// the chord lengths between them. At an end with a direction given (a vector of any length but 0) the curve leaves
// (or reaches) the end in that direction; at an end without one it does not bend there (zero second derivative).
// closed: the curve runs on from the last point back to the first and is smooth there as well (the directions are
// then not used). A point that repeats the one before it is passed over, and so is a last point that repeats the
// first when closed. The result is made of one Bézier piece per pair of neighbouring points. False, with curve not
// valid, when fewer than two distinct points remain (three when closed).
bool InterpolateFitPoints(const std::vector<Vec2>& fitPoints, std::optional<Vec2> startDirection,
                          std::optional<Vec2> endDirection, bool closed, NurbsCurve& curve);
