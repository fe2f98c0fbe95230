// CurveToArcs on NURBS curves: every point of the chain within the tolerance of the curve and back, measured with
// an evaluation of its own (Cox-de Boor), on curves of degree 1 to 5, clamped and not, rational, closed and
// periodic, with coinciding control points, cusps, inflections, loops and corners; and fewer entities than lines.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/curvearcs.h"
#include "dxf/nurbs.h"
#include "dxf/spline_reference.h"

namespace {

// Knots 0 .. n + degree, evenly spaced.
std::vector<double> UniformKnots(int degree, std::size_t n)
{
    std::vector<double> knots;
    for (std::size_t i = 0; i < n + degree + 1; ++i)
        knots.push_back(static_cast<double>(i));
    return knots;
}

// Evenly spaced inner knots, the end knots repeated degree + 1 times: the curve starts and ends on its end points.
std::vector<double> ClampedKnots(int degree, std::size_t n)
{
    std::vector<double> knots(degree + 1, 0.0);
    for (std::size_t i = 1; i + degree < n; ++i)
        knots.push_back(static_cast<double>(i));
    knots.insert(knots.end(), degree + 1, static_cast<double>(n - degree));
    return knots;
}

NurbsCurve Clamped(int degree, std::vector<Vec2> points, std::vector<double> weights = {})
{
    NurbsCurve c{degree, ClampedKnots(degree, points.size()), std::move(points), std::move(weights)};
    return c;
}

NurbsCurve Unclamped(int degree, std::vector<Vec2> points)
{
    return {degree, UniformKnots(degree, points.size()), std::move(points), {}};
}

// A closed curve without a seam: the first degree control points repeated at the end, uniform knots.
NurbsCurve Periodic(int degree, std::vector<Vec2> points)
{
    for (int i = 0; i < degree; ++i)
        points.push_back(points[i]);
    return Unclamped(degree, std::move(points));
}

// A wave along x of the given length and height, n control points.
std::vector<Vec2> Wave(std::size_t n, double length, double height)
{
    std::vector<Vec2> points;
    for (std::size_t i = 0; i < n; ++i)
        points.push_back({length * i / (n - 1), height * std::sin(1.7 * i) + 0.3 * height * std::cos(0.6 * i * i)});
    return points;
}

// The exact circle of radius r about (cx, cy): quadratic, nine control points at the corners and middles of its
// square, the corners weighted sqrt(2) / 2.
NurbsCurve Circle(double cx, double cy, double r)
{
    const double h = std::sqrt(0.5);
    std::vector<Vec2> points{{cx + r, cy},     {cx + r, cy + r}, {cx, cy + r},     {cx - r, cy + r}, {cx - r, cy},
                             {cx - r, cy - r}, {cx, cy - r},     {cx + r, cy - r}, {cx + r, cy}};
    return {2, {0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4}, points, {1, h, 1, h, 1, h, 1, h, 1}};
}

struct SplineCase {
    const char* name;
    NurbsCurve curve;
};

std::vector<SplineCase> Cases()
{
    return {
        {"Degree1Polyline", Clamped(1, {{0, 0}, {10, 5}, {20, -3}, {30, 8}, {30, 20}})},
        {"Degree2Clamped", Clamped(2, Wave(7, 60, 15))},
        {"Degree3Clamped", Clamped(3, Wave(10, 120, 25))},
        {"Degree4Clamped", Clamped(4, Wave(11, 90, 20))},
        {"Degree5Clamped", Clamped(5, Wave(12, 100, 30))},
        {"Degree2Unclamped", Unclamped(2, Wave(8, 70, 12))},
        {"Degree3Unclamped", Unclamped(3, Wave(9, 80, 18))},
        {"Degree5Unclamped", Unclamped(5, Wave(13, 110, 22))},
        {"RationalCircle", Circle(50, -20, 10)},
        {"RationalCubic", Clamped(3, Wave(8, 50, 20), {1, 0.3, 2.5, 1, 0.7, 4, 1.2, 1})},
        {"ClosedClamped", Clamped(3, {{0, 0}, {20, -10}, {40, 5}, {30, 30}, {5, 25}, {-10, 10}, {0, 0}})},
        {"PeriodicQuadratic", Periodic(2, {{0, 0}, {30, 0}, {40, 20}, {15, 35}, {-10, 20}})},
        {"PeriodicCubic", Periodic(3, {{0, 0}, {30, -5}, {45, 20}, {20, 40}, {-5, 30}, {-15, 10}})},
        {"CoincidingControlPoints",
         Clamped(3, {{0, 0}, {0, 0}, {10, 10}, {20, 0}, {20, 0}, {20, 0}, {35, 15}, {50, 0}, {50, 0}})},
        {"CuspInsideASpan", Clamped(3, {{0, 0}, {20, 20}, {0, 20}, {20, 0}})},
        {"InflectionsOfAnS", Clamped(3, {{0, 0}, {40, 0}, {-20, 30}, {20, 30}})},
        {"Loop", Clamped(3, {{0, 0}, {40, 30}, {-10, 30}, {30, 0}})},
        {"CornerAtARepeatedKnot", NurbsCurve{3,
                                             {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2},
                                             {{0, 0}, {5, 10}, {15, 10}, {20, 0}, {25, 15}, {35, 15}, {40, 0}},
                                             {}}},
        {"FarFromTheOrigin",
         Clamped(3, {{1e5, 1e5}, {1e5 + 200, 1e5 + 300}, {1e5 + 500, 1e5 - 100}, {1e5 + 600, 1e5}})},
        {"SmallerThanTheTolerance", Clamped(3, {{0, 0}, {0.004, 0.006}, {0.008, -0.003}, {0.01, 0}})},
        {"Straight", Clamped(3, {{0, 0}, {10, 10}, {20, 20}, {40, 40}})},
    };
}

class CurveArcsOnSplines : public ::testing::TestWithParam<SplineCase> {};

// The chain starts and ends where the curve does, each segment where the one before it ends, arcs keep their
// radius, no segment is shorter than MinSegmentLength, and the chain lies within tolerance of the curve both ways.
void ExpectWithin(const NurbsCurve& curve, double tolerance, const std::vector<CurveSegment>& segments)
{
    ASSERT_TRUE(IsValidNurbs(curve));
    ASSERT_FALSE(segments.empty());
    const Vec2 start = ReferencePoint(curve, curve.knots[curve.degree]);
    const Vec2 end = ReferencePoint(curve, curve.knots[curve.points.size()]);
    EXPECT_LT(Length(segments.front().start - start), 1e-9);
    EXPECT_LT(Length(segments.back().end - end), 1e-9);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const CurveSegment& s = segments[i];
        SCOPED_TRACE("segment " + std::to_string(i));
        if (i > 0) {
            EXPECT_EQ(s.start.x, segments[i - 1].end.x);
            EXPECT_EQ(s.start.y, segments[i - 1].end.y);
        }
        EXPECT_GE(Length(s.end - s.start), MinSegmentLength);
        if (s.isArc) {
            EXPECT_NEAR(Length(s.start - s.centre), Length(s.end - s.centre), 1e-9 * (1 + Length(s.end - s.centre)));
        }
    }
    const Deviation d = MeasureDeviation(curve, segments);
    EXPECT_LE(d.segmentsToCurve, tolerance);
    EXPECT_LE(d.curveToSegments, tolerance);
}

TEST_P(CurveArcsOnSplines, StayWithinTheToleranceOfTheCurve)
{
    const NurbsCurve& curve = GetParam().curve;
    for (double tolerance : {0.01, 0.1}) {
        SCOPED_TRACE(tolerance);
        const NurbsEvaluator evaluator(curve);
        std::vector<CurveSegment> segments;
        ASSERT_TRUE(CurveToArcs(evaluator, evaluator.Cuts(), tolerance, 40000, segments));
        ExpectWithin(curve, tolerance, segments);
    }
}

INSTANTIATE_TEST_SUITE_P(Splines, CurveArcsOnSplines, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<SplineCase>& info) { return std::string(info.param.name); });

TEST(CurveArcs, ExactCircleGivesArcsOnItsCircle)
{
    const NurbsCurve circle = Circle(0, 0, 25);
    const NurbsEvaluator evaluator(circle);
    std::vector<CurveSegment> segments;
    ASSERT_TRUE(CurveToArcs(evaluator, evaluator.Cuts(), 0.01, 40000, segments));
    for (const CurveSegment& s : segments) {
        ASSERT_TRUE(s.isArc);
        EXPECT_FALSE(s.clockwise);
        EXPECT_NEAR(Length(s.centre), 0, 0.01);
    }
}

TEST(CurveArcs, StraightPiecesBecomeLines)
{
    const NurbsCurve polyline = Clamped(1, {{0, 0}, {10, 0}, {10, 10}, {25, 30}});
    const NurbsEvaluator evaluator(polyline);
    std::vector<CurveSegment> segments;
    ASSERT_TRUE(CurveToArcs(evaluator, evaluator.Cuts(), 0.01, 40000, segments));
    ASSERT_EQ(segments.size(), 3u);
    for (const CurveSegment& s : segments)
        EXPECT_FALSE(s.isArc);
}

TEST(CurveArcs, StopsOnceMoreSegmentsThanAllowedAreNeeded)
{
    const NurbsCurve wave = Clamped(3, Wave(40, 4000, 1000));
    const NurbsEvaluator evaluator(wave);
    std::vector<CurveSegment> segments;
    EXPECT_FALSE(CurveToArcs(evaluator, evaluator.Cuts(), 0.01, 10, segments));
    EXPECT_GT(segments.size(), 10u);
    EXPECT_LE(segments.size(), 12u);
}

// Entities against the lines (ends on the curve, each as long as it can be) that keep within the same 0.01 mm: at
// most a third on smooth curves, whose curvature changes slowly along them; on waves that bend one way and the
// other every few centimetres the arcs' lead is smaller, and the table holds them to half.
struct EconomyCase {
    const char* name;
    NurbsCurve curve;
    int divisor;  // entities at most lines / divisor
};

TEST(CurveArcs, NeedAFractionOfTheLinesOfTheSameTolerance)
{
    std::vector<Vec2> blob;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 0.7853981633974483, r = 50 + 8 * std::sin(3 * a);
        blob.push_back({r * std::cos(a), r * std::sin(a)});
    }
    const EconomyCase cases[] = {
        {"Circle", Circle(0, 0, 30), 3},
        {"Arch", Clamped(3, {{0, 0}, {30, 40}, {80, 60}, {140, 50}, {190, 10}}), 3},
        {"SCurve", Clamped(3, {{0, 0}, {100, 0}, {0, 100}, {100, 100}}), 3},
        {"Blob", Periodic(3, blob), 3},
        {"QuadraticArch", Clamped(2, {{0, 0}, {50, 80}, {120, 90}, {160, 20}, {220, 0}}), 3},
        {"Wave", Clamped(3, Wave(10, 120, 25)), 2},
        {"LongWave", Clamped(3, Wave(20, 1000, 200)), 2},
    };
    for (const EconomyCase& c : cases) {
        const NurbsEvaluator evaluator(c.curve);
        std::vector<CurveSegment> segments;
        ASSERT_TRUE(CurveToArcs(evaluator, evaluator.Cuts(), 0.01, 40000, segments));
        const int lines = LinesNeeded(c.curve, 0.01);
        RecordProperty(c.name, std::to_string(segments.size()) + " entities, " + std::to_string(lines) + " lines");
        EXPECT_LE(c.divisor * segments.size(), static_cast<std::size_t>(lines)) << c.name;
    }
}

}  // namespace
