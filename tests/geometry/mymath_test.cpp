// Tests of Mymath: tolerance comparisons, angles, entity operations, intersections and constructions, mostly as
// tables of cases at the edges (ties, full circles, ends of segments, tangents).
#include "geometry/mymath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double Near = 1e-9;
const double Root2 = std::sqrt(2.0);
const double NaN = std::numeric_limits<double>::quiet_NaN();

EntityGeometry Line(double x1, double y1, double x2, double y2)
{
    return {x1, y1, x2, y2, false, 0, 0, false};
}
EntityGeometry Arc(double x1, double y1, double x2, double y2, double cx, double cy, bool cw)
{
    return {x1, y1, x2, y2, true, cx, cy, cw};
}
// A point on the circle of radius r about (cx, cy) at the angle given in degrees.
double Px(double cx, double r, double degrees)
{
    return cx + r * std::cos(degrees * Pi / 180);
}
double Py(double cy, double r, double degrees)
{
    return cy + r * std::sin(degrees * Pi / 180);
}

}  // namespace

TEST(Mymath, ComparisonsUseOpenIntervalsAndFailOnNaN)
{
    struct Case {
        const char* what;
        bool got, expected;
    };
    const Case cases[] = {
        {"IsZero below", IsZero(9.9e-9), true},
        {"IsZero at tolerance", IsZero(1e-8), false},
        {"IsZero negative", IsZero(-9.9e-9), true},
        {"IsZero negative at tolerance", IsZero(-1e-8), false},
        {"IsZero own tolerance", IsZero(0.05, 0.1), true},
        {"IsEqual within", IsEqual(1, 1 + 5e-9), true},
        {"IsEqual beyond", IsEqual(1, 1 + 2e-8), false},
        {"IsLess tie", IsLess(0, 1e-8), false},
        {"IsLess clear", IsLess(1, 1 + 2e-8), true},
        {"IsLess within", IsLess(1, 1 + 5e-9), false},
        {"IsLessEqual within", IsLessEqual(1 + 5e-9, 1), true},
        {"IsLessEqual tie", IsLessEqual(1e-8, 0), false},
        {"IsGreater tie", IsGreater(1e-8, 0), false},
        {"IsGreater clear", IsGreater(1 + 2e-8, 1), true},
        {"IsGreaterEqual within", IsGreaterEqual(1 - 5e-9, 1), true},
        {"IsGreaterEqual tie", IsGreaterEqual(0, 1e-8), false},
        {"NaN IsZero", IsZero(NaN), false},
        {"NaN IsEqual", IsEqual(NaN, NaN), false},
        {"NaN IsLessEqual", IsLessEqual(NaN, 0), false},
        {"NaN IsGreaterEqual", IsGreaterEqual(0, NaN), false},
        {"vertical slope", IsVerticalSlope(LargestDouble), true},
        {"vertical slope negative", IsVerticalSlope(-LargestDouble), true},
        {"vertical slope threshold", IsVerticalSlope(LargestDouble / 10), false},
        {"steep slope", IsVerticalSlope(1e300), false},
        {"angle zero", IsAngleZero(0), true},
        {"angle full turn", IsAngleZero(TwoPi), true},
        {"angle hair below 2pi", IsAngleZero(TwoPi - 5e-9), true},
        {"angle hair below 0", IsAngleZero(-5e-9), true},
        {"angle two turns", IsAngleZero(2 * TwoPi), true},
        {"angle small", IsAngleZero(1e-6), false},
        {"angle small, wide tolerance", IsAngleZero(1e-6, 1e-5), true},
        {"angle near 2pi, wide tolerance", IsAngleZero(TwoPi - 1e-6, 1e-5), true},
        {"angle pi", IsAngleZero(Pi), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(Mymath, NormalizeAngleRanges)
{
    struct Case {
        double a;
        bool fullTurn;
        double expected;
    };
    const Case cases[] = {
        {TwoPi - 1e-9, false, -1e-9},
        {TwoPi, false, 0},
        {TwoPi, true, TwoPi},
        {TwoPi + 5e-9, true, TwoPi + 5e-9},
        {TwoPi + 2e-8, true, 2e-8},
        {-5e-9, false, -5e-9},
        {-2e-8, false, TwoPi - 2e-8},
        {-HalfPi, false, ThreeHalfPi},
        {7 * Pi, false, Pi},
        {-7 * Pi, true, Pi},
        {Pi, false, Pi},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(NormalizeAngle(c.a, c.fullTurn), c.expected, 1e-14) << c.a;
    const double huge = NormalizeAngle(1e12, false);
    EXPECT_TRUE(huge >= -Epsilon && huge < TwoPi) << huge;
    EXPECT_TRUE(std::isnan(NormalizeAngle(std::numeric_limits<double>::infinity(), false)));
}

TEST(Mymath, VectorAngleAndNullVectors)
{
    struct Case {
        double dy, dx, expected;
        bool isNull;
    };
    const Case cases[] = {
        {0, 0, 0, true},       {5e-9, -5e-9, 0, true},   {0, -1, Pi, false}, {-1, 0, -HalfPi, false},
        {1, 1, Pi / 4, false}, {2e-8, 0, HalfPi, false}, {NaN, 1, 0, true},
    };
    for (const Case& c : cases) {
        bool isNull = !c.isNull;
        EXPECT_NEAR(VectorAngle(c.dy, c.dx, &isNull), c.expected, 1e-15) << c.dy << "," << c.dx;
        EXPECT_EQ(isNull, c.isNull) << c.dy << "," << c.dx;
    }
}

TEST(Mymath, SafeRootGuardsCancellation)
{
    struct Case {
        double a, b, expected;
    };
    const Case cases[] = {
        {4, 0, 2},
        {0, 4, -4},
        {1, 1, 0},
        {1e6, 1e6 - 1e-4, 0},                              // below 10^(6-9): cancellation noise
        {1e6, 1e6 - 1e-2, std::sqrt(1e6 - (1e6 - 1e-2))},  // above it: a real difference
        {0, 5e-9, std::sqrt(5e-9)},                        // a hair below zero still reads as two roots
        {1e-12, 0, 1e-6},                                  // small magnitudes: the guard is below the tolerance
    };
    for (const Case& c : cases)
        EXPECT_NEAR(SafeRoot(c.a, c.b), c.expected, 1e-12) << c.a << " - " << c.b;
}

TEST(Mymath, PointOnSegmentIncludesP1AndP2OnlyAlongPlusX)
{
    struct Case {
        const char* what;
        EntityGeometry e;
        double px, py;
        bool expected;
    };
    const Case cases[] = {
        {"+x P1", Line(0, 0, 10, 0), 0, 0, true},
        {"+x P2", Line(0, 0, 10, 0), 10, 0, true},
        {"+x middle", Line(0, 0, 10, 0), 5, 0, true},
        {"+x within tolerance", Line(0, 0, 10, 0), 5, 5e-9, true},
        {"+x beside", Line(0, 0, 10, 0), 5, 1e-6, false},
        {"+x hair past P2", Line(0, 0, 10, 0), 10 + 5e-9, 0, true},
        {"+x before P1", Line(0, 0, 10, 0), -1, 0, false},
        {"+x past P2", Line(0, 0, 10, 0), 10.001, 0, false},
        {"+y P1", Line(0, 0, 0, 10), 0, 0, true},
        {"+y P2", Line(0, 0, 0, 10), 0, 10, false},
        {"+y middle", Line(0, 0, 0, 10), 0, 4, true},
        {"-x P2", Line(10, 0, 0, 0), 0, 0, false},
        {"-x P1", Line(10, 0, 0, 0), 10, 0, true},
        {"diagonal middle", Line(0, 0, 3, 4), 1.5, 2, true},
        {"diagonal off", Line(0, 0, 3, 4), 1.5, 2.1, false},
        {"zero length", Line(1, 1, 1, 1), 1, 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPointOnEntity(c.e, c.px, c.py), c.expected) << c.what;
}

TEST(Mymath, PointOnArcFollowsDirectionAndFullCircle)
{
    const EntityGeometry ccw = Arc(10, 0, 0, 10, 0, 0, false);
    const EntityGeometry cw = Arc(10, 0, 0, 10, 0, 0, true);
    const EntityGeometry full = Arc(10, 0, 10, 0, 0, 0, false);
    const EntityGeometry acrossCut = Arc(Px(0, 10, 170), Py(0, 10, 170), Px(0, 10, -170), Py(0, 10, -170), 0, 0, false);
    struct Case {
        const char* what;
        const EntityGeometry& e;
        double px, py;
        bool expected;
    };
    const Case cases[] = {
        {"ccw inside", ccw, Px(0, 10, 45), Py(0, 10, 45), true},
        {"ccw outside", ccw, 0, -10, false},
        {"ccw P1", ccw, 10, 0, true},
        {"ccw P2", ccw, 0, 10, true},
        {"ccw radius within tolerance", ccw, Px(0, 10 + 5e-9, 45), Py(0, 10 + 5e-9, 45), true},
        {"ccw off radius", ccw, Px(0, 10.001, 45), Py(0, 10.001, 45), false},
        {"cw inside", cw, 0, -10, true},
        {"cw outside", cw, Px(0, 10, 45), Py(0, 10, 45), false},
        {"cw P1", cw, 10, 0, true},
        {"cw P2", cw, 0, 10, true},
        {"full top", full, 0, 10, true},
        {"full left", full, -10, 0, true},
        {"full bottom", full, 0, -10, true},
        {"full P1", full, 10, 0, true},
        {"full inside", full, 5, 0, false},
        {"full centre", full, 0, 0, false},
        {"across the cut", acrossCut, -10, 0, true},
        {"across the cut, outside", acrossCut, 10, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsPointOnEntity(c.e, c.px, c.py), c.expected) << c.what;
}

TEST(Mymath, ArcSweepAndLength)
{
    struct Case {
        const char* what;
        EntityGeometry e;
        double sweep;
    };
    const Case cases[] = {
        {"quarter ccw", Arc(10, 0, 0, 10, 0, 0, false), HalfPi},
        {"quarter ccw run cw", Arc(10, 0, 0, 10, 0, 0, true), ThreeHalfPi},
        {"half ccw", Arc(10, 0, -10, 0, 0, 0, false), Pi},
        {"half cw", Arc(10, 0, -10, 0, 0, 0, true), Pi},
        {"across the cut", Arc(Px(0, 10, 170), Py(0, 10, 170), Px(0, 10, -170), Py(0, 10, -170), 0, 0, false), Pi / 9},
        {"full circle", Arc(10, 0, 10, 0, 0, 0, false), TwoPi},
        {"full circle cw", Arc(10, 0, 10 + 5e-9, 0, 0, 0, true), TwoPi},
        {"point", Arc(1, 1, 1, 1, 1, 1, false), 0},
        {"end at centre", Arc(10, 0, 0, 0, 0, 0, false), 0},
    };
    for (const Case& c : cases) {
        const EntityGeometry& e = c.e;
        EXPECT_NEAR(ArcSweep(e.x1, e.y1, e.x2, e.y2, e.cx, e.cy, e.cw), c.sweep, 1e-12) << c.what;
        EXPECT_NEAR(EntityLength(e), c.sweep * Distance(e.cx, e.cy, e.x1, e.y1), 1e-9) << c.what;
    }
    EXPECT_DOUBLE_EQ(EntityLength(Line(0, 0, 3, 4)), 5);
}

TEST(Mymath, EndTangentsAreDirectionsOfTravel)
{
    struct Case {
        const char* what;
        EntityGeometry e;
        double start, end;
    };
    const Case cases[] = {
        {"line down", Line(0, 0, 0, -5), ThreeHalfPi, ThreeHalfPi},
        {"ccw quarter", Arc(10, 0, 0, 10, 0, 0, false), HalfPi, Pi},
        {"cw quarter", Arc(0, 10, 10, 0, 0, 0, true), 0, ThreeHalfPi},
        {"ccw from bottom", Arc(0, -10, 10, 0, 0, 0, false), 0, HalfPi},
    };
    for (const Case& c : cases) {
        double start = -1, end = -1;
        EndTangents(c.e, start, end);
        EXPECT_NEAR(start, c.start, 1e-12) << c.what;
        EXPECT_NEAR(end, c.end, 1e-12) << c.what;
    }
}

TEST(Mymath, EntityExtentsIncludeCircleExtremesOnTheArc)
{
    const double s45 = 5 * std::sqrt(0.5);
    struct Case {
        const char* what;
        EntityGeometry e;
        double maxX, minX, maxY, minY;
    };
    const Case cases[] = {
        {"line reversed", Line(4, 7, -1, 2), 4, -1, 7, 2},
        {"quarter ccw", Arc(6, 2, 1, 7, 1, 2, false), 6, 1, 7, 2},
        {"quarter cw", Arc(6, 2, 1, 7, 1, 2, true), 6, -4, 7, -3},
        {"45..135 ccw", Arc(1 + s45, 2 + s45, 1 - s45, 2 + s45, 1, 2, false), 1 + s45, 1 - s45, 7, 2 + s45},
        {"45..135 cw", Arc(1 + s45, 2 + s45, 1 - s45, 2 + s45, 1, 2, true), 6, -4, 2 + s45, -3},
        {"30..60 ccw", Arc(Px(1, 5, 30), Py(2, 5, 30), Px(1, 5, 60), Py(2, 5, 60), 1, 2, false), Px(1, 5, 30),
         Px(1, 5, 60), Py(2, 5, 60), Py(2, 5, 30)},
        {"full circle", Arc(6, 2, 6, 2, 1, 2, true), 6, -4, 7, -3},
    };
    for (const Case& c : cases) {
        double maxX = 0, minX = 0, maxY = 0, minY = 0;
        EntityExtents(c.e, maxX, minX, maxY, minY);
        EXPECT_NEAR(maxX, c.maxX, Near) << c.what;
        EXPECT_NEAR(minX, c.minX, Near) << c.what;
        EXPECT_NEAR(maxY, c.maxY, Near) << c.what;
        EXPECT_NEAR(minY, c.minY, Near) << c.what;
    }
}

TEST(Mymath, DistanceToEntityUsesFootOrNearerEnd)
{
    const double c45 = 10 * std::sqrt(0.5);
    struct Case {
        const char* what;
        EntityGeometry e;
        double qx, qy, distance, nx, ny;
    };
    const Case cases[] = {
        {"beside a segment", Line(0, 0, 10, 0), 5, 3, 3, 5, 0},
        {"beyond the end", Line(0, 0, 10, 0), 13, 4, 5, 10, 0},
        {"before the start", Line(0, 0, 10, 0), -3, 4, 5, 0, 0},
        {"on the segment", Line(0, 0, 10, 0), 5, 0, 0, 5, 0},
        {"vertical, beside", Line(0, 0, 0, 10), 2, 5, 2, 0, 5},
        {"vertical, level with the end", Line(0, 0, 0, 10), 2, 10, 2, 0, 10},
        {"diagonal", Line(0, 0, 10, 10), 0, 10, std::sqrt(50.0), 5, 5},
        {"steep", Line(0, 0, 1, 10), 10, 1, 99 / std::sqrt(101.0), 20.0 / 101, 200.0 / 101},
        {"arc, outside", Arc(10, 0, 0, 10, 0, 0, false), 20, 20, 20 * Root2 - 10, c45, c45},
        {"arc, inside", Arc(10, 0, 0, 10, 0, 0, false), 3, 4, 5, 6, 8},
        {"arc, past P1", Arc(10, 0, 0, 10, 0, 0, false), 20, -1, std::sqrt(101.0), 10, 0},
        // The only foot on the arc is across the centre; the ends are nearer and tie, so P2 wins.
        {"arc, behind the centre", Arc(10, 0, 0, 10, 0, 0, false), -5, -5, std::sqrt(250.0), 0, 10},
    };
    for (const Case& c : cases) {
        double nx = NaN, ny = NaN;
        EXPECT_NEAR(DistanceToEntity(c.qx, c.qy, c.e, &nx, &ny), c.distance, Near) << c.what;
        EXPECT_NEAR(nx, c.nx, Near) << c.what;
        EXPECT_NEAR(ny, c.ny, Near) << c.what;
    }
    EXPECT_NEAR(DistanceToEntity(13, 4, Line(0, 0, 10, 0)), 5, Near);
}

TEST(Mymath, ProjectOnSegmentRejectsFeetOutsideAndAtEndsOfAxisSegments)
{
    double fx = 0, fy = 0;
    EXPECT_FALSE(ProjectOnEntity(Line(0, 0, 10, 0), 10, 3, fx, fy));
    EXPECT_FALSE(ProjectOnEntity(Line(0, 0, 10, 0), 11, 3, fx, fy));
    EXPECT_FALSE(ProjectOnEntity(Line(2, 2, 2, 2), 5, 5, fx, fy));
    EXPECT_FALSE(ProjectOnEntity(Arc(10, 0, 0, 10, 0, 0, false), 0, 0, fx, fy));
    ASSERT_TRUE(ProjectOnEntity(Line(0, 10, 0, 0), 3, 2, fx, fy));
    EXPECT_NEAR(fx, 0, Near);
    EXPECT_NEAR(fy, 2, Near);
}

TEST(Mymath, ExtendEndAndStartTravelAlongTheEntity)
{
    struct Case {
        const char* what;
        EntityGeometry e;
        bool atStart;
        double delta, px, py;
    };
    const double quarter = 5 * Pi;  // a quarter turn at radius 10
    const Case cases[] = {
        {"line longer", Line(0, 0, 3, 4), false, 5, 6, 8},
        {"line shorter", Line(0, 0, 3, 4), false, -2.5, 1.5, 2},
        {"line start longer", Line(0, 0, 3, 4), true, 5, -3, -4},
        {"line start shorter", Line(0, 0, 3, 4), true, -2.5, 1.5, 2},
        {"ccw arc longer", Arc(10, 0, 0, 10, 0, 0, false), false, quarter, -10, 0},
        {"ccw arc back to P1", Arc(10, 0, 0, 10, 0, 0, false), false, -quarter, 10, 0},
        {"ccw arc start longer", Arc(10, 0, 0, 10, 0, 0, false), true, quarter, 0, -10},
        {"cw arc longer", Arc(0, 10, 10, 0, 0, 0, true), false, quarter, 0, -10},
        {"cw arc start longer", Arc(0, 10, 10, 0, 0, 0, true), true, quarter, -10, 0},
        {"full circle shorter", Arc(10, 0, 10, 0, 0, 0, false), false, -quarter, 0, -10},
        {"point-sized arc", Arc(1, 1, 1, 1, 1, 1, false), false, 3, 1, 1},
    };
    for (const Case& c : cases) {
        double px = NaN, py = NaN;
        if (c.atStart)
            ExtendStart(c.e, c.delta, px, py);
        else
            ExtendEnd(c.e, c.delta, px, py);
        EXPECT_NEAR(px, c.px, Near) << c.what;
        EXPECT_NEAR(py, c.py, Near) << c.what;
    }
}

TEST(Mymath, ArcMidpointHalvesTheSweep)
{
    struct Case {
        const char* what;
        EntityGeometry e;
        double mx, my;
    };
    const double c45 = 10 * std::sqrt(0.5);
    const Case cases[] = {
        {"ccw quarter", Arc(10, 0, 0, 10, 0, 0, false), c45, c45},
        {"cw three quarters", Arc(10, 0, 0, 10, 0, 0, true), -c45, -c45},
        {"ccw across the cut", Arc(Px(0, 10, 170), Py(0, 10, 170), Px(0, 10, -170), Py(0, 10, -170), 0, 0, false), -10,
         0},
        {"cw the long way", Arc(Px(0, 10, 170), Py(0, 10, 170), Px(0, 10, -170), Py(0, 10, -170), 0, 0, true), 10, 0},
        {"off-centre half", Arc(6, 2, -4, 2, 1, 2, false), 1, 7},
        {"full circle gives P1", Arc(10, 0, 10, 0, 0, 0, false), 10, 0},
    };
    for (const Case& c : cases) {
        double mx = NaN, my = NaN;
        ArcMidpoint(c.e.x1, c.e.y1, c.e.x2, c.e.y2, c.e.cx, c.e.cy, c.e.cw, mx, my);
        EXPECT_NEAR(mx, c.mx, Near) << c.what;
        EXPECT_NEAR(my, c.my, Near) << c.what;
    }
}

TEST(Mymath, IntersectLinesInPointSlopeForm)
{
    struct Case {
        const char* what;
        double x1, y1, m1, x2, y2, m2;
        int count;
        double x, y;
    };
    const Case cases[] = {
        {"crossing", 0, 0, 1, 0, 2, -1, 1, 1, 1},
        {"first vertical", 3, 0, LargestDouble, 0, 1, 2, 1, 3, 7},
        {"second vertical", 0, 1, 2, 3, 0, -LargestDouble, 1, 3, 7},
        {"horizontal and vertical", 0, 5, 0, 2, 0, LargestDouble, 1, 2, 5},
        {"both vertical", 0, 0, LargestDouble, 1, 0, LargestDouble, 0, 0, 0},
        {"parallel", 0, 0, 0.5, 0, 1, 0.5, 0, 0, 0},
        {"coincident", 0, 0, 0.5, 2, 1, 0.5, 0, 0, 0},
        {"parallel within tolerance", 0, 0, 1, 0, 1, 1 + 5e-9, 0, 0, 0},
        {"nearly parallel", 0, 0, 1, 0, 1e-6, 1 + 1e-6, 1, -1, -1},
    };
    for (const Case& c : cases) {
        double x = NaN, y = NaN;
        EXPECT_EQ(IntersectLines(c.x1, c.y1, c.m1, c.x2, c.y2, c.m2, x, y), c.count) << c.what;
        if (c.count == 1) {
            EXPECT_NEAR(x, c.x, 1e-7) << c.what;
            EXPECT_NEAR(y, c.y, 1e-7) << c.what;
        }
    }
}

TEST(Mymath, IntersectSegmentsCountsPointsOnBoth)
{
    struct Case {
        const char* what;
        double x1, y1, x2, y2, x3, y3, x4, y4;
        int count;
        double x, y;
    };
    const Case cases[] = {
        {"crossing", 0, 0, 10, 10, 0, 10, 10, 0, 1, 5, 5},
        {"lines cross past an end", 0, 0, 4, 4, 0, 10, 10, 0, 0, 0, 0},
        {"touching at P1", 0, 0, 0, 10, -5, 0, 5, 0, 1, 0, 0},
        {"touching at P2 of a downward segment", 0, 10, 0, 0, -5, 0, 5, 0, 0, 0, 0},
        {"touching at P2 of a +x segment", -5, 0, 0, 0, 0, -5, 0, 5, 1, 0, 0},
        {"parallel", 0, 0, 10, 0, 0, 1, 10, 1, 0, 0, 0},
        {"collinear overlapping", 0, 0, 10, 0, 5, 0, 15, 0, 0, 0, 0},
        {"both vertical", 0, 0, 0, 10, 0, 5, 0, 15, 0, 0, 0},
    };
    for (const Case& c : cases) {
        double x[2] = {NaN, NaN}, y[2] = {NaN, NaN};
        EXPECT_EQ(IntersectSegments(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, x, y), c.count) << c.what;
        if (c.count == 1) {
            EXPECT_NEAR(x[0], c.x, Near) << c.what;
            EXPECT_NEAR(y[0], c.y, Near) << c.what;
        }
    }
}

TEST(Mymath, IntersectLineCircleOrdersPointsAndDetectsTangents)
{
    struct Case {
        const char* what;
        double ax, ay, bx, by, cx, cy, r;
        int count;
        double x0, y0, x1, y1;
    };
    const double big = 1000 * Root2;
    const Case cases[] = {
        {"diagonal secant", 0, 0, 1, 1, 0, 0, Root2, 2, 1, 1, -1, -1},
        {"steep secant", 0, 0, 1, 2, 0, 0, std::sqrt(5.0), 2, 1, 2, -1, -2},
        {"horizontal, off-centre circle", 0, 5, 1, 5, 5, 5, 5, 2, 10, 5, 0, 5},
        {"vertical", 3, 0, 3, 1, 0, 0, 5, 2, 3, 4, 3, -4},
        {"horizontal tangent", 0, 5, 1, 5, 0, 0, 5, 1, 0, 5, 0, 0},
        {"vertical tangent", -5, 0, -5, 1, 0, 0, 5, 1, -5, 0, 0, 0},
        // Below magnitude 100 the cancellation guard is finer than the tolerance: a tangent reads as two
        // points a hair apart.
        {"small diagonal tangent", 2, 0, 0, 2, 0, 0, Root2, 2, 1, 1, 1, 1},
        {"large diagonal tangent", 2000, 0, 0, 2000, 0, 0, big, 1, 1000, 1000, 0, 0},
        {"miss", 0, 6, 1, 6, 0, 0, 5, 0, 0, 0, 0, 0},
        {"no line", 1, 1, 1, 1, 0, 0, 5, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        double x[2] = {NaN, NaN}, y[2] = {NaN, NaN};
        ASSERT_EQ(IntersectLineCircle(c.ax, c.ay, c.bx, c.by, c.cx, c.cy, c.r, x, y), c.count) << c.what;
        if (c.count >= 1) {
            EXPECT_NEAR(x[0], c.x0, 1e-7) << c.what;
            EXPECT_NEAR(y[0], c.y0, 1e-7) << c.what;
        }
        if (c.count == 2) {
            EXPECT_NEAR(x[1], c.x1, 1e-7) << c.what;
            EXPECT_NEAR(y[1], c.y1, 1e-7) << c.what;
        }
    }
}

TEST(Mymath, IntersectCirclesCasesAndPointsOnBoth)
{
    struct Case {
        const char* what;
        double c1x, c1y, r1, c2x, c2y, r2;
        int count;
        double x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"two points", 0, 0, 5, 8, 0, 5, 2, 4, 3, 4, -3},
        {"centres one above the other", 0, 0, 5, 0, 8, 5, 2, -3, 4, 3, 4},
        {"touching outside", 0, 0, 3, 5, 0, 2, 1, 3, 0, 0, 0},
        {"touching outside within tolerance", 0, 0, 3, 5 + 5e-9, 0, 2, 1, 3, 0, 0, 0},
        {"touching inside", 0, 0, 5, 2, 0, 3, 1, 5, 0, 0, 0},
        {"concentric", 1, 1, 5, 1, 1, 5, 0, 0, 0, 0, 0},
        {"apart", 0, 0, 1, 5, 0, 1, 0, 0, 0, 0, 0},
        {"one inside the other", 0, 0, 5, 1, 0, 1, 0, 0, 0, 0, 0},
        {"oblique", 1, 2, 4, 4, 6, 3, 2, NaN, NaN, NaN, NaN},
        {"oblique, larger first", 4, 6, 4.5, 1, 2, 2, 2, NaN, NaN, NaN, NaN},
    };
    for (const Case& c : cases) {
        double x[2] = {NaN, NaN}, y[2] = {NaN, NaN};
        const int count = IntersectCircles(c.c1x, c.c1y, c.r1, c.c2x, c.c2y, c.r2, x, y);
        ASSERT_EQ(count, c.count) << c.what;
        for (int i = 0; i < count; ++i) {
            EXPECT_NEAR(Distance(x[i], y[i], c.c1x, c.c1y), c.r1, 1e-7) << c.what;
            EXPECT_NEAR(Distance(x[i], y[i], c.c2x, c.c2y), c.r2, 1e-7) << c.what;
        }
        if (count >= 1 && !std::isnan(c.x0)) {
            EXPECT_NEAR(x[0], c.x0, 1e-7) << c.what;
            EXPECT_NEAR(y[0], c.y0, 1e-7) << c.what;
        }
        if (count == 2 && !std::isnan(c.x1)) {
            EXPECT_NEAR(x[1], c.x1, Near) << c.what;
            EXPECT_NEAR(y[1], c.y1, Near) << c.what;
        }
    }
}

TEST(Mymath, CircleThrough3PointsGivesCentreAndDirection)
{
    struct Case {
        const char* what;
        double x1, y1, x2, y2, x3, y3;
        bool ok;
        double cx, cy, r;
        bool cw;
    };
    const Case cases[] = {
        {"counter-clockwise", 10, 0, 0, 10, -10, 0, true, 0, 0, 10, false},
        {"clockwise", -10, 0, 0, 10, 10, 0, true, 0, 0, 10, true},
        {"horizontal first chord", -5, 0, 5, 0, 0, 5, true, 0, 0, 5, false},
        {"vertical first chord", 0, -5, 0, 5, 5, 0, true, 0, 0, 5, true},
        {"off-centre", 6, 2, 1, 7, -4, 2, true, 1, 2, 5, false},
        {"collinear", 0, 0, 1, 1, 2, 2, false, 0, 0, 0, false},
        {"collinear horizontal", 0, 0, 1, 0, 3, 0, false, 0, 0, 0, false},
        {"P1 equals P2", 0, 0, 0, 0, 1, 1, false, 0, 0, 0, false},
        {"P1 equals P3", 0, 0, 1, 1, 0, 0, false, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        double cx = NaN, cy = NaN, r = NaN;
        bool cw = !c.cw;
        ASSERT_EQ(CircleThrough3Points(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, cx, cy, r, cw), c.ok) << c.what;
        if (!c.ok)
            continue;
        EXPECT_NEAR(cx, c.cx, Near) << c.what;
        EXPECT_NEAR(cy, c.cy, Near) << c.what;
        EXPECT_NEAR(r, c.r, Near) << c.what;
        EXPECT_EQ(cw, c.cw) << c.what;
        // The arc from P1 to P3 in that direction passes P2.
        EXPECT_TRUE(IsPointOnEntity(Arc(c.x1, c.y1, c.x3, c.y3, cx, cy, cw), c.x2, c.y2)) << c.what;
    }
}

TEST(Mymath, ArcCentreFromRadiusChoosesBySideAndSize)
{
    const double r = 5 * Root2;
    struct Case {
        const char* what;
        double r;
        bool cw, largeArc, ok;
        double cx, cy;
    };
    const Case cases[] = {
        {"ccw small", r, false, false, true, 5, 5},       {"ccw large", r, false, true, true, 5, -5},
        {"cw small", r, true, false, true, 5, -5},        {"cw large", r, true, true, true, 5, 5},
        {"half circle", 5, false, false, true, 5, 0},     {"chord too long", 4, false, false, false, 0, 0},
        {"zero radius", 5e-9, false, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        double cx = NaN, cy = NaN;
        ASSERT_EQ(ArcCentreFromRadius(0, 0, 10, 0, c.r, c.cw, c.largeArc, cx, cy), c.ok) << c.what;
        if (!c.ok)
            continue;
        EXPECT_NEAR(cx, c.cx, 1e-7) << c.what;
        EXPECT_NEAR(cy, c.cy, 1e-7) << c.what;
    }
    double cx = 0, cy = 0;
    EXPECT_FALSE(ArcCentreFromRadius(3, 3, 3, 3, 5, false, false, cx, cy));
}

TEST(Mymath, ArcFromBulgeHalfSmallAndLargeArcs)
{
    struct Case {
        const char* what;
        double bulge;
        bool ok;
        double cx, cy, r;
        bool cw;
        double sweep;
    };
    const Case cases[] = {
        {"bulge 1: half circle", 1, true, 5, 0, 5, false, Pi},
        {"bulge -1: clockwise half circle", -1, true, 5, 0, 5, true, Pi},
        {"bulge -0.5: small clockwise arc", -0.5, true, 5, -3.75, 6.25, true, 4 * std::atan(0.5)},
        {"bulge 2: large arc", 2, true, 5, -3.75, 6.25, false, 4 * std::atan(2.0)},
        {"bulge 0", 0, false, 0, 0, 0, false, 0},
        {"bulge below tolerance", 5e-9, false, 0, 0, 0, false, 0},
    };
    for (const Case& c : cases) {
        double cx = NaN, cy = NaN, r = NaN;
        bool cw = !c.cw;
        ASSERT_EQ(ArcFromBulge(0, 0, 10, 0, c.bulge, cx, cy, r, cw), c.ok) << c.what;
        if (!c.ok)
            continue;
        EXPECT_NEAR(cx, c.cx, 1e-7) << c.what;
        EXPECT_NEAR(cy, c.cy, 1e-7) << c.what;
        EXPECT_NEAR(r, c.r, Near) << c.what;
        EXPECT_EQ(cw, c.cw) << c.what;
        EXPECT_NEAR(ArcSweep(0, 0, 10, 0, cx, cy, cw), c.sweep, 1e-7) << c.what;
    }
    double cx = 0, cy = 0, r = 0;
    bool cw = false;
    EXPECT_FALSE(ArcFromBulge(2, 2, 2, 2, 1, cx, cy, r, cw));
}

TEST(Mymath, SnapCentreToBisectorProjectsOntoTheBisector)
{
    struct Case {
        const char* what;
        double x1, y1, x2, y2, cx, cy;
        bool ok;
        double sx, sy;
    };
    const Case cases[] = {
        {"already equidistant", 0, 0, 10, 0, 5, 3, true, 5, 3}, {"horizontal chord", 0, 0, 10, 0, 4, 3, true, 5, 3},
        {"vertical chord", 0, 0, 0, 10, 3, 4, true, 3, 5},      {"diagonal chord", 0, 0, 10, 10, 1, 8, true, 1.5, 8.5},
        {"chord of zero length", 2, 2, 2, 2, 5, 5, true, 5, 5}, {"all three coincide", 2, 2, 2, 2, 2, 2, false, 2, 2},
    };
    for (const Case& c : cases) {
        double cx = c.cx, cy = c.cy, r = NaN;
        ASSERT_EQ(SnapCentreToBisector(c.x1, c.y1, c.x2, c.y2, cx, cy, &r), c.ok) << c.what;
        EXPECT_NEAR(cx, c.sx, Near) << c.what;
        EXPECT_NEAR(cy, c.sy, Near) << c.what;
        if (c.ok) {
            EXPECT_NEAR(r, Distance(c.x1, c.y1, cx, cy), Near) << c.what;
        }
    }
}
