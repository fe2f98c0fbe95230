// Tests of picking paths: the rectangle pick in list and single mode, and the point pick with its 7 mm reach.
#include <gtest/gtest.h>

#include <vector>

#include "model/drawing_builders.h"
#include "model/drw.h"

namespace {

// A circle of radius r about (cx, cy) as four counter-clockwise quarter arcs, added as a new last path.
void AddCircle(Drw& drw, double cx, double cy, double r)
{
    const int path = drw.pathCount + 1;
    const double xs[5] = {cx + r, cx, cx - r, cx, cx + r};
    const double ys[5] = {cy, cy + r, cy, cy - r, cy};
    for (int q = 0; q < 4; q++) {
        Entity arc = MakeArc(xs[q], ys[q], xs[q + 1], ys[q + 1], cx, cy, false, path);
        arc.joinedPrev = q > 0;
        arc.joinedNext = q < 3;
        drw.AddEntity(arc);
    }
    drw.pathCount = path;
}

}  // namespace

TEST(DrwPick, PickPathAtReachesSevenMillimetres)
{
    Drw drw;
    AddChainPath(drw, {{0, 0}, {100, 0}});
    int path = 0, entity = 0;
    double nx = 0, ny = 0;
    EXPECT_TRUE(drw.PickPathAt(50, 6, path, entity, &nx, &ny));
    EXPECT_EQ(path, 1);
    EXPECT_EQ(entity, 0);
    EXPECT_NEAR(nx, 50, 1e-9);
    EXPECT_NEAR(ny, 0, 1e-9);

    EXPECT_FALSE(drw.PickPathAt(50, 8, path, entity));
    EXPECT_EQ(path, -1);
    EXPECT_EQ(entity, -1);
}

TEST(DrwPick, TheInsideOfALargeCircleIsNotThePath)
{
    Drw drw;
    AddCircle(drw, 0, 0, 100);
    std::vector<int> paths;
    drw.PickPaths(-5, -5, 5, 5, paths, nullptr, false);
    EXPECT_TRUE(paths.empty());

    int path = 0, entity = 0;
    double nx = 0, ny = 0;
    ASSERT_TRUE(drw.PickPathAt(0, 97, path, entity, &nx, &ny));
    EXPECT_EQ(entity, 0);  // the first quarter, nearer by more than Epsilon is needed to replace it
    EXPECT_NEAR(ny, 100, 1e-9);
    EXPECT_TRUE(drw.PickPathAt(-97, 0, path, entity));
    EXPECT_EQ(entity, 1);
}

TEST(DrwPick, SingleModeKeepsTheNearestPath)
{
    Drw drw;
    AddChainPath(drw, {{-10, 3}, {10, 3}});
    AddChainPath(drw, {{-10, -1}, {10, -1}});
    AddChainPath(drw, {{-10, 1}, {10, 1}});
    std::vector<int> paths;
    std::vector<int> entities;
    drw.PickPaths(-5, -5, 5, 5, paths, &entities, true);
    EXPECT_EQ(paths, (std::vector<int>{2}));  // 2 and 3 are equally near: the lower number stays
    EXPECT_EQ(entities, (std::vector<int>{1}));
}

TEST(DrwPick, ListModeAppendsNewPathsWithTheirNearestEntity)
{
    Drw drw;
    AddChainPath(drw, {{-10, 2}, {-1, 2}, {10, 2}, {10, 20}});
    AddChainPath(drw, {{50, 50}, {60, 50}});
    AddChainPath(drw, {{-10, -2}, {10, -2}});
    AddChainPath(drw, {{2, -10}, {2, 10}});
    std::vector<int> paths = {4};
    std::vector<int> entities = {99};
    drw.PickPaths(-5, -5, 5, 5, paths, &entities, false);
    EXPECT_EQ(paths, (std::vector<int>{4, 1, 3}));
    EXPECT_EQ(entities, (std::vector<int>{99, 1, 4}));

    std::vector<int> none;
    drw.PickPaths(100, 100, 110, 110, none, nullptr, false);
    EXPECT_TRUE(none.empty());
}
