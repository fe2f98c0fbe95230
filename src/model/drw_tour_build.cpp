// The first tour of the search (drw_tour_search.h) and the lists of near ends: a nearest-neighbour tour, or, when
// every path but the first may run either way, a greedy one, both over 2-d trees (drw_point_tree.h).
#include <algorithm>

#include "model/drw_point_tree.h"
#include "model/drw_tour_search.h"

namespace {

constexpr int GreedyNeighbours = 5;  // near ends offered as links to the greedy tour, per end and per round
constexpr int GreedyRounds = 3;      // rounds that link the ends of the pieces left by the one before

// A candidate link of the greedy tour between two ports.
struct Candidate {
    double length;
    int a, b;  // a < b
};

}  // namespace

// From the end of the tour so far, always the nearest entry left: the start of a path, or the end of a reversible
// one.
void TourSearch::BuildNearestNeighbourTour()
{
    std::vector<PointTree::Point> entries;
    for (int p = 1; p < n; p++) {
        entries.push_back({paths[p].sx, paths[p].sy, PortOf(p, false)});
        if (paths[p].reversible)
            entries.push_back({paths[p].ex, paths[p].ey, PortOf(p, true)});
    }
    PointTree tree(std::move(entries));
    tour.assign(1, TourStop{0, false});
    for (int k = 1; k < n; k++) {
        const int from = Out(k - 1);
        const int entry = tree.NearestLeft(xy[2 * from], xy[2 * from + 1]);
        tour.push_back({entry >> 1, (entry & 1) != 0});
        tree.Remove(PortOf(entry >> 1, false));
        tree.Remove(PortOf(entry >> 1, true));
    }
    pos.assign(n, 0);
    Place(0, n - 1);
}

// The ends of the other paths nearest to each end (a closed path's start stands for both of its ends).
void TourSearch::FindNeighbours()
{
    std::vector<PointTree::Point> ends;
    for (int p = 0; p < n; p++) {
        ends.push_back({paths[p].sx, paths[p].sy, PortOf(p, false)});
        if (!paths[p].closed)
            ends.push_back({paths[p].ex, paths[p].ey, PortOf(p, true)});
    }
    const PointTree tree(ends);
    near.assign(static_cast<size_t>(2 * n) * NeighbourCount, -1);
    std::vector<int> found;
    for (const PointTree::Point& end : ends) {
        // The end itself and its path's other end may be among the nearest.
        tree.Nearest(end.x, end.y, NeighbourCount + 2, found);
        int* list = &near[static_cast<size_t>(end.id) * NeighbourCount];
        int count = 0;
        for (const int port : found) {
            if (port >> 1 != end.id >> 1 && count < NeighbourCount)
                list[count++] = port;
        }
    }
}

// Links between ends of different paths taken shortest first, each end linked once at most and never so as to close
// a ring, from the nearest ends of each end, then in rounds from the nearest among the ends still free; the first
// path's start stays free of links, as the tour begins there. The pieces left are then taken nearest first from the
// end of the first path's piece. Only for paths that may all run either way.
void TourSearch::BuildGreedyTour()
{
    std::vector<int> linked(2 * n, -1);  // the port linked to each port; -1: free
    std::vector<int> piece(n);           // union-find of the paths linked together
    for (int p = 0; p < n; p++)
        piece[p] = p;
    const auto pieceOf = [&piece](int p) {
        while (piece[p] != p)
            p = piece[p] = piece[piece[p]];
        return p;
    };
    linked[0] = -2;
    // A closed path can be linked at either port: its ends coincide.
    const auto freePort = [&](int port) {
        if (!paths[port >> 1].closed)
            return linked[port] == -1 ? port : -1;
        const int start = port & ~1;
        return linked[start] == -1 ? start : linked[start + 1] == -1 ? start + 1 : -1;
    };
    std::vector<Candidate> links;
    const auto offer = [&](int a, int b) { links.push_back({Dist(a, b), std::min(a, b), std::max(a, b)}); };
    const auto take = [&] {
        std::sort(links.begin(), links.end(), [](const Candidate& x, const Candidate& y) {
            return x.length < y.length || (x.length == y.length && (x.a < y.a || (x.a == y.a && x.b < y.b)));
        });
        int taken = 0;
        for (const Candidate& link : links) {
            const int a = freePort(link.a), b = freePort(link.b);
            if (a < 0 || b < 0 || pieceOf(a >> 1) == pieceOf(b >> 1))
                continue;
            linked[a] = b;
            linked[b] = a;
            piece[pieceOf(a >> 1)] = pieceOf(b >> 1);
            taken++;
        }
        links.clear();
        return taken;
    };
    // The free ends of the paths from `from` on (one for a closed path with both free).
    const auto freeEnds = [&](int from) {
        std::vector<PointTree::Point> ends;
        for (int port = 2 * from; port < 2 * n; port++) {
            if (linked[port] == -1 && !(paths[port >> 1].closed && (port & 1) && linked[port - 1] == -1))
                ends.push_back({xy[2 * port], xy[2 * port + 1], port});
        }
        return ends;
    };
    for (int port = 0; port < 2 * n; port++) {
        const int* list = Near(port);
        for (int c = 0; c < GreedyNeighbours && list[c] >= 0 && !(paths[port >> 1].closed && (port & 1)); c++)
            offer(port, list[c]);
    }
    take();
    std::vector<int> found;
    for (int round = 0; round < GreedyRounds; round++) {
        const std::vector<PointTree::Point> ends = freeEnds(0);
        const PointTree tree(ends);
        for (const PointTree::Point& end : ends) {
            tree.Nearest(end.x, end.y, GreedyNeighbours + 1, found);
            for (const int port : found) {
                if (pieceOf(port >> 1) != pieceOf(end.id >> 1))
                    offer(end.id, port);
            }
        }
        if (take() == 0)
            break;
    }
    PointTree starts(freeEnds(1));
    tour.assign(1, TourStop{0, false});
    for (int exit = 1;;) {
        while (linked[exit] >= 0) {
            const int entry = linked[exit];
            tour.push_back({entry >> 1, !paths[entry >> 1].closed && (entry & 1) != 0});
            exit = entry ^ 1;
        }
        starts.Remove(exit);
        if (static_cast<int>(tour.size()) == n)
            break;
        const int entry = starts.NearestLeft(xy[2 * exit], xy[2 * exit + 1]);
        starts.Remove(entry);
        tour.push_back({entry >> 1, !paths[entry >> 1].closed && (entry & 1) != 0});
        exit = entry ^ 1;
    }
    Place(0, n - 1);
}
