// The DXF import of a generated file of 1000, 10000 and 40000 entities, beside its floor (read, split with memchr,
// from_chars on every line), in MB/s and entities/s; and of a file of 1000 SPLINEs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "bench_dxf.h"
#include "dxf/importdxf.h"
#include "model/drw.h"

namespace {

struct DxfSample {
    std::string path;
    int64_t bytes = 0;
    int entities = 0;  // of the imported drawing
};

// The file of each size is written once per run, to the temporary folder, and imported once to count entities.
const DxfSample& Sample(int entities)
{
    static std::map<int, DxfSample> samples;
    auto found = samples.find(entities);
    if (found != samples.end())
        return found->second;
    DxfSample sample;
    sample.path =
        (std::filesystem::temp_directory_path() / ("quorvia-bench-" + std::to_string(entities) + ".dxf")).string();
    const std::string text = GenerateDxf(entities, 6);
    std::ofstream(sample.path, std::ios::binary) << text;
    sample.bytes = static_cast<int64_t>(text.size());
    Drw drawing;
    ImportDxf(sample.path, drawing);
    sample.entities = drawing.entityCount();
    return samples.emplace(entities, sample).first->second;
}

void Report(benchmark::State& state, const DxfSample& sample)
{
    state.SetBytesProcessed(state.iterations() * sample.bytes);
    state.SetItemsProcessed(state.iterations() * sample.entities);
    state.counters["MB"] = static_cast<double>(sample.bytes) / 1e6;
}

void BM_ImportDxf(benchmark::State& state)
{
    const DxfSample& sample = Sample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Drw drawing;
        ImportDxf(sample.path, drawing);
        benchmark::DoNotOptimize(drawing.entities.data());
    }
    Report(state, sample);
}

void BM_ImportFloor(benchmark::State& state)
{
    const DxfSample& sample = Sample(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DxfFloor(sample.path));
    Report(state, sample);
}

// 1000 SPLINEs of 20 control points each, replaced by arcs within the default tolerance.
void BM_ImportSplines(benchmark::State& state)
{
    static const DxfSample sample = [] {
        DxfSample s;
        s.path = (std::filesystem::temp_directory_path() / "quorvia-bench-splines.dxf").string();
        const std::string text = GenerateSplineDxf(1000, 20, 7);
        std::ofstream(s.path, std::ios::binary) << text;
        s.bytes = static_cast<int64_t>(text.size());
        Drw drawing;
        ImportDxf(s.path, drawing);
        s.entities = drawing.entityCount();
        return s;
    }();
    for (auto _ : state) {
        Drw drawing;
        ImportDxf(sample.path, drawing);
        benchmark::DoNotOptimize(drawing.entities.data());
    }
    Report(state, sample);
    state.counters["entities"] = sample.entities;
}

}  // namespace

BENCHMARK(BM_ImportSplines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportDxf)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFloor)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);
