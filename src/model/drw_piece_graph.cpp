// The pieces of entities and the parts of the continuous paths' graph.
#include "model/drw_piece_graph.h"

#include <cmath>

#include "model/drw_union_find.h"

Entity PieceOf(const Entity& e, Vertex a, Vertex b, double sweep)
{
    Entity piece = e;
    piece.x1 = a.x;
    piece.y1 = a.y;
    piece.x2 = b.x;
    piece.y2 = b.y;
    piece.sequence = 0;
    piece.joinedPrev = false;
    piece.joinedNext = false;
    if (!piece.isArc || (IsZero(a.x - b.x) && IsZero(a.y - b.y)))
        return piece;
    SnapCentreToBisector(piece.x1, piece.y1, piece.x2, piece.y2, piece.xc, piece.yc);
    if (std::fabs(ArcSweep(piece.x1, piece.y1, piece.x2, piece.y2, piece.xc, piece.yc, piece.clockwise) - sweep) > Pi) {
        piece.isArc = false;
        piece.clockwise = false;
    }
    return piece;
}

double AlongEntity(const Entity& e, double px, double py)
{
    const double fromStart = Distance(e.x1, e.y1, px, py);
    if (!e.isArc || IsZero(fromStart))
        return fromStart;
    return ArcSweep(e.x1, e.y1, px, py, e.xc, e.yc, e.clockwise) * Distance(e.xc, e.yc, e.x1, e.y1);
}

int FindParts(const PieceGraph& graph, std::vector<int>& part)
{
    UnionFind sets(static_cast<int>(graph.vertices.size()));
    for (const Piece& p : graph.pieces)
        sets.Unite(p.from, p.to);
    std::vector<int> partOfRoot(graph.vertices.size(), -1);
    int parts = 0;
    for (const Piece& p : graph.pieces) {
        int& number = partOfRoot[sets.Find(p.from)];
        if (number < 0)
            number = parts++;
    }
    part.assign(graph.vertices.size(), -1);
    for (int v = 0; v < static_cast<int>(graph.vertices.size()); v++)
        part[v] = partOfRoot[sets.Find(v)];
    return parts;
}
