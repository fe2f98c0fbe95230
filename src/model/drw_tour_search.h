// The search behind ShortTour (drw_tour.h), one object per call. The tour is an array of stops with each path's
// place beside it. drw_tour_build.cpp builds the first tour and the lists of near ends, drw_tour_moves.cpp finds and
// makes the moves, drw_tour.cpp runs the search.
#pragma once

#include <cmath>
#include <cstddef>
#include <deque>
#include <vector>

#include "model/drw_tour.h"

class TourSearch {
public:
    static constexpr int NeighbourCount = 10;  // near ends listed for each end
    static constexpr int KickNeighbours = 6;   // of them, those looked at while a kick is repaired
    static constexpr int LongestShift = 3;     // stops an Or-opt move carries
    static constexpr double MinGain = 1e-6;    // mm: a move must shorten the tour by more than this

    explicit TourSearch(const std::vector<TourPath>& paths);

    // The tour found (see ShortTour).
    std::vector<TourStop> Run();

private:
    // A change of the tour: the stops a..b run backwards (Reverse), or move to between stop `to` and the next,
    // turned round when turn is set (Shift). Places are those before the change.
    struct Move {
        enum Kind { None, Reverse, Shift } kind = None;
        int a = 0, b = 0, to = 0;
        bool turn = false;
        double gain = MinGain;  // mm of travel saved
    };

    // An end of a path, a port: 2 * path for its start, 2 * path + 1 for its end.
    static int PortOf(int path, bool end) { return 2 * path + (end ? 1 : 0); }
    static bool Turns(const TourPath& p) { return p.closed || p.reversible; }

    double Dist(int a, int b) const
    {
        const double dx = xy[2 * a] - xy[2 * b], dy = xy[2 * a + 1] - xy[2 * b + 1];
        return std::sqrt(dx * dx + dy * dy);
    }
    // Where the stop at place i is entered and left.
    int In(int i) const { return PortOf(tour[i].path, tour[i].reversed); }
    int Out(int i) const { return PortOf(tour[i].path, !tour[i].reversed); }
    // The travel from the stop at place i to the next (none after the last).
    double Link(int i) const { return i + 1 < n ? Dist(Out(i), In(i + 1)) : 0.0; }
    // Whether the port is where its path is entered, or left, as the tour runs now (a closed path's start, its only
    // end in the lists of near ends, stands for both).
    bool EntersAt(int port) const
    {
        const int path = port >> 1;
        return paths[path].closed || (port & 1) == static_cast<int>(tour[pos[path]].reversed);
    }
    bool LeavesAt(int port) const
    {
        const int path = port >> 1;
        return paths[path].closed || (port & 1) != static_cast<int>(tour[pos[path]].reversed);
    }
    // The near ends of a port, nearest first, -1 after the last; a closed path has them at its start.
    const int* Near(int port) const
    {
        return &near[static_cast<size_t>(paths[port >> 1].closed ? port & ~1 : port) * NeighbourCount];
    }
    // A closed path keeps its direction whatever the tour does with it.
    void Turn(TourStop& stop) const
    {
        if (!paths[stop.path].closed)
            stop.reversed = !stop.reversed;
    }
    void Place(int from, int to)
    {
        for (int t = from; t <= to; t++)
            pos[tour[t].path] = t;
    }

    // drw_tour_build.cpp
    void BuildNearestNeighbourTour();
    void FindNeighbours();
    void BuildGreedyTour();

    // drw_tour_moves.cpp
    void TwoOptFrom(int i, Move& best);
    void ShiftsFrom(int i, Move& best);
    void ShiftFrom(int s, int e, Move& best);
    void InsertionsAt(int i, Move& best);
    void OfferReverse(Move& best, int a, int b, double gain) const;
    void OfferShift(Move& best, int s, int e, int k, bool turn) const;
    // The travel saved by moving the stops s..e (1 <= s <= e < n) between stop k (outside s - 1..e) and the next.
    double ShiftGain(int s, int e, int k, bool turn) const;
    bool MayTurn(int s, int e) const;
    void Apply(const Move& move);

    // drw_tour.cpp
    void Improve();
    double Descend();
    void Perform(const Move& move);
    void Undo();
    void Kicks();
    void BestDirections();
    void QueueAll();

    const std::vector<TourPath>& paths;
    const int n;
    std::vector<double> xy;       // x and y of every port
    std::vector<TourStop> tour;   // the stops in order, the first path's first
    std::vector<int> pos;         // path -> its place in tour
    std::vector<int> near;        // NeighbourCount near ends of every port
    bool stretchesTurn = false;   // every path after the first may be run either way
    bool repairing = false;       // a kick is being repaired
    int looked = NeighbourCount;  // near ends looked at from an end
    int spanLimit;                // places a move may span
    double work = 0;              // near ends looked at and stops moved so far
    double budget = 0;            // the work allowed
    std::deque<int> queue;        // paths whose links changed, to search from
    std::vector<char> queued;     // per path: in queue
    std::vector<Move> journal;    // the moves since a kick, to undo it
};
