// Benchmarks of the drawing operations at 1000, 10000 and 40000 entities: whole-drawing copy against a memcpy of
// the same bytes, AutoJoin and Simplify beside their straightforward reference implementations (run once at the
// largest size), ExplodePaths, EstimateTime and PickPaths (a click and a window over everything).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "bench_drawings.h"
#include "model/drw.h"
#include "model/reference_ops.h"

namespace {

constexpr double JoinTolerance = 0.5;  // mm

// The drawings of one size, made once and kept for the whole run. An operation timed over and over on one small
// drawing is timed on a processor that has learnt its branches by heart (it remembers those of a few thousand
// entities), which no operator's first call on a drawing meets, and which a large drawing never allows: small
// sizes would seem faster, and growth steeper, than they are. So each size has as many drawings, made with
// different seeds, as hold 16000 entities together (16 of 1000, 2 of 10000, 1 of 40000), taken in turn.
using Drawings = std::vector<Drw>;

template <typename Make>
const Drawings& Cached(Make make, int entities)
{
    static std::map<int, Drawings> drawings;
    auto found = drawings.find(entities);
    if (found == drawings.end()) {
        Drawings made;
        for (unsigned k = 0; k < static_cast<unsigned>(std::max(1, 16000 / entities)); k++)
            made.push_back(make(entities, 100 * k));
        found = drawings.emplace(entities, std::move(made)).first;
    }
    return found->second;
}

const Drawings& Segments(int n)
{
    return Cached([](int k, unsigned s) { return RandomSegments(k, 1 + s); }, n);
}
const Drawings& Chains(int n)
{
    return Cached([](int k, unsigned s) { return ChainDrawing(k, 2 + s); }, n);
}
const Drawings& Singles(int n)
{
    return Cached([](int k, unsigned s) { return ShuffledSingles(k, JoinTolerance, 3 + s); }, n);
}
const Drawings& Simplifiable(int n)
{
    return Cached([](int k, unsigned s) { return SimplifiableDrawing(k, 4 + s); }, n);
}

// The drawing of iteration k: the drawings in turn.
const Drw& InTurn(const Drawings& drawings, size_t k)
{
    return drawings[k % drawings.size()];
}

// Times op on a fresh copy of a drawing each iteration; the copy is not timed. The copy is assigned into one
// drawing object, so that the untimed part does not free and allocate megabytes each time: the allocator would
// then hand them back to the system and the timed part would pay for page faults that the copy caused.
template <typename Op>
void OnCopies(benchmark::State& state, const Drawings& drawings, Op op)
{
    Drw copy;
    size_t k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        copy = InTurn(drawings, k++);
        state.ResumeTiming();
        benchmark::DoNotOptimize(op(copy));
    }
    state.counters["entities"] = drawings.front().entityCount();
}

void BM_CopyDrawing(benchmark::State& state)
{
    const Drawings& drawings = Segments(static_cast<int>(state.range(0)));
    size_t k = 0;
    for (auto _ : state) {
        Drw copy = InTurn(drawings, k++);
        benchmark::DoNotOptimize(copy.entities.data());
    }
    const int64_t entities = drawings.front().entityCount();
    state.SetBytesProcessed(state.iterations() * entities * static_cast<int64_t>(sizeof(Entity)));
}

// The floor of a whole-drawing copy: a memcpy of as many bytes as the entities occupy.
void BM_CopyFloorMemcpy(benchmark::State& state)
{
    const size_t bytes = static_cast<size_t>(state.range(0)) * sizeof(Entity);
    std::vector<char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

void BM_AutoJoin(benchmark::State& state)
{
    OnCopies(state, Singles(static_cast<int>(state.range(0))),
             [](Drw& d) { return d.AutoJoin(JoinTolerance, -1, -1, nullptr, nullptr); });
}

void BM_AutoJoinReference(benchmark::State& state)
{
    OnCopies(state, Singles(static_cast<int>(state.range(0))),
             [](Drw& d) { return reference::AutoJoin(d, JoinTolerance, -1, -1, nullptr, nullptr); });
}

void BM_Simplify(benchmark::State& state)
{
    OnCopies(state, Simplifiable(static_cast<int>(state.range(0))), [](Drw& d) {
        d.Simplify();
        return d.entityCount();
    });
}

void BM_SimplifyReference(benchmark::State& state)
{
    OnCopies(state, Simplifiable(static_cast<int>(state.range(0))), [](Drw& d) {
        reference::Simplify(d, nullptr);
        return d.entityCount();
    });
}

void BM_ExplodePaths(benchmark::State& state)
{
    OnCopies(state, Chains(static_cast<int>(state.range(0))), [](Drw& d) { return d.ExplodePaths(-1); });
}

void BM_EstimateTime(benchmark::State& state)
{
    const Drawings& drawings = Chains(static_cast<int>(state.range(0)));
    size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(InTurn(drawings, k++).EstimateTime(100, 200));
}

// One pick of a mouse square (+-1 mm) at a random place of the sheet, as a dialog makes on each click.
void BM_PickPaths(benchmark::State& state)
{
    const Drawings& drawings = Segments(static_cast<int>(state.range(0)));
    std::mt19937 random(5);
    std::uniform_real_distribution<double> at(0.0, 1000.0);
    std::vector<std::pair<double, double>> clicks(64);
    for (auto& c : clicks)
        c = {at(random), at(random)};
    size_t k = 0;
    std::vector<int> paths, nearest;
    for (auto _ : state) {
        const auto [x, y] = clicks[k % clicks.size()];
        paths.clear();
        nearest.clear();
        InTurn(drawings, k++).PickPaths(x - 1, y - 1, x + 1, y + 1, paths, &nearest, false);
        benchmark::DoNotOptimize(paths.data());
    }
}

// A rubber-band window over the whole sheet, which finds every path.
void BM_PickPathsWindow(benchmark::State& state)
{
    const Drawings& drawings = Segments(static_cast<int>(state.range(0)));
    std::vector<int> paths, nearest;
    size_t k = 0;
    for (auto _ : state) {
        paths.clear();
        nearest.clear();
        InTurn(drawings, k++).PickPaths(-1000, -1000, 2000, 2000, paths, &nearest, false);
        benchmark::DoNotOptimize(paths.data());
    }
}

// The sizes of every benchmark.
void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_CopyDrawing)->Apply(Sizes);
BENCHMARK(BM_CopyFloorMemcpy)->Apply(Sizes);
BENCHMARK(BM_AutoJoin)->Apply(Sizes);
BENCHMARK(BM_AutoJoinReference)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoJoinReference)->Arg(40000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Simplify)->Apply(Sizes);
BENCHMARK(BM_SimplifyReference)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimplifyReference)->Arg(40000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExplodePaths)->Apply(Sizes);
BENCHMARK(BM_EstimateTime)->Apply(Sizes);
BENCHMARK(BM_PickPaths)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PickPathsWindow)->Apply(Sizes);
