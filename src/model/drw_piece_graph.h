// The drawing as a graph for the continuous paths: its entities split where they meet into pieces, each running
// between two meeting points (vertices). Built by SplitWhereEntitiesMeet (drw_meet.cpp), joined across parts by
// AddBridges (drw_bridge.cpp) and routed by RouteParts (drw_route.h).
#pragma once

#include <vector>

#include "model/drw.h"

// A meeting point of the graph (mm).
struct Vertex {
    double x, y;
};

// A piece of an entity between two vertices.
struct Piece {
    int from, to;   // vertex numbers; equal for a piece that closes on itself (a full circle)
    Entity entity;  // runs exactly from the point of vertex from to that of vertex to; the layer, z and reserved
                    // fields are those of its source; sequence and join flags are not set
    double length;  // mm
    int source;     // index of the drawing's entity it is part of; -1 for a bridge
};

struct PieceGraph {
    std::vector<Vertex> vertices;
    std::vector<Piece> pieces;  // in the order of their sources, each source's pieces from its start to its end
};

// The part of e between the points a and b (in e's direction, a before b): e with its ends moved exactly onto a and
// b; an arc keeps its direction, its centre moved onto the bisector of the new chord. An arc whose new sweep would
// differ from sweep (rad, the angle it covered between a and b before they were moved) by more than half a turn is
// replaced by the line from a to b, so that a tiny piece never turns into nearly a whole circle.
Entity PieceOf(const Entity& e, Vertex a, Vertex b, double sweep);

// The distance (mm) from e's start to its point (px, py), along e (an arc's length up to the point).
double AlongEntity(const Entity& e, double px, double py);

// Splits the entities where they meet (see Drw::MakeContinuous): ends within tolerance (mm) of each other or of
// another entity, and crossings, into graph. Entities must have finite coordinates. False, with graph untouched,
// when they are crowded on one another beyond a bounded work per entity.
bool SplitWhereEntitiesMeet(const std::vector<Entity>& entities, double tolerance, PieceGraph& graph);

// Joins the parts of the graph whose nearest points lie at most bridge (mm) apart with straight pieces, nearest
// first, until every such pair of parts is one part; a bridge leaves from a vertex and ends on a piece of the other
// part (split there unless it ends at one of its vertices). Returns the number of bridges; length receives their
// sum (mm).
int AddBridges(PieceGraph& graph, double bridge, double& length);

// The vertices split into the connected parts of the graph: part[v] for every vertex, parts numbered in the order
// of their first pieces (a vertex without pieces gets -1); returns the number of parts.
int FindParts(const PieceGraph& graph, std::vector<int>& part);
