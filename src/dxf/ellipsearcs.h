// The cutting of an ellipse's parameter range at the multiples of π/8, the pieces its approximation by arcs starts
// from.
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
