// Benchmarks of the automatic order of the paths: its time on 1000, 5000 and 40000 random segments, and, measured
// in the same run, the rapid travel it leaves on each kind of drawing against a nearest-neighbour order that may
// run open paths either way (counter travel/nn, summed over the drawings of the set) and against the order given
// (travel/given); and the order the dialog gave before (the plain nearest-neighbour order that keeps directions),
// timed at 40000 segments beside the travel OptimiseOrder leaves there.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench_drawings.h"
#include "model/drw.h"
#include "model/reference_ops.h"

namespace {

constexpr double JoinTolerance = 0.5;  // mm: the gaps of the chain pieces lie above it

using Drawings = std::vector<Drw>;

// As many drawings of one kind and size as hold about 8000 entities together (at least one), made once.
const Drawings& Made(const std::string& kind, int size, const std::function<Drw(int, unsigned)>& make)
{
    static std::map<std::string, Drawings> made;
    const std::string key = kind + std::to_string(size);
    auto found = made.find(key);
    if (found == made.end()) {
        Drawings drawings;
        for (unsigned k = 0; k < static_cast<unsigned>(std::max(1, 8000 / size)); k++)
            drawings.push_back(make(size, 1 + 100 * k));
        found = made.emplace(key, std::move(drawings)).first;
    }
    return found->second;
}

const Drawings& Segments(int n)
{
    return Made("segments", n, [](int k, unsigned seed) { return RandomSegments(k, seed); });
}

// Sums the rapid travel of every drawing after op.
double TravelAfter(const Drawings& drawings, const std::function<void(Drw&)>& op)
{
    double travel = 0;
    for (Drw drw : drawings) {
        op(drw);
        travel += drw.RapidTravel();
    }
    return travel;
}

// Times OptimiseOrder on a copy of each drawing in turn (the copy untimed), then sets the travel counters.
void TimeAndCompare(benchmark::State& state, const Drawings& drawings)
{
    Drw copy;
    size_t k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        copy = drawings[k++ % drawings.size()];
        state.ResumeTiming();
        benchmark::DoNotOptimize(copy.OptimiseOrder());
    }
    const double ordered = TravelAfter(drawings, [](Drw& d) { d.OptimiseOrder(); });
    state.counters["paths"] = drawings.front().pathCount;
    state.counters["drawings"] = static_cast<double>(drawings.size());
    state.counters["travel/nn"] =
        ordered / TravelAfter(drawings, [](Drw& d) { reference::NearestNeighbourOrder(d, true); });
    state.counters["travel/given"] = ordered / TravelAfter(drawings, [](Drw&) {});
}

void BM_OptimiseOrderSegments(benchmark::State& state)
{
    TimeAndCompare(state, Segments(static_cast<int>(state.range(0))));
}

// A 20 x 20 grid of closed squares in shuffled order.
void BM_OptimiseOrderSquares(benchmark::State& state)
{
    TimeAndCompare(state, Made("squares", 400, [](int, unsigned seed) { return SquareGrid(20, seed); }));
}

// Chains cut into pieces with gaps above the join distance, shuffled and half reversed.
void BM_OptimiseOrderChainPieces(benchmark::State& state)
{
    TimeAndCompare(state, Made("pieces", static_cast<int>(state.range(0)),
                               [](int k, unsigned seed) { return ChainPieces(k, JoinTolerance, seed); }));
}

// The order the path optimisation dialog gave before OptimiseOrder, on the same drawings; the counter
// OptimiseOrder/before compares the travel OptimiseOrder leaves with the travel of this order.
void BM_OrderBefore(benchmark::State& state)
{
    const Drawings& drawings = Segments(static_cast<int>(state.range(0)));
    double before = 0, ordered = 0;
    size_t k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Drw copy = drawings[k % drawings.size()];
        state.ResumeTiming();
        reference::NearestNeighbourOrder(copy, false);
        state.PauseTiming();
        before += copy.RapidTravel();
        copy = drawings[k++ % drawings.size()];
        copy.OptimiseOrder();
        ordered += copy.RapidTravel();
        state.ResumeTiming();
    }
    state.counters["OptimiseOrder/before"] = ordered / before;
}

}  // namespace

BENCHMARK(BM_OptimiseOrderSegments)->Arg(1000)->Arg(5000)->Arg(40000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptimiseOrderSquares)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OptimiseOrderChainPieces)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderBefore)->Arg(40000)->Iterations(1)->Unit(benchmark::kMillisecond);
