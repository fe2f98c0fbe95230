// EndGrid against a search of every pair: the ends ForEachNear visits from each end are exactly the others within
// the tolerance, on sheets near the origin and far from it, on both sides of zero, with ends on cell borders,
// coinciding ends, ends that are not finite, and tolerances from zero to infinite.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <vector>

#include "model/drw_end_grid.h"

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct GridCase {
    double origin;  // lower left of the sheet
    double size;    // its width and height
    double step;    // points are taken on multiples of step (0: anywhere)
    double tolerance;
    int ends;
};

// Random ends of a sheet, a few of them not finite.
std::vector<EndGrid::End> RandomEnds(const GridCase& c, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<EndGrid::End> ends;
    for (int k = 0; k < c.ends; k++) {
        double x = c.origin + c.size * unit(random);
        double y = c.origin + c.size * unit(random);
        if (c.step > 0) {
            x = c.origin + c.step * std::floor((x - c.origin) / c.step);
            y = c.origin + c.step * std::floor((y - c.origin) / c.step);
        }
        if (random() % 50 == 0)
            (random() % 2 == 0 ? x : y) = random() % 2 == 0 ? Inf : std::nan("");
        ends.push_back({x, y, k});
    }
    return ends;
}

class EndGridTest : public ::testing::TestWithParam<GridCase> {};

TEST_P(EndGridTest, VisitsExactlyTheEndsWithinTolerance)
{
    const GridCase& c = GetParam();
    for (unsigned seed = 1; seed <= 5; seed++) {
        const std::vector<EndGrid::End> points = RandomEnds(c, seed);
        EndGrid grid;
        grid.Build(points, c.tolerance);
        ASSERT_EQ(grid.Size(), static_cast<int>(points.size()));
        std::set<int> places;
        for (int k = 0; k < grid.Size(); k++) {
            places.insert(grid.PlaceOf(k));
            EXPECT_EQ(grid.At(grid.PlaceOf(k)).port, points[k].port);
        }
        ASSERT_EQ(places.size(), points.size());
        // What the grid visits, per end, and that every end is begun once, in grid order.
        std::vector<std::multiset<int>> visited(grid.Size());
        int begun = 0;
        grid.ForEachNear(
            [&](int from) {
                EXPECT_EQ(from, begun++);
                return true;
            },
            [&](int from, int k, double d) {
                ASSERT_EQ(from, begun - 1);
                EXPECT_EQ(d, Distance(grid.At(from).x, grid.At(from).y, grid.At(k).x, grid.At(k).y));
                visited[from].insert(k);
            });
        ASSERT_EQ(begun, grid.Size());
        for (int from = 0; from < grid.Size(); from++) {
            const EndGrid::End& a = grid.At(from);
            std::multiset<int> expected;
            for (int k = 0; k < grid.Size(); k++) {
                const EndGrid::End& b = grid.At(k);
                if (k != from && std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(b.x) && std::isfinite(b.y) &&
                    IsLessEqual(Distance(a.x, a.y, b.x, b.y), c.tolerance))
                    expected.insert(k);
            }
            ASSERT_EQ(visited[from], expected) << "seed " << seed << " from " << a.x << ", " << a.y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, EndGridTest,
                         ::testing::Values(GridCase{0.0, 20.0, 0.5, 0.5, 400},     // gaps exactly at the tolerance
                                           GridCase{-10.0, 20.0, 0.25, 0.5, 400},  // across zero
                                           GridCase{-3.0, 3.0, 0.0, 0.5, 300},     // anywhere, dense
                                           GridCase{1e6, 50.0, 0.0, 1.0, 300},     // far from the origin
                                           GridCase{-1e12, 1e12, 0.0, 1e9, 300},   // cells set by the extent
                                           GridCase{0.0, 10.0, 1.0, 0.0, 300},     // coinciding ends only
                                           GridCase{0.0, 3e-22, 0.0, 1e-22 - Epsilon, 200},  // reach of 1e-22
                                           GridCase{-5.0, 10.0, 0.0, 1e300, 100},            // tolerance past the sheet
                                           GridCase{-5.0, 10.0, 0.0, Inf, 100}));            // infinite tolerance

}  // namespace
