// Bridges of the continuous paths: straight pieces that join parts of the drawing lying near each other, so that
// they can be stitched as one.
#include <algorithm>
#include <tuple>

#include "model/drw_box_grid.h"
#include "model/drw_piece_graph.h"
#include "model/drw_union_find.h"

namespace {

// A bridge that may be built: from a vertex to the nearest point of a piece of another part.
struct Candidate {
    double distance;
    int vertex;
    int piece;
    double x, y;  // the point of the piece
    int part;     // the piece's part

    friend bool operator<(const Candidate& a, const Candidate& b)
    {
        return std::tie(a.distance, a.vertex, a.piece) < std::tie(b.distance, b.vertex, b.piece);
    }
};

// For every vertex, the nearest point within bridge of each other part.
std::vector<Candidate> FindCandidates(const PieceGraph& graph, const std::vector<int>& part, double bridge)
{
    std::vector<BoxGrid::Box> boxes;
    for (const Piece& p : graph.pieces) {
        double maxX = 0, minX = 0, maxY = 0, minY = 0;
        EntityExtents(p.entity.Geometry(), maxX, minX, maxY, minY);
        boxes.push_back({minX - bridge, minY - bridge, maxX + bridge, maxY + bridge});
    }
    const BoxGrid grid(std::move(boxes), bridge);
    std::vector<Candidate> candidates;
    std::vector<int> near;
    for (int v = 0; v < static_cast<int>(graph.vertices.size()); v++) {
        if (part[v] < 0)
            continue;
        const Vertex at = graph.vertices[v];
        grid.Overlapping({at.x, at.y, at.x, at.y}, near);
        const size_t first = candidates.size();
        for (const int p : near) {
            const int other = part[graph.pieces[p].from];
            if (other == part[v])
                continue;
            double x = 0, y = 0;
            const double d = DistanceToEntity(at.x, at.y, graph.pieces[p].entity.Geometry(), &x, &y);
            if (!IsLessEqual(d, bridge))
                continue;
            auto same = std::find_if(candidates.begin() + static_cast<std::ptrdiff_t>(first), candidates.end(),
                                     [other](const Candidate& c) { return c.part == other; });
            if (same == candidates.end())
                candidates.push_back({d, v, p, x, y, other});
            else if (d < same->distance)
                *same = {d, v, p, x, y, other};
        }
    }
    std::sort(candidates.begin(), candidates.end());
    return candidates;
}

// The vertex at (x, y) on piece p: one of its ends or of the vertices already made on it (cuts) when the point is
// there, else a new vertex.
int VertexOnPiece(PieceGraph& graph, const Piece& p, const std::vector<int>& cuts, double x, double y)
{
    std::vector<int> known = cuts;
    known.push_back(p.from);
    known.push_back(p.to);
    for (const int v : known) {
        if (IsZero(graph.vertices[v].x - x) && IsZero(graph.vertices[v].y - y))
            return v;
    }
    graph.vertices.push_back({x, y});
    return static_cast<int>(graph.vertices.size()) - 1;
}

// Piece p cut at the given vertices (on it, in any order) into pieces in its direction.
std::vector<Piece> CutPiece(const PieceGraph& graph, const Piece& p, std::vector<int> cuts)
{
    const Entity& e = p.entity;
    const double radius = e.isArc ? Distance(e.xc, e.yc, e.x1, e.y1) : 0.0;
    std::vector<std::pair<double, int>> stops;
    for (const int v : cuts)
        stops.emplace_back(AlongEntity(e, graph.vertices[v].x, graph.vertices[v].y), v);
    std::sort(stops.begin(), stops.end());
    stops.erase(
        std::unique(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.second == b.second; }),
        stops.end());
    stops.insert(stops.begin(), {0.0, p.from});
    stops.emplace_back(p.length, p.to);
    std::vector<Piece> pieces;
    for (size_t k = 0; k + 1 < stops.size(); k++) {
        const auto [from, a] = stops[k];
        const auto [to, b] = stops[k + 1];
        if (a == b)
            continue;
        const Entity part = PieceOf(e, graph.vertices[a], graph.vertices[b], radius > 0 ? (to - from) / radius : 0.0);
        pieces.push_back({a, b, part, EntityLength(part.Geometry()), p.source});
    }
    return pieces;
}

}  // namespace

int AddBridges(PieceGraph& graph, double bridge, double& length)
{
    length = 0.0;
    std::vector<int> part;
    const int parts = FindParts(graph, part);
    UnionFind joined(parts);
    std::vector<Candidate> bridges;
    for (const Candidate& c : FindCandidates(graph, part, bridge)) {
        if (joined.Unite(part[c.vertex], c.part) >= 0)
            bridges.push_back(c);
    }
    if (bridges.empty())
        return 0;
    // The layer of a bridge: that of the first piece at the vertex it leaves from.
    std::vector<int> firstPiece(graph.vertices.size(), -1);
    for (int p = static_cast<int>(graph.pieces.size()) - 1; p >= 0; p--) {
        firstPiece[graph.pieces[p].from] = p;
        firstPiece[graph.pieces[p].to] = p;
    }
    std::vector<std::vector<int>> cuts(graph.pieces.size());
    std::vector<Piece> added;
    for (const Candidate& c : bridges) {
        const int target = VertexOnPiece(graph, graph.pieces[c.piece], cuts[c.piece], c.x, c.y);
        cuts[c.piece].push_back(target);
        Entity line;
        line.x1 = graph.vertices[c.vertex].x;
        line.y1 = graph.vertices[c.vertex].y;
        line.x2 = graph.vertices[target].x;
        line.y2 = graph.vertices[target].y;
        line.layer = graph.pieces[firstPiece[c.vertex]].entity.layer;
        const double d = Distance(line.x1, line.y1, line.x2, line.y2);
        added.push_back({c.vertex, target, line, d, -1});
        length += d;
    }
    std::vector<Piece> pieces;
    for (size_t p = 0; p < graph.pieces.size(); p++) {
        if (cuts[p].empty()) {
            pieces.push_back(graph.pieces[p]);
            continue;
        }
        for (Piece& piece : CutPiece(graph, graph.pieces[p], cuts[p]))
            pieces.push_back(std::move(piece));
    }
    pieces.insert(pieces.end(), added.begin(), added.end());
    graph.pieces = std::move(pieces);
    return static_cast<int>(bridges.size());
}
