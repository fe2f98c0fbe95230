// Where the entities of a drawing meet, and the pieces they are split into there: the first step of the continuous
// paths. Every entity end and every point where entities meet is a node; nodes that are one meeting point are
// joined into one set (a vertex of the graph), and each entity is cut into pieces between the vertices along it.
#include <algorithm>
#include <cmath>
#include <queue>
#include <tuple>

#include "model/drw_box_grid.h"
#include "model/drw_piece_graph.h"
#include "model/drw_union_find.h"

namespace {

// An end is not joined to a place that its own entities already reach within this many join distances: the gap is
// then part of the shape (a chain of entities shorter than the join distance), not one to close.
constexpr double GuardJoinDistances = 4.0;
// mm: a crossing this near an end of one of the two entities is that end, whose exact point it takes (the computed
// crossing of two entities that only touch at their ends is a rounding away from the ends).
constexpr double EndSnap = 1e-6;
// The work allowed per entity, so that entities crowded on one another (thousands on one spot, or a join distance
// spanning a large drawing) give up in bounded time rather than take time and memory as the square of their number
// or more: the pairs of entities compared, and the steps of Reaches' searches in all. Real drawings, even dense
// quilting designs, stay far below both.
constexpr size_t PairsPerEntity = 256, PairsBase = 1 << 20;
constexpr size_t ReachStepsPerEntity = 256, ReachStepsBase = 1 << 18;

// A node on an entity, at a distance along it from its start (mm).
struct NodeAt {
    double along;
    int node;
};

// An end within the join distance of another entity, but not on it: joined later, nearest first, unless the drawing
// already leads from the one to the other.
struct NearEnd {
    double distance;
    int end;     // node of the end
    int entity;  // the entity it is near
    double along;
    double x, y;  // the nearest point of the entity

    friend bool operator<(const NearEnd& a, const NearEnd& b)
    {
        return std::tie(a.distance, a.end, a.entity) < std::tie(b.distance, b.end, b.entity);
    }
};

class Meeting {
public:
    Meeting(const std::vector<Entity>& entities, double tolerance);
    // False, when the entities are too crowded to split within the work allowed.
    bool Build(PieceGraph& graph);

private:
    int NewNode(double x, double y, bool split);
    void Place(int node, int entity, double along);
    void Unite(int a, int b);
    void FindCrossings(int a, int b);
    void FindContacts(int a, int b);
    void MergeAlongEntities();
    void JoinNearEnds();
    int IndexOn(int entity, int node, double at);
    bool Reaches(int from, const NearEnd& near, int target, size_t at);
    PieceGraph MakePieces();

    const std::vector<Entity>& entities;
    const double tolerance;
    std::vector<EntityGeometry> geometry;
    std::vector<double> length;
    std::vector<Vertex> position;                                   // per node
    std::vector<bool> isSplit;                                      // per node: not an entity end
    std::vector<std::vector<std::pair<int, double>>> placesOfNode;  // per node: (entity, along) it lies on
    std::vector<std::vector<NodeAt>> along;  // per entity: its start, its other nodes by distance, its end
    std::vector<std::vector<int>> members;   // per set root: the nodes of the set
    UnionFind sets;
    std::vector<NearEnd> nearEnds;
    std::vector<double> reached;  // Reaches' distances per set root, +infinity when not reached
    size_t reachSteps = 0;        // left to Reaches' searches; when spent, an end is joined without the search
};

Meeting::Meeting(const std::vector<Entity>& given, double joinDistance) : entities(given), tolerance(joinDistance)
{
    const int n = static_cast<int>(entities.size());
    along.resize(n);
    for (int e = 0; e < n; e++) {
        geometry.push_back(entities[e].Geometry());
        length.push_back(EntityLength(geometry[e]));
        NewNode(entities[e].x1, entities[e].y1, false);
        NewNode(entities[e].x2, entities[e].y2, false);
        Place(2 * e, e, 0.0);
    }
}

int Meeting::NewNode(double x, double y, bool split)
{
    const int node = static_cast<int>(position.size());
    position.push_back({x, y});
    isSplit.push_back(split);
    placesOfNode.emplace_back();
    members.push_back({node});
    reached.push_back(INFINITY);
    sets.Grow(node + 1);
    return node;
}

void Meeting::Place(int node, int entity, double at)
{
    at = std::clamp(at, 0.0, length[entity]);
    along[entity].push_back({at, node});
    placesOfNode[node].emplace_back(entity, at);
}

void Meeting::Unite(int a, int b)
{
    const int ra = sets.Find(a), rb = sets.Find(b);
    const int root = sets.Unite(a, b);
    if (root < 0)
        return;
    std::vector<int>& from = members[root == ra ? rb : ra];
    members[root].insert(members[root].end(), from.begin(), from.end());
    from = std::vector<int>();
}

bool Meeting::Build(PieceGraph& graph)
{
    const int n = static_cast<int>(entities.size());
    reachSteps = ReachStepsBase + ReachStepsPerEntity * static_cast<size_t>(n);
    std::vector<BoxGrid::Box> boxes;
    for (int e = 0; e < n; e++) {
        double maxX = 0, minX = 0, maxY = 0, minY = 0;
        EntityExtents(geometry[e], maxX, minX, maxY, minY);
        boxes.push_back({minX - tolerance, minY - tolerance, maxX + tolerance, maxY + tolerance});
        // A full circle's ends are one point.
        if (entities[e].isArc && IsZero(entities[e].x1 - entities[e].x2) && IsZero(entities[e].y1 - entities[e].y2))
            Unite(2 * e, 2 * e + 1);
    }
    std::vector<std::pair<int, int>> pairs;
    if (!BoxGrid(std::move(boxes), 2 * tolerance).OverlappingPairs(PairsBase + PairsPerEntity * n, pairs))
        return false;
    for (const auto& [a, b] : pairs) {
        FindCrossings(a, b);
        FindContacts(a, b);
    }
    for (int e = 0; e < n; e++) {
        std::stable_sort(along[e].begin() + 1, along[e].end(),
                         [](const NodeAt& p, const NodeAt& q) { return p.along < q.along; });
        Place(2 * e + 1, e, length[e]);
    }
    MergeAlongEntities();
    JoinNearEnds();
    graph = MakePieces();
    return true;
}

// The points where the two entities cross or touch, each a node on both.
void Meeting::FindCrossings(int a, int b)
{
    const EntityGeometry& ga = geometry[a];
    const EntityGeometry& gb = geometry[b];
    double x[2], y[2];
    int count = 0;
    if (!ga.isArc && !gb.isArc) {
        count = IntersectSegments(ga.x1, ga.y1, ga.x2, ga.y2, gb.x1, gb.y1, gb.x2, gb.y2, x, y);
    } else if (!ga.isArc || !gb.isArc) {
        const EntityGeometry& line = ga.isArc ? gb : ga;
        const EntityGeometry& arc = ga.isArc ? ga : gb;
        count = IntersectLineCircle(line.x1, line.y1, line.x2, line.y2, arc.cx, arc.cy,
                                    Distance(arc.cx, arc.cy, arc.x1, arc.y1), x, y);
    } else {
        count = IntersectCircles(ga.cx, ga.cy, Distance(ga.cx, ga.cy, ga.x1, ga.y1), gb.cx, gb.cy,
                                 Distance(gb.cx, gb.cy, gb.x1, gb.y1), x, y);
    }
    for (int k = 0; k < count; k++) {
        if (!IsPointOnEntity(ga, x[k], y[k]) || !IsPointOnEntity(gb, x[k], y[k]))
            continue;
        for (const int end : {2 * a, 2 * a + 1, 2 * b, 2 * b + 1}) {
            if (Distance(position[end].x, position[end].y, x[k], y[k]) < EndSnap) {
                x[k] = position[end].x;
                y[k] = position[end].y;
                break;
            }
        }
        const int node = NewNode(x[k], y[k], true);
        Place(node, a, AlongEntity(entities[a], x[k], y[k]));
        Place(node, b, AlongEntity(entities[b], x[k], y[k]));
    }
}

// The ends of each entity that lie within the join distance of the other: on it, they meet it at once; near it,
// they are kept for JoinNearEnds.
void Meeting::FindContacts(int a, int b)
{
    for (const auto& [end, other] : {std::pair{2 * a, b}, {2 * a + 1, b}, {2 * b, a}, {2 * b + 1, a}}) {
        double nx = 0, ny = 0;
        const double d = DistanceToEntity(position[end].x, position[end].y, geometry[other], &nx, &ny);
        if (!IsLessEqual(d, tolerance))
            continue;
        const double at = std::clamp(AlongEntity(entities[other], nx, ny), 0.0, length[other]);
        if (IsZero(d)) {
            // The end's own point, so that ends that coincide stay exactly where they are.
            const int node = NewNode(position[end].x, position[end].y, true);
            Place(node, other, at);
            Unite(end, node);
        } else {
            nearEnds.push_back({d, end, other, at, nx, ny});
        }
    }
}

// Along each entity, a node within the join distance of one of its ends becomes that end's point, and one within
// the join distance of the node kept before it becomes that node's point; the two ends of an entity stay apart.
void Meeting::MergeAlongEntities()
{
    for (int e = 0; e < static_cast<int>(entities.size()); e++) {
        const std::vector<NodeAt>& nodes = along[e];
        const NodeAt& end = nodes.back();
        NodeAt kept = nodes.front();
        for (size_t i = 1; i + 1 < nodes.size(); i++) {
            const double fromKept = nodes[i].along - kept.along, toEnd = end.along - nodes[i].along;
            if (IsLessEqual(toEnd, tolerance) && toEnd < fromKept)
                Unite(nodes[i].node, end.node);
            else if (IsLessEqual(fromKept, tolerance))
                Unite(nodes[i].node, kept.node);
            else
                kept = nodes[i];
        }
    }
}

void Meeting::JoinNearEnds()
{
    std::sort(nearEnds.begin(), nearEnds.end());
    for (const NearEnd& near : nearEnds) {
        std::vector<NodeAt>& nodes = along[near.entity];
        const size_t at = std::lower_bound(nodes.begin() + 1, nodes.end() - 1, near.along,
                                           [](const NodeAt& p, double v) { return p.along < v; }) -
                          nodes.begin();
        // The node of the entity nearest to the point, when it is within the join distance; else a new one.
        int target = -1;
        double best = INFINITY;
        for (const size_t k : {at - 1, at}) {
            const double d = std::fabs(nodes[k].along - near.along);
            if (IsLessEqual(d, tolerance) && d < best) {
                best = d;
                target = nodes[k].node;
            }
        }
        if (target >= 0 && sets.Find(target) == sets.Find(near.end))
            continue;
        if (Reaches(near.end, near, target, at))
            continue;
        if (target < 0) {
            target = NewNode(near.x, near.y, true);
            nodes.insert(nodes.begin() + static_cast<std::ptrdiff_t>(at), {near.along, target});
            placesOfNode[target].emplace_back(near.entity, near.along);
        }
        Unite(near.end, target);
    }
}

// The index in along[entity] of node, which lies at distance at along it; -1 when the search runs out of steps.
int Meeting::IndexOn(int entity, int node, double at)
{
    const std::vector<NodeAt>& nodes = along[entity];
    auto it = std::lower_bound(nodes.begin(), nodes.end(), at, [](const NodeAt& p, double v) { return p.along < v; });
    // Nodes at one distance lie side by side; each one passed is a step of the search.
    while (it != nodes.end() && it->node != node && reachSteps > 0) {
        ++it;
        reachSteps--;
    }
    return it == nodes.end() || it->node != node ? -1 : static_cast<int>(it - nodes.begin());
}

// Whether the drawing leads from node from to the place of near (target: its node, or -1 for a place between the
// nodes at - 1 and at of its entity) within GuardJoinDistances join distances, along entities and through the
// sets of nodes that are one point.
bool Meeting::Reaches(int from, const NearEnd& near, int target, size_t at)
{
    const double limit = GuardJoinDistances * tolerance;
    std::vector<std::pair<int, double>> goals;  // set root, distance from it to the place
    const std::vector<NodeAt>& onNear = along[near.entity];
    if (target >= 0) {
        goals.emplace_back(sets.Find(target), 0.0);
    } else {
        goals.emplace_back(sets.Find(onNear[at - 1].node), near.along - onNear[at - 1].along);
        goals.emplace_back(sets.Find(onNear[at].node), onNear[at].along - near.along);
    }
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
    std::vector<int> touched;
    const auto reach = [&](int root, double d) {
        if (d <= limit && d < reached[root]) {
            if (reached[root] == INFINITY)
                touched.push_back(root);
            reached[root] = d;
            queue.emplace(d, root);
        }
    };
    reach(sets.Find(from), 0.0);
    bool found = false;
    while (!queue.empty() && !found && reachSteps > 0) {
        const auto [d, root] = queue.top();
        queue.pop();
        if (d > reached[root])
            continue;
        for (const auto& [goal, rest] : goals)
            found = found || (goal == root && IsLessEqual(d + rest, limit));
        for (const int node : members[root]) {
            for (const auto& [e, here] : placesOfNode[node]) {
                if (reachSteps == 0)
                    break;
                reachSteps--;
                const int i = IndexOn(e, node, here);
                for (const int k : {i - 1, i + 1}) {
                    if (i >= 0 && k >= 0 && k < static_cast<int>(along[e].size()))
                        reach(sets.Find(along[e][k].node), d + std::fabs(along[e][k].along - here));
                }
            }
        }
    }
    for (const int root : touched)
        reached[root] = INFINITY;
    return found;
}

// Each set of nodes becomes a vertex at the point of its first node that is not an entity end (which lies on an
// entity that goes on through the point), else of its first end; each entity is cut at the vertices along it.
PieceGraph Meeting::MakePieces()
{
    const int nodes = static_cast<int>(position.size());
    std::vector<int> shown(nodes, -1);  // per set root: the node whose point the vertex takes
    for (int i = 0; i < nodes; i++) {
        int& node = shown[sets.Find(i)];
        if (node < 0 || (!isSplit[node] && isSplit[i]))
            node = i;
    }
    PieceGraph graph;
    std::vector<int> vertexOf(nodes, -1);  // per set root
    const auto vertex = [&](int node) {
        int& v = vertexOf[sets.Find(node)];
        if (v < 0) {
            v = static_cast<int>(graph.vertices.size());
            graph.vertices.push_back(position[shown[sets.Find(node)]]);
        }
        return v;
    };
    for (int e = 0; e < static_cast<int>(entities.size()); e++) {
        const Entity& entity = entities[e];
        const double radius = entity.isArc ? Distance(entity.xc, entity.yc, entity.x1, entity.y1) : 0.0;
        // Runs of nodes of one set along the entity are one point: the pieces go from the last node of a run to the
        // first of the next.
        std::vector<std::pair<NodeAt, NodeAt>> runs;
        for (const NodeAt& at : along[e]) {
            if (runs.empty() || sets.Find(runs.back().second.node) != sets.Find(at.node))
                runs.emplace_back(at, at);
            else
                runs.back().second = at;
        }
        const auto sweep = [&](double from, double to) { return radius > 0 ? (to - from) / radius : 0.0; };
        if (runs.size() == 1) {
            // Its ends met: kept as a circle only when it went round more than half a turn.
            if (entity.isArc && sweep(0.0, length[e]) > Pi) {
                const int v = vertex(2 * e);
                graph.pieces.push_back({v, v, PieceOf(entity, graph.vertices[v], graph.vertices[v], TwoPi), 0.0, e});
            }
        }
        for (size_t k = 0; k + 1 < runs.size(); k++) {
            const int from = vertex(runs[k].second.node), to = vertex(runs[k + 1].first.node);
            graph.pieces.push_back({from, to,
                                    PieceOf(entity, graph.vertices[from], graph.vertices[to],
                                            sweep(runs[k].second.along, runs[k + 1].first.along)),
                                    0.0, e});
        }
    }
    for (Piece& p : graph.pieces)
        p.length = EntityLength(p.entity.Geometry());
    return graph;
}

}  // namespace

bool SplitWhereEntitiesMeet(const std::vector<Entity>& entities, double tolerance, PieceGraph& graph)
{
    return Meeting(entities, tolerance).Build(graph);
}
