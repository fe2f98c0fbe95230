// The automatic order of the paths: a nearest-neighbour tour over the paths' ends that shortens the rapid travel
// between paths, which the machining time depends on.
#include <utility>
#include <vector>

#include "ui/ottisequ.h"

namespace {

struct PathEnds {
    int first = 0, last = 0;  // entity indices
    double startX = 0, startY = 0, endX = 0, endY = 0;
};

std::vector<PathEnds> CollectPaths(const Drw& drawing)
{
    std::vector<PathEnds> paths;
    for (int path = 1; path <= drawing.pathCount; ++path) {
        PathEnds ends;
        drawing.PathRange(path, ends.first, ends.last);
        if (ends.last < ends.first)
            continue;
        const Entity& a = drawing.entities[ends.first];
        const Entity& b = drawing.entities[ends.last];
        ends.startX = a.x1;
        ends.startY = a.y1;
        ends.endX = b.x2;
        ends.endY = b.y2;
        paths.push_back(ends);
    }
    return paths;
}

double Travel(const std::vector<PathEnds>& paths, const std::vector<int>& order)
{
    double total = 0;
    for (size_t i = 1; i < order.size(); ++i) {
        const PathEnds& from = paths[order[i - 1]];
        const PathEnds& to = paths[order[i]];
        total += Distance(from.endX, from.endY, to.startX, to.startY);
    }
    return total;
}

// Path 0 first, then always the unvisited path whose start is nearest to the current end (lowest index on ties).
std::vector<int> NearestNeighbourOrder(const std::vector<PathEnds>& paths)
{
    std::vector<int> order{0};
    std::vector<bool> visited(paths.size(), false);
    visited[0] = true;
    while (order.size() < paths.size()) {
        const PathEnds& current = paths[order.back()];
        int best = -1;
        double bestDistance = 0;
        for (size_t j = 0; j < paths.size(); ++j) {
            if (visited[j])
                continue;
            const double d = Distance(current.endX, current.endY, paths[j].startX, paths[j].startY);
            if (best < 0 || d < bestDistance) {
                best = static_cast<int>(j);
                bestDistance = d;
            }
        }
        visited[best] = true;
        order.push_back(best);
    }
    return order;
}

}  // namespace

bool OptimisePathOrder(Drw& drawing)
{
    const std::vector<PathEnds> paths = CollectPaths(drawing);
    if (paths.size() < 3)
        return false;  // with path 1 kept first, two paths have one order only
    // Entities outside the numbered paths would be lost by the rebuild: such a drawing keeps its order.
    size_t covered = 0;
    for (const PathEnds& ends : paths)
        covered += static_cast<size_t>(ends.last - ends.first + 1);
    if (covered != drawing.entities.size())
        return false;
    std::vector<int> identity(paths.size());
    for (size_t i = 0; i < identity.size(); ++i)
        identity[i] = static_cast<int>(i);
    const std::vector<int> order = NearestNeighbourOrder(paths);
    if (!(Travel(paths, order) < Travel(paths, identity)))
        return false;
    // Whole paths move, numbered anew in their new order: contiguity, numbering and join flags stay valid.
    std::vector<Entity> reordered;
    reordered.reserve(drawing.entities.size());
    for (size_t position = 0; position < order.size(); ++position) {
        const PathEnds& ends = paths[order[position]];
        for (int k = ends.first; k <= ends.last; ++k) {
            reordered.push_back(drawing.entities[k]);
            reordered.back().sequence = static_cast<int32_t>(position + 1);
        }
    }
    drawing.entities = std::move(reordered);
    drawing.pathCount = static_cast<int>(paths.size());
    drawing.modified = true;
    return true;
}
