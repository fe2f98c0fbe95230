// Tests of the machining time estimate.
#include <gtest/gtest.h>

#include "model/drawing_builders.h"
#include "model/drw.h"

namespace {

Drw Drawing(const std::vector<Entity>& entities, int paths)
{
    Drw drw;
    for (const Entity& e : entities)
        drw.AddEntity(e);
    drw.pathCount = paths;
    return drw;
}

TEST(DrwTime, FixedAllowancesMachiningAndPathChanges)
{
    struct Case {
        const char* name;
        Drw drw;
        double expected;
        double travel;  // mm between paths, RapidTravel
    };
    const Case cases[] = {
        {"empty drawing", Drw(), 11.0, 0},
        {"one line of 100 mm", Drawing({MakeLine(0, 0, 100, 0)}, 1), 12.18, 0},
        {"two paths 200 mm apart", Drawing({MakeLine(0, 0, 100, 0, 1), MakeLine(100, 200, 200, 200, 2)}, 2), 21.36,
         200},
        {"one path of two lines", Drawing(MakeChain({{0, 0}, {50, 0}, {50, 50}}, 1), 1), 12.18, 0},
        {"quarter arc of radius 100", Drawing({MakeArc(100, 0, 0, 100, 0, 0, false)}, 1), 11.0 + 50 * Pi / 100 * 1.18,
         0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.drw.EstimateTime(100, 200), c.expected, 1e-9) << c.name;
        EXPECT_EQ(c.drw.RapidTravel(), c.travel) << c.name;
    }
}

TEST(DrwTime, SpeedsOfZeroOrLessCountAsOneTenth)
{
    const Drw drw = Drawing({MakeLine(0, 0, 100, 0, 1), MakeLine(100, 200, 200, 200, 2)}, 2);
    // Machining 200 mm at 0.1 mm/s takes 2360 s, the 200 mm of travel 2000 s.
    EXPECT_NEAR(drw.EstimateTime(0, 200), 11.0 + 2360 + 1 + 7, 1e-6);
    EXPECT_NEAR(drw.EstimateTime(100, -5), 11.0 + 2.36 + 2000 + 7, 1e-6);
}

}  // namespace
