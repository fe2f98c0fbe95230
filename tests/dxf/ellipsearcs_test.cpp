// SplitEllipseRange and Biarc: the pieces an elliptical arc is cut into, and the two arcs that replace a piece.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

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
    const double x0 = c.a * std::cos(c.t0), y0 = c.b * std::sin(c.t0);
    const double x1 = c.a * std::cos(c.t1), y1 = c.b * std::sin(c.t1);
    const double alpha0 = NormalizeAngle(VectorAngle(c.b * std::cos(c.t0), -c.a * std::sin(c.t0)), false);
    const double alpha1 = NormalizeAngle(VectorAngle(c.b * std::cos(c.t1), -c.a * std::sin(c.t1)), false);
    double mx, my, c1x, c1y, c2x, c2y;
    ASSERT_TRUE(Biarc(alpha0, alpha1, x0, y0, x1, y1, mx, my, c1x, c1y, c2x, c2y));
    const double r1 = std::hypot(x0 - c1x, y0 - c1y);
    const double r2 = std::hypot(x1 - c2x, y1 - c2y);
    EXPECT_NEAR(std::hypot(mx - c1x, my - c1y), r1, 1e-9 * (1 + r1));
    EXPECT_NEAR(std::hypot(mx - c2x, my - c2y), r2, 1e-9 * (1 + r2));
    // Tangency at the ends: the radius is perpendicular to the tangent direction.
    EXPECT_NEAR(((x0 - c1x) * std::cos(alpha0) + (y0 - c1y) * std::sin(alpha0)) / r1, 0, 1e-9);
    EXPECT_NEAR(((x1 - c2x) * std::cos(alpha1) + (y1 - c2y) * std::sin(alpha1)) / r2, 0, 1e-9);
    // One tangent at M: M, C1 and C2 on one line.
    const double cross = (c1x - mx) * (c2y - my) - (c1y - my) * (c2x - mx);
    EXPECT_NEAR(cross / (r1 * r2), 0, 1e-9);
    // The junction lies near the ellipse (a piece of an eighth of π bends little).
    const double onEllipse = (mx * mx) / (c.a * c.a) + (my * my) / (c.b * c.b);
    EXPECT_NEAR(onEllipse, 1, 0.01);
    // Both arcs turn left, as the counter-clockwise ellipse does: each centre lies left of the travel.
    EXPECT_GT(std::cos(alpha0) * (c1y - y0) - std::sin(alpha0) * (c1x - x0), 0);
    EXPECT_GT(std::cos(alpha1) * (c2y - y1) - std::sin(alpha1) * (c2x - x1), 0);
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

TEST(EllipseArcsBiarcFailure, FlatPieceHasNoBiarc)
{
    // Tangent directions along the chord: no circle touches the line at both ends.
    double mx, my, c1x, c1y, c2x, c2y;
    EXPECT_FALSE(Biarc(0, 0, 0, 0, 10, 0, mx, my, c1x, c1y, c2x, c2y));
    EXPECT_FALSE(Biarc(HalfPi, HalfPi, 0, 0, 0, 10, mx, my, c1x, c1y, c2x, c2y));
}

}  // namespace
