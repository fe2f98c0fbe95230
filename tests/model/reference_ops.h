// Straightforward implementations of the drawing operations whose members in src/model are written for speed:
// each follows the operation's algorithm step by step (a removal shifts every later entity, a join renumbers the
// whole drawing, every path is compared with every later one). The equivalence tests compare the members with
// these, and the benchmarks time them side by side.
#pragma once

#include <vector>

#include "model/drw.h"

namespace reference {

// Removes the path's entities, moving every later entity down and its sequence down by one.
bool DeletePath(Drw& drw, int path);

// For s = 1.. while s <= pathCount: a selected path of several entities becomes single-entity paths s..s+k, the
// later paths moving up by k.
int ExplodePaths(Drw& drw, int path);

// Joins b's path after a's: optional reversals, snap of b's start, renumbering of every entity, then b's chain
// moved behind a one entity at a time.
bool JoinPaths(Drw& drw, int a, int b, bool reverseA, bool reverseB);

// Every path i against every later path j, end pass then start pass, with the tolerance and tie rules, the pair
// and the selection; JoinPaths after each pass that found a candidate, and path i examined again.
int AutoJoin(Drw& drw, double tolerance, int pathA, int pathB, std::vector<int>* selection,
             const Drw::ProgressCallback& progress);

// Zero-length entities removed one at a time, each removal shifting the rest of the drawing.
int RemoveDegenerate(Drw& drw);

// The per-path steps on the drawing in place, each removal shifting the rest of the drawing.
void RemoveShortEntities(Drw& drw, int path);
void FlattenArcs(Drw& drw, int path);
bool MergeLines(Drw& drw, int path);
bool MergeArcs(Drw& drw, int path);
void SimplifyPath(Drw& drw, int path);
void Simplify(Drw& drw, const Drw::ProgressCallback& progress);

// Every path r = 1..pathCount with its extents taken by GetExtents over the whole drawing.
void PickPaths(const Drw& drw, double left, double bottom, double right, double top, std::vector<int>& paths,
               std::vector<int>* nearestEntities, bool single);

// Path 1 first, then always the path not yet taken whose start (or, with eitherWay, the end of an open path) is
// nearest to the end of the last one taken, lowest number and start first on ties, found by comparing every path;
// the drawing rebuilt in that order, the paths entered at their end reversed. Without eitherWay it is the order
// the path optimisation dialog gave before it had OptimiseOrder.
void NearestNeighbourOrder(Drw& drw, bool eitherWay);

}  // namespace reference
