// The routes of the continuous paths: each part of the piece graph (drw_piece_graph.h) run as few paths as pay,
// every piece once plus retraced pieces, in the manner of the route-inspection (Chinese postman) problem.
#pragma once

#include <vector>

#include "model/drw_piece_graph.h"

// One piece of a route, run from its end to its start when reversed; a retrace runs over a piece a second time.
struct RouteStep {
    int piece;
    bool reversed;
    bool retrace;
};
using Route = std::vector<RouteStep>;  // one path, each step starting where the one before ends

// What the machine's time is made of, in seconds.
struct RouteCosts {
    double perWorkMm;   // a millimetre stitched
    double perChange;   // a change of path, besides the travel
    double perRapidMm;  // a millimetre of rapid travel
};

// The routes of every part, parts in the order of their first pieces. In a part, the vertices where an odd number
// of pieces meet are paired (nearest first by the cost of the pair, then improved by exchanging partners), one
// pair is left as the ends of the route (the dearest pair), and each other pair is joined by the shortest route
// along the part's pieces, retraced, or, when that costs more time than a change of path and the rapid travel
// between the two vertices, by a change of path. The route then follows every piece once and the retraces once,
// turning at the vertices as Hierholzer's construction of an Euler trail finds them. The same graph always gives
// the same routes.
std::vector<Route> RouteParts(const PieceGraph& graph, const RouteCosts& costs);
