// The path ends of a drawing sorted into a grid of cells, the spatial search behind AutoJoin: which ends lie
// within a tolerance of a point. Ends are entity ports (2 * entity + 0 for its start as stored, + 1 for its end),
// held in grid order (the ends of a cell together, ends whose point is not finite last), so that a caller keeping
// a record per end in that order finds the records of nearby ends side by side.
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
    // end that near a point lies in the 2 x 2 cells around the corner of its cell nearest to the point.
    void Build(const std::vector<End>& points, double tolerance);

    int Size() const { return static_cast<int>(ends.size()); }
    // The end at place k of the grid order.
    const End& At(int k) const { return ends[k]; }
    // The place in the grid order of points[k] of Build.
    int PlaceOf(int k) const { return place[k]; }

    // Calls visit(k, distance) for the place k of every end nearer to (x, y) than tolerance + Epsilon (the only ends
    // AutoJoin's candidate rule can take); nothing for a point that is not finite. The ends of a cell sit
    // together with their points, so ends farther away cost no look-up elsewhere.
    template <typename Visit>
    void ForEachNear(double x, double y, Visit visit) const
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        const Key c = NearCorner(x, y);
        const int cells[4] = {Find(c), Find({c.cx, c.cy + 1}), Find({c.cx + 1, c.cy}), Find({c.cx + 1, c.cy + 1})};
        for (const int c : cells) {
            if (c < 0)
                continue;
            for (int k = first[c]; k < first[c + 1]; k++) {
                const End& end = ends[k];
                const double d = Distance(x, y, end.x, end.y);
                if (IsLessEqual(d, tolerance))
                    visit(k, d);
            }
        }
    }

    // Asks for the table slots that ForEachNear(x, y) will probe first, ahead of the search.
    void Prefetch(double x, double y) const
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        const Key c = NearCorner(x, y);
        for (const Key& key : {c, Key{c.cx, c.cy + 1}, Key{c.cx + 1, c.cy}, Key{c.cx + 1, c.cy + 1}})
            __builtin_prefetch(&table[SlotOf(key)]);
    }

private:
    struct Key {
        int64_t cx, cy;
        bool operator==(const Key&) const = default;
    };

    int64_t CellOf(double v) const;
    // The lower left of the 2 x 2 cells around the corner of (x, y)'s cell nearest to it.
    Key NearCorner(double x, double y) const
    {
        const int64_t cx = CellOf(x);
        const int64_t cy = CellOf(y);
        return {x < (static_cast<double>(cx) + 0.5) * cell ? cx - 1 : cx,
                y < (static_cast<double>(cy) + 0.5) * cell ? cy - 1 : cy};
    }
    size_t SlotOf(const Key& key) const;
    int Find(const Key& key) const;
    int Insert(const Key& key);

    double tolerance = 0.0;
    double cell = 1.0;
    // The occupied cells are numbered densely and found through an open-addressing hash table keyed by the
    // cell's column and row; the ends of cell c are ends[first[c]] .. ends[first[c + 1] - 1].
    std::vector<int> table;  // slot -> dense cell number, -1 empty
    std::vector<Key> keys;   // dense cell number -> its column and row
    std::vector<int> first;  // dense cell number -> its first entry in ends
    std::vector<End> ends;   // the ends, grouped by cell, then those off the grid
    std::vector<int> place;  // Build's order -> grid order
};
