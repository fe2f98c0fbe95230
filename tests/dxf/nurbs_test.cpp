// NurbsCurve and NurbsEvaluator: which curves are refused, the evaluation against the Cox-de Boor one (points, and
// derivatives against differences of points), and the cuts where the direction may jump.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/nurbs.h"
#include "dxf/spline_reference.h"

namespace {

// A clamped cubic of five control points, valid.
NurbsCurve Cubic()
{
    return {3, {0, 0, 0, 0, 1, 2, 2, 2, 2}, {{0, 0}, {10, 20}, {30, 25}, {45, 5}, {60, 10}}, {}};
}

struct BadCase {
    const char* name;
    void (*spoil)(NurbsCurve&);
};

class NurbsRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(NurbsRefuses, CurvesThatAreNotWellDefined)
{
    NurbsCurve c = Cubic();
    ASSERT_TRUE(IsValidNurbs(c));
    GetParam().spoil(c);
    EXPECT_FALSE(IsValidNurbs(c));
}

const double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, NurbsRefuses,
    ::testing::Values(
        BadCase{"DegreeZero", [](NurbsCurve& c) { c.degree = 0, c.knots.erase(c.knots.begin(), c.knots.begin() + 3); }},
        BadCase{"DegreeAboveTheLimit", [](NurbsCurve& c) { c.degree = MaxSplineDegree + 1; }},
        BadCase{"TooFewControlPoints", [](NurbsCurve& c) { c.points.resize(3), c.knots = {0, 0, 0, 0, 1, 1, 1}; }},
        BadCase{"OneKnotTooMany", [](NurbsCurve& c) { c.knots.push_back(2); }},
        BadCase{"OneKnotTooFew", [](NurbsCurve& c) { c.knots.pop_back(); }},
        BadCase{"KnotsDecreasing", [](NurbsCurve& c) { c.knots[4] = 3; }},
        BadCase{"KnotNotANumber", [](NurbsCurve& c) { c.knots[4] = NaN; }},
        BadCase{"EmptyKnotRange", [](NurbsCurve& c) { c.knots = {0, 0, 0, 0, 0, 0, 0, 0, 0}; }},
        BadCase{"KnotRepeatedBeyondTheDegree",
                [](NurbsCurve& c) {
                    c.knots = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2}, c.points.resize(8, {70, 0});
                }},
        BadCase{"WeightZero",
                [](NurbsCurve& c) {
                    c.weights = {1, 1, 0, 1, 1};
                }},
        BadCase{"WeightNegative",
                [](NurbsCurve& c) {
                    c.weights = {1, -2, 1, 1, 1};
                }},
        BadCase{"WeightsTooFew",
                [](NurbsCurve& c) {
                    c.weights = {1, 1, 1};
                }},
        BadCase{"PointNotFinite", [](NurbsCurve& c) { c.points[2].x = std::numeric_limits<double>::infinity(); }}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

struct EvaluationCase {
    const char* name;
    NurbsCurve curve;
};

class NurbsEvaluation : public ::testing::TestWithParam<EvaluationCase> {};

// At many parameters of every piece: the point agrees with the Cox-de Boor sum, the derivative with the difference
// of points a little apart.
TEST_P(NurbsEvaluation, AgreesWithTheBasisFunctionSum)
{
    const NurbsCurve& curve = GetParam().curve;
    ASSERT_TRUE(IsValidNurbs(curve));
    const NurbsEvaluator evaluator(curve);
    const std::vector<double>& cuts = evaluator.Cuts();
    EXPECT_EQ(cuts.front(), curve.knots[curve.degree]);
    EXPECT_EQ(cuts.back(), curve.knots[curve.points.size()]);
    for (std::size_t piece = 0; piece + 1 < cuts.size(); ++piece) {
        for (int i = 1; i < 50; ++i) {
            const double t = cuts[piece] + (cuts[piece + 1] - cuts[piece]) * i / 50;
            const CurvePoint p = evaluator.At(piece, t);
            const Vec2 expected = ReferencePoint(curve, t);
            EXPECT_NEAR(p.point.x, expected.x, 1e-9) << t;
            EXPECT_NEAR(p.point.y, expected.y, 1e-9) << t;
            const double h = 1e-6;
            const Vec2 slope = (0.5 / h) * (ReferencePoint(curve, t + h) - ReferencePoint(curve, t - h));
            EXPECT_NEAR(Length(p.derivative - slope), 0, 1e-4 * (1 + Length(slope))) << t;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, NurbsEvaluation,
    ::testing::Values(EvaluationCase{"Linear", {1, {0, 0, 1, 2, 3, 3}, {{0, 0}, {5, 5}, {10, 0}, {15, 5}}, {}}},
                      EvaluationCase{"ClampedCubic", Cubic()},
                      EvaluationCase{"UnclampedQuadratic",
                                     {2, {0, 1, 2, 3, 4, 5, 6}, {{0, 0}, {10, 10}, {20, 0}, {30, 10}}, {}}},
                      EvaluationCase{"Quintic",
                                     {5,
                                      {0, 0, 0, 0, 0, 0, 0.3, 1, 1, 1, 1, 1, 1},
                                      {{0, 0}, {5, 9}, {12, -4}, {20, 8}, {26, 1}, {33, 6}, {40, 0}},
                                      {}}},
                      EvaluationCase{"RationalQuadratic",
                                     {2, {0, 0, 0, 1, 1, 1}, {{10, 0}, {10, 10}, {0, 10}}, {1, std::sqrt(0.5), 1}}},
                      EvaluationCase{"RationalCubicUnevenKnots",
                                     {3,
                                      {0, 0, 0, 0, 0.2, 0.9, 3, 3, 3, 3},
                                      {{0, 0}, {4, 8}, {9, 9}, {14, 2}, {20, 6}, {25, 0}},
                                      {1, 0.5, 3, 0.8, 2, 1}}}),
    [](const ::testing::TestParamInfo<EvaluationCase>& info) { return std::string(info.param.name); });

TEST(NurbsEvaluatorCuts, WhereTheDirectionMayJump)
{
    // Cubic: the knot 1 once (twice continuous) is crossed, 2 twice (once continuous) and 3 three times (a corner)
    // are cut.
    NurbsCurve c{3, {0, 0, 0, 0, 1, 2, 2, 3, 3, 3, 4, 4, 4, 4}, {}, {}};
    for (int i = 0; i < 10; ++i)
        c.points.push_back({10.0 * i, 5.0 * (i % 3)});
    ASSERT_TRUE(IsValidNurbs(c));
    EXPECT_EQ(NurbsEvaluator(c).Cuts(), (std::vector<double>{0, 2, 3, 4}));
    // A quadratic's simple knots are cut: its curvature jumps there. A linear spline is cut at every knot.
    const NurbsCurve quadratic{2, {0, 0, 0, 1, 2, 2, 2}, {{0, 0}, {10, 10}, {20, 0}, {30, 10}}, {}};
    EXPECT_EQ(NurbsEvaluator(quadratic).Cuts(), (std::vector<double>{0, 1, 2}));
    const NurbsCurve linear{1, {0, 0, 1, 2, 2}, {{0, 0}, {10, 10}, {20, 0}}, {}};
    EXPECT_EQ(NurbsEvaluator(linear).Cuts(), (std::vector<double>{0, 1, 2}));
}

}  // namespace
