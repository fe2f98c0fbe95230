// Tests of the arc walk: the rotated points must give exactly the pixels of points computed one by one, on random
// arcs and views (huge zooms, values near the clamp), on points lying on half pixels, and where it must give up.
#include "render/arctrace.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Pixel {
    int x, y;
    bool operator==(const Pixel& o) const { return x == o.x && y == o.y; }
};

std::vector<Pixel> Walked(const ViewTransform& view, double xc, double yc, double r, double a1, double step, int n)
{
    std::vector<Pixel> pixels;
    WalkArcPoints(view, xc, yc, r, a1, step, n, [&](int x, int y) { pixels.push_back({x, y}); });
    return pixels;
}

std::vector<Pixel> Exact(const ViewTransform& view, double xc, double yc, double r, double a1, double step, int n)
{
    std::vector<Pixel> pixels;
    for (int k = 1; k < n; ++k) {
        int x, y;
        ExactArcPoint(view, xc, yc, r, a1, step, k, x, y);
        pixels.push_back({x, y});
    }
    return pixels;
}

// The first index at which the walk and the exact points differ, or -1.
int FirstDifference(const ViewTransform& view, double xc, double yc, double r, double a1, double step, int n)
{
    std::vector<Pixel> walked = Walked(view, xc, yc, r, a1, step, n);
    std::vector<Pixel> exact = Exact(view, xc, yc, r, a1, step, n);
    if (walked.size() != exact.size())
        return 0;
    for (size_t i = 0; i < walked.size(); ++i)
        if (!(walked[i] == exact[i]))
            return static_cast<int>(i);
    return -1;
}

double LogUniform(std::mt19937& random, double lo, double hi)
{
    return std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(random));
}

// A view of a random window of the plane, zoomed by zoom (larger shows less), panned and possibly mirrored.
ViewTransform RandomView(std::mt19937& random, double zoom)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    ViewTransform view(200 + static_cast<int>(1800 * unit(random)), 200 + static_cast<int>(1000 * unit(random)),
                       random() % 2 == 0, random() % 4 == 0);
    view.SetMargins(6, 6, 6, 6);
    double size = LogUniform(random, 1, 1e5);
    double x0 = (unit(random) - 0.5) * 1e4, y0 = (unit(random) - 0.5) * 1e4;
    double visible = size / zoom;
    view.SetExtents(x0, y0, x0 + visible, y0 + visible * (0.2 + unit(random)));
    view.SetPan((unit(random) - 0.5) * visible, (unit(random) - 0.5) * visible);
    view.ComputeView();
    return view;
}

}  // namespace

TEST(ArcTrace, WalkGivesTheExactPixelsOnRandomArcsAndViews)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int walkedArcs = 0;
    for (int i = 0; i < 3000; ++i) {
        ViewTransform view = RandomView(random, LogUniform(random, 0.01, 1e9));
        double visible = view.visMaxX - view.visMinX;
        double xc = view.visMinX + (unit(random) * 1.4 - 0.2) * visible;
        double yc = view.visMinY + (unit(random) * 1.4 - 0.2) * (view.visMaxY - view.visMinY);
        double r = visible * LogUniform(random, 1e-4, 50);
        double a1 = unit(random) * TwoPi;
        double sweep = unit(random) * TwoPi;
        int n = std::max(ArcSegmentCount(view, sweep, r), 2);
        if (ArcWalkIsSafe(view, xc, yc, r))
            ++walkedArcs;
        ASSERT_EQ(FirstDifference(view, xc, yc, r, a1, sweep / n, n), -1)
            << "arc " << i << " centre " << xc << ", " << yc << " radius " << r << " scale " << view.scaleX;
    }
    // Most arcs take the walk; the rest (radii of millions of pixels, coordinates near the clamp) are exact anyway.
    EXPECT_GT(walkedArcs, 1500);
}

TEST(ArcTrace, WalkRoundsPointsOnHalfPixelsAsTheExactPoints)
{
    // One pixel per mm and pixel 0 at coordinate 0: centres on half pixels and steps of 15 degrees put many
    // points within rounding noise of a half pixel, where walked and exact values fall on either side.
    ViewTransform view(4000, 4000, false, false);
    view.SetExtents(0, 0, 4000, 4000);
    view.ComputeView();
    ASSERT_EQ(view.scaleX, 1.0);
    int tested = 0;
    for (double r : {1.0, 2.0, 3.0, 10.0, 64.0, 100.0, 1000.0, 1999.0}) {
        for (double cx : {0.5, 1000.5, 2000.0}) {
            for (int stepsPerTurn : {4, 12, 24, 72, 240, 1200}) {
                for (double a1 : {0.0, Pi / 6, HalfPi, Pi}) {
                    double step = TwoPi / stepsPerTurn;
                    ASSERT_TRUE(ArcWalkIsSafe(view, cx, 2000.5, r));
                    EXPECT_EQ(FirstDifference(view, cx, 2000.5, r, a1, step, stepsPerTurn + 1), -1)
                        << "radius " << r << " centre x " << cx << " steps " << stepsPerTurn << " from " << a1;
                    ++tested;
                }
            }
        }
    }
    EXPECT_EQ(tested, 8 * 3 * 6 * 4);
}

TEST(ArcTrace, WalkIsRefusedWhereItsErrorCouldReachTheMargin)
{
    ViewTransform view(1600, 1000, true, false);
    view.SetExtents(0, 0, 1600, 1000);
    view.ComputeView();
    EXPECT_TRUE(ArcWalkIsSafe(view, 800, 500, 700));
    EXPECT_TRUE(ArcWalkIsSafe(view, 800, 500, 1e6));
    EXPECT_FALSE(ArcWalkIsSafe(view, 800, 500, 1e8));
    // Coordinates so large that rounding alone is near the margin.
    EXPECT_FALSE(ArcWalkIsSafe(view, 1e12, 500, 1));
    EXPECT_FALSE(ArcWalkIsSafe(view, 800, NAN, 1));
    EXPECT_FALSE(ArcWalkIsSafe(view, 800, 500, INFINITY));
}

TEST(ArcTrace, WalkMatchesNearTheClampAndAtHugeZooms)
{
    // A window of a micrometre on a large screen: pixel values of the whole circle run far beyond the int range
    // and are clamped; points close to the window are not.
    ViewTransform view(1600, 1000, true, true);
    view.SetExtents(10, 10, 10.001, 10.001);
    view.ComputeView();
    for (double r : {1e-7, 1e-5, 1e-3, 0.5, 30.0}) {
        int n = ArcSegmentCount(view, TwoPi, r);
        EXPECT_EQ(FirstDifference(view, 10.0005 - r, 10.0005, r, 0.3, TwoPi / n, n), -1) << "radius " << r;
    }
    // Pixel values just inside and beyond +-2147483647 at a moderate scale.
    ViewTransform wide(1000, 1000, false, false);
    wide.SetExtents(0, 0, 1000, 1000);
    wide.ComputeView();
    for (double cx : {2147483000.0, 2147483646.5, -2147483647.5}) {
        EXPECT_EQ(FirstDifference(wide, cx, 0, 800, 0.1, TwoPi / 200, 200), -1) << "centre " << cx;
    }
}

TEST(ArcTrace, RoundWalkedPixelAgreesWithRoundPixelAwayFromBoundaries)
{
    struct Case {
        double v;
        bool rounded;
        int pixel;
    };
    const Case cases[] = {{0.0, true, 0},        {0.49, true, 0},     {0.51, true, 1},  {2.5, false, 0},
                          {2.5000001, false, 0}, {2.500002, true, 3}, {-2.5, false, 0}, {-2.499998, true, -2},
                          {-2.500002, true, -3}, {-0.3, true, 0},     {-0.7, true, -1}, {999999999.2, true, 999999999},
                          {1e9, false, 0},       {-3e9, false, 0},    {NAN, false, 0}};
    for (const Case& c : cases) {
        int pixel = 0;
        ASSERT_EQ(RoundWalkedPixel(c.v, pixel), c.rounded) << c.v;
        if (!c.rounded)
            continue;
        EXPECT_EQ(pixel, c.pixel) << c.v;
        EXPECT_EQ(pixel, ViewTransform::RoundPixel(c.v)) << c.v;
    }
}
