// ImportDxfClass polyline converters: LWPOLYLINE and old-style POLYLINE, closing flags, bulges, degenerate
// polylines and the end of a POLYLINE.
#include <cmath>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"

namespace {

class ImportDxfClassPolyline : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

TEST_F(ImportDxfClassPolyline, ClosedWhenBitOneOfTheFlagsIsSet)
{
    // The same three vertices with the flags 1, 129, 0 and 128.
    ImportResult r = ImportFixture("lwpolyline_flags.dxf");
    ExpectWellFormed(r.drawing);
    EXPECT_EQ(r.drawing.pathCount, 4);
    const int expected[] = {3, 3, 2, 2};
    for (int path = 1; path <= 4; ++path)
        EXPECT_EQ(EntitiesOfPath(r.drawing, path), expected[path - 1]) << "path " << path;
    const Entity& closing = r.drawing.entities[2];
    EXPECT_EQ(closing.x1, 10);
    EXPECT_EQ(closing.y1, 10);
    EXPECT_EQ(closing.x2, 0);
    EXPECT_EQ(closing.y2, 0);
}

TEST_F(ImportDxfClassPolyline, BulgeShapesTheSegmentAfterItsVertex)
{
    ImportResult r = ImportFixture("lwpolyline_bulge.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    ASSERT_EQ(d.pathCount, 3);
    // Bulge 1 over 10 mm: a half circle of radius 5, counter-clockwise; bulge -1: the clockwise half.
    const struct {
        int index;
        bool clockwise;
        double midY;
    } halves[] = {{0, false, -5}, {1, true, 25}};
    for (const auto& h : halves) {
        const Entity& e = d.entities[h.index];
        EXPECT_TRUE(e.isArc);
        EXPECT_EQ(e.clockwise, h.clockwise);
        EXPECT_NEAR(std::hypot(e.x1 - e.xc, e.y1 - e.yc), 5, 1e-9);
        double mx = 0, my = 0;
        PointAlong(e, 0.5, mx, my);
        EXPECT_NEAR(mx, 5, 1e-9);
        EXPECT_NEAR(my, h.midY, 1e-9);
    }
    // A closed polyline whose only bulge is on its first vertex: arc, line, closing line.
    ASSERT_EQ(EntitiesOfPath(d, 3), 3);
    EXPECT_TRUE(d.entities[2].isArc);
    EXPECT_FALSE(d.entities[3].isArc);
    EXPECT_FALSE(d.entities[4].isArc);
}

TEST_F(ImportDxfClassPolyline, OneVertexAddsNothingButTakesAPathNumber)
{
    ImportResult r = ImportFixture("lwpolyline_one_vertex.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].sequence, 3);
    EXPECT_EQ(r.drawing.pathCount, 3);
}

TEST_F(ImportDxfClassPolyline, OldStylePolylineWithVerticesAndBulge)
{
    ImportResult r = ImportFixture("polyline_closed.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    EXPECT_EQ(d.pathCount, 2);
    EXPECT_EQ(EntitiesOfPath(d, 1), 3);
    EXPECT_EQ(EntitiesOfPath(d, 2), 3);  // 129 closes as well
    EXPECT_TRUE(d.entities[0].isArc);
    EXPECT_EQ(d.entities[0].layer, "Outer");
    EXPECT_EQ(d.entities[2].x2, 0);
    EXPECT_EQ(d.entities[2].y2, 0);
}

TEST_F(ImportDxfClassPolyline, PolylineEndsAtAnotherEntityBeforeItsFirstVertex)
{
    // A POLYLINE without VERTEX entities must not swallow the two LINEs after it.
    ImportResult r = ImportFixture("polyline_without_vertex.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 2);
    EXPECT_EQ(r.drawing.entities[0].sequence, 2);
    EXPECT_EQ(r.drawing.entities[1].sequence, 3);
    EXPECT_EQ(r.drawing.pathCount, 3);
}

TEST_F(ImportDxfClassPolyline, SplineFitPolylineFollowsItsCurveNotItsFrame)
{
    // Frame control points (vertex flag 16) are not on the curve; the fitted vertices (flag 8) are.
    ImportResult r = ImportFixture("polyline_spline_fit.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].x1, 0);
    EXPECT_EQ(r.drawing.entities[0].x2, 10);
}

}  // namespace
