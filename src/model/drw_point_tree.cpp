// The 2-d tree of drw_point_tree.h: the points sorted in place around medians down to small buckets, searched with
// the distance to each splitting line as the bound of the far side. A far side only as far as the best found is not
// searched, so that points on one spot cost a descent, not a visit of every point.
#include "model/drw_point_tree.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr int Bucket = 8;  // ranges this short are read point by point

double Squared(double x, double y, const PointTree::Point& p)
{
    return (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y);
}

}  // namespace

PointTree::PointTree(std::vector<Point> given) : points(std::move(given))
{
    const int n = static_cast<int>(points.size());
    splitY.assign(n, 0);
    left.assign(n, 0);
    taken.assign(n, 0);
    Build(0, n);
    int largestId = -1;
    for (const Point& p : points)
        largestId = std::max(largestId, p.id);
    place.assign(static_cast<size_t>(largestId + 1), -1);
    for (int at = 0; at < n; at++)
        place[points[at].id] = at;
}

void PointTree::Build(int lo, int hi)
{
    const int mid = lo + (hi - lo) / 2;
    if (hi - lo <= Bucket) {
        if (lo < hi)
            left[mid] = hi - lo;
        return;
    }
    left[mid] = hi - lo;
    double minX = points[lo].x, maxX = minX, minY = points[lo].y, maxY = minY;
    for (int at = lo + 1; at < hi; at++) {
        minX = std::min(minX, points[at].x);
        maxX = std::max(maxX, points[at].x);
        minY = std::min(minY, points[at].y);
        maxY = std::max(maxY, points[at].y);
    }
    const bool onY = maxY - minY > maxX - minX;
    splitY[mid] = onY ? 1 : 0;
    std::nth_element(points.begin() + lo, points.begin() + mid, points.begin() + hi,
                     [onY](const Point& a, const Point& b) {
                         const double va = onY ? a.y : a.x, vb = onY ? b.y : b.x;
                         return va < vb || (va == vb && a.id < b.id);
                     });
    Build(lo, mid);
    Build(mid + 1, hi);
}

bool PointTree::Before(const Found& a, const Found& b)
{
    return a.squared < b.squared || (a.squared == b.squared && a.id < b.id);
}

void PointTree::Nearest(double x, double y, int k, std::vector<int>& ids) const
{
    Search nearest{{}, 0, std::clamp(k, 0, MaxNearest)};
    if (nearest.wanted > 0)
        SearchK(0, static_cast<int>(points.size()), x, y, nearest);
    ids.clear();
    for (int c = 0; c < nearest.count; c++)
        ids.push_back(nearest.best[c].id);
}

void PointTree::SearchK(int lo, int hi, double x, double y, Search& nearest) const
{
    const auto consider = [&](const Point& p) {
        const Found here{Squared(x, y, p), p.id};
        if (nearest.count == nearest.wanted && !Before(here, nearest.best[nearest.count - 1]))
            return;
        int at = nearest.count < nearest.wanted ? nearest.count++ : nearest.count - 1;
        for (; at > 0 && Before(here, nearest.best[at - 1]); at--)
            nearest.best[at] = nearest.best[at - 1];
        nearest.best[at] = here;
    };
    if (hi - lo <= Bucket) {
        for (int at = lo; at < hi; at++)
            consider(points[at]);
        return;
    }
    const int mid = lo + (hi - lo) / 2;
    consider(points[mid]);
    const double across = splitY[mid] ? y - points[mid].y : x - points[mid].x;
    const bool lowFirst = across < 0;
    SearchK(lowFirst ? lo : mid + 1, lowFirst ? mid : hi, x, y, nearest);
    if (nearest.count < nearest.wanted || across * across < nearest.best[nearest.count - 1].squared)
        SearchK(lowFirst ? mid + 1 : lo, lowFirst ? hi : mid, x, y, nearest);
}

int PointTree::NearestLeft(double x, double y) const
{
    Found best{std::numeric_limits<double>::infinity(), -1};
    SearchLeft(0, static_cast<int>(points.size()), x, y, best);
    return best.id;
}

void PointTree::SearchLeft(int lo, int hi, double x, double y, Found& best) const
{
    const int mid = lo + (hi - lo) / 2;
    if (lo >= hi || left[mid] == 0)
        return;
    const auto consider = [&](int at) {
        const Found here{Squared(x, y, points[at]), points[at].id};
        if (!taken[at] && (best.id < 0 || Before(here, best)))
            best = here;
    };
    if (hi - lo <= Bucket) {
        for (int at = lo; at < hi; at++)
            consider(at);
        return;
    }
    consider(mid);
    const double across = splitY[mid] ? y - points[mid].y : x - points[mid].x;
    const bool lowFirst = across < 0;
    SearchLeft(lowFirst ? lo : mid + 1, lowFirst ? mid : hi, x, y, best);
    if (best.id < 0 || across * across < best.squared)
        SearchLeft(lowFirst ? mid + 1 : lo, lowFirst ? hi : mid, x, y, best);
}

void PointTree::Remove(int id)
{
    if (id < 0 || id >= static_cast<int>(place.size()) || place[id] < 0 || taken[place[id]])
        return;
    const int at = place[id];
    taken[at] = 1;
    int lo = 0, hi = static_cast<int>(points.size());
    for (;;) {
        const int mid = lo + (hi - lo) / 2;
        left[mid]--;
        if (mid == at || hi - lo <= Bucket)
            return;
        if (at < mid)
            hi = mid;
        else
            lo = mid + 1;
    }
}
