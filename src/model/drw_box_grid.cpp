// The grid of boxes behind the continuous paths' search for entities that meet and for bridges between parts.
#include "model/drw_box_grid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double CellsPerBox = 16.0;  // the boxes together cover at most about this many cells each
constexpr double MaxSide = 1 << 20;   // cells a side at most, so that cell keys stay far inside 64 bits

}  // namespace

BoxGrid::BoxGrid(std::vector<Box> given, double minCell) : boxes(std::move(given))
{
    if (boxes.empty())
        return;
    double maxX = boxes[0].maxX, maxY = boxes[0].maxY;
    originX = boxes[0].minX;
    originY = boxes[0].minY;
    std::vector<double> sides;
    sides.reserve(boxes.size());
    for (const Box& b : boxes) {
        originX = std::min(originX, b.minX);
        originY = std::min(originY, b.minY);
        maxX = std::max(maxX, b.maxX);
        maxY = std::max(maxY, b.maxY);
        sides.push_back(std::max(b.maxX - b.minX, b.maxY - b.minY));
    }
    std::nth_element(sides.begin(), sides.begin() + sides.size() / 2, sides.end());
    const double extent = std::max(maxX - originX, maxY - originY);
    cell = std::max({sides[sides.size() / 2], minCell, extent / MaxSide});
    // Larger cells until the boxes cover few enough of them.
    const double budget = CellsPerBox * static_cast<double>(boxes.size());
    for (;;) {
        double covered = 0;
        for (const Box& b : boxes)
            covered += (std::floor((b.maxX - originX) / cell) - std::floor((b.minX - originX) / cell) + 1) *
                       (std::floor((b.maxY - originY) / cell) - std::floor((b.minY - originY) / cell) + 1);
        if (covered <= budget)
            break;
        cell *= 2;
    }
    columns = static_cast<int64_t>(std::floor((maxX - originX) / cell)) + 1;
    rows = static_cast<int64_t>(std::floor((maxY - originY) / cell)) + 1;
    for (int i = 0; i < static_cast<int>(boxes.size()); i++) {
        const CellRange r = RangeOf(boxes[i]);
        for (int64_t c = r.column0; c <= r.column1; c++)
            for (int64_t row = r.row0; row <= r.row1; row++)
                entries.emplace_back(Key(c, row), i);
    }
    std::sort(entries.begin(), entries.end());
}

BoxGrid::CellRange BoxGrid::RangeOf(const Box& box) const
{
    const auto at = [this](double v, double origin, int64_t count) {
        const double k = std::floor((v - origin) / cell);
        return static_cast<int64_t>(std::clamp(k, 0.0, static_cast<double>(count - 1)));
    };
    return {at(box.minX, originX, columns), at(box.minY, originY, rows), at(box.maxX, originX, columns),
            at(box.maxY, originY, rows)};
}

bool BoxGrid::Touch(const Box& a, const Box& b)
{
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

// Boxes that span many cells (long lines across a drawing) meet in every cell they share, so a cell may hold many
// more boxes compared than pairs found.
constexpr size_t ComparedPerPair = 64;

bool BoxGrid::OverlappingPairs(size_t limit, std::vector<std::pair<int, int>>& pairs) const
{
    pairs.clear();
    size_t compared = 0;
    for (size_t begin = 0; begin < entries.size();) {
        size_t end = begin;
        while (end < entries.size() && entries[end].first == entries[begin].first)
            end++;
        for (size_t i = begin; i < end; i++) {
            for (size_t j = i + 1; j < end; j++) {
                if (++compared > ComparedPerPair * limit || pairs.size() > limit) {
                    pairs.clear();
                    return false;
                }
                const int a = entries[i].second, b = entries[j].second;
                if (!Touch(boxes[a], boxes[b]))
                    continue;
                // A pair shares a block of cells; it is taken only in the block's lowest cell.
                const CellRange ra = RangeOf(boxes[a]), rb = RangeOf(boxes[b]);
                if (Key(std::max(ra.column0, rb.column0), std::max(ra.row0, rb.row0)) == entries[begin].first)
                    pairs.emplace_back(std::min(a, b), std::max(a, b));
            }
        }
        begin = end;
    }
    std::sort(pairs.begin(), pairs.end());
    return true;
}

void BoxGrid::Overlapping(const Box& box, std::vector<int>& found) const
{
    found.clear();
    if (boxes.empty())
        return;
    const CellRange r = RangeOf(box);
    // A box over more cells than there are entries is compared with every box instead.
    if (static_cast<double>(r.column1 - r.column0 + 1) * static_cast<double>(r.row1 - r.row0 + 1) >
        static_cast<double>(entries.size())) {
        for (int i = 0; i < static_cast<int>(boxes.size()); i++) {
            if (Touch(boxes[i], box))
                found.push_back(i);
        }
        return;
    }
    for (int64_t c = r.column0; c <= r.column1; c++) {
        for (int64_t row = r.row0; row <= r.row1; row++) {
            auto it = std::lower_bound(entries.begin(), entries.end(), std::make_pair(Key(c, row), 0));
            for (; it != entries.end() && it->first == Key(c, row); ++it) {
                if (Touch(boxes[it->second], box))
                    found.push_back(it->second);
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
}
