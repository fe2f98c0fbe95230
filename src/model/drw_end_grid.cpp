// The grid of path ends that AutoJoin searches (see drw_end_grid.h).
#include "model/drw_end_grid.h"

#include <algorithm>

void EndGrid::Build(const std::vector<End>& points, double tolerance)
{
    this->tolerance = tolerance;
    double largest = 0.0;
    for (const End& end : points) {
        if (std::isfinite(end.x) && std::isfinite(end.y))
            largest = std::max({largest, std::fabs(end.x), std::fabs(end.y)});
    }
    // A little more than twice tolerance + Epsilon, so that rounding never leaves a near end out, and not so small
    // that cell numbers lose precision.
    const double reach = (tolerance + 2 * Epsilon) * (1 + 1e-9);
    cell = 2.02 * std::max({reach, 1e-9 * largest, 1e-300});
    size_t slots = 16;
    while (slots < 2 * points.size())
        slots *= 2;
    table.assign(slots, -1);
    keys.clear();
    std::vector<int> cellOf(points.size(), -1);  // the dense cell of each end; -1 off the grid
    for (size_t k = 0; k < points.size(); k++) {
        if (std::isfinite(points[k].x) && std::isfinite(points[k].y))
            cellOf[k] = Insert({CellOf(points[k].x), CellOf(points[k].y)});
    }
    // Counting sort of the ends by cell; those off the grid go last, as if in one more cell.
    const int offGrid = static_cast<int>(keys.size());
    first.assign(keys.size() + 2, 0);
    for (const int c : cellOf)
        first[(c >= 0 ? c : offGrid) + 1]++;
    for (size_t c = 1; c < first.size(); c++)
        first[c] += first[c - 1];
    ends.resize(points.size());
    place.resize(points.size());
    std::vector<int> fill(first.begin(), first.end() - 1);
    for (size_t k = 0; k < points.size(); k++) {
        place[k] = fill[cellOf[k] >= 0 ? cellOf[k] : offGrid]++;
        ends[place[k]] = points[k];
    }
    first.pop_back();
}

int64_t EndGrid::CellOf(double v) const
{
    const double c = std::floor(v / cell);
    return static_cast<int64_t>(std::clamp(c, -4e18, 4e18));
}

// Neighbouring cells land far apart in the table (the finalizer of splitmix64 over both coordinates).
size_t EndGrid::SlotOf(const Key& key) const
{
    uint64_t h = static_cast<uint64_t>(key.cx) * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(key.cy);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    return static_cast<size_t>(h ^ (h >> 31)) & (table.size() - 1);
}

// The dense number of the cell, or -1 when no end lies in it.
int EndGrid::Find(const Key& key) const
{
    for (size_t at = SlotOf(key);; at = (at + 1) & (table.size() - 1)) {
        const int c = table[at];
        if (c < 0 || keys[c] == key)
            return c;
    }
}

// The dense number of the cell, numbering it when it is new (the table is never more than half full).
int EndGrid::Insert(const Key& key)
{
    size_t at = SlotOf(key);
    for (; table[at] >= 0; at = (at + 1) & (table.size() - 1)) {
        if (keys[table[at]] == key)
            return table[at];
    }
    table[at] = static_cast<int>(keys.size());
    keys.push_back(key);
    return table[at];
}
