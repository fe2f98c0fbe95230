// Benchmarks of the undo history at 40000 entities: recording a step (packing the drawing and comparing it with the
// current state), undo and redo (unpacking a state into the window's drawing), and a history of 100 steps, with the
// bytes it holds. Two drawings: chains of lines and arcs (starts repeat the previous end) and scattered single
// segments (nothing repeats); each step is a mirror, which changes every coordinate.
#include <benchmark/benchmark.h>

#include "bench_drawings.h"
#include "model/drw.h"
#include "ui/history.h"

namespace {

constexpr int Steps = 100;

Drw Drawing(int kind, int entities)
{
    return kind == 0 ? ChainDrawing(entities, 7) : RandomSegments(entities, 7);
}

// A history of Steps steps that mirror the drawing back and forth (start and its mirror made once), left at its
// last step with drawing holding that state.
void FillHistory(DrawingHistory& history, const Drw& start, const Drw& mirrored, Drw& drawing)
{
    Drw states[2] = {start, mirrored};
    history.Reset(states[0], true);
    for (int i = 1; i <= Steps; ++i)
        history.Record("Specchia in X", StepView::Keep, states[i % 2]);
    drawing = states[Steps % 2];
}

Drw Mirrored(const Drw& drawing)
{
    Drw mirrored = drawing;
    mirrored.MirrorX();
    return mirrored;
}

void SetLabel(benchmark::State& state)
{
    state.SetLabel(state.range(0) == 0 ? "chains" : "singles");
}

void BM_HistoryRecord(benchmark::State& state)
{
    Drw drawing = Drawing(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    DrawingHistory history;
    history.Reset(drawing, true);
    for (auto _ : state) {
        state.PauseTiming();
        drawing.MirrorX();
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.Record("Specchia in X", StepView::Keep, drawing));
    }
    SetLabel(state);
}

// Undo (or redo) one step at a time through the whole history, then back again untimed.
template <bool undo>
void UndoOrRedo(benchmark::State& state)
{
    const Drw start = Drawing(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Drw drawing;
    DrawingHistory history;
    FillHistory(history, start, Mirrored(start), drawing);
    if (!undo)
        while (history.Undo(drawing)) {
        }
    for (auto _ : state) {
        if (!(undo ? history.CanUndo() : history.CanRedo())) {
            state.PauseTiming();
            while (undo ? history.Redo(drawing) : history.Undo(drawing)) {
            }
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(undo ? history.Undo(drawing) : history.Redo(drawing));
    }
    SetLabel(state);
}

void BM_HistoryUndo(benchmark::State& state)
{
    UndoOrRedo<true>(state);
}

void BM_HistoryRedo(benchmark::State& state)
{
    UndoOrRedo<false>(state);
}

// Building a history of 100 steps (with two whole-drawing copies); the counters tell the steps kept and the megabytes
// held against the bound.
void BM_History100Steps(benchmark::State& state)
{
    const Drw start = Drawing(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const Drw mirrored = Mirrored(start);
    Drw drawing;
    DrawingHistory history;
    for (auto _ : state)
        FillHistory(history, start, mirrored, drawing);
    state.counters["steps"] = history.StepCount();
    state.counters["MB"] = static_cast<double>(history.Bytes()) / (1 << 20);
    state.counters["boundMB"] = static_cast<double>(DrawingHistory::DefaultMaxBytes) / (1 << 20);
    SetLabel(state);
}

void Kinds(benchmark::internal::Benchmark* b)
{
    b->Args({0, 40000})->Args({1, 40000})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_HistoryRecord)->Apply(Kinds);
BENCHMARK(BM_HistoryUndo)->Apply(Kinds);
BENCHMARK(BM_HistoryRedo)->Apply(Kinds);
BENCHMARK(BM_History100Steps)->Apply(Kinds)->Iterations(2);
