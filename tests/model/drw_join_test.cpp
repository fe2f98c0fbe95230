// Tests of joining paths: JoinPaths and the automatic join with its tolerance, tie, layer, pair and selection
// rules, its progress reports, and the round trip of exploding and joining again.
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

// A drawing of single-line paths, numbered in the order given.
Drw LinePaths(const std::vector<std::vector<double>>& lines, const std::vector<std::string>& layers = {})
{
    Drw drw;
    for (size_t k = 0; k < lines.size(); k++) {
        const std::vector<double>& l = lines[k];
        const std::string layer = k < layers.size() ? layers[k] : "0";
        AddChainPath(drw, {{l[0], l[1]}, {l[2], l[3]}}, layer);
    }
    drw.modified = false;
    return drw;
}

// The points of the path's chain: its start, then the end of every entity.
std::vector<std::vector<double>> PathPoints(const Drw& drw, int path)
{
    int first = 0, last = 0;
    drw.PathRange(path, first, last);
    std::vector<std::vector<double>> points = {{drw.entities[first].x1, drw.entities[first].y1}};
    for (int i = first; i <= last; i++)
        points.push_back({drw.entities[i].x2, drw.entities[i].y2});
    return points;
}

using Points = std::vector<std::vector<double>>;

}  // namespace

TEST(DrwJoin, AGapWithinTheToleranceIsClosedOntoTheFirstPath)
{
    Drw drw = LinePaths({{0, 0, 10, 0}, {10.3, 0, 20, 0}, {50, 50, 60, 50}});
    EXPECT_EQ(drw.AutoJoin(0.5, -1, -1, nullptr, nullptr), 1);

    EXPECT_EQ(drw.pathCount, 2);
    EXPECT_EQ(PathPoints(drw, 1), (Points{{0, 0}, {10, 0}, {20, 0}}));
    EXPECT_EQ(drw.entities[1].x1, 10.0);  // exactly the end of the first path
    EXPECT_EQ(drw.entities[2].sequence, 2);
    EXPECT_EQ(drw.entities[2].x1, 50.0);
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_TRUE(drw.modified);
}

TEST(DrwJoin, ToleranceBoundary)
{
    struct Case {
        const char* name;
        std::vector<double> second;  // the line of path 2; path 1 is (0,0)-(10,0)
        int joins;
        Points joined;  // path 1 afterwards
    };
    const std::vector<Case> cases = {
        {"gap of 0.6", {10.6, 0, 20, 0}, 0, {{0, 0}, {10, 0}}},
        {"0.5 at path 2's start, end pass", {10.5, 0, 20, 0}, 1, {{0, 0}, {10, 0}, {20, 0}}},
        {"0.5 at path 2's end, end pass", {20, 0, 10.5, 0}, 1, {{0, 0}, {10, 0}, {20, 0}}},
        {"0.5 only found in the start pass", {-20, 0, -0.5, 0}, 0, {{0, 0}, {10, 0}}},
        {"0.4 in the start pass", {-20, 0, -0.4, 0}, 1, {{10, 0}, {0, 0}, {-20, 0}}},
    };
    for (const Case& c : cases) {
        Drw drw = LinePaths({{0, 0, 10, 0}, c.second});
        EXPECT_EQ(drw.AutoJoin(0.5, -1, -1, nullptr, nullptr), c.joins) << c.name;
        EXPECT_EQ(PathPoints(drw, 1), c.joined) << c.name;
        EXPECT_EQ(drw.modified, c.joins > 0) << c.name;
        EXPECT_TRUE(CheckInvariants(drw)) << c.name;
    }
}

TEST(DrwJoin, EqualCandidatesKeepTheFirstFound)
{
    // Paths 2 and 3 both start 1 away from the end of path 1: the lower number wins.
    Drw byNumber = LinePaths({{0, 0, 10, 0}, {10, 1, 10, 5}, {10, -1, 10, -5}});
    EXPECT_EQ(byNumber.AutoJoin(2, -1, -1, nullptr, nullptr), 1);
    EXPECT_EQ(PathPoints(byNumber, 1), (Points{{0, 0}, {10, 0}, {10, 5}}));

    // One path with both ends 1 away: its start wins over its end.
    Drw byEnd = LinePaths({{0, 0, 10, 0}, {10, 1, 10, -1}});
    EXPECT_EQ(byEnd.AutoJoin(2, -1, -1, nullptr, nullptr), 1);
    EXPECT_EQ(PathPoints(byEnd, 1), (Points{{0, 0}, {10, 0}, {10, -1}}));

    // Path 2's start and path 3's end are equally near the two ends of path 1: the end pass's candidate stays,
    // so path 2 is absorbed first (path 3 first would give the points in the opposite order).
    Drw byPass = LinePaths({{0, 0, 10, 0}, {10.3, 0, 20, 0}, {-20, 0, -0.3, 0}});
    EXPECT_EQ(byPass.AutoJoin(0.5, -1, -1, nullptr, nullptr), 2);
    EXPECT_EQ(PathPoints(byPass, 1), (Points{{20, 0}, {10, 0}, {0, 0}, {-20, 0}}));
}

TEST(DrwJoin, APathAbsorbsFurtherPathsAtBothEnds)
{
    // The start of path 1 is nearer to path 3's end than its end to path 2's start: that join comes first, and
    // the joined path then takes path 2 too.
    Drw drw = LinePaths({{0, 0, 10, 0}, {10.2, 0, 20, 0}, {-10, 0, -0.1, 0}});
    EXPECT_EQ(drw.AutoJoin(0.5, -1, -1, nullptr, nullptr), 2);
    EXPECT_EQ(drw.pathCount, 1);
    EXPECT_EQ(PathPoints(drw, 1), (Points{{-10, 0}, {0, 0}, {10, 0}, {20, 0}}));
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(DrwJoin, OnlyPathsOfTheSameLayerAreJoined)
{
    Drw other = LinePaths({{0, 0, 10, 0}, {10.1, 0, 20, 0}}, {"0", "taglio"});
    EXPECT_EQ(other.AutoJoin(0.5, -1, -1, nullptr, nullptr), 0);
    EXPECT_EQ(other.pathCount, 2);

    Drw cased = LinePaths({{0, 0, 10, 0}, {10.1, 0, 20, 0}}, {"Taglio", "TAGLIO"});
    EXPECT_EQ(cased.AutoJoin(0.5, -1, -1, nullptr, nullptr), 1);
    EXPECT_EQ(cased.entities[1].layer, "TAGLIO");
}

TEST(DrwJoin, AGivenPairJoinsOnlyThosePaths)
{
    const Drw drw = LinePaths({{0, 0, 10, 0}, {10.1, 0, 20, 0}, {10.2, 5, 10.2, 0.2}, {50, 0, 60, 0}});
    Drw pair = drw;
    EXPECT_EQ(pair.AutoJoin(0.5, 1, 3, nullptr, nullptr), 1);
    EXPECT_EQ(pair.pathCount, 3);
    EXPECT_EQ(PathPoints(pair, 1), (Points{{0, 0}, {10, 0}, {10.2, 5}}));
    EXPECT_TRUE(CheckInvariants(pair));

    // Given the other way round, the joined path runs the other way.
    Drw swapped = drw;
    EXPECT_EQ(swapped.AutoJoin(0.5, 3, 1, nullptr, nullptr), 1);
    EXPECT_EQ(PathPoints(swapped, 1), (Points{{10.2, 5}, {10, 0}, {0, 0}}));
    EXPECT_TRUE(CheckInvariants(swapped));

    Drw apart = drw;
    EXPECT_EQ(apart.AutoJoin(0.5, 1, 4, nullptr, nullptr), 0);
    EXPECT_TRUE(apart == drw);

    // pathA alone: only path 1 absorbs (path 2); path 3, near path 2's start, stays a path of its own.
    Drw onlyA = drw;
    EXPECT_EQ(onlyA.AutoJoin(0.5, 1, -1, nullptr, nullptr), 1);
    EXPECT_EQ(onlyA.pathCount, 3);
}

TEST(DrwJoin, ASwappedPairTakesAnEndExactlyAtTheTolerance)
{
    // Path 1's end lies exactly 0.5 from path 2's end and from path 2's start (seen from the other end).
    Drw endOfJ = LinePaths({{0, 0, 10, 0}, {20, 0, 10.5, 0}});
    EXPECT_EQ(endOfJ.AutoJoin(0.5, 2, 1, nullptr, nullptr), 1);
    EXPECT_EQ(PathPoints(endOfJ, 1), (Points{{20, 0}, {10, 0}, {0, 0}}));

    Drw startOfJ = LinePaths({{0, 0, 10, 0}, {10.5, 0, 20, 0}});
    EXPECT_EQ(startOfJ.AutoJoin(0.5, 2, 1, nullptr, nullptr), 0);
    EXPECT_EQ(startOfJ.pathCount, 2);
}

TEST(DrwJoin, ASelectionLimitsTheJoinsAndIsKeptUpToDate)
{
    Drw drw = LinePaths({{0, 0, 10, 0}, {10.1, 0, 20, 0}, {10.2, 0, 10.2, 5}, {50, 0, 60, 0}});
    std::vector<int> selection = {4, 3, 1};
    EXPECT_EQ(drw.AutoJoin(0.5, -1, -1, &selection, nullptr), 1);
    EXPECT_EQ(PathPoints(drw, 1), (Points{{0, 0}, {10, 0}, {10.2, 5}}));
    EXPECT_EQ(selection, (std::vector<int>{1, 3}));  // path 3 absorbed, old path 4 is now 3
    EXPECT_EQ(PathPoints(drw, 2), (Points{{10.1, 0}, {20, 0}}));

    std::vector<int> empty;
    Drw all = LinePaths({{0, 0, 10, 0}, {10.1, 0, 20, 0}});
    EXPECT_EQ(all.AutoJoin(0.5, -1, -1, &empty, nullptr), 1);
}

TEST(DrwJoin, ProgressRunsFromZeroWithinTheUnitRange)
{
    std::vector<double> fractions;
    const auto record = [&fractions](double f) { fractions.push_back(f); };
    Drw drw = MakeDrawing({2, 1, 3, 1});  // no ends within the tolerance: i runs 1..3
    drw.AutoJoin(0.5, -1, -1, nullptr, record);
    ASSERT_GE(fractions.size(), 5u);
    EXPECT_EQ(fractions.front(), 0.0);
    EXPECT_EQ(fractions.back(), 0.75);
    for (size_t k = 1; k < fractions.size(); k++)
        EXPECT_GE(fractions[k], fractions[k - 1]);

    fractions.clear();
    Drw empty;
    EXPECT_EQ(empty.AutoJoin(0.5, -1, -1, nullptr, record), 0);
    for (double f : fractions)
        EXPECT_EQ(f, 0.0);
}

TEST(DrwJoin, JoinPathsReCentresAnArcAndMovesTheSecondPathBehindTheFirst)
{
    Drw drw = LinePaths({{0, 0, 10, 0}, {50, 50, 60, 50}});
    drw.AddEntity(MakeArc(10.2, 0, 20.2, 0, 15.2, 0, true, 3));
    drw.pathCount = 3;
    ASSERT_TRUE(drw.JoinPaths(0, 2, false, false));

    EXPECT_EQ(drw.pathCount, 2);
    const Entity& arc = drw.entities[1];
    ASSERT_TRUE(arc.isArc);
    EXPECT_EQ(arc.x1, 10.0);
    EXPECT_NEAR(Distance(arc.xc, arc.yc, arc.x1, arc.y1), Distance(arc.xc, arc.yc, arc.x2, arc.y2), 1e-9);
    EXPECT_EQ(drw.entities[2].x1, 50.0);
    EXPECT_EQ(drw.entities[2].sequence, 2);
    EXPECT_TRUE(CheckInvariants(drw));

    // Entities that are not the ends to join, or paths in the wrong order, are refused.
    Drw chains = MakeDrawing({3, 2});
    const Drw before = chains;
    EXPECT_FALSE(chains.JoinPaths(1, 3, false, false));
    EXPECT_FALSE(chains.JoinPaths(3, 2, false, false));
    EXPECT_FALSE(chains.JoinPaths(0, 3, true, true));
    EXPECT_TRUE(chains == before);
}

TEST(DrwJoin, AnArcThatCannotBeReCentredIsLogged)
{
    MessageRecorder recorder;
    // The arc's start lands on its end and its centre: no bisector exists.
    Drw drw = LinePaths({{0, 0, 10, 0}});
    drw.AddEntity(MakeArc(10.3, 0, 10, 0, 10, 0, false, 2));
    drw.pathCount = 2;
    EXPECT_TRUE(drw.JoinPaths(0, 1, false, false));
    EXPECT_EQ(drw.pathCount, 1);
    EXPECT_EQ(recorder.Count(), 0u);
    const std::vector<std::string> events = recorder.EventLines();
    ASSERT_FALSE(events.empty());
    EXPECT_NE(events.back().find("DRW009: Errore nella funzione AutoJoin, entità 0 e 1"), std::string::npos);
}

// Paths stored out of their order: the path to join behind stands before the other in the file, so the join is
// refused and nothing changes (moving it would take entities from the wrong side).
TEST(DrwJoin, JoinPathsRefusesAPathStoredBeforeTheOther)
{
    Drw drw;
    drw.AddEntity(MakeLine(10, 0, 20, 0, 2));
    drw.AddEntity(MakeLine(0, 0, 10, 0, 1));
    drw.pathCount = 2;
    drw.modified = false;
    const Drw before = drw;
    EXPECT_FALSE(drw.JoinPaths(1, 0, false, false));
    EXPECT_FALSE(drw.JoinPaths(1, 0, true, true));
    EXPECT_TRUE(SameDrawing(drw, before));
    EXPECT_FALSE(drw.modified);
}

// A file whose join flags say that the start of the second path is joined to something: the join the scan finds
// cannot be made, so path 1 is left as it is instead of being tried again and again.
TEST(DrwJoin, AJoinRefusedByBrokenFlagsIsPassedOver)
{
    Drw drw;
    Entity second = MakeLine(10, 0, 20, 0, 2);
    second.joinedPrev = true;
    drw.AddEntity(MakeLine(0, 0, 10, 0, 1));
    drw.AddEntity(second);
    drw.AddEntity(MakeLine(20.2, 0, 30, 0, 3));
    drw.pathCount = 3;
    const Drw before = drw;
    EXPECT_EQ(drw.AutoJoin(0.5, -1, -1, nullptr, nullptr), 1);
    ASSERT_EQ(drw.pathCount, 2);
    EXPECT_TRUE(drw.entities[0] == before.entities[0]);
    EXPECT_EQ(drw.entities[2].x1, 20.0);  // path 2 took path 3
}

TEST(DrwJoin, ExplodedChainsJoinBackToTheSameDrawing)
{
    for (unsigned seed = 1; seed <= 40; seed++) {
        const Drw original = RandomDrawing(seed);
        Drw drw = original;
        drw.ExplodePaths(-1);
        EXPECT_EQ(drw.AutoJoin(1e-3, -1, -1, nullptr, nullptr), original.entityCount() - original.pathCount);
        EXPECT_TRUE(SameDrawing(drw, original)) << "seed " << seed;
    }
}

TEST(DrwJoin, ChainsWithSmallGapsJoinWithinTheTolerance)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> gap(-0.01, 0.01);
    for (int round = 0; round < 10; round++) {
        Drw drw = MakeDrawing({4, 1, 3, 2, 5});
        const int entities = drw.entityCount();
        drw.ExplodePaths(-1);
        for (Entity& e : drw.entities) {
            e.x1 += gap(random);
            e.y1 += gap(random);
        }
        EXPECT_EQ(drw.AutoJoin(0.05, -1, -1, nullptr, nullptr), entities - 5);
        EXPECT_EQ(drw.pathCount, 5);
        EXPECT_TRUE(CheckInvariants(drw));
        const std::vector<int> sizes = {4, 1, 3, 2, 5};
        for (int path = 1; path <= 5; path++) {
            EXPECT_EQ(drw.PathEntityCount(path), sizes[path - 1]) << "round " << round << " path " << path;
            EXPECT_NEAR(PathPoints(drw, path).front()[0], 0.0, 0.02);
        }
    }
}

TEST(DrwJoin, AutoJoinKeepsTheInvariantsOfRandomDrawings)
{
    for (unsigned seed = 200; seed < 260; seed++) {
        Drw drw = RandomDrawing(seed);
        const int entities = drw.entityCount();
        const int joins = drw.AutoJoin(400.0, -1, -1, nullptr, nullptr);
        EXPECT_EQ(drw.entityCount(), entities);
        EXPECT_EQ(drw.pathCount, RandomDrawing(seed).pathCount - joins);
        ASSERT_TRUE(CheckInvariants(drw)) << "seed " << seed;
    }
}
