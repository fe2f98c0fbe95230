// The grid of path ends that AutoJoin searches (see drw_end_grid.h).
#include "model/drw_end_grid.h"

#include <algorithm>
#include <utility>

namespace {

// An end on the grid: its cell number, its index in Build's order, and on which side of its cell's middle it lies.
struct Sorted {
    uint64_t key;
    int index;
    bool left, down;
};

// Sorts by key, keeping the order of equal keys: least significant digits first, in as few passes as the largest
// key needs with digits of at most about as many buckets as items (and 256 to 16384), split evenly.
void RadixSort(std::vector<Sorted>& items)
{
    uint64_t largest = 0;
    for (const Sorted& item : items)
        largest = std::max(largest, item.key);
    const int keyBits = 64 - __builtin_clzll(largest | 1);
    const int widest = std::clamp(63 - __builtin_clzll(items.size() | 1), 8, 14);
    const int passes = (keyBits + widest - 1) / widest;
    const int bits = (keyBits + passes - 1) / passes;
    const uint64_t mask = (uint64_t{1} << bits) - 1;
    std::vector<Sorted> other(items.size());
    std::vector<size_t> count(mask + 1);
    for (int shift = 0; shift < keyBits; shift += bits) {
        std::fill(count.begin(), count.end(), 0);
        for (const Sorted& item : items)
            count[(item.key >> shift) & mask]++;
        size_t sum = 0;
        for (size_t& c : count)
            sum += std::exchange(c, sum);
        for (const Sorted& item : items)
            other[count[(item.key >> shift) & mask]++] = item;
        items.swap(other);
    }
}

}  // namespace

void EndGrid::Build(const std::vector<End>& points, double tolerance)
{
    this->tolerance = tolerance;
    beyond = std::max(tolerance + Epsilon, 1e-150);
    // The box of the finite points.
    double low[2] = {0.0, 0.0}, high[2] = {0.0, 0.0};
    bool any = false;
    for (const End& end : points) {
        if (!std::isfinite(end.x) || !std::isfinite(end.y))
            continue;
        low[0] = any ? std::min(low[0], end.x) : end.x;
        high[0] = any ? std::max(high[0], end.x) : end.x;
        low[1] = any ? std::min(low[1], end.y) : end.y;
        high[1] = any ? std::max(high[1], end.y) : end.y;
        any = true;
    }
    const double largest = std::max({std::fabs(low[0]), std::fabs(high[0]), std::fabs(low[1]), std::fabs(high[1])});
    // A little more than twice tolerance + Epsilon, so that rounding never leaves a near end out, and not so small
    // that cell numbers lose precision (nor grow past what the keys hold).
    const double reach = (tolerance + 2 * Epsilon) * (1 + 1e-9);
    cell = 2.02 * std::max({reach, 1e-9 * largest, 1e-300});
    // Cell numbers grow with the coordinate, so the box's corners have the smallest and largest.
    SortByCell(points, CellOf(low[0]), CellOf(high[0]), CellOf(low[1]));
}

int64_t EndGrid::CellOf(double v) const
{
    const double c = std::floor(v / cell);
    return static_cast<int64_t>(std::clamp(c, -4e18, 4e18));
}

// Puts the ends into grid order, those with finite points sorted by cell (in Build's order within a cell), the
// others after them, given the smallest and largest column and the smallest row; lists the cells and the sides.
void EndGrid::SortByCell(const std::vector<End>& points, int64_t minColumn, int64_t maxColumn, int64_t minRow)
{
    // Column numbers from 1, with room for one column before the first and two after the last. Cells are at least
    // 2e-9 of the largest coordinate, so there are at most about 1e9 columns and rows, and keys fit.
    stride = static_cast<uint64_t>(maxColumn - minColumn) + 4;
    std::vector<Sorted> sorted;
    sorted.reserve(points.size());
    for (size_t k = 0; k < points.size(); k++) {
        if (!std::isfinite(points[k].x) || !std::isfinite(points[k].y))
            continue;
        const int64_t cx = CellOf(points[k].x);
        const int64_t cy = CellOf(points[k].y);
        const uint64_t key =
            static_cast<uint64_t>(cy - minRow + 1) * stride + static_cast<uint64_t>(cx - minColumn + 1);
        sorted.push_back({key, static_cast<int>(k), points[k].x < (static_cast<double>(cx) + 0.5) * cell,
                          points[k].y < (static_cast<double>(cy) + 0.5) * cell});
    }
    RadixSort(sorted);
    ends.resize(points.size());
    place.assign(points.size(), -1);
    sides.resize(sorted.size());
    cells.clear();
    cells.reserve(sorted.size() + 1);
    // The points are read in no useful order: those a few items ahead are fetched while the present one is placed.
    constexpr size_t Ahead = 16;
    int at = 0;
    for (const Sorted& item : sorted) {
        if (static_cast<size_t>(at) + Ahead < sorted.size())
            __builtin_prefetch(&points[sorted[at + Ahead].index]);
        if (cells.empty() || cells.back().key != item.key)
            cells.push_back({item.key, at, at});
        cells.back().end = at + 1;
        sides[at] = static_cast<uint8_t>((item.left ? 1 : 0) | (item.down ? 2 : 0));
        place[item.index] = at;
        ends[at++] = points[item.index];
    }
    for (size_t k = 0; k < points.size(); k++) {
        if (place[k] < 0) {
            place[k] = at;
            ends[at++] = points[k];
        }
    }
    gridEnd = static_cast<int>(sorted.size());
    cells.push_back({UINT64_MAX, gridEnd, gridEnd});
}

// The runs of ends searched from the ends of cell at: first[r][d] is where the ends of the cells at or after
// (row + r - 1, column + d - 1) begin. The cells being in key order, the first of each row is found by a cursor per
// row that only moves forward over the calls for successive cells, and as keys are whole numbers each of the other
// three is either where the one before is or one cell on. An end takes the rows and columns of the 2 x 2 cells on
// its side of the middle.
void EndGrid::RunsAround(size_t at, size_t cursor[3], int first[3][4]) const
{
    const Cell& c = cells[at];
    for (int r = 0; r < 3; r++) {
        const uint64_t row = c.key + static_cast<uint64_t>(r) * stride - stride - 1;
        while (cells[cursor[r]].key < row)
            cursor[r]++;
        size_t next = cursor[r];
        first[r][0] = cells[next].begin;
        for (int d = 1; d < 4; d++) {
            next += cells[next].key == row + static_cast<uint64_t>(d - 1) ? 1 : 0;
            first[r][d] = cells[next].begin;
        }
    }
}
