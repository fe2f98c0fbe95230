// The path ends of a drawing sorted into a grid of cells, the spatial search behind AutoJoin: which ends lie
// within a tolerance of an end. Ends are entity ports (2 * entity + 0 for its start as stored, + 1 for its end),
// held in grid order (cells row by row, the ends of a cell together, ends whose point is not finite last), so that
// a caller keeping a record per end in that order finds the records of nearby ends side by side.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/mymath.h"

class EndGrid {
public:
    // One end and its point.
    struct End {
        double x, y;
        int port;
    };

    // Sorts the ends with finite points into cells at least twice as large as tolerance + Epsilon, so that every
    // end that near an end lies in the 2 x 2 cells around the corner of its cell nearest to that end.
    void Build(const std::vector<End>& points, double tolerance);

    int Size() const { return static_cast<int>(ends.size()); }
    // The end at place k of the grid order.
    const End& At(int k) const { return ends[k]; }
    // The place in the grid order of points[k] of Build.
    int PlaceOf(int k) const { return place[k]; }

    // Calls visit(k, distance) for the place k of every end nearer to the end at place from than tolerance +
    // Epsilon (the only ends AutoJoin's candidate rule can take); nothing for an end whose point is not finite.
    // Cells follow each other row by row, so the 2 x 2 cells searched are two runs of ends, known per end.
    template <typename Visit>
    void ForEachNear(int from, Visit visit) const
    {
        const End& at = ends[from];
        const Rows& rows = around[from];
        for (int r = 0; r < 2; r++) {
            for (int k = rows.begin[r]; k < rows.end[r]; k++) {
                if (std::fabs(ends[k].x - at.x) >= beyond || std::fabs(ends[k].y - at.y) >= beyond)
                    continue;
                const double d = Distance(at.x, at.y, ends[k].x, ends[k].y);
                if (IsLessEqual(d, tolerance))
                    visit(k, d);
            }
        }
    }

    // Asks for the end at place k.
    void PrefetchAt(int k) const { __builtin_prefetch(&ends[k]); }

private:
    // The ends in the two rows of the 2 x 2 cells searched from an end: ends[begin[r]] .. ends[end[r] - 1].
    struct Rows {
        int begin[2], end[2];
    };
    struct Cell;

    int64_t CellOf(double v) const;
    uint64_t SortByCell(const std::vector<End>& points, int64_t minColumn, int64_t maxColumn, int64_t minRow,
                        std::vector<Cell>& cells, std::vector<uint8_t>& sides);
    void FindRows(const std::vector<Cell>& cells, uint64_t stride, const std::vector<uint8_t>& sides);

    double tolerance = 0.0;
    // An end this far away in x or in y is not near: its distance is at least that difference (the root of a
    // rounded square of a number above 1e-150 is the number itself), so it is not below tolerance + Epsilon.
    double beyond = 0.0;
    double cell = 1.0;
    std::vector<End> ends;    // the ends, grouped by cell, then those off the grid
    std::vector<Rows> around; // per place: the ends ForEachNear reads
    std::vector<int> place;   // Build's order -> grid order
};
