// Picking paths with the mouse: the paths whose nearest point to a small rectangle's centre lies inside it, and
// the single nearest path around a point.
#include <unordered_set>
#include <vector>

#include "model/drw.h"

namespace {

// Half the side of the square that PickPathAt searches (mm).
constexpr double PickPointReach = 7.0;

struct PickRect {
    double left, bottom, right, top;
};

// True when the box [minX, maxX] x [minY, maxY] reaches the rectangle (within Epsilon).
bool BoxTouches(const PickRect& r, double minX, double minY, double maxX, double maxY)
{
    return !(IsGreater(minX, r.right) || IsLess(maxX, r.left) || IsGreater(minY, r.top) || IsLess(maxY, r.bottom));
}

// True when the segment from the rectangle's centre c to q crosses none of its sides, that is when q lies inside.
bool InsideRect(const PickRect& r, double cx, double cy, double qx, double qy)
{
    const double corners[5][2] = {
        {r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    double x[2];
    double y[2];
    int crossings = 0;
    for (int side = 0; side < 4; side++)
        crossings += IntersectSegments(cx, cy, qx, qy, corners[side][0], corners[side][1], corners[side + 1][0],
                                       corners[side + 1][1], x, y);
    return crossings == 0;
}

}  // namespace

void Drw::PickPaths(double left, double bottom, double right, double top, std::vector<int>& paths,
                    std::vector<int>* nearestEntities, bool single) const
{
    const PickRect rect{left, bottom, right, top};
    const double cx = (left + right) / 2;
    const double cy = (bottom + top) / 2;
    double best = LargestDouble;
    // The numbers now in paths, looked up in one step: a window over the whole drawing finds every path.
    std::unordered_set<int> listed(paths.begin(), paths.end());
    // Paths are stored in increasing number, so one walk over the entities visits them in that order.
    for (int first = 0; first < entityCount();) {
        const int path = entities[first].sequence;
        int last = first;
        while (last + 1 < entityCount() && entities[last + 1].sequence == path)
            last++;
        const int next = last + 1;
        if (listed.count(path) != 0) {
            first = next;
            continue;
        }
        double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
        GetExtents(first, last, path, "", minX, minY, maxX, maxY);
        if (!BoxTouches(rect, minX, minY, maxX, maxY)) {
            first = next;
            continue;
        }
        int nearest = first;
        double distance = LargestDouble;
        double qx = 0.0, qy = 0.0;
        for (int i = first; i <= last; i++) {
            double nx = 0.0, ny = 0.0;
            const double d = DistanceToEntity(cx, cy, entities[i].Geometry(), &nx, &ny);
            if (i == first || IsLess(d, distance)) {
                nearest = i;
                distance = d;
                qx = nx;
                qy = ny;
            }
        }
        if (InsideRect(rect, cx, cy, qx, qy)) {
            if (!single) {
                paths.push_back(path);
                listed.insert(path);
                if (nearestEntities != nullptr)
                    nearestEntities->push_back(nearest);
            } else if (IsLess(distance, best)) {
                best = distance;
                paths.assign(1, path);
                listed = {path};
                if (nearestEntities != nullptr)
                    nearestEntities->assign(1, nearest);
            }
        }
        first = next;
    }
}

bool Drw::PickPathAt(double x, double y, int& path, int& entity, double* nearestX, double* nearestY) const
{
    std::vector<int> paths;
    std::vector<int> nearest;
    PickPaths(x - PickPointReach, y - PickPointReach, x + PickPointReach, y + PickPointReach, paths, &nearest, true);
    if (paths.empty()) {
        path = entity = -1;
        return false;
    }
    path = paths[0];
    entity = nearest[0];
    DistanceToEntity(x, y, entities[entity].Geometry(), nearestX, nearestY);
    return true;
}
