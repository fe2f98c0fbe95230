// Tests of packing a drawing into bytes and back: every field comes back, into a fresh or a used drawing, the bytes
// are few, and bytes cut short are refused.
#include "model/drw_pack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "drawing_builders.h"

namespace {

// A drawing using every field: chained and loose lines and arcs, a line carrying a centre, z and reserved values,
// several layers (one not in the table, one empty, one long), path numbers going down and up, the layer table's
// every field, the limit flag and the simplification tolerances.
Drw EveryField()
{
    Drw drw;
    for (const Entity& e : MakeChain({{0, 0}, {10, 0}, {10, 5}, {0, 5}}, 1))
        drw.entities.push_back(e);
    drw.entities.push_back(MakeArc(0, 5, 0, 0, -2.5, 2.5, true, 1, "ARCS"));
    drw.entities.back().joinedPrev = true;
    Entity odd = MakeLine(1, 2, 3, 4, 2, "");
    odd.xc = 7;
    odd.yc = -8;
    odd.z1 = 0.5;
    odd.z2 = -0.5;
    odd.reserved1 = 42;
    odd.reserved2 = 1e300;
    odd.reserved3 = -1e-300;
    drw.entities.push_back(odd);
    drw.entities.push_back(MakeArc(5, 5, 5, 5, 6, 5, false, 4, std::string(300, 'L')));
    drw.entities.push_back(MakeLine(9, 9, 8, 8, 3, "ARCS"));
    drw.pathCount = 7;
    drw.limitReached = true;
    drw.simplifyMinLength = 0.1;
    drw.simplifyMaxArcRadius = 2000;
    drw.simplifyLineAngle = 0.01;
    drw.simplifyLineDeviation = 0.02;
    drw.simplifyArcAngle = 0.03;
    drw.simplifyArcDeviation = 0.04;
    Drw::Layer layer;
    layer.name = "0";
    layer.flag = false;
    layer.value = 2.5;
    layer.colour = 0x123456;
    layer.ints = {1, 2, 3, 4, 5, 6, 7, 8};
    layer.reals = {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5};
    drw.layers = {layer, Drw::Layer{"ARCS"}};
    return drw;
}

Drw RoundTrip(const Drw& drawing)
{
    Drw out;
    EXPECT_TRUE(UnpackDrawing(PackDrawing(drawing), out));
    return out;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(DrwPack, EveryFieldComesBack)
{
    for (const Drw& drawing : {Drw(), EveryField()})
        EXPECT_EQ(RoundTrip(drawing), drawing);
}

TEST(DrwPack, NumbersComeBackBitForBit)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Drw drw;
    drw.entities.push_back(MakeLine(-0.0, nan, inf, -inf, 1));
    drw.entities.push_back(MakeLine(inf, -inf, -0.0, 0.0, 1));  // a start repeating the previous end
    drw.entities.back().zc = -0.0;
    const Drw back = RoundTrip(drw);
    ASSERT_EQ(back.entities.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const Entity &a = drw.entities[i], &b = back.entities[i];
        for (auto field : {&Entity::x1, &Entity::y1, &Entity::x2, &Entity::y2, &Entity::zc})
            EXPECT_TRUE(SameBits(a.*field, b.*field)) << "entity " << i;
    }
}

// A drawing handed to unpack may hold another state's entities (the history reuses the window's drawing).
TEST(DrwPack, UnpackReplacesWhatTheDrawingHeld)
{
    Drw used = EveryField();
    for (Entity& e : used.entities) {
        e.z1 = e.z2 = e.zc = 3;
        e.xc = e.yc = 9;
        e.reserved1 = 5;
    }
    used.modified = true;
    Drw plain;
    AddChainPath(plain, {{0, 0}, {1, 0}, {1, 1}});
    plain.AddArc(1, 1, 0, 0, 0.5, 0.5, false, "0", 2, false, false);
    plain.pathCount = 2;
    ASSERT_TRUE(UnpackDrawing(PackDrawing(plain), used));
    EXPECT_TRUE(used.modified) << "the modified flag is the caller's";
    used.modified = plain.modified;
    EXPECT_EQ(used, plain);
}

TEST(DrwPack, ChainedLinesTakeFewBytes)
{
    Drw drw;
    std::vector<PlanePoint> points;
    for (int i = 0; i <= MaxEntities; ++i)
        points.push_back({i * 0.5, (i % 7) * 0.25});
    AddChainPath(drw, points);
    ASSERT_EQ(drw.entityCount(), MaxEntities);
    EXPECT_LT(PackDrawing(drw).size(), 18u * MaxEntities);
}

TEST(DrwPack, BytesCutShortAreRefused)
{
    const std::string packed = PackDrawing(EveryField());
    for (std::size_t size = 0; size < packed.size(); ++size) {
        Drw drw = EveryField();
        EXPECT_FALSE(UnpackDrawing(std::string_view(packed).substr(0, size), drw)) << size;
        EXPECT_TRUE(drw.entities.empty());
        EXPECT_TRUE(drw.layers.empty());
    }
    Drw drw;
    EXPECT_FALSE(UnpackDrawing(packed + "x", drw)) << "bytes beyond the drawing";
}
