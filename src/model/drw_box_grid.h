// Boxes (mm) sorted into a grid of square cells, the spatial search of the continuous paths: which boxes overlap,
// and which boxes overlap a box asked about. A box lies in every cell it touches, so the work grows with the
// cells a box covers; the cell side is chosen so that the boxes together cover a bounded number of cells.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class BoxGrid {
public:
    // An axis-aligned box; min <= max, all finite.
    struct Box {
        double minX, minY, maxX, maxY;
    };

    // Sorts the boxes into cells of at least minCell (mm, > 0) a side: about the median box's larger side, larger
    // when the boxes would otherwise cover more than a fixed multiple of their number of cells.
    BoxGrid(std::vector<Box> boxes, double minCell);

    // Every pair (i, j), i < j, of boxes that overlap or touch, each once, in increasing order; false (and no
    // pairs) when there are more than limit of them, or finding them would compare many times more, as boxes crowded
    // on one another do.
    bool OverlappingPairs(size_t limit, std::vector<std::pair<int, int>>& pairs) const;
    // The boxes that overlap or touch box, each once, in increasing order.
    void Overlapping(const Box& box, std::vector<int>& found) const;

private:
    // The cells a box covers, as column and row ranges (clamped to the grid).
    struct CellRange {
        int64_t column0, row0, column1, row1;
    };
    CellRange RangeOf(const Box& box) const;
    uint64_t Key(int64_t column, int64_t row) const { return static_cast<uint64_t>(column) * rows + row; }
    static bool Touch(const Box& a, const Box& b);

    std::vector<Box> boxes;
    double originX = 0.0, originY = 0.0, cell = 1.0;
    int64_t columns = 1, rows = 1;
    std::vector<std::pair<uint64_t, int>> entries;  // (cell key, box) sorted: the boxes of a cell side by side
};
