// Tests of the automatic order of the paths: what it may change and what it keeps, on every kind of drawing, and how
// short the order it finds is.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/drawing_builders.h"
#include "model/drawing_checks.h"
#include "model/drw.h"
#include "model/reference_ops.h"

namespace {

// The paths of a drawing in storage order, their sequence numbers cleared.
std::vector<std::vector<Entity>> PathsOf(const Drw& drw)
{
    std::vector<std::vector<Entity>> paths;
    for (size_t i = 0; i < drw.entities.size(); i++) {
        if (i == 0 || drw.entities[i].sequence != drw.entities[i - 1].sequence)
            paths.emplace_back();
        paths.back().push_back(drw.entities[i]);
        paths.back().back().sequence = 0;
    }
    return paths;
}

// The path as ReversePath leaves it.
std::vector<Entity> Reversed(const std::vector<Entity>& path)
{
    Drw drw;
    for (Entity e : path) {
        e.sequence = 1;
        drw.entities.push_back(e);
    }
    drw.pathCount = 1;
    drw.ReversePath(1);
    return PathsOf(drw).front();
}

bool IsClosed(const std::vector<Entity>& path)
{
    return IsZero(Distance(path.front().x1, path.front().y1, path.back().x2, path.back().y2));
}

// What OptimiseOrder promises, on a copy of the given drawing: unchanged when it says so; otherwise less travel, the
// invariants, the first path first and as it was, and every path given once, as it was or (an open path after the
// first, when directions are free) run the other way; and the same result on every call.
void ExpectOrderedAsPromised(const Drw& given, bool keepDirections)
{
    Drw ordered = given;
    const bool changed = ordered.OptimiseOrder(keepDirections);
    Drw again = given;
    EXPECT_EQ(again.OptimiseOrder(keepDirections), changed);
    EXPECT_EQ(again, ordered);
    if (!changed) {
        EXPECT_EQ(ordered, given);
        return;
    }
    EXPECT_TRUE(ordered.modified);
    EXPECT_TRUE(CheckInvariants(ordered));
    EXPECT_LT(ordered.RapidTravel(), given.RapidTravel());
    const std::vector<std::vector<Entity>> before = PathsOf(given), after = PathsOf(ordered);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.front(), before.front());
    std::vector<bool> used(before.size(), false);
    for (size_t k = 0; k < after.size(); k++) {
        bool found = false;
        for (size_t b = 0; b < before.size() && !found; b++) {
            const bool mayTurn = !keepDirections && b > 0 && !IsClosed(before[b]);
            found = !used[b] && (after[k] == before[b] || (mayTurn && after[k] == Reversed(before[b])));
            used[b] = used[b] || found;
        }
        EXPECT_TRUE(found) << "path " << k + 1 << " of the result is no path given";
    }
}

// Single-line paths, numbered in the order given.
Drw Lines(const std::vector<std::vector<double>>& lines)
{
    Drw drw;
    for (const std::vector<double>& l : lines)
        drw.AddLine(l[0], l[1], l[2], l[3], "0", ++drw.pathCount, false, false);
    drw.modified = false;
    return drw;
}

// Closed squares of 10 mm and open zigzags on three layers, in no good order.
Drw ClosedAndOpenOnLayers()
{
    Drw drw;
    const char* layers[] = {"0", "taglio", "Cucitura"};
    for (int k = 0; k < 12; k++) {
        const double x = (k * 37) % 100, y = (k * 53) % 100;
        if (k % 3 == 0)
            AddChainPath(drw, {{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}, {x, y}}, layers[k % 3]);
        else
            AddChainPath(drw, {{x, y}, {x + 3, y + 4}, {x + 6, y}, {x + 9, y + 4}}, layers[k % 3]);
    }
    drw.modified = false;
    return drw;
}

// Single lines whose ends meet others' ends.
Drw CoincidingEnds()
{
    return Lines({{0, 0, 10, 0}, {20, 0, 10, 0}, {20, 0, 30, 0}, {0, 0, 0, 10}, {30, 0, 0, 10}});
}

// Path numbers 2 and 4 without entities, as a DXF import can leave them.
Drw WithUnusedNumbers()
{
    Drw drw = Lines({{0, 0, 1, 0}, {50, 0, 51, 0}, {2, 0, 3, 0}});
    drw.entities[1].sequence = 3;
    drw.entities[2].sequence = 5;
    drw.pathCount = 5;
    return drw;
}

// count single lines of 1 to 100 mm scattered over a 500 x 500 mm sheet.
Drw ScatteredLines(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> at(0.0, 500.0), length(1.0, 100.0), angle(0.0, 2 * Pi);
    Drw drw;
    for (int k = 0; k < count; k++) {
        const double x = at(random), y = at(random), l = length(random), a = angle(random);
        drw.AddLine(x, y, x + l * std::cos(a), y + l * std::sin(a), "0", ++drw.pathCount, false, false);
    }
    drw.modified = false;
    return drw;
}

TEST(DrwOrder, KeepsThePathsAndTheInvariantsOnEveryKindOfDrawing)
{
    struct Case {
        std::string name;
        Drw drw;
    };
    std::vector<Case> cases = {
        {"empty", Drw()},
        {"one path", MakeDrawing({3})},
        {"two paths, the second better run backwards", Lines({{0, 0, 10, 0}, {30, 0, 12, 0}})},
        {"closed and open paths of many entities on layers", ClosedAndOpenOnLayers()},
        {"coinciding ends", CoincidingEnds()},
        {"numbers without entities", WithUnusedNumbers()},
        {"400 scattered lines", ScatteredLines(400, 7)},
    };
    for (unsigned seed = 1; seed <= 20; seed++)
        cases.push_back({"random drawing " + std::to_string(seed), RandomDrawing(seed)});
    for (const Case& c : cases) {
        for (const bool keepDirections : {false, true}) {
            SCOPED_TRACE(c.name + (keepDirections ? ", directions kept" : ""));
            ExpectOrderedAsPromised(c.drw, keepDirections);
        }
    }
}

// Path 2 run backwards starts 2 mm from the end of path 1 and ends 10 mm from the start of path 3.
TEST(DrwOrder, RunsOpenPathsTheOtherWayUnlessDirectionsAreKept)
{
    const Drw given = Lines({{0, 0, 10, 0}, {22, 0, 12, 0}, {32, 0, 42, 0}});
    Drw ordered = given;
    ASSERT_TRUE(ordered.OptimiseOrder());
    EXPECT_EQ(ordered.RapidTravel(), 12);
    EXPECT_EQ(ordered.entities[1].x1, 12);
    EXPECT_EQ(ordered.entities[1].x2, 22);
    Drw kept = given;
    EXPECT_FALSE(kept.OptimiseOrder(true));
    EXPECT_EQ(kept, given);
}

TEST(DrwOrder, NeverGivesMoreTravelThanTheOrderGiven)
{
    struct Case {
        const char* name;
        Drw drw;
    };
    const Case cases[] = {
        {"an order already the shortest", Lines({{0, 0, 10, 0}, {11, 0, 20, 0}, {22, 0, 30, 0}, {33, 0, 40, 0}})},
        {"every path on one point", Lines({{5, 5, 5, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}, {5, 5, 5, 5}})},
        {"every end on one point", Lines({{0, 0, 0, 0}, {0, 0, 9, 9}, {9, 9, 0, 0}, {0, 0, 0, 0}})},
    };
    for (const Case& c : cases) {
        for (const bool keepDirections : {false, true}) {
            SCOPED_TRACE(c.name);
            Drw drw = c.drw;
            EXPECT_FALSE(drw.OptimiseOrder(keepDirections));
            EXPECT_EQ(drw, c.drw);
        }
    }
}

// Measured against the plain nearest-neighbour order that may run open paths either way.
TEST(DrwOrder, TravelsLessThanANearestNeighbourOrder)
{
    for (unsigned seed = 1; seed <= 4; seed++) {
        const Drw given = ScatteredLines(300, seed);
        Drw nearest = given;
        reference::NearestNeighbourOrder(nearest, true);
        Drw ordered = given;
        ASSERT_TRUE(ordered.OptimiseOrder());
        EXPECT_LT(ordered.RapidTravel(), 0.9 * nearest.RapidTravel()) << "seed " << seed;
    }
}

// A hand-made file whose flags break the chains, or an end that is not a finite point, keeps its order.
TEST(DrwOrder, LeavesDrawingsItCannotOrderSafelyAsTheyAre)
{
    Drw brokenChain = ScatteredLines(20, 3);
    brokenChain.entities[5].joinedNext = true;
    Drw outOfOrder = ScatteredLines(20, 3);
    std::swap(outOfOrder.entities[4], outOfOrder.entities[9]);
    Drw notFinite = ScatteredLines(20, 3);
    notFinite.entities[7].x2 = std::numeric_limits<double>::infinity();
    for (const Drw& given : {brokenChain, outOfOrder, notFinite}) {
        Drw drw = given;
        EXPECT_FALSE(drw.OptimiseOrder());
        EXPECT_EQ(drw, given);
    }
}

}  // namespace
