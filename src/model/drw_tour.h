// The order of the paths as a tour, for the automatic path order (drw_order.cpp): each path is entered at one end
// and left at the other, and the rapid travel runs from where a path is left to where the next is entered. The
// first path stays in front as it is. Distances are plane distances in mm; the points must be finite.
#pragma once

#include <vector>

// One path as the tour sees it.
struct TourPath {
    double sx, sy;    // start point
    double ex, ey;    // end point
    bool closed;      // start and end coincide: entered at its start, left at its end, never run the other way
    bool reversible;  // an open path (never a closed one) that may be run from its end to its start
};

// A place of the tour: which path, and whether it runs from its end to its start.
struct TourStop {
    int path;
    bool reversed;
};

// The rapid travel of the tour: the sum of the distances from where each stop is left to where the next is
// entered.
double TourTravel(const std::vector<TourPath>& paths, const std::vector<TourStop>& tour);

// A short tour through every path, paths[0] first and not reversed; only reversible paths are reversed. The first
// tour is greedy (the shortest links between ends first) when every path after the first may be run either way,
// else nearest-neighbour (each next path the one whose entry is nearest). It is improved by 2-opt (a stretch of the
// tour run backwards, when every path may be), Or-opt (one to three paths moved elsewhere, turned round when they
// may be) and the 3-opt move of a stretch of any length, among the near ends of each end; then by the best direction
// of every reversible path for the order found, and by kicks (two short stretches exchanged, the tour improved again
// from there, and kept only when shorter). Each search ends when no move saves more than a micrometre or a work
// bound proportional to n log n is used up. No clock is read and no number drawn at random: the same paths give the
// same tour.
std::vector<TourStop> ShortTour(const std::vector<TourPath>& paths);
