// ImportDxfClass ELLIPSE converter: the number of arcs, the path's shape against the true ellipse, parameters
// through 0, flat ellipses, the extrusion direction and the null axis.
#include <cmath>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"

namespace {

class ImportDxfClassEllipse : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

// Every point of the path's entities (sampled) lies within tolerance of the ellipse with centre (cx, cy),
// semi-axes a, b and major axis at angle theta.
void ExpectOnEllipse(const Drw& d, int path, double cx, double cy, double a, double b, double theta, double tolerance)
{
    for (const Entity& e : d.entities) {
        if (e.sequence != path)
            continue;
        for (double f : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            double x, y;
            PointAlong(e, f, x, y);
            const double u = (x - cx) * std::cos(theta) + (y - cy) * std::sin(theta);
            const double v = -(x - cx) * std::sin(theta) + (y - cy) * std::cos(theta);
            const double radial = std::hypot(u / a, v / b);
            EXPECT_NEAR(radial, 1, tolerance) << "at (" << x << ", " << y << ")";
        }
    }
}

TEST_F(ImportDxfClassEllipse, PiecesOfAnEighthOfPiEachGiveTwoArcs)
{
    // Whole (0 to 2π), quarter (0 to π/2), from 5.5 through 0 to 0.5, whole from 0.3 to 0.3 + 2π.
    ImportResult r = ImportFixture("ellipses.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    ASSERT_EQ(d.pathCount, 4);
    EXPECT_EQ(EntitiesOfPath(d, 1), 32);
    EXPECT_EQ(EntitiesOfPath(d, 2), 8);
    EXPECT_EQ(EntitiesOfPath(d, 3), 8);
    EXPECT_EQ(EntitiesOfPath(d, 4), 32);
    for (const Entity& e : d.entities) {
        EXPECT_TRUE(e.isArc);
        EXPECT_FALSE(e.clockwise);
    }
    // The whole ellipse starts and ends at the end of its major axis.
    EXPECT_NEAR(d.entities[0].x1, 20, 1e-9);
    EXPECT_NEAR(d.entities[31].x2, 20, 1e-9);
    EXPECT_NEAR(d.entities[31].y2, 0, 1e-9);
    // Through 0: from parameter 5.5 to 0.5.
    const Entity& first = d.entities[40];
    const Entity& last = d.entities[47];
    EXPECT_NEAR(first.x1, 200 + 20 * std::cos(5.5), 1e-9);
    EXPECT_NEAR(first.y1, 10 * std::sin(5.5), 1e-9);
    EXPECT_NEAR(last.x2, 200 + 20 * std::cos(0.5), 1e-9);
    EXPECT_NEAR(last.y2, 10 * std::sin(0.5), 1e-9);
    for (int path = 1; path <= 3; ++path)
        ExpectOnEllipse(d, path, (path - 1) * 100.0, 0, 20, 10, 0, 2e-3);
}

TEST_F(ImportDxfClassEllipse, RotatedPartialEllipseFollowsTheCurve)
{
    // Major axis (0, 30) from (50, 50), ratio 0.25, parameters 0.7 to 2.1.
    ImportResult r = ImportFixture("ellipse_rotated.dxf");
    ExpectWellFormed(r.drawing);
    ASSERT_GT(r.drawing.entityCount(), 0);
    const Entity& first = r.drawing.entities.front();
    const double t0 = static_cast<float>(0.7);
    EXPECT_NEAR(first.x1, 50 - 7.5 * std::sin(t0), 1e-6);
    EXPECT_NEAR(first.y1, 50 + 30 * std::cos(t0), 1e-6);
    ExpectOnEllipse(r.drawing, 1, 50, 50, 30, 7.5, HalfPi, 5e-3);
}

TEST_F(ImportDxfClassEllipse, FlatEllipseBecomesOneChainOfLines)
{
    ImportResult r = ImportFixture("ellipse_flat.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    ASSERT_EQ(d.entityCount(), 8);  // 0 to π: eight pieces, no biarc for any
    for (const Entity& e : d.entities) {
        EXPECT_FALSE(e.isArc);
        EXPECT_NEAR(e.y1, 0, 1e-12);
    }
    EXPECT_NEAR(d.entities.front().x1, 10, 1e-9);
    EXPECT_NEAR(d.entities.back().x2, -10, 1e-9);
}

TEST_F(ImportDxfClassEllipse, SeenFromBelowTheEllipseRunsClockwiseFromItsMajorAxis)
{
    // Centre (50, 50), major axis (20, 0), ratio 0.5, 0 to π/2, extrusion (0, 0, -1): the minor axis points to -y,
    // so the arc runs clockwise from (70, 50) to (50, 40).
    ImportResult r = ImportFixture("ellipse_below.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    ASSERT_EQ(d.entityCount(), 8);
    EXPECT_NEAR(d.entities.front().x1, 70, 1e-9);
    EXPECT_NEAR(d.entities.front().y1, 50, 1e-9);
    EXPECT_NEAR(d.entities.back().x2, 50, 1e-6);
    EXPECT_NEAR(d.entities.back().y2, 40, 1e-6);
    for (const Entity& e : d.entities)
        EXPECT_TRUE(e.clockwise);
    ExpectOnEllipse(d, 1, 50, 50, 20, 10, 0, 2e-3);
}

TEST_F(ImportDxfClassEllipse, NullMajorAxisTakesNoPathNumber)
{
    ImportResult r = ImportFixture("ellipse_null_axis.dxf");
    ASSERT_EQ(r.drawing.entityCount(), 1);
    EXPECT_EQ(r.drawing.entities[0].sequence, 1);
    EXPECT_EQ(r.drawing.pathCount, 1);
}

}  // namespace
