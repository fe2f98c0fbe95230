// Test helpers for whole drawings: random drawings that keep the invariants (fixed seeds), and a field-by-field
// comparison of two drawings that names the first difference.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "model/drawing_builders.h"
#include "model/drw.h"

// A drawing of 1..12 paths, each a chain of 1..6 lines and arcs on one layer (of a few names, the empty one and a
// Latin-1 one among them), with random z coordinates and reserved fields, and layer attributes all set.
inline Drw RandomDrawing(unsigned seed)
{
    static const std::vector<std::string> names = {"0", "", "Città", "taglio", "Cucitura esterna"};
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> coordinate(-500.0, 500.0);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    Drw drw;
    const int paths = 1 + pick(random) % 12;
    for (int path = 1; path <= paths; path++) {
        const std::string& layer = names[pick(random) % names.size()];
        const int count = 1 + pick(random) % 6;
        double x = coordinate(random), y = coordinate(random);
        for (int k = 0; k < count; k++) {
            const double nx = coordinate(random), ny = coordinate(random);
            Entity e = MakeLine(x, y, nx, ny, path, layer);
            if (pick(random) % 2) {
                // An arc's centre lies on the bisector of its chord.
                const double t = 2 * unit(random);
                e = MakeArc(x, y, nx, ny, (x + nx) / 2 - t * (ny - y), (y + ny) / 2 + t * (nx - x),
                            pick(random) % 2 == 1, path, layer);
                e.zc = unit(random);
            }
            e.z1 = unit(random);
            e.z2 = unit(random);
            e.joinedPrev = k > 0;
            e.joinedNext = k + 1 < count;
            e.reserved1 = pick(random);
            e.reserved2 = unit(random);
            e.reserved3 = unit(random);
            drw.AddEntity(e);
            x = nx, y = ny;
        }
    }
    drw.pathCount = paths;
    drw.AddLayer("unused");
    for (Drw::Layer& layer : drw.layers) {
        layer.flag = pick(random) % 2 == 1;
        layer.value = unit(random);
        layer.colour = pick(random);
        for (int32_t& value : layer.ints)
            value = pick(random) - (1 << 19);
        for (double& value : layer.reals)
            value = coordinate(random);
    }
    drw.modified = false;
    return drw;
}

// Whether two drawings hold the same entities, path count and layers. Plane coordinates may differ by up to
// tolerance (0: bit for bit); every other field must be equal. Two values that are not numbers count as equal.
inline ::testing::AssertionResult SameDrawing(const Drw& a, const Drw& b, double tolerance = 0.0)
{
    auto same = [](double p, double q) { return p == q || (std::isnan(p) && std::isnan(q)); };
    auto near = [tolerance, same](double p, double q) { return same(p, q) || std::fabs(p - q) <= tolerance; };
    if (a.entityCount() != b.entityCount() || a.pathCount != b.pathCount || a.layerCount() != b.layerCount())
        return ::testing::AssertionFailure()
               << "counts differ: " << a.entityCount() << "/" << a.pathCount << "/" << a.layerCount() << " against "
               << b.entityCount() << "/" << b.pathCount << "/" << b.layerCount();
    for (int i = 0; i < a.entityCount(); i++) {
        const Entity& p = a.entities[i];
        const Entity& q = b.entities[i];
        const bool samePoints = near(p.x1, q.x1) && near(p.y1, q.y1) && near(p.x2, q.x2) && near(p.y2, q.y2) &&
                                (!p.isArc || (near(p.xc, q.xc) && near(p.yc, q.yc)));
        const bool sameRest = same(p.z1, q.z1) && same(p.z2, q.z2) && same(p.zc, q.zc) && p.isArc == q.isArc &&
                              p.clockwise == q.clockwise && p.layer == q.layer && p.joinedPrev == q.joinedPrev &&
                              p.joinedNext == q.joinedNext && p.sequence == q.sequence && p.reserved1 == q.reserved1 &&
                              same(p.reserved2, q.reserved2) && same(p.reserved3, q.reserved3);
        if (!samePoints || !sameRest || (!p.isArc && (!same(p.xc, q.xc) || !same(p.yc, q.yc))))
            return ::testing::AssertionFailure()
                   << "entity " << i << " differs: (" << p.x1 << ", " << p.y1 << ")-(" << p.x2 << ", " << p.y2 << ") c("
                   << p.xc << ", " << p.yc << ") arc " << p.isArc << " cw " << p.clockwise << " layer '" << p.layer
                   << "' seq " << p.sequence << " against (" << q.x1 << ", " << q.y1 << ")-(" << q.x2 << ", " << q.y2
                   << ") c(" << q.xc << ", " << q.yc << ") arc " << q.isArc << " cw " << q.clockwise << " layer '"
                   << q.layer << "' seq " << q.sequence;
    }
    for (int i = 0; i < a.layerCount(); i++) {
        const Drw::Layer& p = a.layers[i];
        const Drw::Layer& q = b.layers[i];
        if (p.name != q.name || p.flag != q.flag || p.value != q.value || p.colour != q.colour || p.ints != q.ints ||
            p.reals != q.reals)
            return ::testing::AssertionFailure()
                   << "layer " << i << " ('" << p.name << "' against '" << q.name << "') differs";
    }
    return ::testing::AssertionSuccess();
}
