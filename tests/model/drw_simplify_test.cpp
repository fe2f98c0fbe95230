// Tests of the drawing simplification: zero-length entities, short entities, flat arcs, merging lines and arcs,
// the progress fractions, and invariants and fixed path ends over random drawings.
#include "model/drw_simplify.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/drawing_builders.h"
#include "model/drawing_checks.h"
#include "model/drw.h"

namespace {

// Adds entities as one joined path numbered pathCount + 1 (their join flags and numbers are set here).
void AddPath(Drw& drw, std::vector<Entity> chain)
{
    const int path = drw.pathCount + 1;
    for (size_t i = 0; i < chain.size(); i++) {
        chain[i].sequence = path;
        chain[i].joinedPrev = i > 0;
        chain[i].joinedNext = i + 1 < chain.size();
        drw.AddEntity(chain[i]);
    }
    drw.pathCount = path;
}

// The end points of the drawing's entities, as (x1, y1, x2, y2).
std::vector<std::vector<double>> Ends(const Drw& drw)
{
    std::vector<std::vector<double>> ends;
    for (const Entity& e : drw.entities)
        ends.push_back({e.x1, e.y1, e.x2, e.y2});
    return ends;
}

// Two lines of length 100 from (0, 0) meeting at (100, 0), the second turned by angle (rad).
std::vector<Entity> Bend(double angle, double length = 100)
{
    return {MakeLine(0, 0, length, 0),
            MakeLine(length, 0, length + length * std::cos(angle), length * std::sin(angle))};
}

// The drawing with every line cut into two collinear halves at its midpoint.
Drw Fragmented(Drw drw)
{
    std::vector<Entity> pieces;
    for (const Entity& e : drw.entities) {
        if (e.isArc) {
            pieces.push_back(e);
            continue;
        }
        Entity first = e, second = e;
        first.x2 = second.x1 = (e.x1 + e.x2) / 2;
        first.y2 = second.y1 = (e.y1 + e.y2) / 2;
        first.joinedNext = second.joinedPrev = true;
        pieces.push_back(first);
        pieces.push_back(second);
    }
    drw.entities = pieces;
    return drw;
}

using Ends4 = std::vector<std::vector<double>>;

}  // namespace

TEST(DrwSimplify, ZeroLengthEntitiesAreRemovedKeepingPathsConsistent)
{
    Drw drw;
    AddPath(drw, {MakeLine(0, 0, 10, 0)});
    AddPath(drw, {MakeLine(5, 5, 5, 5)});                                                         // alone
    AddPath(drw, {MakeLine(0, 20, 10, 20), MakeLine(10, 20, 10, 20), MakeLine(10, 20, 10, 30)});  // inside
    AddPath(drw, {MakeLine(0, 40, 0, 40), MakeLine(0, 40, 10, 40)});                              // first
    AddPath(drw, {MakeLine(0, 50, 10, 50), MakeArc(10, 50, 10, 50, 10, 55, false)});              // last, a circle
    AddPath(drw, {MakeLine(7, 7, 7, 7), MakeLine(7, 7, 7, 7)});                                   // all of a path
    AddPath(drw, {MakeLine(0, 60, 10, 60)});
    drw.modified = false;

    EXPECT_EQ(drw.RemoveDegenerate(), 6);
    EXPECT_EQ(drw.pathCount, 5);
    EXPECT_EQ(
        Ends(drw),
        (Ends4{{0, 0, 10, 0}, {0, 20, 10, 20}, {10, 20, 10, 30}, {0, 40, 10, 40}, {0, 50, 10, 50}, {0, 60, 10, 60}}));
    EXPECT_EQ(drw.entities.back().sequence, 5);
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_TRUE(drw.modified);

    Drw clean = MakeDrawing({2, 1});
    EXPECT_EQ(clean.RemoveDegenerate(), 0);
    EXPECT_FALSE(clean.modified);
    EXPECT_TRUE(clean == MakeDrawing({2, 1}));
}

TEST(DrwSimplify, ShortEntitiesGiveTheirEndToANeighbour)
{
    Drw middle;
    AddPath(middle, {MakeLine(0, 0, 10, 0), MakeLine(10, 0, 10, 0.05), MakeLine(10, 0.05, 10, 10)});
    middle.SimplifyPath(1);
    EXPECT_EQ(Ends(middle), (Ends4{{0, 0, 10, 0.05}, {10, 0.05, 10, 10}}));
    EXPECT_TRUE(CheckInvariants(middle));

    Drw first;
    AddPath(first, {MakeLine(0, 0, 0.05, 0), MakeLine(0.05, 0, 0.05, 10)});
    first.SimplifyPath(1);
    EXPECT_EQ(Ends(first), (Ends4{{0, 0, 0.05, 10}}));
    EXPECT_TRUE(CheckInvariants(first));

    Drw last;
    AddPath(last, {MakeLine(0, 10, 0, 0), MakeLine(0, 0, 0.05, 0)});
    last.SimplifyPath(1);
    EXPECT_EQ(Ends(last), (Ends4{{0, 10, 0.05, 0}}));
    EXPECT_TRUE(CheckInvariants(last));

    // An arc that takes over an end is re-centred on the bisector of its new chord.
    Drw arc;
    AddPath(arc, {MakeArc(0, 0, 10, 0, 5, 0, true), MakeLine(10, 0, 10, 0.08)});
    arc.SimplifyPath(1);
    ASSERT_EQ(arc.entityCount(), 1);
    const Entity& a = arc.entities[0];
    EXPECT_EQ(a.y2, 0.08);
    EXPECT_NEAR(Distance(a.xc, a.yc, a.x1, a.y1), Distance(a.xc, a.yc, a.x2, a.y2), 1e-9);

    Drw single;
    AddPath(single, {MakeLine(0, 0, 0.05, 0)});
    single.SimplifyPath(1);
    EXPECT_EQ(single.entityCount(), 1);
}

TEST(DrwSimplify, OnlyTheExaminedEntitiesAreRemovedInOnePass)
{
    // After a removal the entity that moves into its place is not examined: of two short entities in a row only
    // the first goes.
    Drw drw;
    AddPath(drw, {MakeLine(0, 0, 10, 0), MakeLine(10, 0, 10, 0.05), MakeLine(10, 0.05, 10.05, 0.05),
                  MakeLine(10.05, 0.05, 10.05, 10)});
    drw.simplifyMinLength = SimplifyMinLength;
    drw.RemoveShortEntities(1);
    EXPECT_EQ(Ends(drw), (Ends4{{0, 0, 10, 0.05}, {10, 0.05, 10.05, 0.05}, {10.05, 0.05, 10.05, 10}}));
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(DrwSimplify, LinesMergeWhenTheyKeepTheirDirection)
{
    struct Case {
        const char* name;
        std::vector<Entity> path;
        int entitiesAfter;
    };
    const std::vector<Case> cases = {
        {"three collinear lines", {MakeLine(0, 0, 10, 0), MakeLine(10, 0, 20, 0), MakeLine(20, 0, 30, 0)}, 1},
        {"turn of 0.03 rad", Bend(0.03, 10), 2},
        {"turn of 0.01 rad, joint 0.05 mm off", Bend(0.01, 10), 1},
        {"turn of 0.01 rad, joint 0.5 mm off", Bend(0.01, 100), 2},
        {"turning back", {MakeLine(0, 0, 10, 0), MakeLine(10, 0, 5, 0)}, 2},
        {"lines around an arc",
         {MakeLine(0, 0, 10, 0), MakeArc(10, 0, 20, 0, 15, 0, true), MakeLine(20, 0, 30, 0), MakeLine(30, 0, 40, 0)},
         3},
    };
    for (const Case& c : cases) {
        Drw drw;
        AddPath(drw, c.path);
        drw.SimplifyPath(1);
        EXPECT_EQ(drw.entityCount(), c.entitiesAfter) << c.name;
        EXPECT_EQ(drw.entities.front().x1, c.path.front().x1) << c.name;
        EXPECT_EQ(drw.entities.back().x2, c.path.back().x2) << c.name;
        EXPECT_EQ(drw.entities.back().y2, c.path.back().y2) << c.name;
        EXPECT_TRUE(CheckInvariants(drw)) << c.name;
    }

    // The single step uses the tolerances as they stand (0 in a new drawing).
    Drw drw;
    AddPath(drw, Bend(0.01, 10));
    drw.modified = false;
    EXPECT_FALSE(drw.MergeLines(1));
    EXPECT_FALSE(drw.modified);
    drw.simplifyLineAngle = SimplifyLineAngle;
    drw.simplifyLineDeviation = SimplifyLineDeviation;
    EXPECT_TRUE(drw.MergeLines(1));
    EXPECT_EQ(drw.entityCount(), 1);
}

TEST(DrwSimplify, ArcsOfOneCircleMergeIntoHalves)
{
    Drw quarters;
    AddPath(quarters, {MakeArc(10, 0, 0, 10, 0, 0, false), MakeArc(0, 10, -10, 0, 0, 0, false)});
    quarters.SimplifyPath(1);
    ASSERT_EQ(quarters.entityCount(), 1);
    const Entity& half = quarters.entities[0];
    EXPECT_TRUE(half.isArc);
    EXPECT_EQ(half.x2, -10);
    EXPECT_NEAR(half.xc, 0, 1e-12);
    EXPECT_NEAR(half.yc, 0, 1e-12);
    EXPECT_NEAR(quarters.PathLength(1), 10 * M_PI, 1e-9);

    // A circle of four quarters becomes two halves, never one closed arc.
    Drw circle;
    AddPath(circle, {MakeArc(10, 0, 0, 10, 0, 0, false), MakeArc(0, 10, -10, 0, 0, 0, false),
                     MakeArc(-10, 0, 0, -10, 0, 0, false), MakeArc(0, -10, 10, 0, 0, 0, false)});
    circle.SimplifyPath(1);
    EXPECT_EQ(Ends(circle), (Ends4{{10, 0, -10, 0}, {-10, 0, 10, 0}}));
    EXPECT_NEAR(circle.PathLength(1), 20 * M_PI, 1e-9);
    EXPECT_TRUE(CheckInvariants(circle));

    // Arcs of opposite directions or with a kink at the joint stay apart.
    Drw opposite;
    AddPath(opposite, {MakeArc(10, 0, 0, 10, 0, 0, false), MakeArc(0, 10, -10, 20, 0, 20, true)});
    opposite.SimplifyPath(1);
    EXPECT_EQ(opposite.entityCount(), 2);
    Drw kink;
    AddPath(kink, {MakeArc(10, 0, 0, 10, 0, 0, false), MakeArc(0, 10, 0, 20, 0, 15, false)});
    kink.SimplifyPath(1);
    EXPECT_EQ(kink.entityCount(), 2);
}

TEST(DrwSimplify, HugeArcsBecomeLines)
{
    Drw drw;
    AddPath(drw, {MakeArc(0, 0, 1, 0, 0.5, -2e11, false)});
    AddPath(drw, {MakeArc(0, 10, 1, 10, 0.5, 10 - 5e10, false)});
    drw.Simplify();
    EXPECT_FALSE(drw.entities[0].isArc);
    EXPECT_EQ(Ends(drw)[0], (std::vector<double>{0, 0, 1, 0}));
    EXPECT_TRUE(drw.entities[1].isArc);
}

TEST(DrwSimplify, SimplifyReportsProgressAndSetsTheTolerances)
{
    Drw drw = MakeDrawing({2, 3, 1, 4});
    std::vector<double> fractions;
    drw.Simplify([&fractions](double f) { fractions.push_back(f); });
    EXPECT_EQ(fractions, (std::vector<double>{0.05, 0.25, 0.4375, 0.625, 0.8125, 1.0}));
    EXPECT_TRUE(drw.modified);
    EXPECT_EQ(drw.simplifyMinLength, 0.1);
    EXPECT_EQ(drw.simplifyMaxArcRadius, 1e11);
    EXPECT_EQ(drw.simplifyLineAngle, 0.02);
    EXPECT_EQ(drw.simplifyLineDeviation, 0.25);
    EXPECT_EQ(drw.simplifyArcAngle, 0.02);
    EXPECT_EQ(drw.simplifyArcDeviation, 0.25);

    Drw empty;
    empty.Simplify(nullptr);
    EXPECT_EQ(empty.entityCount(), 0);
    EXPECT_TRUE(empty.modified);
}

TEST(DrwSimplify, RandomDrawingsKeepTheirPathsAndInvariants)
{
    for (unsigned seed = 300; seed < 360; seed++) {
        const Drw original = RandomDrawing(seed);
        Drw drw = Fragmented(original);
        drw.Simplify();
        EXPECT_TRUE(SameDrawing(drw, original)) << "seed " << seed;
        EXPECT_EQ(drw.pathCount, original.pathCount);
        ASSERT_TRUE(CheckInvariants(drw)) << "seed " << seed;
        for (int path = 1; path <= drw.pathCount; path++) {
            int f0 = 0, l0 = 0, f1 = 0, l1 = 0;
            original.PathRange(path, f0, l0);
            drw.PathRange(path, f1, l1);
            EXPECT_EQ(drw.entities[f1].x1, original.entities[f0].x1);
            EXPECT_EQ(drw.entities[l1].y2, original.entities[l0].y2);
        }

        // The whole-drawing run gives what the per-path step gives path by path.
        Drw stepwise = Fragmented(original);
        stepwise.RemoveDegenerate();
        for (int path = 1; path <= stepwise.pathCount; path++)
            stepwise.SimplifyPath(path);
        EXPECT_TRUE(SameDrawing(drw, stepwise)) << "seed " << seed;
    }
}
