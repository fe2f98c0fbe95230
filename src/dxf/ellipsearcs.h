// The geometry behind the approximation of an ellipse by circular arcs: the cutting of a parameter range at the
// multiples of π/8, and the biarc that joins two points with given tangent directions.
#pragma once

#include <vector>

// Cuts the ellipse parameter range from start to end (rad, counter-clockwise) at every multiple of π/8 inside it
// and returns the cut points, start and end included (so n cuts make n - 1 pieces; none for an empty range).
//  - start and end equal, or a whole turn apart, give the whole ellipse from 0 to 2π;
//  - an end below the start is reached by running through 0 (it is taken a whole turn later);
//  - parameters arrive in single precision, so a parameter within 1e-6 of a multiple of π/8 counts as on it
//    (no sliver piece is cut off) and a sweep within 1e-6 of 2π is a whole ellipse.
// The first cut is start brought into [0, 2π); a sweep above 2π is taken as 2π.
void SplitEllipseRange(double start, double end, std::vector<double>& cuts);

// Two circular arcs from P0 to P1: the first leaves P0 in direction alpha0 and reaches the junction M, the second
// leaves M with the same tangent and reaches P1 in direction alpha1 (directions in rad). M and the centres C1 of
// the first arc and C2 of the second lie on one line across the chord; the common tangent at M is parallel to the
// chord. Meant for a short convex piece of a curve, where both arcs turn the way the curve does.
// False, with the outputs not valid, when no such pair exists: a tangent parallel to the chord (a flat piece),
// or a construction that leaves the finite numbers.
bool Biarc(double alpha0, double alpha1, double x0, double y0, double x1, double y1, double& mx, double& my,
           double& c1x, double& c1y, double& c2x, double& c2y);
