// The routes of the continuous paths: the odd vertices of each part paired, the pairs joined by retraced pieces or
// by changes of path, and each part run as an Euler trail (Hierholzer) over its pieces and the retraces.
#include "model/drw_route.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>
#include <tuple>

#include "model/drw_point_tree.h"

namespace {

constexpr int NearOdd = 8;         // partners looked for around each odd vertex, along the pieces and in the plane
constexpr int ExchangePasses = 8;  // passes of partner exchanges at most
constexpr double Gain = 1e-9;      // s: an exchange is made only when it saves more than this

// Two odd vertices joined: by retracing the shortest route between them, or by a change of path.
struct Pair {
    int a, b;
    double cost;  // s
};

// One edge of the trail: a piece (once or as a retrace), or a change of path between two vertices (piece -1).
struct Arc {
    int from, to;
    int piece;
    bool retrace;
};

class Router {
public:
    Router(const PieceGraph& graph, const RouteCosts& costs);
    std::vector<Route> Run();

private:
    template <typename Settled>
    void Search(int source, double radius, Settled settled);
    std::vector<int> RouteTo(int source, int target) const;
    double ChangeCost(int a, int b) const;
    double Cost(int a, int b) const;
    std::vector<Pair> PairOdd(const std::vector<int>& odd, int& end);
    void Improve(const std::vector<int>& odd);
    void Join(const Pair& pair);
    void Trail(int start, std::vector<Route>& routes);

    const PieceGraph& graph;
    const RouteCosts costs;
    double reach;                          // mm: a retrace longer than this never costs less than a change of path
    std::vector<std::vector<int>> arcsAt;  // per vertex: its arcs (a loop twice)
    std::vector<Arc> arcs;
    std::vector<double> distance;  // Search's distances per vertex, +infinity when not reached
    std::vector<int> via;          // Search's piece by which a vertex was reached
    std::vector<int> touched;
    std::map<std::pair<int, int>, double> retraceLength;  // mm, of pairs that Search found, lower vertex first
    std::vector<std::vector<int>> nearOf;                 // per vertex: its candidate partners
    std::vector<uint8_t> isOdd;                           // per vertex, while its part is paired
    std::vector<int> mate;                                // per vertex: its partner, -1 for none
    std::vector<size_t> next;                             // per vertex: Trail's first arc not yet looked at
    std::vector<uint8_t> used;                            // per arc: Trail ran it
};

Router::Router(const PieceGraph& given, const RouteCosts& routeCosts)
    : graph(given),
      costs(routeCosts),
      arcsAt(given.vertices.size()),
      distance(given.vertices.size(), INFINITY),
      via(given.vertices.size(), -1),
      nearOf(given.vertices.size()),
      isOdd(given.vertices.size(), 0),
      mate(given.vertices.size(), -1),
      next(given.vertices.size(), 0)
{
    const double saving = costs.perWorkMm - costs.perRapidMm;
    reach = saving > 0 ? costs.perChange / saving : INFINITY;
    for (int p = 0; p < static_cast<int>(graph.pieces.size()); p++) {
        arcs.push_back({graph.pieces[p].from, graph.pieces[p].to, p, false});
        arcsAt[graph.pieces[p].from].push_back(p);
        arcsAt[graph.pieces[p].to].push_back(p);
    }
}

// Dijkstra along the pieces from source, up to radius (mm); settled(v, d) is called for each vertex reached, nearest
// first, and ends the search by returning true.
template <typename Settled>
void Router::Search(int source, double radius, Settled settled)
{
    for (const int v : touched) {
        distance[v] = INFINITY;
        via[v] = -1;
    }
    touched.assign(1, source);
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
    distance[source] = 0.0;
    queue.emplace(0.0, source);
    while (!queue.empty()) {
        const auto [d, v] = queue.top();
        queue.pop();
        if (d > distance[v])
            continue;
        if (settled(v, d))
            return;
        for (const int a : arcsAt[v]) {
            const Arc& arc = arcs[a];
            if (arc.piece < 0 || arc.retrace)
                continue;
            const int w = arc.from == v ? arc.to : arc.from;
            const double dw = d + graph.pieces[arc.piece].length;
            if (dw <= radius && dw < distance[w]) {
                if (distance[w] == INFINITY)
                    touched.push_back(w);
                distance[w] = dw;
                via[w] = a;
                queue.emplace(dw, w);
            }
        }
    }
}

// The arcs of the route Search found from source to target, in order from source.
std::vector<int> Router::RouteTo(int source, int target) const
{
    std::vector<int> route;
    for (int v = target; v != source;) {
        const Arc& arc = arcs[via[v]];
        route.push_back(via[v]);
        v = arc.from == v ? arc.to : arc.from;
    }
    std::reverse(route.begin(), route.end());
    return route;
}

double Router::ChangeCost(int a, int b) const
{
    const Vertex& p = graph.vertices[a];
    const Vertex& q = graph.vertices[b];
    return costs.perChange + Distance(p.x, p.y, q.x, q.y) * costs.perRapidMm;
}

// The cost of joining a and b as far as it is known: the retrace Search found, or else a change of path.
double Router::Cost(int a, int b) const
{
    const auto found = retraceLength.find(std::minmax(a, b));
    const double change = ChangeCost(a, b);
    return found == retraceLength.end() ? change : std::min(change, found->second * costs.perWorkMm);
}

// The odd vertices of one part (four or more) paired, the dearest pair left out: end receives one of its vertices.
std::vector<Pair> Router::PairOdd(const std::vector<int>& odd, int& end)
{
    for (const int v : odd)
        isOdd[v] = 1;
    std::vector<PointTree::Point> points;
    for (const int v : odd)
        points.push_back({graph.vertices[v].x, graph.vertices[v].y, v});
    PointTree tree(points);
    std::vector<std::tuple<double, int, int>> candidates;
    std::vector<int> near;
    for (const int u : odd) {
        int found = 0;
        Search(u, reach, [&](int v, double d) {
            if (v == u || !isOdd[v])
                return false;
            retraceLength[std::minmax(u, v)] = d;
            nearOf[u].push_back(v);
            nearOf[v].push_back(u);
            return ++found >= NearOdd;
        });
        tree.Nearest(graph.vertices[u].x, graph.vertices[u].y, NearOdd + 1, near);
        for (const int v : near) {
            if (v != u)
                nearOf[u].push_back(v);
        }
    }
    for (const int u : odd) {
        std::sort(nearOf[u].begin(), nearOf[u].end());
        nearOf[u].erase(std::unique(nearOf[u].begin(), nearOf[u].end()), nearOf[u].end());
        for (const int v : nearOf[u]) {
            if (u < v)
                candidates.emplace_back(Cost(u, v), u, v);
        }
    }
    // Greedy: the cheapest pairs first.
    std::sort(candidates.begin(), candidates.end());
    for (const auto& [cost, u, v] : candidates) {
        if (mate[u] < 0 && mate[v] < 0) {
            mate[u] = v;
            mate[v] = u;
        }
    }
    // The rest: each with its nearest partner left, along the pieces or in the plane, whichever costs less.
    for (const int u : odd) {
        if (mate[u] >= 0)
            tree.Remove(u);
    }
    for (const int u : odd) {
        if (mate[u] >= 0)
            continue;
        tree.Remove(u);
        int partner = tree.NearestLeft(graph.vertices[u].x, graph.vertices[u].y);
        Search(u, reach, [&](int v, double d) {
            if (v == u || !isOdd[v] || mate[v] >= 0)
                return false;
            retraceLength[std::minmax(u, v)] = d;
            if (d * costs.perWorkMm < ChangeCost(u, partner))
                partner = v;
            return true;
        });
        tree.Remove(partner);
        mate[u] = partner;
        mate[partner] = u;
        nearOf[u].push_back(partner);
        nearOf[partner].push_back(u);
    }
    Improve(odd);
    std::vector<Pair> pairs;
    for (const int u : odd) {
        if (u < mate[u])
            pairs.push_back({u, mate[u], Cost(u, mate[u])});
    }
    for (const int v : odd)
        isOdd[v] = 0;
    const auto dearest =
        std::max_element(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.cost < b.cost; });
    end = dearest->a;
    pairs.erase(dearest);
    return pairs;
}

// Exchanges of partners between two pairs, (u, m) and (w, n) becoming (u, w) and (m, n), while one saves time.
void Router::Improve(const std::vector<int>& odd)
{
    for (int pass = 0; pass < ExchangePasses; pass++) {
        bool improved = false;
        for (const int u : odd) {
            for (const int w : nearOf[u]) {
                const int m = mate[u], n = mate[w];
                if (w == m || n == u)
                    continue;
                if (Cost(u, m) + Cost(w, n) - Cost(u, w) - Cost(m, n) > Gain) {
                    mate[u] = w;
                    mate[w] = u;
                    mate[m] = n;
                    mate[n] = m;
                    improved = true;
                }
            }
        }
        if (!improved)
            return;
    }
}

// The pair's vertices joined by the retraced shortest route, or by a change of path when that costs less.
void Router::Join(const Pair& pair)
{
    double length = INFINITY;
    Search(pair.a, reach, [&](int v, double d) {
        if (v != pair.b)
            return false;
        length = d;
        return true;
    });
    if (length * costs.perWorkMm < ChangeCost(pair.a, pair.b)) {
        for (const int a : RouteTo(pair.a, pair.b)) {
            const int added = static_cast<int>(arcs.size());
            arcs.push_back({arcs[a].from, arcs[a].to, arcs[a].piece, true});
            arcsAt[arcs[a].from].push_back(added);
            arcsAt[arcs[a].to].push_back(added);
        }
        return;
    }
    const int added = static_cast<int>(arcs.size());
    arcs.push_back({pair.a, pair.b, -1, false});
    arcsAt[pair.a].push_back(added);
    arcsAt[pair.b].push_back(added);
}

// The Euler trail from start over the arcs of its part (Hierholzer), cut into routes at the changes of path.
void Router::Trail(int start, std::vector<Route>& routes)
{
    struct Visit {
        int vertex, arc, from;
    };
    std::vector<Visit> stack{{start, -1, -1}};
    std::vector<Visit> trail;
    while (!stack.empty()) {
        const Visit top = stack.back();
        std::vector<int>& at = arcsAt[top.vertex];
        size_t& k = next[top.vertex];
        while (k < at.size() && used[at[k]])
            k++;
        if (k == at.size()) {
            stack.pop_back();
            if (top.arc >= 0)
                trail.push_back(top);
            continue;
        }
        const int a = at[k];
        used[a] = 1;
        const Arc& arc = arcs[a];
        stack.push_back({arc.from == top.vertex ? arc.to : arc.from, a, top.vertex});
    }
    std::reverse(trail.begin(), trail.end());
    routes.emplace_back();
    for (const Visit& step : trail) {
        const Arc& arc = arcs[step.arc];
        if (arc.piece < 0) {
            routes.emplace_back();
            continue;
        }
        routes.back().push_back({arc.piece, step.from != graph.pieces[arc.piece].from, arc.retrace});
    }
}

std::vector<Route> Router::Run()
{
    std::vector<int> part;
    const int parts = FindParts(graph, part);
    std::vector<std::vector<int>> odd(parts);
    std::vector<int> start(parts, -1);
    for (const Piece& p : graph.pieces) {
        if (start[part[p.from]] < 0)
            start[part[p.from]] = p.from;
    }
    for (int v = 0; v < static_cast<int>(graph.vertices.size()); v++) {
        // A loop counts twice at its vertex.
        if (part[v] >= 0 && arcsAt[v].size() % 2 == 1)
            odd[part[v]].push_back(v);
    }
    for (int k = 0; k < parts; k++) {
        if (odd[k].size() >= 4) {
            for (const Pair& pair : PairOdd(odd[k], start[k]))
                Join(pair);
        } else if (!odd[k].empty()) {
            start[k] = odd[k].front();
        }
    }
    used.assign(arcs.size(), 0);
    std::vector<Route> routes;
    for (int k = 0; k < parts; k++)
        Trail(start[k], routes);
    routes.erase(std::remove_if(routes.begin(), routes.end(), [](const Route& r) { return r.empty(); }), routes.end());
    return routes;
}

}  // namespace

std::vector<Route> RouteParts(const PieceGraph& graph, const RouteCosts& costs)
{
    return Router(graph, costs).Run();
}
