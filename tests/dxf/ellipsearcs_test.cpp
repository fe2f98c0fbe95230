// SplitEllipseRange and Biarc: the pieces an elliptical arc is cut into, and the two arcs that replace a piece.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/biarc.h"
#include "dxf/ellipsearcs.h"
#include "geometry/mymath.h"

namespace {

constexpr double Step = Pi / 8;

struct SplitCase {
    const char* name;
    double start, end;
    std::size_t pieces;
    double first, last;  // first and last cut
};

class EllipseArcsSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(EllipseArcsSplit, CutsAtMultiplesOfAnEighthOfPi)
{
    const SplitCase& c = GetParam();
    std::vector<double> cuts;
    SplitEllipseRange(c.start, c.end, cuts);
    ASSERT_EQ(cuts.size(), c.pieces + 1);
    EXPECT_NEAR(cuts.front(), c.first, 1e-12);
    EXPECT_NEAR(cuts.back(), c.last, 1e-12);
    for (std::size_t i = 1; i + 1 < cuts.size(); ++i) {
        EXPECT_NEAR(std::remainder(cuts[i], Step), 0, 1e-12) << "inner cut " << i;
        EXPECT_GT(cuts[i] - cuts[i - 1], 1e-6);
    }
}

const float SinglePi = static_cast<float>(Pi);
const float SingleTwoPi = static_cast<float>(TwoPi);
const float SingleHalfPi = static_cast<float>(HalfPi);

INSTANTIATE_TEST_SUITE_P(Cases, EllipseArcsSplit,
                         ::testing::Values(SplitCase{"Whole", 0, TwoPi, 16, 0, TwoPi},
                                           SplitCase{"WholeInSinglePrecision", 0, SingleTwoPi, 16, 0, TwoPi},
                                           SplitCase{"EqualParametersAreWhole", 1, 1, 16, 0, TwoPi},
                                           SplitCase{"WholeFromAnywhere", 0.3, 0.3 + TwoPi, 16, 0, TwoPi},
                                           SplitCase{"QuarterInSinglePrecision", 0, SingleHalfPi, 4, 0, SingleHalfPi},
                                           SplitCase{"ThroughZero", 5.5, 0.5, 4, 5.5, 0.5 + TwoPi},
                                           SplitCase{"StartJustBelowAGridPoint", SinglePi - 1e-7, Pi + 0.1, 1,
                                                     SinglePi - 1e-7, Pi + 0.1},
                                           SplitCase{"WithinOnePiece", 0.1, 0.2, 1, 0.1, 0.2},
                                           SplitCase{"StartBeyondATurn", 0.1 + 2 * TwoPi, 0.2 + 2 * TwoPi, 1, 0.1, 0.2},
                                           SplitCase{"HugeEndIsAtMostAWholeTurn", 0.5, 1e30, 17, 0.5, 0.5 + TwoPi}),
                         [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(EllipseArcsSplit, ParametersThatAreNotNumbersGiveNoPieces)
{
    std::vector<double> cuts{1, 2};
    SplitEllipseRange(std::nan(""), 1, cuts);
    EXPECT_TRUE(cuts.empty());
}

// The biarc replacing the piece from t0 to t1 of the ellipse (a cos t, b sin t) must touch the ellipse at both ends
// (each arc's radius perpendicular to the ellipse's tangent there), meet itself at M with one tangent, and stay
// close to the ellipse.
struct BiarcCase {
    double a, b, t0, t1;
};

class EllipseArcsBiarc : public ::testing::TestWithParam<BiarcCase> {};

TEST_P(EllipseArcsBiarc, TouchesTheEllipseAtBothEndsAndJoinsSmoothly)
{
    const BiarcCase& c = GetParam();
    auto point = [&c](double t) { return Vec2{c.a * std::cos(t), c.b * std::sin(t)}; };
    auto tangent = [&c](double t) {
        const Vec2 d{-c.a * std::sin(t), c.b * std::cos(t)};
        return (1 / Length(d)) * d;
    };
    const Vec2 p0 = point(c.t0), p1 = point(c.t1), t0 = tangent(c.t0), t1 = tangent(c.t1);
    std::vector<Vec2> along;
    for (int j = 1; j < 8; ++j)
        along.push_back(point(c.t0 + (c.t1 - c.t0) * j / 8));
    CurveSegment first, second;
    ASSERT_TRUE(Biarc(p0, t0, p1, t1, along, first, second));
    ASSERT_TRUE(first.isArc && second.isArc);
    const Vec2 m = first.end;
    EXPECT_EQ(second.start.x, m.x);
    EXPECT_EQ(second.start.y, m.y);
    const double r1 = Length(p0 - first.centre);
    const double r2 = Length(p1 - second.centre);
    EXPECT_NEAR(Length(m - first.centre), r1, 1e-9 * (1 + r1));
    EXPECT_NEAR(Length(m - second.centre), r2, 1e-9 * (1 + r2));
    // Tangency at the ends: the radius is perpendicular to the tangent direction.
    EXPECT_NEAR(Dot(p0 - first.centre, t0) / r1, 0, 1e-9);
    EXPECT_NEAR(Dot(p1 - second.centre, t1) / r2, 0, 1e-9);
    // One tangent at M: M, C1 and C2 on one line.
    EXPECT_NEAR(Cross(first.centre - m, second.centre - m) / (r1 * r2), 0, 1e-9);
    // The junction lies near the ellipse (a piece of an eighth of π bends little).
    const double onEllipse = (m.x * m.x) / (c.a * c.a) + (m.y * m.y) / (c.b * c.b);
    EXPECT_NEAR(onEllipse, 1, 0.01);
    // Both arcs turn left, as the counter-clockwise ellipse does.
    EXPECT_FALSE(first.clockwise);
    EXPECT_FALSE(second.clockwise);
}

std::vector<BiarcCase> GridPieces()
{
    std::vector<BiarcCase> cases;
    for (int k = 0; k < 16; ++k)
        cases.push_back({20, 10, k * Step, (k + 1) * Step});
    cases.push_back({20, 10, 0.3, 0.5});
    cases.push_back({5, 4.9, 5.5, 6.0});
    cases.push_back({100, 1, 1.0, 1.3});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Pieces, EllipseArcsBiarc, ::testing::ValuesIn(GridPieces()));

TEST(EllipseArcsBiarcFailure, FlatPieceGivesTwoLines)
{
    // Tangent directions along the chord: no circle touches the line at both ends, the two halves are lines.
    CurveSegment first, second;
    const Vec2 alongX[] = {{5, 0}}, alongY[] = {{0, 5}};
    ASSERT_TRUE(Biarc({0, 0}, {1, 0}, {10, 0}, {1, 0}, alongX, first, second));
    EXPECT_FALSE(first.isArc || second.isArc);
    EXPECT_EQ(first.end.x, 5);
    ASSERT_TRUE(Biarc({0, 0}, {0, 1}, {0, 10}, {0, 1}, alongY, first, second));
    EXPECT_FALSE(first.isArc || second.isArc);
}

TEST(EllipseArcsBiarcFailure, PieceThatBendsTooMuchHasNoBiarc)
{
    // A half turn from one end to the other: each arc would turn by more than a quarter turn.
    CurveSegment first, second;
    const Vec2 halfTurn[] = {{1, 0.5}}, loop[] = {{4, 4}};
    EXPECT_FALSE(Biarc({0, 0}, {0, 1}, {0, 1}, {0, -1}, halfTurn, first, second));
    // Coinciding ends.
    EXPECT_FALSE(Biarc({3, 3}, {1, 0}, {3, 3}, {0, 1}, loop, first, second));
}

}  // namespace
