// Test helpers for the DXF import: fixture paths, a one-call import, and the drawing invariants.
#include "dxf/dxf_fixtures.h"

#include <cmath>

#include <gtest/gtest.h>

#include "dxf/importdxfclass.h"

std::string DxfFixture(const std::string& name)
{
    return std::string(QUORVIA_TEST_DATA) + "/dxf/" + name;
}

ImportResult ImportFixture(const std::string& name)
{
    ImportResult result;
    ImportDxfClass import(DxfFixture(name), result.drawing);
    result.imported = import.Import();
    result.warnings = import.warnings;
    return result;
}

void ExpectWellFormed(const Drw& drawing)
{
    const std::vector<Entity>& entities = drawing.entities;
    for (std::size_t i = 0; i < entities.size(); ++i) {
        const Entity& e = entities[i];
        SCOPED_TRACE("entity " + std::to_string(i));
        EXPECT_GE(e.sequence, 1);
        EXPECT_LE(e.sequence, drawing.pathCount);
        const bool samePathAsPrevious = i > 0 && entities[i - 1].sequence == e.sequence;
        const bool samePathAsNext = i + 1 < entities.size() && entities[i + 1].sequence == e.sequence;
        if (i > 0) {
            EXPECT_LE(entities[i - 1].sequence, e.sequence);
        }
        EXPECT_EQ(e.joinedPrev, samePathAsPrevious);
        EXPECT_EQ(e.joinedNext, samePathAsNext);
        if (samePathAsPrevious) {
            EXPECT_NEAR(entities[i - 1].x2, e.x1, 1e-9);
            EXPECT_NEAR(entities[i - 1].y2, e.y1, 1e-9);
        }
        if (e.isArc) {
            EXPECT_NEAR(std::hypot(e.x1 - e.xc, e.y1 - e.yc), std::hypot(e.x2 - e.xc, e.y2 - e.yc), 1e-6);
        } else {
            EXPECT_FALSE(e.clockwise);
        }
    }
}

int EntitiesOfPath(const Drw& drawing, int path)
{
    int count = 0;
    for (const Entity& e : drawing.entities)
        count += e.sequence == path;
    return count;
}

void PointAlong(const Entity& e, double fraction, double& x, double& y)
{
    if (!e.isArc) {
        x = e.x1 + (e.x2 - e.x1) * fraction;
        y = e.y1 + (e.y2 - e.y1) * fraction;
        return;
    }
    const double sweep = ArcSweep(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc, e.clockwise);
    const double start = std::atan2(e.y1 - e.yc, e.x1 - e.xc);
    const double angle = start + (e.clockwise ? -sweep : sweep) * fraction;
    const double r = std::hypot(e.x1 - e.xc, e.y1 - e.yc);
    x = e.xc + r * std::cos(angle);
    y = e.yc + r * std::sin(angle);
}
