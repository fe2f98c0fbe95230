// The operations an operator reaches once a drawing is loaded or imported, for the fuzz targets of both ways in:
// each runs on the drawing left by the one before, with arguments drawn from the input, and the drawing must keep
// its capacities, its paths numbered in storage order and its chains after every one of them.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "model/drawing_builders.h"
#include "model/drw.h"
#include "render/mybitmap.h"

// Arguments as an operator could give them, and now and then as none could: path numbers and entity indices one
// beyond either end, tolerances and factors of zero, below zero, huge or not a number.
class OperatorArguments {
public:
    OperatorArguments(const uint8_t* data, size_t size) : random(Seed(data, size)) {}

    int Path(const Drw& drw) { return Between(-1, drw.pathCount + 1); }
    int Entity(const Drw& drw) { return Between(-1, drw.entityCount()); }
    bool Flip() { return Between(0, 1) == 1; }
    double Amount()
    {
        static const double amounts[] = {0.5, 0.0, 1.0, -1.0, 2.5, 1e-9, 1e9, std::nan("")};
        return amounts[Between(0, 7)];
    }
    // Up to three path numbers, each possibly outside the drawing or repeated.
    std::vector<int> Paths(const Drw& drw)
    {
        std::vector<int> paths(Between(0, 3));
        for (int& path : paths)
            path = Path(drw);
        return paths;
    }
    // A point of the drawing (an end of an entity) or the origin for an empty one.
    void Point(const Drw& drw, double& x, double& y)
    {
        const int k = Between(0, drw.entityCount() - 1);
        x = drw.entities.empty() ? 0.0 : drw.entities[k].x2;
        y = drw.entities.empty() ? 0.0 : drw.entities[k].y2;
    }

private:
    std::mt19937 random;

    int Between(int low, int high) { return high < low ? low : std::uniform_int_distribution<int>(low, high)(random); }
    static uint32_t Seed(const uint8_t* data, size_t size)
    {
        uint32_t hash = 2166136261u;  // FNV-1a
        for (size_t i = 0; i < size; i++)
            hash = (hash ^ data[i]) * 16777619u;
        return hash;
    }
};

// One operation of the operator on the drawing.
struct OperatorStep {
    const char* name;
    std::function<void(Drw&, OperatorArguments&)> run;
};

// Path edits take a selection as a count and an array, absent for every path.
inline int SelectedPaths(Drw& drw, OperatorArguments& args, const std::function<int(const int*, const int*)>& edit)
{
    const std::vector<int> paths = args.Paths(drw);
    const int count = static_cast<int>(paths.size());
    return args.Flip() ? edit(nullptr, nullptr) : edit(&count, paths.data());
}

// In the order an operator meets them: the drawing window's picture and time, the optimisation dialog's joins,
// automatic order, continuous paths, splits, reversals, start points and moves, the selection dialog's deletion, the
// editing dialogs and the whole-drawing transformations.
inline const std::vector<OperatorStep>& OperatorSteps()
{
    static const std::vector<OperatorStep> steps = {
        {"picture",
         [](Drw& d, OperatorArguments&) {
             MyBitmap bitmap(64, 48, false);
             bitmap.FitDrawing(d, 0.1);
             bitmap.DrawBackground();
             bitmap.DrawDrawing(d, -1, -1);
         }},
        {"EstimateTime", [](Drw& d, OperatorArguments& a) { d.EstimateTime(a.Amount(), a.Amount()); }},
        {"PathLength of every path",
         [](Drw& d, OperatorArguments&) {
             for (int path = 1; path <= d.pathCount; path++)
                 d.PathLength(path);
         }},
        {"Simplify", [](Drw& d, OperatorArguments&) { d.Simplify(); }},
        {"AutoJoin", [](Drw& d, OperatorArguments& a) { d.AutoJoin(a.Amount(), -1, -1, nullptr, nullptr); }},
        {"AutoJoin of chosen paths",
         [](Drw& d, OperatorArguments& a) {
             std::vector<int> selection = a.Paths(d);
             d.AutoJoin(a.Amount(), a.Path(d), a.Flip() ? a.Path(d) : -1, &selection, [](double) {});
         }},
        {"OptimiseOrder", [](Drw& d, OperatorArguments& a) { d.OptimiseOrder(a.Flip()); }},
        {"MakeContinuous",
         [](Drw& d, OperatorArguments& a) {
             ContinuousOptions options;
             options.tolerance = a.Amount();
             options.bridge = a.Flip() ? a.Amount() : 0.0;
             options.keepDirections = a.Flip();
             d.MakeContinuous(options);
         }},
        {"SetStartPoint",
         [](Drw& d, OperatorArguments& a) {
             double x = 0, y = 0, nearestX = 0, nearestY = 0;
             a.Point(d, x, y);
             int path = -1, entity = -1;
             if (d.PickPathAt(x, y, path, entity, &nearestX, &nearestY))
                 d.SetStartPoint(path, entity, nearestX, nearestY);
         }},
        {"ReversePath", [](Drw& d, OperatorArguments& a) { d.ReversePath(a.Path(d)); }},
        {"MovePath", [](Drw& d, OperatorArguments& a) { d.MovePath(a.Path(d), a.Path(d)); }},
        {"JoinPaths", [](Drw& d, OperatorArguments& a) { d.JoinPaths(a.Entity(d), a.Entity(d), a.Flip(), a.Flip()); }},
        {"ExplodePaths", [](Drw& d, OperatorArguments& a) { d.ExplodePaths(a.Flip() ? -1 : a.Path(d)); }},
        {"PickPaths and DeletePaths",
         [](Drw& d, OperatorArguments& a) {
             double x = 0, y = 0;
             a.Point(d, x, y);
             std::vector<int> paths;
             d.PickPaths(x - 1, y - 1, x + 1, y + 1, paths, nullptr, a.Flip());
             d.DeletePaths(paths);
         }},
        {"MovePaths",
         [](Drw& d, OperatorArguments& a) {
             const double dx = a.Amount(), dy = a.Amount();
             SelectedPaths(d, a, [&](const int* n, const int* p) { return d.MovePaths(dx, dy, n, p); });
         }},
        {"CopyPaths",
         [](Drw& d, OperatorArguments& a) {
             const double dx = a.Amount(), dy = a.Amount();
             SelectedPaths(d, a, [&](const int* n, const int* p) { return d.CopyPaths(dx, dy, n, p); });
         }},
        {"ScalePaths",
         [](Drw& d, OperatorArguments& a) {
             const double factor = a.Amount();
             const bool common = a.Flip();
             SelectedPaths(d, a, [&](const int* n, const int* p) { return d.ScalePaths(factor, n, p, common); });
         }},
        {"ResizeDrawing", [](Drw& d, OperatorArguments& a) { d.ResizeDrawing(a.Amount(), a.Amount(), ""); }},
        {"MirrorX", [](Drw& d, OperatorArguments&) { d.MirrorX(); }},
        {"MirrorY", [](Drw& d, OperatorArguments&) { d.MirrorY(); }},
        {"RotateCW", [](Drw& d, OperatorArguments&) { d.RotateCW(); }},
        {"RotateCCW", [](Drw& d, OperatorArguments&) { d.RotateCCW(); }},
    };
    return steps;
}

// Drawings up to this size go through the steps: on the largest ones (a block inserted as an array fills a drawing
// from a small file) an AutoJoin of ends crowded together takes time as the square of the ends, which is for the
// benchmarks to measure, while a fuzz input must stay quick.
constexpr int OperatorStepsMaxEntities = 4000;

// Runs every step on drw, checking after each that the drawing keeps its invariants (paths without entities
// allowed only when allowEmptyPaths); the ends of neighbours are not compared, as a file may hold any coordinates.
inline void RunOperatorSteps(Drw& drw, OperatorArguments& args, bool allowEmptyPaths)
{
    if (drw.entityCount() > OperatorStepsMaxEntities)
        return;
    for (const OperatorStep& step : OperatorSteps()) {
        step.run(drw, args);
        Require(CheckInvariants(drw, allowEmptyPaths, false), step.name);
    }
}

// Saves drw and loads the file again into reloaded, which must then keep every invariant with every path number
// in use; returns the bytes saved.
inline std::string SaveAndReload(Drw& drw, Drw& reloaded)
{
    const std::string path = ScratchPath("saved.dis");
    Require(::testing::AssertionResult(drw.Save(path)) << "a drawing did not save", "save");
    Require(::testing::AssertionResult(reloaded.Load(path)) << "a saved drawing did not load", "reload");
    Require(CheckInvariants(reloaded, false, false), "after the reload");
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
