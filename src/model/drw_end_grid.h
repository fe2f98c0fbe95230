// The path ends of a drawing sorted into a grid of cells, the spatial search behind AutoJoin: which ends lie
// within a tolerance of an end. Ends are entity ports (2 * entity + 0 for its start as stored, + 1 for its end),
// held in grid order (cells row by row, the ends of a cell together, ends whose point is not finite last), so that
// a caller keeping a record per end in that order finds the records of nearby ends side by side.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
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

    // For every end in grid order: calls begin(from) with its place, then visit(from, k, distance) for the place k
    // of every other end nearer to it than tolerance + Epsilon (the only ends AutoJoin's candidate rule can take),
    // none for an end whose point is not finite. Cells follow each other row by row, so the 2 x 2 cells searched
    // from an end are two runs of ends, and the runs of one cell are found from those of the cell before. A begin
    // that returns false stops the sweep there; the result says whether it went through.
    template <typename Begin, typename Visit>
    bool ForEachNear(Begin begin, Visit visit) const
    {
        size_t cursor[3] = {};
        for (size_t at = 0; at + 1 < cells.size(); at++) {
            int first[3][4];
            RunsAround(at, cursor, first);
            for (int from = cells[at].begin; from < cells[at].end; from++) {
                if (!begin(from))
                    return false;
                const int row = (sides[from] & 2) != 0 ? 0 : 1;
                const int column = (sides[from] & 1) != 0 ? 0 : 1;
                for (const int r : {row, row + 1})
                    Scan(from, first[r][column], first[r][column + 2], visit);
            }
        }
        for (int from = gridEnd; from < Size(); from++)
            if (!begin(from))
                return false;
        return true;
    }

private:
    // A cell of the grid: its number (row by row, with a spare column and row on every side, so that the numbers of
    // the cells around it are its own plus a fixed offset) and its ends, ends[begin] .. ends[end - 1].
    struct Cell {
        uint64_t key;
        int begin, end;
    };

    int64_t CellOf(double v) const;
    void SortByCell(const std::vector<End>& points, int64_t minColumn, int64_t maxColumn, int64_t minRow);
    void RunsAround(size_t at, size_t cursor[3], int first[3][4]) const;

    // Visits the ends at places begin .. end - 1 but from that are near the end at place from.
    template <typename Visit>
    void Scan(int from, int begin, int end, Visit& visit) const
    {
        const End& at = ends[from];
        for (int k = begin; k < end; k++) {
            if (std::fabs(ends[k].x - at.x) >= beyond || std::fabs(ends[k].y - at.y) >= beyond || k == from)
                continue;
            const double d = Distance(at.x, at.y, ends[k].x, ends[k].y);
            if (IsLessEqual(d, tolerance))
                visit(from, k, d);
        }
    }

    double tolerance = 0.0;
    // An end this far away in x or in y is not near: its distance is at least that difference (the root of a
    // rounded square of a number above 1e-150 is the number itself), so it is not below tolerance + Epsilon.
    double beyond = 0.0;
    double cell = 1.0;
    uint64_t stride = 0;         // the difference between the keys of cells one row apart
    int gridEnd = 0;             // where the ends off the grid begin
    std::vector<End> ends;       // the ends, grouped by cell, then those off the grid
    std::vector<Cell> cells;     // in key order, closed by one of the largest key beginning at gridEnd
    std::vector<uint8_t> sides;  // per end on the grid: 1 when left of its cell's middle, 2 when below it
    std::vector<int> place;      // Build's order -> grid order
};
