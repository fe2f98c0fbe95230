// The fast members of Drw against the straightforward implementations of reference_ops.h on thousands of random
// drawings (fixed seeds): every field of every entity, the path count, the results, the progress reports and the
// selection must be the same. The drawings plant ties: end points on a coarse grid (equal distances, coinciding
// ends), gaps exactly at the tolerance and within 1e-8 of it, zero-length and tiny entities, arcs continuing arcs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/message_recorder.h"
#include "model/drawing_checks.h"
#include "model/drw.h"
#include "model/reference_ops.h"

namespace {

// A random point of a 6 x 6 grid of step 0.5, sometimes moved by a few 1e-9 so that distances fall just inside or
// outside 1e-8 of a grid distance.
struct GridPoints {
    std::mt19937& random;
    PlanePoint Next()
    {
        std::uniform_int_distribution<int> step(0, 12);
        PlanePoint p{0.5 * step(random), 0.5 * step(random)};
        if (step(random) == 0)
            p.x += 4e-9 * (step(random) - 6);
        return p;
    }
};

// Lines and arcs with random z and reserved fields (which stay with their slots when a chain is reversed).
Entity RandomEntity(std::mt19937& random, PlanePoint from, PlanePoint to, int path, const std::string& layer)
{
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    Entity e = MakeLine(from.x, from.y, to.x, to.y, path, layer);
    if (random() % 3 == 0) {
        const double t = unit(random);
        e = MakeArc(from.x, from.y, to.x, to.y, (from.x + to.x) / 2 - t * (to.y - from.y),
                    (from.y + to.y) / 2 + t * (to.x - from.x), random() % 2 == 1, path, layer);
        e.zc = unit(random);
    }
    e.z1 = unit(random);
    e.z2 = unit(random);
    e.reserved1 = static_cast<int32_t>(random() % 1000);
    e.reserved2 = unit(random);
    return e;
}

// Chains of 1..3 entities on layers "0", "a", "A" and "b", end points on the grid, a path number left without
// entities now and then (as an import leaves them).
Drw JoinDrawing(unsigned seed, int maxPaths)
{
    static const std::vector<std::string> layers = {"0", "a", "A", "b"};
    std::mt19937 random(seed);
    GridPoints grid{random};
    Drw drw;
    const int paths = 1 + static_cast<int>(random() % maxPaths);
    for (int path = 1; path <= paths; path++) {
        if (random() % 15 == 0)
            continue;
        const std::string& layer = layers[random() % (random() % 4 == 0 ? 4 : 1)];
        const int count = 1 + static_cast<int>(random() % 3);
        PlanePoint from = grid.Next();
        for (int k = 0; k < count; k++) {
            const PlanePoint to = grid.Next();
            Entity e = RandomEntity(random, from, to, path, layer);
            e.joinedPrev = k > 0;
            e.joinedNext = k + 1 < count;
            drw.AddEntity(e);
            from = to;
        }
    }
    drw.pathCount = paths;
    drw.modified = false;
    return drw;
}

// Paths of a simplification's raw material: runs of nearly collinear lines, tiny and zero-length entities, arcs
// cut into pieces of one circle, flat arcs of a huge radius, and single-entity paths of zero length.
Drw SimplifyDrawing(unsigned seed, int maxPaths)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Drw drw;
    const int paths = 1 + static_cast<int>(random() % maxPaths);
    for (int path = 1; path <= paths; path++) {
        double x = 100 * unit(random), y = 100 * unit(random);
        double heading = 6.283 * unit(random);
        const int count = 1 + static_cast<int>(random() % 8);
        std::vector<Entity> chain;
        for (int k = 0; k < count; k++) {
            const int kind = static_cast<int>(random() % 6);
            const double length = kind == 1 ? 0.05 * unit(random) : kind == 2 ? 0.0 : 0.1 + 10 * unit(random);
            if (kind == 3 || kind == 4) {
                // A piece of an arc of radius r turning by sweep, continuing in the current direction.
                const bool cw = kind == 4;
                const double r = random() % 10 == 0 ? 3e11 : 1 + 20 * unit(random);
                const double sweep = (random() % 4 == 0 ? 0.002 : 0.2 + unit(random)) * (cw ? -1 : 1);
                const double nx = -std::sin(heading) * (cw ? -1 : 1), ny = std::cos(heading) * (cw ? -1 : 1);
                const double cx = x + r * nx, cy = y + r * ny;
                const double a0 = std::atan2(y - cy, x - cx);
                const double ex = cx + r * std::cos(a0 + sweep), ey = cy + r * std::sin(a0 + sweep);
                chain.push_back(MakeArc(x, y, ex, ey, cx, cy, cw, path));
                x = ex, y = ey;
                heading += sweep;
            } else {
                heading += (random() % 3 == 0 ? 0.03 : 0.01) * (unit(random) - 0.5);
                const double ex = x + length * std::cos(heading), ey = y + length * std::sin(heading);
                chain.push_back(MakeLine(x, y, ex, ey, path));
                x = ex, y = ey;
            }
        }
        for (size_t k = 0; k < chain.size(); k++) {
            chain[k].joinedPrev = k > 0;
            chain[k].joinedNext = k + 1 < chain.size();
            chain[k].z1 = static_cast<double>(k);
            drw.AddEntity(chain[k]);
        }
    }
    drw.pathCount = paths;
    drw.modified = false;
    return drw;
}

// Runs the member and the reference on copies of drw and compares the drawings and what the call returned.
template <typename Fast, typename Reference>
::testing::AssertionResult SameOutcome(const Drw& drw, Fast fast, Reference reference)
{
    Drw a = drw;
    Drw b = drw;
    const auto resultA = fast(a);
    const auto resultB = reference(b);
    if (resultA != resultB)
        return ::testing::AssertionFailure() << "results differ";
    if (a.modified != b.modified)
        return ::testing::AssertionFailure() << "modified differs";
    return SameDrawing(a, b);
}

// The outcome of one AutoJoin call: joins, selection and progress reports.
struct JoinOutcome {
    int joins;
    std::vector<int> selection;
    std::vector<double> progress;
    bool operator==(const JoinOutcome&) const = default;
};

template <typename Join>
JoinOutcome RunAutoJoin(Drw& drw, Join join, double tolerance, int pathA, int pathB, std::vector<int> selection)
{
    JoinOutcome outcome;
    const Drw::ProgressCallback record = [&outcome](double f) { outcome.progress.push_back(f); };
    outcome.joins = join(drw, tolerance, pathA, pathB, &selection, record);
    outcome.selection = selection;
    return outcome;
}

::testing::AssertionResult SameAutoJoin(const Drw& drw, double tolerance, int pathA, int pathB,
                                        const std::vector<int>& selection)
{
    const auto fast = [&](Drw& d) {
        const auto member = [](Drw& x, double t, int a, int b, std::vector<int>* s, const Drw::ProgressCallback& p) {
            return x.AutoJoin(t, a, b, s, p);
        };
        return RunAutoJoin(d, member, tolerance, pathA, pathB, selection);
    };
    const auto slow = [&](Drw& d) { return RunAutoJoin(d, reference::AutoJoin, tolerance, pathA, pathB, selection); };
    return SameOutcome(drw, fast, slow);
}

}  // namespace

TEST(FastOpsEquivalence, AutoJoinOfWholeDrawings)
{
    // Tolerances on the grid (gaps exactly at the tolerance), between grid distances, zero and negative.
    const std::vector<double> tolerances = {0.5, 1.0, 0.7, 0.0, 2.5, -1.0};
    for (unsigned seed = 0; seed < 1500; seed++) {
        const Drw drw = JoinDrawing(seed, seed % 50 == 0 ? 400 : 30);
        const double tolerance = tolerances[seed % tolerances.size()];
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, -1, -1, {})) << "seed " << seed << " tolerance " << tolerance;
    }
}

// Walks of lines cut into single-entity paths in shuffled order, half of them reversed, with gaps at the joints:
// exactly the tolerance along an axis, within 1e-9 of it, below and above it; now and then an end at infinity.
// Coordinates spread over a large sheet, so that the grid has many cells and cell borders fall anywhere.
Drw ShuffledWalks(unsigned seed, int entities, double tolerance)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Entity> pieces;
    double x = 0, y = 0;
    for (int k = 0; k < entities; k++) {
        if (k % 20 == 0)
            x = 500 * unit(random), y = 500 * unit(random);
        const double angle = 6.283 * unit(random), length = 0.5 + 3 * unit(random);
        const double ex = x + length * std::cos(angle), ey = y + length * std::sin(angle);
        Entity e = MakeLine(x, y, ex, ey, 1, random() % 8 == 0 ? "b" : "0");
        switch (random() % 8) {
        case 0: e.x1 += tolerance; break;
        case 1: e.x1 += tolerance + 1e-9; break;
        case 2: e.y1 -= tolerance - 1e-9; break;
        case 3: e.x1 += 0.7 * tolerance, e.y1 += 0.7 * tolerance; break;
        default: break;
        }
        if (random() % 500 == 0)
            e.x2 = std::numeric_limits<double>::infinity();
        pieces.push_back(e);
        x = ex, y = ey;
    }
    std::shuffle(pieces.begin(), pieces.end(), random);
    Drw drw;
    for (Entity& e : pieces) {
        if (random() % 2) {
            std::swap(e.x1, e.x2);
            std::swap(e.y1, e.y2);
        }
        e.sequence = ++drw.pathCount;
        drw.AddEntity(e);
    }
    drw.modified = false;
    return drw;
}

TEST(FastOpsEquivalence, AutoJoinOfLargeShuffledWalks)
{
    for (unsigned seed = 0; seed < 4; seed++) {
        const double tolerance = seed % 2 ? 0.5 : 0.05;
        const Drw drw = ShuffledWalks(seed, 1000 + 400 * static_cast<int>(seed), tolerance);
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, -1, -1, {})) << "seed " << seed;
    }
    // A tolerance larger than the sheet puts every end in reach of every other.
    ASSERT_TRUE(SameAutoJoin(ShuffledWalks(9, 300, 0.5), 1e9, -1, -1, {}));
}

// Ends crowded on one point (a star of 1100 lines from the origin) are too many within reach of each other to be
// listed per end: the plain scan joins them, with the same result, also for a pair and a selection.
TEST(FastOpsEquivalence, AutoJoinOfEndsCrowdedOnOnePoint)
{
    Drw drw;
    for (int k = 0; k < 1100; k++)
        AddChainPath(drw, {{0, 0}, {100 * std::cos(k * 0.005), 100 * std::sin(k * 0.005)}});
    drw.modified = false;
    ASSERT_TRUE(SameAutoJoin(drw, 0.5, -1, -1, {}));
    ASSERT_TRUE(SameAutoJoin(drw, 0.5, 4, 2, {}));
    ASSERT_TRUE(SameAutoJoin(drw, 0.5, -1, -1, {150, 3, 7}));
}

// The event log lines of AutoJoin and of the reference on copies of drawing, and whether the drawings agree.
struct RecentreLogs {
    std::vector<std::string> fast, reference;
    ::testing::AssertionResult sameDrawing = ::testing::AssertionSuccess();
};

RecentreLogs AutoJoinLogs(const Drw& drw)
{
    RecentreLogs logs;
    Drw fast = drw, reference = drw;
    {
        MessageRecorder recorder;
        fast.AutoJoin(0.5, -1, -1, nullptr, nullptr);
        logs.fast = recorder.EventLines();
    }
    {
        MessageRecorder recorder;
        reference::AutoJoin(reference, 0.5, -1, -1, nullptr, nullptr);
        logs.reference = recorder.EventLines();
    }
    logs.sameDrawing = SameDrawing(fast, reference);
    return logs;
}

// Arcs that cannot be re-centred when joined (start within 1e-8 of a path end, end and centre on it), appended as
// later paths: every failure writes DRW009 with the entity indices of that moment, which must be the reference's.
TEST(FastOpsEquivalence, AutoJoinLogsTheSameRecentreFailures)
{
    int failures = 0;
    for (unsigned seed = 0; seed < 300; seed++) {
        Drw drw = JoinDrawing(seed + 21000, 30);
        std::mt19937 random(seed);
        const int planted = 1 + static_cast<int>(random() % 4);
        for (int k = 0; k < planted && drw.entityCount() > 0; k++) {
            const Entity& at = drw.entities[random() % drw.entities.size()];
            drw.pathCount++;
            drw.AddEntity(MakeArc(at.x2 + 5e-9, at.y2, at.x2, at.y2, at.x2, at.y2, false, drw.pathCount, at.layer));
        }
        const RecentreLogs logs = AutoJoinLogs(drw);
        ASSERT_TRUE(logs.sameDrawing) << "seed " << seed;
        ASSERT_EQ(logs.fast, logs.reference) << "seed " << seed;
        failures += static_cast<int>(logs.fast.size());
    }
    EXPECT_GT(failures, 100);  // the planted arcs do fail
}

// Two such arcs taken at the end of a line, then a line taken at its start, which turns the joined path round:
// the later failure now lies ahead of the earlier one along the path, and the log still follows the joins.
TEST(FastOpsEquivalence, AutoJoinLogsRecentreFailuresInTheOrderOfTheJoins)
{
    Drw drw;
    const std::vector<Entity> paths = {MakeLine(0, 0, 10, 0, 1), MakeArc(10 + 5e-9, 0, 10, 0, 10, 0, false, 2),
                                       MakeArc(10 + 5e-9, 0, 10, 0, 10, 0, false, 3), MakeLine(-5, 0, 0.1, 0, 4)};
    for (const Entity& e : paths) {
        drw.pathCount++;
        drw.AddEntity(e);
    }
    const RecentreLogs logs = AutoJoinLogs(drw);
    EXPECT_TRUE(logs.sameDrawing);
    ASSERT_EQ(logs.fast.size(), 2u);
    EXPECT_NE(logs.fast[0].find("entità 0 e 1"), std::string::npos);
    EXPECT_NE(logs.fast[1].find("entità 1 e 2"), std::string::npos);
    EXPECT_EQ(logs.fast, logs.reference);
}

TEST(FastOpsEquivalence, AutoJoinOfPairsFirstPathsAndSelections)
{
    for (unsigned seed = 0; seed < 1500; seed++) {
        const Drw drw = JoinDrawing(seed + 7000, 25);
        std::mt19937 random(seed);
        const int paths = drw.pathCount;
        const auto anyPath = [&] { return 1 + static_cast<int>(random() % (paths + 1)); };
        const double tolerance = seed % 2 ? 0.5 : 1.5;
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, anyPath(), anyPath(), {})) << "pair, seed " << seed;
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, anyPath(), -1, {})) << "first path, seed " << seed;
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, -1, anyPath(), {})) << "second path, seed " << seed;
        // A selection in any order, with repeated numbers and numbers outside the drawing.
        std::vector<int> selection;
        for (int k = static_cast<int>(random() % 12); k > 0; k--)
            selection.push_back(static_cast<int>(random() % (paths + 3)) - 1);
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, -1, -1, selection)) << "selection, seed " << seed;
        // And with a pair or one path given too (the join of a pair leaves the selection as it was).
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, anyPath(), anyPath(), selection)) << "pair, seed " << seed;
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, anyPath(), -1, selection)) << "first, seed " << seed;
        ASSERT_TRUE(SameAutoJoin(drw, tolerance, -1, anyPath(), selection)) << "second, seed " << seed;
    }
}

TEST(FastOpsEquivalence, JoinPathsOfRandomEnds)
{
    for (unsigned seed = 0; seed < 500; seed++) {
        const Drw drw = JoinDrawing(seed + 3000, 12);
        std::mt19937 random(seed);
        const int a = static_cast<int>(random() % (drw.entityCount() + 1)) - 1;
        const int b = static_cast<int>(random() % (drw.entityCount() + 1));
        const bool reverseA = random() % 2, reverseB = random() % 2;
        ASSERT_TRUE(SameOutcome(
            drw, [&](Drw& d) { return d.JoinPaths(a, b, reverseA, reverseB); },
            [&](Drw& d) { return reference::JoinPaths(d, a, b, reverseA, reverseB); }))
            << "seed " << seed;
    }
}

TEST(FastOpsEquivalence, ExplodeAndDeletePaths)
{
    for (unsigned seed = 0; seed < 1000; seed++) {
        const Drw drw = JoinDrawing(seed + 11000, 30);
        const int path = static_cast<int>(seed % (drw.pathCount + 3)) - 1;
        ASSERT_TRUE(SameOutcome(
            drw, [&](Drw& d) { return d.ExplodePaths(path); },
            [&](Drw& d) { return reference::ExplodePaths(d, path); }))
            << "explode " << path << ", seed " << seed;
        // Deleting every other path from the last one down, as a dialog deleting a selection does.
        const auto deleteSome = [](Drw& d, auto remove) {
            int deleted = 0;
            for (int p = d.pathCount + 1; p >= 0; p -= 2)
                deleted += remove(d, p) ? 1 : 0;
            return deleted;
        };
        ASSERT_TRUE(SameOutcome(
            drw, [&](Drw& d) { return deleteSome(d, [](Drw& x, int p) { return x.DeletePath(p); }); },
            [&](Drw& d) { return deleteSome(d, reference::DeletePath); }))
            << "delete, seed " << seed;
    }
}

// Deletes the listed paths one by one as the selection dialog did: after each deletion the later numbers above the
// deleted one move down by one.
int DeleteOneByOne(Drw& drw, std::vector<int> paths)
{
    int deleted = 0;
    for (std::size_t k = 0; k < paths.size(); k++) {
        deleted += reference::DeletePath(drw, paths[k]) ? 1 : 0;
        for (std::size_t j = k + 1; j < paths.size(); j++)
            if (paths[k] < paths[j])
                --paths[j];
    }
    return deleted;
}

TEST(FastOpsEquivalence, DeletePathsOfPickedLists)
{
    for (unsigned seed = 0; seed < 1000; seed++) {
        const Drw drw = JoinDrawing(seed + 12000, 40);
        std::mt19937 random(seed);
        // A random share of the paths (all of them now and then, none now and then), in random order.
        std::vector<int> paths;
        const unsigned share = random() % 5;
        for (int p = 1; p <= drw.pathCount; p++)
            if (random() % 4 < share)
                paths.push_back(p);
        std::shuffle(paths.begin(), paths.end(), random);
        ASSERT_TRUE(SameOutcome(
            drw, [&](Drw& d) { return d.DeletePaths(paths); }, [&](Drw& d) { return DeleteOneByOne(d, paths); }))
            << "seed " << seed << ", " << paths.size() << " paths";
    }
}

TEST(FastOpsEquivalence, DeletePathsIgnoresRepeatsAndNumbersOutOfRange)
{
    const Drw drw = JoinDrawing(12345, 20);
    ASSERT_GT(drw.pathCount, 3);
    const std::vector<int> paths = {0, 3, -1, drw.pathCount + 1, 1, 3, drw.pathCount, 1};
    const std::vector<int> valid = {3, 1, drw.pathCount};
    ASSERT_TRUE(SameOutcome(
        drw, [&](Drw& d) { return d.DeletePaths(paths); }, [&](Drw& d) { return DeleteOneByOne(d, valid); }));
    Drw untouched = drw;
    EXPECT_EQ(untouched.DeletePaths({0, drw.pathCount + 1}), 0);
    EXPECT_TRUE(SameDrawing(untouched, drw));
    EXPECT_FALSE(untouched.modified);
}

TEST(FastOpsEquivalence, SimplifyAndItsSteps)
{
    for (unsigned seed = 0; seed < 1500; seed++) {
        const Drw drw = SimplifyDrawing(seed, seed % 100 == 0 ? 300 : 20);
        const auto progressOf = [](Drw& d, auto simplify) {
            std::vector<double> progress;
            simplify(d, [&progress](double f) { progress.push_back(f); });
            return progress;
        };
        ASSERT_TRUE(SameOutcome(
            drw, [&](Drw& d) { return progressOf(d, [](Drw& x, const Drw::ProgressCallback& p) { x.Simplify(p); }); },
            [&](Drw& d) { return progressOf(d, reference::Simplify); }))
            << "simplify, seed " << seed;
        ASSERT_TRUE(SameOutcome(
            drw, [](Drw& d) { return d.RemoveDegenerate(); }, [](Drw& d) { return reference::RemoveDegenerate(d); }))
            << "degenerate, seed " << seed;
        // Each step alone on one path, with the tolerances the per-path step sets.
        Drw tuned = drw;
        tuned.SimplifyPath(0);
        const int path = 1 + static_cast<int>(seed % drw.pathCount);
        ASSERT_TRUE(SameOutcome(
            tuned,
            [&](Drw& d) {
                d.RemoveShortEntities(path);
                return 0;
            },
            [&](Drw& d) {
                reference::RemoveShortEntities(d, path);
                return 0;
            }))
            << "short entities, seed " << seed;
        ASSERT_TRUE(SameOutcome(
            tuned,
            [&](Drw& d) {
                d.FlattenArcs(path);
                return 0;
            },
            [&](Drw& d) {
                reference::FlattenArcs(d, path);
                return 0;
            }))
            << "flat arcs, seed " << seed;
        ASSERT_TRUE(SameOutcome(
            tuned, [&](Drw& d) { return d.MergeLines(path); }, [&](Drw& d) { return reference::MergeLines(d, path); }))
            << "lines, seed " << seed;
        ASSERT_TRUE(SameOutcome(
            tuned, [&](Drw& d) { return d.MergeArcs(path); }, [&](Drw& d) { return reference::MergeArcs(d, path); }))
            << "arcs, seed " << seed;
    }
}

// Ends at infinity give distances that are not numbers: such a distance is not below the degenerate length, and
// not within a merge's deviation, so an entity from infinity to infinity stays and lines through infinity stay
// apart.
TEST(FastOpsEquivalence, SimplifyKeepsEntitiesAtInfinity)
{
    constexpr double Inf = std::numeric_limits<double>::infinity();
    Drw drw;
    const std::vector<Entity> path = {MakeLine(0.25, 0, 0, 0.25), MakeLine(0, Inf, Inf, Inf),
                                      MakeLine(Inf, Inf, Inf, 14.75), MakeLine(0.25, 8, 15.75, 8.5)};
    for (size_t k = 0; k < path.size(); k++) {
        Entity e = path[k];
        e.joinedPrev = k > 0;
        e.joinedNext = k + 1 < path.size();
        drw.AddEntity(e);
    }
    Entity atInfinity = MakeLine(Inf, Inf, Inf, Inf, 2);
    drw.AddEntity(atInfinity);
    drw.pathCount = 2;
    drw.modified = false;
    const auto simplify = [](auto run) {
        return [run](Drw& d) {
            run(d);
            return d.entityCount();
        };
    };
    ASSERT_TRUE(SameOutcome(drw, simplify([](Drw& d) { d.Simplify(nullptr); }),
                            simplify([](Drw& d) { reference::Simplify(d, nullptr); })));
    Drw simplified = drw;
    simplified.Simplify(nullptr);
    EXPECT_EQ(simplified.entityCount(), 5);
    EXPECT_EQ(simplified.pathCount, 2);
}

TEST(FastOpsEquivalence, PickPathsInRectangles)
{
    for (unsigned seed = 0; seed < 1000; seed++) {
        const Drw drw = JoinDrawing(seed + 20000, 30);
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> at(-0.5, 6.5), half(0.0, 1.5);
        // A click's square, or now and then a window over the whole drawing (every path found).
        const double scale = seed % 4 == 0 ? 10 : 1;
        const double cx = at(random), cy = at(random), hx = scale * half(random), hy = scale * half(random);
        // Paths found before are passed over; single mode keeps only the nearest.
        std::vector<int> known;
        for (int k = static_cast<int>(random() % 4); k > 0; k--)
            known.push_back(static_cast<int>(random() % (drw.pathCount + 1)));
        for (const bool single : {false, true}) {
            const auto pick = [&](const Drw& d, auto picker) {
                std::vector<int> paths = known, nearest(known.size(), -1);
                picker(d, cx - hx, cy - hy, cx + hx, cy + hy, paths, &nearest, single);
                return std::make_pair(paths, nearest);
            };
            const auto member = [](const Drw& d, double l, double b, double r, double t, std::vector<int>& p,
                                   std::vector<int>* n, bool s) { d.PickPaths(l, b, r, t, p, n, s); };
            ASSERT_EQ(pick(drw, member), pick(drw, reference::PickPaths)) << "seed " << seed << " single " << single;
        }
    }
}
