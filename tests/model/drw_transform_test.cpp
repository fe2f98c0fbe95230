// Tests of the geometric edits: mirrors, quarter turns, moving, copying and scaling paths, resizing the drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "common/message_recorder.h"
#include "model/drawing_builders.h"
#include "model/drawing_checks.h"
#include "model/drw.h"

namespace {

struct Box {
    double minX, minY, maxX, maxY;
};

Box BoxOf(const Drw& drw, int path = -1)
{
    Box b{};
    drw.GetExtents(-1, -1, path, "", b.minX, b.minY, b.maxX, b.maxY);
    return b;
}

void ExpectBox(const Drw& drw, Box expected, int path = -1)
{
    const Box b = BoxOf(drw, path);
    EXPECT_NEAR(b.minX, expected.minX, 1e-9);
    EXPECT_NEAR(b.minY, expected.minY, 1e-9);
    EXPECT_NEAR(b.maxX, expected.maxX, 1e-9);
    EXPECT_NEAR(b.maxY, expected.maxY, 1e-9);
}

bool IsFiniteDrawing(const Drw& drw)
{
    for (const Entity& e : drw.entities)
        for (double v : {e.x1, e.y1, e.x2, e.y2, e.xc, e.yc})
            if (!std::isfinite(v))
                return false;
    return true;
}

// Every arc's centre is equally far from both its ends.
bool ArcsAreCircular(const Drw& drw)
{
    for (const Entity& e : drw.entities)
        if (e.isArc && std::fabs(Distance(e.x1, e.y1, e.xc, e.yc) - Distance(e.x2, e.y2, e.xc, e.yc)) > 1e-7)
            return false;
    return true;
}

// A drawing whose box is (10, 20)-(110, 70): a line along the bottom and a counter-clockwise half circle of
// radius 25 on top of it, in two paths.
Drw BoxDrawing()
{
    Drw drw;
    drw.AddEntity(MakeLine(10, 20, 110, 20, 1));
    drw.AddEntity(MakeArc(85, 45, 35, 45, 60, 45, false, 2));
    drw.pathCount = 2;
    drw.modified = false;
    return drw;
}

// ---- Whole-drawing edits -----------------------------------------------------------------------------------------

TEST(DrwTransform, MirrorsKeepTheBoxAndInvertArcs)
{
    Drw drw = BoxDrawing();
    drw.MirrorX();
    EXPECT_TRUE(drw.modified);
    ExpectBox(drw, {10, 20, 110, 70});
    EXPECT_EQ(drw.entities[0].x1, 110);
    EXPECT_EQ(drw.entities[0].x2, 10);
    EXPECT_EQ(drw.entities[1].x1, 35);
    EXPECT_TRUE(drw.entities[1].clockwise);
    EXPECT_FALSE(drw.entities[0].clockwise);

    drw = BoxDrawing();
    drw.MirrorY();
    ExpectBox(drw, {10, 20, 110, 70});
    EXPECT_EQ(drw.entities[0].y1, 70);
    EXPECT_EQ(drw.entities[1].yc, 45);
    EXPECT_TRUE(drw.entities[1].clockwise);
}

TEST(DrwTransform, RotationsKeepTheLowerLeftCorner)
{
    Drw drw = BoxDrawing();
    drw.RotateCW();
    EXPECT_TRUE(drw.modified);
    ExpectBox(drw, {10, 20, 60, 120});
    EXPECT_FALSE(drw.entities[1].clockwise);
    // The bottom line becomes the left side, running down.
    EXPECT_NEAR(drw.entities[0].x1, 10, 1e-12);
    EXPECT_NEAR(drw.entities[0].y1, 120, 1e-12);
    EXPECT_NEAR(drw.entities[0].y2, 20, 1e-12);
    drw.RotateCCW();
    ExpectBox(drw, {10, 20, 110, 70});
    EXPECT_TRUE(SameDrawing(drw, BoxDrawing(), 1e-12));

    drw.RotateCCW();
    ExpectBox(drw, {10, 20, 60, 120});
    EXPECT_FALSE(drw.entities[1].clockwise);
}

TEST(DrwTransform, InversePairsGiveBackRandomDrawings)
{
    using Edit = void (Drw::*)();
    const std::vector<std::vector<Edit>> sequences = {
        {&Drw::MirrorX, &Drw::MirrorX},
        {&Drw::MirrorY, &Drw::MirrorY},
        {&Drw::RotateCW, &Drw::RotateCCW},
        {&Drw::RotateCCW, &Drw::RotateCW},
        {&Drw::RotateCW, &Drw::RotateCW, &Drw::RotateCW, &Drw::RotateCW},
    };
    for (unsigned seed = 1; seed <= 30; seed++) {
        const Drw original = RandomDrawing(seed);
        for (size_t k = 0; k < sequences.size(); k++) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", sequence " << k);
            Drw drw = original;
            for (Edit edit : sequences[k]) {
                (drw.*edit)();
                ASSERT_TRUE(CheckInvariants(drw));
            }
            EXPECT_TRUE(SameDrawing(drw, original, 1e-9));
        }
    }
}

// ---- Selections --------------------------------------------------------------------------------------------------

TEST(DrwTransform, SelectionRulesOfMovePaths)
{
    const int two = 2, zero = 0, negative = -1;
    const int list[] = {3, 1, 9};
    struct Case {
        const char* name;
        const int* count;
        const int* paths;
        std::vector<bool> moved;  // per path 1..3
    };
    const Case cases[] = {
        {"count absent", nullptr, list, {true, true, true}},
        {"array absent", &two, nullptr, {true, true, true}},
        {"count 0", &zero, list, {false, false, false}},
        {"negative count", &negative, list, {false, false, false}},
        {"first two numbers listed", &two, list, {true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Drw original = MakeDrawing({2, 3, 1});
        Drw drw = original;
        int expectedCount = 0;
        const int result = drw.MovePaths(5, -2, c.count, c.paths);
        for (int i = 0; i < drw.entityCount(); i++) {
            const bool moved = c.moved[drw.entities[i].sequence - 1];
            expectedCount += moved ? 1 : 0;
            EXPECT_DOUBLE_EQ(drw.entities[i].x1, original.entities[i].x1 + (moved ? 5 : 0));
            EXPECT_DOUBLE_EQ(drw.entities[i].y2, original.entities[i].y2 - (moved ? 2 : 0));
        }
        EXPECT_EQ(result, expectedCount);
        EXPECT_EQ(drw.modified, expectedCount > 0);
        EXPECT_TRUE(CheckInvariants(drw));
    }
}

TEST(DrwTransform, AllFiniteLooksAtEveryCoordinate)
{
    Drw drw;
    EXPECT_TRUE(drw.AllFinite());
    drw.AddArc(0, 0, 2, 0, 1, 0, true, "0", 1, false, false);
    drw.pathCount = 1;
    EXPECT_TRUE(drw.AllFinite());
    for (double Entity::*field : {&Entity::x1, &Entity::y1, &Entity::x2, &Entity::y2, &Entity::xc, &Entity::yc}) {
        Drw broken = drw;
        broken.entities[0].*field = std::numeric_limits<double>::infinity();
        EXPECT_FALSE(broken.AllFinite());
        broken.entities[0].*field = std::nan("");
        EXPECT_FALSE(broken.AllFinite());
    }
}

TEST(DrwTransform, MoveByNothingDoesNothing)
{
    Drw drw = MakeDrawing({2, 2});
    EXPECT_EQ(drw.MovePaths(0, 0, nullptr, nullptr), 0);
    EXPECT_EQ(drw.MovePaths(1e-9, -1e-9, nullptr, nullptr), 0);
    EXPECT_EQ(drw.CopyPaths(0, 0, nullptr, nullptr), 0);
    EXPECT_FALSE(drw.modified);
    EXPECT_TRUE(SameDrawing(drw, MakeDrawing({2, 2})));
}

TEST(DrwTransform, MoveCarriesArcCentresAndKeepsZ)
{
    Drw drw = BoxDrawing();
    drw.entities[1].zc = 3;
    EXPECT_EQ(drw.MovePaths(1, 2, nullptr, nullptr), 2);
    EXPECT_EQ(drw.entities[1].xc, 61);
    EXPECT_EQ(drw.entities[1].yc, 47);
    EXPECT_EQ(drw.entities[1].zc, 3);
    EXPECT_EQ(drw.entities[0].xc, 0);  // a line's centre is not touched
}

// Path numbers without entities, as an import leaves them (here all of them, and one between two paths): the
// path edits pass over them.
TEST(DrwTransform, PathEditsPassOverNumbersWithoutEntities)
{
    Drw empty;
    empty.pathCount = 2;
    Drw gap = MakeDrawing({2, 1});
    gap.entities[2].sequence = gap.pathCount = 3;
    for (const Drw& original : {empty, gap}) {
        Drw drw = original;
        const int selected[] = {2};
        const int count = 1;
        EXPECT_EQ(drw.MovePaths(1, 1, &count, selected), 0);
        EXPECT_EQ(drw.CopyPaths(1, 1, &count, selected), 0);
        EXPECT_EQ(drw.ScalePaths(2, &count, selected, false), 0);
        EXPECT_FALSE(drw.modified);
        EXPECT_EQ(drw.CopyPaths(1, 1, nullptr, nullptr), original.entityCount());
        EXPECT_TRUE(CheckInvariants(drw, true));
    }
}

// ---- Copies ------------------------------------------------------------------------------------------------------

TEST(DrwTransform, CopiesAreAppendedInPathOrder)
{
    Drw drw = MakeDrawing({1, 2, 3, 1, 1});
    drw.entities[3].layer = drw.entities[4].layer = drw.entities[5].layer = "Cucitura";
    drw.AddLayer("Cucitura");
    const int selected[] = {3, 2};
    const int count = 2;
    EXPECT_EQ(drw.CopyPaths(100, 0, &count, selected), 5);
    ASSERT_EQ(drw.pathCount, 7);
    ASSERT_EQ(drw.entityCount(), 13);
    EXPECT_TRUE(CheckInvariants(drw));
    int first, last;
    drw.PathRange(6, first, last);
    ASSERT_EQ(last - first, 1);
    EXPECT_EQ(drw.entities[first].x1, drw.entities[1].x1 + 100);
    drw.PathRange(7, first, last);
    ASSERT_EQ(last - first, 2);
    for (int i = first; i <= last; i++) {
        EXPECT_EQ(drw.entities[i].layer, "Cucitura");
        EXPECT_EQ(drw.entities[i].y1, drw.entities[i - 7].y1);
    }
    EXPECT_TRUE(drw.entities[first].joinedNext);
}

TEST(DrwTransform, CopiesOfEveryPathAreNotCopiedAgain)
{
    Drw drw = MakeDrawing({2, 3});
    EXPECT_EQ(drw.CopyPaths(0, 50, nullptr, nullptr), 5);
    EXPECT_EQ(drw.pathCount, 4);
    EXPECT_EQ(drw.entityCount(), 10);
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(DrwTransform, CopiesIntoAFullDrawingAreCountedButRefused)
{
    MessageRecorder recorder;
    Drw drw;
    AddSingleLinePaths(drw, MaxEntities - 1);
    const int selected[] = {1, 2, 3};
    const int count = 3;
    EXPECT_EQ(drw.CopyPaths(0, 5, &count, selected), 3);
    EXPECT_EQ(drw.entityCount(), MaxEntities);
    EXPECT_EQ(recorder.Count(), 1u);
    EXPECT_TRUE(drw.limitReached);
}

// ---- Scaling -----------------------------------------------------------------------------------------------------

// Two unit squares side by side, paths 1 and 2, with 10 mm between them.
Drw TwoSquares()
{
    Drw drw;
    AddChainPath(drw, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    AddChainPath(drw, {{20, 0}, {30, 0}, {30, 10}, {20, 10}, {20, 0}});
    drw.modified = false;
    return drw;
}

TEST(DrwTransform, ScaleByOneOrZeroDoesNothing)
{
    for (double factor : {1.0, 1.0 + 1e-9, 0.0, -1e-9}) {
        Drw drw = TwoSquares();
        EXPECT_EQ(drw.ScalePaths(factor, nullptr, nullptr, true), 0);
        EXPECT_FALSE(drw.modified);
    }
}

TEST(DrwTransform, ScaleAboutTheCommonCentreOrEachOwn)
{
    Drw drw = TwoSquares();
    EXPECT_EQ(drw.ScalePaths(2, nullptr, nullptr, true), 8);
    EXPECT_TRUE(drw.modified);
    ExpectBox(drw, {-15, -5, 5, 15}, 1);
    ExpectBox(drw, {25, -5, 45, 15}, 2);

    drw = TwoSquares();
    EXPECT_EQ(drw.ScalePaths(2, nullptr, nullptr, false), 8);
    ExpectBox(drw, {-5, -5, 15, 15}, 1);
    ExpectBox(drw, {15, -5, 35, 15}, 2);
    EXPECT_TRUE(CheckInvariants(drw));
}

TEST(DrwTransform, ScaleOnlyTheSelectedPaths)
{
    Drw drw = TwoSquares();
    const int selected[] = {2};
    const int count = 1;
    EXPECT_EQ(drw.ScalePaths(0.5, &count, selected, true), 4);
    ExpectBox(drw, {0, 0, 10, 10}, 1);
    ExpectBox(drw, {22.5, 2.5, 27.5, 7.5}, 2);
}

TEST(DrwTransform, ScaledRandomDrawingsKeepCircularArcs)
{
    for (unsigned seed = 1; seed <= 20; seed++) {
        SCOPED_TRACE(seed);
        Drw drw = RandomDrawing(seed);
        const int scaled = drw.ScalePaths(seed % 2 ? 1.7 : -0.4, nullptr, nullptr, seed % 3 == 0);
        EXPECT_EQ(scaled, drw.entityCount());
        EXPECT_TRUE(CheckInvariants(drw));
        EXPECT_TRUE(ArcsAreCircular(drw));
    }
}

// ---- Resizing ----------------------------------------------------------------------------------------------------

TEST(DrwTransform, ResizeStretchesOneAxisAndRecentresArcs)
{
    Drw drw = BoxDrawing();
    drw.ResizeDrawing(210, 70, "");
    EXPECT_TRUE(drw.modified);
    EXPECT_DOUBLE_EQ(drw.entities[0].x1, 10);
    EXPECT_DOUBLE_EQ(drw.entities[0].x2, 210);
    EXPECT_DOUBLE_EQ(drw.entities[0].y2, 20);
    const Entity& arc = drw.entities[1];
    EXPECT_DOUBLE_EQ(arc.x1, 160);
    EXPECT_DOUBLE_EQ(arc.x2, 60);
    // The stretched centre (110, 45) lies on the bisector of the new chord already; y stays.
    EXPECT_DOUBLE_EQ(arc.xc, 110);
    EXPECT_DOUBLE_EQ(arc.yc, 45);
    EXPECT_TRUE(ArcsAreCircular(drw));
}

TEST(DrwTransform, ResizeMovesAStretchedArcCentreOntoItsBisector)
{
    Drw drw;
    drw.AddEntity(MakeArc(10, 0, 0, 10, 0, 0, false, 1));  // quarter circle, box (0, 0)-(10, 10)
    drw.pathCount = 1;
    drw.ResizeDrawing(20, 10, "");
    const Entity& arc = drw.entities[0];
    EXPECT_DOUBLE_EQ(arc.x1, 20);
    EXPECT_DOUBLE_EQ(arc.y2, 10);
    EXPECT_NEAR(Distance(arc.x1, arc.y1, arc.xc, arc.yc), Distance(arc.x2, arc.y2, arc.xc, arc.yc), 1e-9);
}

TEST(DrwTransform, ResizeUniformlyKeepsArcShapes)
{
    for (unsigned seed = 1; seed <= 10; seed++) {
        Drw drw = RandomDrawing(seed);
        const Box before = BoxOf(drw);
        drw.ResizeDrawing(before.minX + 3 * (before.maxX - before.minX), before.minY + 3 * (before.maxY - before.minY),
                          "");
        ExpectBox(drw, {before.minX, before.minY, before.minX + 3 * (before.maxX - before.minX),
                        before.minY + 3 * (before.maxY - before.minY)});
        EXPECT_TRUE(CheckInvariants(drw));
        EXPECT_TRUE(ArcsAreCircular(drw));
    }
}

TEST(DrwTransform, ResizeOnlyTheGivenLayer)
{
    Drw drw;
    drw.AddEntity(MakeLine(0, 0, 10, 10, 1, "Taglio"));
    drw.AddEntity(MakeLine(0, 10, 10, 0, 2, "0"));
    drw.pathCount = 2;
    drw.ResizeDrawing(20, 20, "TAGLIO");
    EXPECT_EQ(drw.entities[0].x2, 20);
    EXPECT_EQ(drw.entities[1].x2, 10);
}

TEST(DrwTransform, ResizeNeverProducesValuesThatAreNotFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Drw vertical;
    vertical.AddEntity(MakeLine(5, 0, 5, 10, 1));
    vertical.pathCount = 1;
    Drw drw = vertical;
    drw.ResizeDrawing(50, 30, "");  // no width: x stays
    EXPECT_EQ(drw.entities[0].x1, 5);
    EXPECT_EQ(drw.entities[0].y2, 30);

    for (double target : {inf, -inf, nan, 1e308}) {
        Drw wide;
        wide.AddEntity(MakeLine(-1e308, 0, 1e308, 10, 1));
        wide.pathCount = 1;
        wide.ResizeDrawing(target, 20, "");
        EXPECT_TRUE(IsFiniteDrawing(wide)) << target;
        drw = vertical;
        drw.ResizeDrawing(target, target, "");
        EXPECT_TRUE(IsFiniteDrawing(drw)) << target;
    }

    Drw empty;
    empty.ResizeDrawing(10, 10, "");
    EXPECT_EQ(empty.entityCount(), 0);
}

}  // namespace
