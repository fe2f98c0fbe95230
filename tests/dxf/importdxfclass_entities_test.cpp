// ImportDxfClass converters of LINE, ARC and CIRCLE: geometry, chaining with the entity before, layers, single
// precision, paper space and the extrusion direction.
#include <cmath>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"

namespace {

class ImportDxfClassEntities : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

struct Point {
    double x, y;
};

void ExpectStart(const Entity& e, Point p)
{
    EXPECT_NEAR(e.x1, p.x, 1e-9);
    EXPECT_NEAR(e.y1, p.y, 1e-9);
}

void ExpectEnd(const Entity& e, Point p)
{
    EXPECT_NEAR(e.x2, p.x, 1e-9);
    EXPECT_NEAR(e.y2, p.y, 1e-9);
}

// Two lines that touch: after the import the first ends where the second starts, each still its own path.
struct ChainCase {
    const char* fixture;
    Point firstStart, firstEnd, secondStart, secondEnd;
};

class ImportDxfClassChaining : public ImportDxfClassEntities, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ImportDxfClassChaining, TouchingLinesFollowEachOther)
{
    const ChainCase& c = GetParam();
    ImportResult r = ImportFixture(c.fixture);
    ASSERT_EQ(r.drawing.entityCount(), 2);
    const Entity& first = r.drawing.entities[0];
    const Entity& second = r.drawing.entities[1];
    ExpectStart(first, c.firstStart);
    ExpectEnd(first, c.firstEnd);
    ExpectStart(second, c.secondStart);
    ExpectEnd(second, c.secondEnd);
    EXPECT_EQ(first.sequence, 1);
    EXPECT_EQ(second.sequence, 2);
    EXPECT_EQ(r.drawing.pathCount, 2);
    ExpectWellFormed(r.drawing);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportDxfClassChaining,
                         ::testing::Values(
                             // the new line starts where the previous one starts: the previous one turns round
                             ChainCase{"line_start_on_previous_start.dxf", {10, 0}, {0, 0}, {0, 0}, {0, 10}},
                             // end to end in file order: both keep their directions
                             ChainCase{"lines_end_to_end.dxf", {0, 0}, {10, 0}, {10, 0}, {10, 10}},
                             // the new line ends where the previous one ends: the new one turns round
                             ChainCase{"line_end_on_previous_end.dxf", {0, 0}, {10, 0}, {10, 0}, {10, 10}},
                             // the new line ends where the previous one starts: both turn round
                             ChainCase{"line_end_on_previous_start.dxf", {10, 0}, {0, 0}, {0, 0}, {0, 10}}));

TEST_F(ImportDxfClassEntities, ArcRunsCounterClockwiseFromItsStartAngle)
{
    ImportResult r = ImportFixture("arc.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    const Entity& e = r.drawing.entities[0];
    EXPECT_TRUE(e.isArc);
    EXPECT_FALSE(e.clockwise);
    ExpectStart(e, {15, 10});
    ExpectEnd(e, {10, 15});
    EXPECT_EQ(e.xc, 10);
    EXPECT_EQ(e.layer, "Arcs");
    EXPECT_EQ(r.drawing.layerCount(), 1);
}

TEST_F(ImportDxfClassEntities, CircleIsFourQuarterArcsFromAngleZero)
{
    ImportResult r = ImportFixture("circle.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 4);
    const Point ends[] = {{5, 7}, {3, 5}, {5, 3}, {7, 5}};
    ExpectStart(r.drawing.entities[0], {7, 5});
    for (int i = 0; i < 4; ++i) {
        const Entity& e = r.drawing.entities[i];
        ExpectEnd(e, ends[i]);
        EXPECT_TRUE(e.isArc);
        EXPECT_FALSE(e.clockwise);
        EXPECT_EQ(e.layer, "Holes");
        EXPECT_EQ(e.xc, 5);
        EXPECT_EQ(e.yc, 5);
    }
    ExpectWellFormed(r.drawing);
}

TEST_F(ImportDxfClassEntities, ArcClosingOnItselfBecomesACircle)
{
    ImportResult r = ImportFixture("arc_full_circle.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 4);
    ExpectStart(r.drawing.entities[0], {4, 0});
    ExpectEnd(r.drawing.entities[3], {4, 0});
    EXPECT_EQ(r.drawing.pathCount, 1);
    ExpectWellFormed(r.drawing);
}

TEST_F(ImportDxfClassEntities, CoordinatesArriveInSinglePrecision)
{
    ImportResult r = ImportFixture("single_precision.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].x1, 1234.5677490234375);
    EXPECT_EQ(r.drawing.entities[0].y1, static_cast<double>(0.1f));
}

TEST_F(ImportDxfClassEntities, LayerNamesAreUtf8OrDecodedFromWindows1252)
{
    ImportResult r = ImportFixture("layer_names.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 2);
    EXPECT_EQ(r.drawing.entities[0].layer, "Gr\u00f6\u00dfe");
    EXPECT_EQ(r.drawing.entities[1].layer, "Cot\u00e9");
    EXPECT_EQ(r.drawing.layerCount(), 2);
}

TEST_F(ImportDxfClassEntities, PaperSpaceEntitiesArePassedOverWithoutAPathNumber)
{
    ImportResult r = ImportFixture("paper_space.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].y1, 5);
    EXPECT_EQ(r.drawing.entities[0].sequence, 1);
    EXPECT_EQ(r.drawing.pathCount, 1);
}

TEST_F(ImportDxfClassEntities, ExtrusionFromBelowMirrorsXAndTurnsArcsRound)
{
    ImportResult r = ImportFixture("extrusion_below.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    ASSERT_EQ(d.pathCount, 5);
    // ARC about (10, 0) from 0 to 90 degrees, seen from below: about (-10, 0) from (-15, 0) clockwise to (-10, 5).
    const Entity& arc = d.entities[0];
    ExpectStart(arc, {-15, 0});
    ExpectEnd(arc, {-10, 5});
    EXPECT_EQ(arc.xc, -10);
    EXPECT_TRUE(arc.clockwise);
    // CIRCLE about (20, 0): about (-20, 0), every quarter clockwise.
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(d.entities[i].xc, -20);
        EXPECT_TRUE(d.entities[i].clockwise);
    }
    // LWPOLYLINE with bulge 1 from (0, 0) to (10, 0), the half circle through (5, -5): mirrored, from (0, 0) to
    // (-10, 0) through (-5, -5).
    const Entity& half = d.entities[5];
    EXPECT_EQ(half.sequence, 3);
    ExpectEnd(half, {-10, 0});
    double mx = 0, my = 0;
    PointAlong(half, 0.5, mx, my);
    EXPECT_NEAR(mx, -5, 1e-9);
    EXPECT_NEAR(my, -5, 1e-9);
    // POLYLINE (0,0), (5,0), (5,5): mirrored.
    ASSERT_EQ(EntitiesOfPath(d, 4), 2);
    ExpectEnd(d.entities[6], {-5, 0});
    ExpectEnd(d.entities[7], {-5, 5});
    // Another extrusion direction is taken as it stands.
    const Entity& plain = d.entities[8];
    ExpectStart(plain, {15, 0});
    EXPECT_FALSE(plain.clockwise);
}

}  // namespace
