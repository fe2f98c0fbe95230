// Tests of the continuous paths: every entity stitched once in one chain per part, retraces only over the drawing's
// own entities, crossings as meeting points, no slower result, bridges only when asked, the capacity refusal, and
// the same result for the same drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/message_recorder.h"
#include "model/drawing_builders.h"
#include "model/drawing_checks.h"
#include "model/drw.h"

namespace {

constexpr double JoinDistance = 0.5;  // mm

ContinuousOptions Options(double bridge = 0.0)
{
    ContinuousOptions options;
    options.tolerance = JoinDistance;
    options.bridge = bridge;
    return options;
}

// A drawing of one-line paths, numbered in the order given, on layer "0".
Drw Lines(const std::vector<std::vector<double>>& lines, const std::string& layer = "0")
{
    Drw drw;
    for (const std::vector<double>& l : lines)
        drw.AddLine(l[0], l[1], l[2], l[3], layer, ++drw.pathCount, false, false);
    drw.modified = false;
    return drw;
}

// The other direction of an entity, as ReverseEntity gives it.
Entity Turned(Entity e)
{
    std::swap(e.x1, e.x2);
    std::swap(e.y1, e.y2);
    e.clockwise = e.isArc && !e.clockwise;
    return e;
}

bool SameShape(const Entity& a, const Entity& b)
{
    const auto plain = [](Entity e) {
        e.sequence = 0;
        e.joinedPrev = e.joinedNext = false;
        return e;
    };
    return plain(a) == plain(b) || plain(a) == plain(Turned(b));
}

// Whether every point of e (its ends and middle) lies on one entity of the drawing.
bool LiesOnOneOf(const Entity& e, const Drw& drw)
{
    double mx = (e.x1 + e.x2) / 2, my = (e.y1 + e.y2) / 2;
    if (e.isArc)
        ArcMidpoint(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc, e.clockwise, mx, my);
    for (const Entity& o : drw.entities) {
        const EntityGeometry g = o.Geometry();
        if (DistanceToEntity(e.x1, e.y1, g) < 1e-6 && DistanceToEntity(e.x2, e.y2, g) < 1e-6 &&
            DistanceToEntity(mx, my, g) < 1e-6 && e.layer == o.layer)
            return true;
    }
    return false;
}

double TotalLength(const Drw& drw)
{
    double length = 0;
    for (const Entity& e : drw.entities)
        length += EntityLength(e.Geometry());
    return length;
}

// A 3 x 3 grid of 10 mm cells drawn side by side, a zigzag of 0.2 mm steps (shorter than the join distance) from one
// corner and an arc from the opposite one, on three layers.
Drw SidesAndTails()
{
    Drw drw;
    for (int k = 0; k <= 3; k++) {
        for (int m = 0; m < 3; m++) {
            drw.AddLine(10 * k, 10 * m, 10 * k, 10 * m + 10, "GRID", ++drw.pathCount, false, false);
            drw.AddLine(10 * m, 10 * k, 10 * m + 10, 10 * k, "GRID", ++drw.pathCount, false, false);
        }
    }
    std::vector<PlanePoint> zigzag;
    for (int i = 0; i <= 20; i++)
        zigzag.push_back({-0.2 * i, -0.1 * (i % 2)});
    AddChainPath(drw, zigzag, "TAIL");
    drw.AddArc(30, 30, 40, 40, 40, 30, true, "ARC", ++drw.pathCount, false, false);
    drw.modified = false;
    return drw;
}

}  // namespace

// Without crossings: every entity once as itself or turned round, the rest copies of entities, each part one chain.
TEST(DrwContinuous, StitchesEveryEntityOnceAndRetracesOnlyCopies)
{
    const Drw given = SidesAndTails();
    Drw drw = given;
    ContinuousReport report;
    ASSERT_EQ(drw.MakeContinuous(Options(), &report), ContinuousOutcome::Changed);
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_EQ(report.parts, 1);
    EXPECT_EQ(drw.pathCount, 1);
    std::vector<int> seen(given.entities.size(), 0);
    for (const Entity& e : drw.entities) {
        size_t k = 0;
        while (k < given.entities.size() && !SameShape(e, given.entities[k]))
            k++;
        ASSERT_LT(k, given.entities.size()) << "an entity that is no copy of one of the drawing's";
        seen[k]++;
    }
    int extra = 0;
    for (const int n : seen) {
        EXPECT_GE(n, 1);
        extra += n - 1;
    }
    EXPECT_EQ(extra, report.retraces);
    EXPECT_GT(report.retraces, 0);
    EXPECT_NEAR(TotalLength(drw), TotalLength(given) + report.retraced, 1e-6);
}

// Two lines that cross, and a circle that both cross twice: one part, one path of pieces of them.
TEST(DrwContinuous, PartsThatMeetOnlyAtCrossingsAreOnePath)
{
    Drw given = Lines({{0, 0, 100, 100}, {0, 100, 100, 0}});
    given.AddArc(70, 50, 70, 50, 50, 50, false, "0", ++given.pathCount, false, false);
    given.modified = false;
    Drw drw = given;
    ContinuousReport report;
    ASSERT_EQ(drw.MakeContinuous(Options(), &report), ContinuousOutcome::Changed);
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_EQ(report.parts, 1);
    EXPECT_EQ(drw.pathCount, 1);
    for (const Entity& e : drw.entities)
        EXPECT_TRUE(LiesOnOneOf(e, given));
    EXPECT_NEAR(TotalLength(drw), TotalLength(given) + report.retraced, 1e-6);
}

// Ends a little short of a line, past it, or near another end meet it; the pieces keep their layers.
TEST(DrwContinuous, EndsWithinTheJoinDistanceMeet)
{
    Drw given = Lines({{0, 0, 100, 0}, {50, 0.3, 50, 50}, {80, -0.3, 80, 50}, {100.4, 0, 100.4, 50}}, "A");
    given.AddLine(50, 50, 80, 50, "B", ++given.pathCount, false, false);
    Drw drw = given;
    ContinuousReport report;
    ASSERT_EQ(drw.MakeContinuous(Options(), &report), ContinuousOutcome::Changed);
    EXPECT_TRUE(CheckInvariants(drw));
    EXPECT_EQ(report.parts, 1);
    EXPECT_EQ(drw.pathCount, 1);
    for (const Entity& e : drw.entities)
        EXPECT_EQ(e.layer, IsEqual(e.y1, 50) && IsEqual(e.y2, 50) ? "B" : "A");
}

// Whatever the drawing, the estimate does not grow: a part is split where a retrace would cost more than a change
// of path, and a drawing that would not get faster is left as it was.
TEST(DrwContinuous, NeverMakesTheEstimateGrow)
{
    std::vector<Drw> drawings = {
        Lines({{0, 0, 2000, 0}, {0, 5000, 2000, 5000}, {1000, 0, 1000, 5000}}),  // an H of long bars
        Lines({{0, 0, 10, 0}, {10, 0, 10, 10}}), SidesAndTails()};
    for (unsigned seed = 1; seed <= 20; seed++)
        drawings.push_back(RandomDrawing(seed));
    for (const Drw& given : drawings) {
        Drw drw = given;
        const ContinuousOutcome outcome = drw.MakeContinuous(Options());
        EXPECT_TRUE(CheckInvariants(drw));
        if (outcome == ContinuousOutcome::Changed)
            EXPECT_LT(drw.EstimateTime(100, 200), given.EstimateTime(100, 200));
        else
            EXPECT_TRUE(SameDrawing(drw, given));
    }
}

TEST(DrwContinuous, LeavesADrawingOfOnePathPerPartAsItWas)
{
    Drw given = MakeDrawing({3, 1, 4});
    Drw drw = given;
    ContinuousReport report;
    EXPECT_EQ(drw.MakeContinuous(Options(), &report), ContinuousOutcome::Unchanged);
    EXPECT_TRUE(SameDrawing(drw, given));
    EXPECT_FALSE(drw.modified);
    EXPECT_EQ(report.parts, 3);
    EXPECT_EQ(report.pathsAfter, 3);
}

// Two squares 5 mm apart: joined by one bridge only when bridges of 5 mm or more are asked for.
TEST(DrwContinuous, BridgesOnlyWhenAskedAndNeverLonger)
{
    Drw given;
    AddChainPath(given, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    AddChainPath(given, {{15, 2}, {25, 2}, {25, 8}, {15, 8}, {15, 2}});
    const struct {
        double bridge;
        int bridges, paths;
    } cases[] = {{0.0, 0, 2}, {4.9, 0, 2}, {5.0, 1, 1}, {8.0, 1, 1}};
    for (const auto& c : cases) {
        Drw drw = given;
        ContinuousReport report;
        drw.MakeContinuous(Options(c.bridge), &report);
        EXPECT_EQ(report.bridges, c.bridges) << c.bridge;
        EXPECT_EQ(drw.pathCount, c.paths) << c.bridge;
        EXPECT_LE(report.bridged, c.bridge + 1e-8);
        EXPECT_NEAR(TotalLength(drw), TotalLength(given) + report.bridged + report.retraced, 1e-6);
        EXPECT_TRUE(CheckInvariants(drw));
    }
}

// A comb whose teeth a line crosses: the pieces would pass the capacity; the drawing stays as it was.
TEST(DrwContinuous, RefusesBeyondTheCapacityAndChangesNothing)
{
    MessageRecorder recorder;
    Drw given;
    given.AddLine(-1, 0, 13400, 0, "0", ++given.pathCount, false, false);
    for (int k = 0; k < 13400; k++)
        given.AddLine(k, -1, k, 1, "0", ++given.pathCount, false, false);
    given.modified = false;
    Drw drw = given;
    ContinuousReport report;
    EXPECT_EQ(drw.MakeContinuous(Options(), &report), ContinuousOutcome::Refused);
    EXPECT_EQ(drw, given);
    EXPECT_GT(report.entitiesAfter, MaxEntities);
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"DRW006: Raggiunto il numero limite di entità di un disegno (40000)"});
}

// Thousands of lines through one point (or a join distance spanning the drawing) would take time and memory as the
// square of their number: the operation gives up within a bounded work and changes nothing.
TEST(DrwContinuous, GivesUpOnEntitiesCrowdedOnOneAnother)
{
    Drw given;
    for (int k = 0; k < 3000; k++) {
        const double a = k * 2 * 3.141592653589793 / 3000;
        AddChainPath(given, {{-50 * std::cos(a), -50 * std::sin(a)}, {50 * std::cos(a), 50 * std::sin(a)}});
    }
    given.modified = false;
    Drw drw = given;
    EXPECT_EQ(drw.MakeContinuous(Options()), ContinuousOutcome::Crowded);
    EXPECT_EQ(drw, given);
}

TEST(DrwContinuous, TheSameDrawingGivesTheSameResult)
{
    for (const Drw& given : {SidesAndTails(), RandomDrawing(7)}) {
        Drw first = given, second = given;
        first.MakeContinuous(Options(3.0));
        second.MakeContinuous(Options(3.0));
        EXPECT_EQ(first, second);
    }
}
