// ShortTour (drw_tour.h): the first tour, then a descent by the moves of drw_tour_moves.cpp driven by a queue of the
// paths whose links changed, the best directions for the order found, a second descent, kicks, a last descent with
// every move, and the best directions again.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/drw_tour_search.h"

namespace {

// Work (near ends looked at and stops moved) allowed per path and per doubling of the path count. The search ends by
// itself well before on the drawings tried; the bound caps what an unlucky one could cost.
constexpr double WorkPerPathAndDoubling = 2000;
// One kick for every two paths, and at least FewestKicks (but at most three per path): a small drawing is searched
// quickly and gains most from them. A kick looks at most KickSpan places away, and on a long tour few such repairs
// succeed, so the kicks stop growing in number at MostKicks.
constexpr int PathsPerKick = 2;
constexpr int FewestKicks = 1000;
constexpr int MostKicks = 10000;
constexpr int KickStretch = 10;  // stops of each of the two stretches a kick exchanges, at most
constexpr int KickSpan = 1000;   // places a move may span while a kick is repaired
constexpr uint64_t KickSeed = 88172645463325252u;

// A fixed sequence of numbers in no visible order (xorshift), so that the kicks are the same on every run.
uint64_t NextNumber(uint64_t& state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

}  // namespace

TourSearch::TourSearch(const std::vector<TourPath>& paths)
    : paths(paths), n(static_cast<int>(paths.size())), pos(paths.size(), 0), spanLimit(static_cast<int>(paths.size()))
{
    for (const TourPath& p : paths)
        xy.insert(xy.end(), {p.sx, p.sy, p.ex, p.ey});
    stretchesTurn = std::all_of(paths.begin() + 1, paths.end(), [](const TourPath& p) { return Turns(p); });
}

std::vector<TourStop> TourSearch::Run()
{
    if (n < 3) {
        // The first path first; of the second, its nearer end if it may be run either way.
        BuildNearestNeighbourTour();
        return tour;
    }
    FindNeighbours();
    if (stretchesTurn)
        BuildGreedyTour();
    else
        BuildNearestNeighbourTour();
    Improve();
    return tour;
}

void TourSearch::Improve()
{
    budget = WorkPerPathAndDoubling * n * std::log2(n);
    QueueAll();
    Descend();
    BestDirections();
    QueueAll();
    Descend();
    Kicks();
    QueueAll();
    Descend();
    BestDirections();
}

void TourSearch::QueueAll()
{
    queued.assign(n, 1);
    queue.clear();
    for (const TourStop& stop : tour)
        queue.push_back(stop.path);
}

// Each path taken from the queue gets the best move among those through its ends; a move queues the paths at the
// links it changed, the path itself among them. Returns the travel saved.
double TourSearch::Descend()
{
    double saved = 0;
    while (!queue.empty() && work < budget) {
        const int path = queue.front();
        queue.pop_front();
        queued[path] = 0;
        Move best;
        if (stretchesTurn)
            TwoOptFrom(pos[path], best);
        ShiftsFrom(pos[path], best);
        if (!repairing)
            InsertionsAt(pos[path], best);
        if (best.kind != Move::None) {
            saved += best.gain;
            Perform(best);
        }
    }
    return saved;
}

// Makes the move, remembers it, and queues the stops at the links it removed (which then stand at those it added).
void TourSearch::Perform(const Move& move)
{
    const int ends[] = {move.a - 1, move.a, move.b, move.b + 1, move.to, move.to + 1};
    const int count = move.kind == Move::Shift ? 6 : 4;
    int touched[6];
    for (int t = 0; t < count; t++)
        touched[t] = ends[t] >= 0 && ends[t] < n ? tour[ends[t]].path : -1;
    Apply(move);
    journal.push_back(move);
    for (int t = 0; t < count; t++) {
        if (touched[t] >= 0 && !queued[touched[t]]) {
            queued[touched[t]] = 1;
            queue.push_back(touched[t]);
        }
    }
}

// Takes back the moves of the journal, last first: a reversal is its own inverse, a shifted stretch goes back
// after the stop that preceded it.
void TourSearch::Undo()
{
    for (auto move = journal.rbegin(); move != journal.rend(); ++move) {
        Move back = *move;
        if (back.kind == Move::Shift) {
            const int length = back.b - back.a + 1;
            const int first = back.to > back.b ? back.to - length + 1 : back.to + 1;
            back = Move{Move::Shift, first, first + length - 1, back.to > back.b ? back.a - 1 : back.b, back.turn, 0};
        }
        Apply(back);
    }
    journal.clear();
}

// Kicks: two short neighbouring stretches exchange places, and the tour descends from there; the result is kept
// when it is shorter than before the kick, otherwise the kick and its descent are taken back. The repairs look at
// fewer near ends, leave out the 3-opt moves and make no move longer than KickSpan places, so that a kick costs
// little at any size.
void TourSearch::Kicks()
{
    if (n < 4)
        return;
    repairing = true;
    looked = KickNeighbours;
    spanLimit = KickSpan;
    uint64_t state = KickSeed;
    const int kicks = std::min(std::max(n / PathsPerKick, std::min(3 * n, FewestKicks)), MostKicks);
    for (int kick = 0; kick < kicks && work < budget; kick++) {
        const int a = 1 + static_cast<int>(NextNumber(state) % static_cast<uint64_t>(n - 3));
        const int b = std::min(a + 1 + static_cast<int>(NextNumber(state) % KickStretch), n - 2);
        const int c = std::min(b + 1 + static_cast<int>(NextNumber(state) % KickStretch), n - 1);
        // The stops b..c-1 go before the stops a..b-1.
        const Move move{Move::Shift, b, c - 1, a - 1, false, ShiftGain(b, c - 1, a - 1, false)};
        journal.clear();
        Perform(move);
        if (!(move.gain + Descend() > MinGain))
            Undo();
    }
    journal.clear();
    repairing = false;
    looked = NeighbourCount;
    spanLimit = n;
}

// The direction of every reversible path that makes the order found shortest, by dynamic programming over the
// stops: the least travel up to each stop, for either direction of it. Kept only when it saves travel.
void TourSearch::BestDirections()
{
    if (std::none_of(paths.begin(), paths.end(), [](const TourPath& p) { return p.reversible; }))
        return;
    constexpr double Unreachable = std::numeric_limits<double>::infinity();
    std::vector<std::array<double, 2>> least(n, {Unreachable, Unreachable});
    std::vector<std::array<uint8_t, 2>> previous(n, {0, 0});  // the direction of the stop before
    least[0][0] = 0;
    double now = 0;
    for (int i = 1; i < n; i++) {
        now += Link(i - 1);
        for (const int r : {0, 1}) {
            if (r == 1 && !paths[tour[i].path].reversible)
                continue;
            for (const int q : {0, 1}) {
                const double travel = least[i - 1][q] + Dist(PortOf(tour[i - 1].path, q == 0), PortOf(tour[i].path, r));
                if (travel < least[i][r]) {
                    least[i][r] = travel;
                    previous[i][r] = static_cast<uint8_t>(q);
                }
            }
        }
    }
    int r = least[n - 1][1] < least[n - 1][0] ? 1 : 0;
    if (!(least[n - 1][r] < now - MinGain))
        return;
    for (int i = n - 1; i > 0; i--) {
        const int q = previous[i][r];
        tour[i].reversed = r == 1;
        r = q;
    }
}

double TourTravel(const std::vector<TourPath>& paths, const std::vector<TourStop>& tour)
{
    double travel = 0.0;
    for (size_t k = 1; k < tour.size(); k++) {
        const TourPath& from = paths[tour[k - 1].path];
        const TourPath& to = paths[tour[k].path];
        const double x1 = tour[k - 1].reversed ? from.sx : from.ex, y1 = tour[k - 1].reversed ? from.sy : from.ey;
        const double x2 = tour[k].reversed ? to.ex : to.sx, y2 = tour[k].reversed ? to.ey : to.sy;
        travel += std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    }
    return travel;
}

std::vector<TourStop> ShortTour(const std::vector<TourPath>& paths)
{
    if (paths.empty())
        return {};
    return TourSearch(paths).Run();
}
