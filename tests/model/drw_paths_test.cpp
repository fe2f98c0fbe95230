// Tests of the path structure operations: reversing chains and paths, exploding, closedness and length, moving a
// closed path's start point and moving a path in the machining order.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/message_recorder.h"
#include "model/drawing_builders.h"
#include "model/drawing_checks.h"
#include "model/drw.h"

namespace {

// The original path number of every path in storage order, for drawings from MakeDrawing (path k's first entity
// starts at y = 10 k).
std::vector<int> OriginalOrder(const Drw& drw)
{
    std::vector<int> order;
    for (int path = 1; path <= drw.pathCount; path++) {
        int first = 0, last = 0;
        drw.PathRange(path, first, last);
        order.push_back(static_cast<int>(std::lround(drw.entities[first].y1 / 10.0)));
    }
    return order;
}

// A closed square of four lines from (0, 0) counter-clockwise, side 10, as path 1.
Drw SquareDrawing()
{
    Drw drw;
    AddChainPath(drw, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    drw.modified = false;
    return drw;
}

// The drawing after the removal of path from and its insertion again as path to.
Drw DeleteThenInsert(Drw drw, int from, int to)
{
    int first = 0, last = 0;
    drw.PathRange(from, first, last);
    std::vector<Entity> items(drw.entities.begin() + first, drw.entities.begin() + last + 1);
    for (Entity& e : items)
        e.sequence = to;
    drw.DeletePath(from);
    drw.InsertPath(items.data(), static_cast<int>(items.size()));
    return drw;
}

}  // namespace

TEST(DrwPaths, ReverseChainTurnsTheChainRoundAndReturnsTheNewIndex)
{
    Drw drw;
    AddChainPath(drw, {{0, 0}, {1, 0}});
    std::vector<Entity> chain = MakeChain({{0, 0}, {10, 0}, {10, 10}}, 2);
    chain.push_back(MakeArc(10, 10, 0, 10, 5, 10, false, 2));
    chain[1].joinedNext = chain[2].joinedPrev = true;
    for (int i = 0; i < 3; i++)
        chain[i].z1 = i + 1;  // z stays with the slot
    for (const Entity& e : chain)
        drw.AddEntity(e);
    drw.pathCount = 2;

    EXPECT_EQ(drw.ReverseChain(1), 3);
    EXPECT_EQ(drw.ReverseChain(3), 1);  // and back
    EXPECT_EQ(drw.ReverseChain(2), 2);  // the middle entity stays

    const Entity& arc = drw.entities[1];
    EXPECT_TRUE(arc.isArc);
    EXPECT_TRUE(arc.clockwise);
    EXPECT_EQ(arc.x1, 0);
    EXPECT_EQ(arc.x2, 10);
    EXPECT_EQ(arc.xc, 5);
    EXPECT_EQ(arc.z1, 1);
    EXPECT_FALSE(arc.joinedPrev);
    EXPECT_EQ(drw.entities[2].x1, 10);
    EXPECT_EQ(drw.entities[2].y1, 10);
    EXPECT_EQ(drw.entities[3].x2, 0);
    EXPECT_EQ(drw.entities[3].y2, 0);
    EXPECT_FALSE(drw.entities[3].joinedNext);
    EXPECT_EQ(drw.entities[0].x2, 1);  // the other path is untouched
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_TRUE(drw.modified);

    const Drw before = drw;
    EXPECT_EQ(drw.ReverseChain(4), -1);
    drw.ReverseEntity(-1);
    drw.SwapEntities(0, 4);
    drw.ReversePath(3);
    EXPECT_TRUE(drw == before);
}

TEST(DrwPaths, ReversePathTwiceGivesBackEveryDrawing)
{
    for (unsigned seed = 1; seed <= 30; seed++) {
        const Drw original = RandomDrawing(seed);
        Drw drw = original;
        for (int path = 1; path <= drw.pathCount; path++) {
            drw.ReversePath(path);
            ASSERT_TRUE(CheckInvariants(drw)) << "seed " << seed << " path " << path;
            int first = 0, last = 0;
            original.PathRange(path, first, last);
            EXPECT_EQ(drw.entities[first].x1, original.entities[last].x2);
            drw.ReversePath(path);
        }
        drw.modified = false;
        EXPECT_TRUE(SameDrawing(drw, original)) << "seed " << seed;
    }
}

TEST(DrwPaths, ExplodePathsNumbersTheSingleEntitiesInStorageOrder)
{
    Drw all = MakeDrawing({1, 3, 2});
    EXPECT_EQ(all.ExplodePaths(-1), 2);
    EXPECT_EQ(all.pathCount, 6);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(all.entities[i].sequence, i + 1);
    EXPECT_TRUE(CheckInvariants(all));

    Drw one = MakeDrawing({2, 3, 2});
    EXPECT_EQ(one.ExplodePaths(2), 1);
    EXPECT_EQ(one.pathCount, 5);
    const std::vector<int> expected = {1, 1, 2, 3, 4, 5, 5};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(one.entities[i].sequence, expected[i]) << i;
    EXPECT_TRUE(CheckInvariants(one));

    Drw singles = MakeDrawing({1, 1});
    EXPECT_EQ(singles.ExplodePaths(-1), 0);
    EXPECT_FALSE(singles.modified);
}

TEST(DrwPaths, IsPathClosedAndPathLength)
{
    Drw drw = SquareDrawing();
    AddChainPath(drw, {{0, 20}, {10, 20}, {10, 30}});
    AddChainPath(drw, {{0, 40}, {10, 40}, {0, 40 + 5e-9}});
    AddChainPath(drw, {{0, 50}, {10, 50}, {0, 50 + 2e-8}});
    drw.AddEntity(MakeArc(20, 0, 0, 20, 0, 0, false, 5));  // a quarter arc of radius 20
    drw.pathCount = 5;

    EXPECT_TRUE(drw.IsPathClosed(1));
    EXPECT_FALSE(drw.IsPathClosed(2));
    EXPECT_TRUE(drw.IsPathClosed(3));
    EXPECT_FALSE(drw.IsPathClosed(4));
    EXPECT_FALSE(drw.IsPathClosed(6));  // no such path
    EXPECT_DOUBLE_EQ(drw.PathLength(1), 40.0);
    EXPECT_DOUBLE_EQ(drw.PathLength(5), 10 * M_PI);
    EXPECT_EQ(drw.PathLength(6), 0.0);
}

TEST(DrwPaths, SetStartPointSplitsTheEntityOfAClosedSquare)
{
    Drw drw = SquareDrawing();
    AddChainPath(drw, {{50, 0}, {60, 0}});
    ASSERT_TRUE(drw.SetStartPoint(1, 2, 5, 10));  // middle of the third side, (10,10)-(0,10)

    ASSERT_EQ(drw.entityCount(), 6);
    EXPECT_EQ(drw.pathCount, 2);
    const std::vector<std::vector<double>> expected = {
        {5, 10, 0, 10}, {0, 10, 0, 0}, {0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 5, 10}};
    for (int i = 0; i < 5; i++) {
        const Entity& e = drw.entities[i];
        EXPECT_EQ((std::vector<double>{e.x1, e.y1, e.x2, e.y2}), expected[i]) << i;
        EXPECT_EQ(e.sequence, 1);
    }
    EXPECT_EQ(drw.entities[5].x1, 50);
    EXPECT_TRUE(drw.IsPathClosed(1));
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_TRUE(drw.modified);
}

TEST(DrwPaths, SetStartPointOnTheFirstOrLastEntityOrAnArc)
{
    Drw first = SquareDrawing();
    ASSERT_TRUE(first.SetStartPoint(1, 0, 4, 0));
    EXPECT_EQ(first.entityCount(), 5);
    EXPECT_EQ(first.entities[0].x1, 4);
    EXPECT_EQ(first.entities[4].x1, 0);
    EXPECT_EQ(first.entities[4].x2, 4);
    EXPECT_TRUE(CheckInvariants(first));

    Drw last = SquareDrawing();
    ASSERT_TRUE(last.SetStartPoint(1, 3, 0, 4));
    EXPECT_EQ(last.entities[0].y1, 4);
    EXPECT_EQ(last.entities[0].y2, 0);
    EXPECT_EQ(last.entities[4].y2, 4);
    EXPECT_TRUE(CheckInvariants(last));

    // A full circle in one arc: both parts keep the centre and the direction.
    Drw circle;
    circle.AddEntity(MakeArc(10, 0, 10, 0, 0, 0, true, 1));
    circle.pathCount = 1;
    ASSERT_TRUE(circle.SetStartPoint(1, 0, 0, -10));
    ASSERT_EQ(circle.entityCount(), 2);
    for (const Entity& e : circle.entities) {
        EXPECT_TRUE(e.isArc && e.clockwise);
        EXPECT_EQ(e.xc, 0);
        EXPECT_EQ(e.yc, 0);
    }
    EXPECT_EQ(circle.entities[0].y1, -10);
    EXPECT_EQ(circle.entities[1].x1, 10);
    EXPECT_NEAR(circle.PathLength(1), 20 * M_PI, 1e-9);
    EXPECT_TRUE(CheckInvariants(circle));
}

TEST(DrwPaths, SetStartPointAtAVertexOnlyRotatesThePath)
{
    // Splitting at an end point would leave a zero-length part; for an arc that part would be a full circle.
    Drw drw;
    drw.AddEntity(MakeArc(10, 0, -10, 0, 0, 0, false, 1));
    drw.AddEntity(MakeArc(-10, 0, 10, 0, 0, 0, false, 1));
    drw.entities[0].joinedNext = drw.entities[1].joinedPrev = true;
    drw.pathCount = 1;
    ASSERT_TRUE(drw.SetStartPoint(1, 0, -10, 0));  // the end of entity 0

    ASSERT_EQ(drw.entityCount(), 2);
    EXPECT_EQ(drw.entities[0].x1, -10);
    EXPECT_EQ(drw.entities[1].x1, 10);
    EXPECT_NEAR(drw.PathLength(1), 20 * M_PI, 1e-9);
    EXPECT_TRUE(CheckInvariants(drw));

    Drw square = SquareDrawing();
    ASSERT_TRUE(square.SetStartPoint(1, 2, 10, 10));  // the start of entity 2
    EXPECT_EQ(square.entityCount(), 4);
    EXPECT_EQ(square.entities[0].x1, 10);
    EXPECT_EQ(square.entities[0].y1, 10);
    EXPECT_TRUE(CheckInvariants(square));
}

TEST(DrwPaths, SetStartPointRefusals)
{
    MessageRecorder recorder;
    Drw open = MakeDrawing({3});
    EXPECT_FALSE(open.SetStartPoint(1, 1, 1.5, 10.5));
    EXPECT_FALSE(open.modified);

    Drw square = SquareDrawing();
    AddChainPath(square, {{50, 0}, {60, 0}});
    EXPECT_FALSE(square.SetStartPoint(1, 4, 55, 0));  // entity of another path
    EXPECT_EQ(square.entityCount(), 5);
    EXPECT_EQ(recorder.Count(), 0u);

    // A full drawing: the split would need a slot that is not there.
    Drw full = SquareDrawing();
    AddSingleLinePaths(full, MaxEntities - 4);
    full.modified = false;
    const Drw before = full;
    EXPECT_FALSE(full.SetStartPoint(1, 2, 5, 10));
    EXPECT_TRUE(full == before);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, "DRW006: Raggiunto il numero limite di entità di un disegno (40000)");
    EXPECT_EQ(recorder.Messages()[0].style, 8240);
}

TEST(DrwPaths, MovePathPutsThePathAtItsNewNumber)
{
    Drw later = MakeDrawing({1, 2, 3, 1, 2});
    ASSERT_TRUE(later.MovePath(2, 4));
    EXPECT_EQ(OriginalOrder(later), (std::vector<int>{1, 3, 4, 2, 5}));
    EXPECT_TRUE(CheckInvariants(later));
    EXPECT_TRUE(later.modified);

    Drw earlier = MakeDrawing({1, 2, 3, 1, 2});
    ASSERT_TRUE(earlier.MovePath(4, 2));
    EXPECT_EQ(OriginalOrder(earlier), (std::vector<int>{1, 4, 2, 3, 5}));
    EXPECT_TRUE(CheckInvariants(earlier));

    Drw same = MakeDrawing({1, 2, 3});
    EXPECT_FALSE(same.MovePath(3, 3));
    EXPECT_FALSE(same.MovePath(0, 2));
    EXPECT_FALSE(same.MovePath(1, 4));
    EXPECT_FALSE(same.modified);
}

TEST(DrwPaths, MovePathGivesTheResultOfDeleteThenInsert)
{
    std::mt19937 random(7);
    for (unsigned seed = 1; seed <= 40; seed++) {
        const Drw drw = RandomDrawing(seed);
        std::uniform_int_distribution<int> pick(1, drw.pathCount);
        const int from = pick(random), to = pick(random);
        if (from == to)
            continue;
        Drw moved = drw;
        ASSERT_TRUE(moved.MovePath(from, to));
        EXPECT_TRUE(SameDrawing(moved, DeleteThenInsert(drw, from, to))) << "seed " << seed;
        EXPECT_TRUE(CheckInvariants(moved));
    }
}

TEST(DrwPaths, MovePathNeverLosesAPath)
{
    MessageRecorder recorder;
    // A path whose entities lie on two layers (as a polyline import can make).
    Drw mixed = MakeDrawing({1, 2, 1});
    mixed.entities[2].layer = "other";
    mixed.AddLayer("other");
    ASSERT_TRUE(mixed.MovePath(2, 3));
    EXPECT_EQ(OriginalOrder(mixed), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(mixed.entityCount(), 4);
    EXPECT_EQ(mixed.entities[3].layer, "other");
    EXPECT_TRUE(CheckInvariants(mixed));

    // A drawing that once refused an entity still moves its paths.
    Drw limited = MakeDrawing({2, 1});
    limited.limitReached = true;
    ASSERT_TRUE(limited.MovePath(1, 2));
    EXPECT_EQ(OriginalOrder(limited), (std::vector<int>{2, 1}));
    EXPECT_EQ(limited.entityCount(), 3);
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(DrwPaths, StructureOperationsKeepTheInvariantsOfRandomDrawings)
{
    for (unsigned seed = 100; seed < 140; seed++) {
        Drw drw = RandomDrawing(seed);
        std::mt19937 random(seed);
        for (int step = 0; step < 12; step++) {
            std::uniform_int_distribution<int> path(1, drw.pathCount);
            switch (step % 4) {
            case 0: drw.ReversePath(path(random)); break;
            case 1: drw.MovePath(path(random), path(random)); break;
            case 2: drw.ExplodePaths(step == 10 ? -1 : path(random)); break;
            default: {
                int first = 0, last = 0;
                const int p = path(random);
                drw.PathRange(p, first, last);
                drw.ReverseChain(first + (last - first) / 2);
            }
            }
            ASSERT_TRUE(CheckInvariants(drw)) << "seed " << seed << " step " << step;
        }
    }
}
