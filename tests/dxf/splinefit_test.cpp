// InterpolateFitPoints: the cubic passes through the fit points, is twice continuously differentiable where its
// pieces meet, leaves and reaches its ends in the given directions or without bending, and closes smoothly.
#include <cmath>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "dxf/spline_reference.h"
#include "dxf/splinefit.h"

namespace {

const std::vector<Vec2> Points{{0, 0}, {20, 15}, {45, 10}, {60, 30}, {80, 25}};

// First and second derivatives of the curve at t from one side (side -1: from below, +1: from above).
Vec2 FirstDerivative(const NurbsCurve& c, double t, int side)
{
    const double h = 1e-5 * side;
    return (1 / h) * (ReferencePoint(c, t + h) - ReferencePoint(c, t));
}

Vec2 SecondDerivative(const NurbsCurve& c, double t, int side)
{
    const double h = 1e-3 * side;
    return (1 / (h * h)) * (ReferencePoint(c, t + 2 * h) - 2 * ReferencePoint(c, t + h) + ReferencePoint(c, t));
}

double Angle(Vec2 a, Vec2 b)
{
    return std::atan2(Cross(a, b), Dot(a, b));
}

// The knots where the pieces meet, in order, from the first to the last.
std::vector<double> Joints(const NurbsCurve& c)
{
    std::vector<double> joints;
    for (double k : c.knots) {
        if (joints.empty() || k > joints.back())
            joints.push_back(k);
    }
    return joints;
}

TEST(SplineFit, PassesThroughTheFitPointsSmoothly)
{
    NurbsCurve c;
    ASSERT_TRUE(InterpolateFitPoints(Points, std::nullopt, std::nullopt, false, c));
    ASSERT_TRUE(IsValidNurbs(c));
    EXPECT_EQ(c.degree, 3);
    const std::vector<double> joints = Joints(c);
    ASSERT_EQ(joints.size(), Points.size());
    for (std::size_t i = 0; i < Points.size(); ++i) {
        EXPECT_NEAR(Length(ReferencePoint(c, joints[i]) - Points[i]), 0, 1e-9) << i;
        if (i == 0 || i + 1 == Points.size())
            continue;
        EXPECT_NEAR(Length(FirstDerivative(c, joints[i], -1) - FirstDerivative(c, joints[i], 1)), 0, 1e-3) << i;
        EXPECT_NEAR(Length(SecondDerivative(c, joints[i], -1) - SecondDerivative(c, joints[i], 1)), 0, 1e-4) << i;
    }
    // Without directions the ends do not bend.
    EXPECT_NEAR(Length(SecondDerivative(c, joints.front(), 1)), 0, 1e-4);
    EXPECT_NEAR(Length(SecondDerivative(c, joints.back(), -1)), 0, 1e-4);
}

TEST(SplineFit, LeavesAndReachesItsEndsInTheGivenDirections)
{
    NurbsCurve c;
    ASSERT_TRUE(InterpolateFitPoints(Points, Vec2{0, 3}, Vec2{2, -2}, false, c));
    const std::vector<double> joints = Joints(c);
    EXPECT_NEAR(Angle(FirstDerivative(c, joints.front(), 1), {0, 1}), 0, 1e-4);
    EXPECT_NEAR(Angle(FirstDerivative(c, joints.back(), -1), {1, -1}), 0, 1e-4);
    // One end given, the other free.
    ASSERT_TRUE(InterpolateFitPoints(Points, std::nullopt, Vec2{-1, 0}, false, c));
    EXPECT_NEAR(Angle(FirstDerivative(c, Joints(c).back(), -1), {-1, 0}), 0, 1e-4);
    EXPECT_NEAR(Length(SecondDerivative(c, Joints(c).front(), 1)), 0, 1e-4);
}

TEST(SplineFit, ClosedCurveIsSmoothWhereItCloses)
{
    NurbsCurve c;
    ASSERT_TRUE(InterpolateFitPoints(Points, std::nullopt, std::nullopt, true, c));
    const std::vector<double> joints = Joints(c);
    ASSERT_EQ(joints.size(), Points.size() + 1);
    EXPECT_NEAR(Length(ReferencePoint(c, joints.back()) - Points.front()), 0, 1e-9);
    const double start = joints.front(), end = joints.back();
    EXPECT_NEAR(Length(FirstDerivative(c, start, 1) - FirstDerivative(c, end, -1)), 0, 1e-3);
    EXPECT_NEAR(Length(SecondDerivative(c, start, 1) - SecondDerivative(c, end, -1)), 0, 1e-4);
    // A last point on the first is the same closed curve.
    std::vector<Vec2> repeated = Points;
    repeated.push_back(Points.front());
    NurbsCurve again;
    ASSERT_TRUE(InterpolateFitPoints(repeated, std::nullopt, std::nullopt, true, again));
    EXPECT_EQ(again.points, c.points);
}

TEST(SplineFit, RepeatedPointsArePassedOverAndTooFewRefused)
{
    NurbsCurve c, plain;
    ASSERT_TRUE(
        InterpolateFitPoints({{0, 0}, {0, 0}, {10, 5}, {10, 5}, {20, 0}}, std::nullopt, std::nullopt, false, c));
    ASSERT_TRUE(InterpolateFitPoints({{0, 0}, {10, 5}, {20, 0}}, std::nullopt, std::nullopt, false, plain));
    EXPECT_EQ(c.points, plain.points);
    // Two points make a straight line between them.
    ASSERT_TRUE(InterpolateFitPoints({{0, 0}, {9, 12}}, std::nullopt, std::nullopt, false, c));
    for (Vec2 p : c.points)
        EXPECT_NEAR(Cross(p, {9, 12}), 0, 1e-9);
    EXPECT_FALSE(InterpolateFitPoints({{1, 1}, {1, 1}}, std::nullopt, std::nullopt, false, c));
    EXPECT_FALSE(InterpolateFitPoints({{0, 0}, {5, 5}}, std::nullopt, std::nullopt, true, c));
    EXPECT_FALSE(InterpolateFitPoints({}, std::nullopt, std::nullopt, false, c));
}

}  // namespace
