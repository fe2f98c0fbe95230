// A 2-d tree over points (mm) for the automatic path order: the k points nearest to a place, and the nearest point
// not yet taken away. The path ends' grid of AutoJoin (drw_end_grid.h) answers "which ends lie within a tolerance",
// a fixed radius; these questions have no radius known in advance, and a tree answers them at any density (all
// points on one spot, or one point far from the rest) in logarithmic time.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class PointTree {
public:
    // A point and the caller's number for it. Coordinates must be finite.
    struct Point {
        double x, y;
        int id;
    };

    // Arranges the points as a balanced tree, each subtree split at the median of its wider axis. The same points
    // in the same order give the same tree, and so the same answers.
    explicit PointTree(std::vector<Point> points);

    static constexpr int MaxNearest = 32;  // most points one Nearest call returns

    // The ids of k points nearest to (x, y) (at most MaxNearest, fewer when the tree holds fewer), nearest first, the
    // lower id first among equally near ones found. Of points as near as the k-th, which ones are found depends only on
    // the tree. Points taken away by Remove count too.
    void Nearest(double x, double y, int k, std::vector<int>& ids) const;
    // The id of a nearest point not taken away (of equally near ones, the one the tree finds first); -1 when none
    // is left.
    int NearestLeft(double x, double y) const;
    // Takes the point with this id away from NearestLeft; an id not in the tree or already taken is ignored.
    void Remove(int id);

private:
    // One candidate of a search: squared distance and id.
    struct Found {
        double squared;
        int id;
    };

    // The nearest found so far, nearest first.
    struct Search {
        std::array<Found, MaxNearest> best;
        int count, wanted;
    };

    void Build(int lo, int hi);
    void SearchK(int lo, int hi, double x, double y, Search& nearest) const;
    void SearchLeft(int lo, int hi, double x, double y, Found& best) const;

    static bool Before(const Found& a, const Found& b);

    // In tree order: a range [lo, hi) longer than a bucket has its root at lo + (hi - lo) / 2, the points below it
    // on the split axis before it, the others after it.
    std::vector<Point> points;
    std::vector<uint8_t> splitY;  // per root: its range is split on y (else on x)
    std::vector<int> left;        // per root and per bucket (at its middle): points of the range not taken away
    std::vector<uint8_t> taken;   // per place: the point was taken away
    std::vector<int> place;       // id -> place in points, -1 for ids not in the tree
};
