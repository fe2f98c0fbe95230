// Benchmarks of the continuous paths (Drw::MakeContinuous): the time they take on generated quilting grids of 10 x 10
// to 100 x 100 cells (straight and turned by 45 degrees) and on a drawing of about 40 000 entities, and, measured in
// the same run, the figures of their aims: the time estimate before and after, beside the lower bound of the drawing
// (stitching length x 1.18 / work speed + 11 s + 7 s x (parts - 1) + the rapid travel between the paths of the
// result), for the shipped samples and the grids without bridges, and for the grid sample with 8 mm bridges.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_quilt.h"
#include "dxf/importdxf.h"
#include "model/drw.h"
#include "support/parlav.h"

namespace {

constexpr double JoinDistance = 0.5;  // mm, the machine's
const char* const Samples[] = {"trapunta_griglia.dxf", "rosone.dxf", "pannello_blocchi.dxf"};

Drw Sample(int k)
{
    Drw drawing;
    ImportDxf(std::string(QUORVIA_SAMPLES) + "/" + Samples[k], drawing);
    return drawing;
}

ContinuousOptions Options(double bridge)
{
    ContinuousOptions options;
    options.tolerance = JoinDistance;
    options.bridge = bridge;
    options.workSpeed = workSpeed;
    options.rapidSpeed = rapidSpeed;
    return options;
}

// Runs the command on a copy of drawing and sets the counters of the aims.
void SetAims(benchmark::State& state, Drw drawing, double bridge)
{
    double length = 0;
    for (const Entity& e : drawing.entities)
        length += EntityLength(e.Geometry());
    const double before = drawing.EstimateTime(workSpeed, rapidSpeed);
    ContinuousReport report;
    drawing.MakeContinuous(Options(bridge), &report);
    const double after = drawing.EstimateTime(workSpeed, rapidSpeed);
    const double bound =
        length * 1.18 / workSpeed + 11.0 + 7.0 * (report.parts - 1) + drawing.RapidTravel() / rapidSpeed;
    state.counters["before_s"] = before;
    state.counters["after_s"] = after;
    state.counters["bound_s"] = bound;
    state.counters["after/bound"] = after / bound;
    state.counters["parts"] = report.parts;
    state.counters["paths"] = drawing.pathCount;
    state.counters["entities"] = drawing.entityCount();
    state.counters["retraced_mm"] = report.retraced;
    state.counters["bridges"] = report.bridges;
}

// Times the command on copies of drawing (the copy untimed), then sets the counters of the aims.
void TimeAndMeasure(benchmark::State& state, const Drw& drawing, double bridge)
{
    for (auto _ : state) {
        state.PauseTiming();
        Drw copy = drawing;
        state.ResumeTiming();
        benchmark::DoNotOptimize(copy.MakeContinuous(Options(bridge)));
    }
    SetAims(state, drawing, bridge);
}

void BM_ContinuousSample(benchmark::State& state)
{
    state.SetLabel(Samples[state.range(0)]);
    TimeAndMeasure(state, Sample(static_cast<int>(state.range(0))), 0.0);
}

// The grid sample with bridges of 8 mm: one part.
void BM_ContinuousSampleBridged(benchmark::State& state)
{
    state.SetLabel(Samples[0]);
    TimeAndMeasure(state, Sample(0), 8.0);
}

void BM_ContinuousGrid(benchmark::State& state)
{
    const bool diamond = state.range(1) != 0;
    state.SetLabel(diamond ? "diamond" : "square");
    TimeAndMeasure(state, QuiltGrid(static_cast<int>(state.range(0)), diamond), 0.0);
}

void BM_Continuous40000(benchmark::State& state)
{
    TimeAndMeasure(state, QuiltSides(100), 0.0);
}

}  // namespace

BENCHMARK(BM_ContinuousSample)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContinuousSampleBridged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContinuousGrid)->ArgsProduct({{10, 25, 50, 100}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Continuous40000)->Unit(benchmark::kMillisecond);
