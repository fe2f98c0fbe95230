// Helpers for tests of drawing operations: building entities, paths and whole drawings, and checking that a
// drawing keeps the invariants every drawing operation must keep.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/drw.h"

struct PlanePoint {
    double x;
    double y;
};

inline Entity MakeLine(double x1, double y1, double x2, double y2, int sequence = 1, const std::string& layer = "0")
{
    Entity e;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.sequence = sequence;
    e.layer = layer;
    return e;
}

inline Entity MakeArc(double x1, double y1, double x2, double y2, double xc, double yc, bool clockwise,
                      int sequence = 1, const std::string& layer = "0")
{
    Entity e = MakeLine(x1, y1, x2, y2, sequence, layer);
    e.xc = xc;
    e.yc = yc;
    e.isArc = true;
    e.clockwise = clockwise;
    return e;
}

// The records of an open polyline through points as one joined path numbered sequence.
inline std::vector<Entity> MakeChain(const std::vector<PlanePoint>& points, int sequence,
                                     const std::string& layer = "0")
{
    std::vector<Entity> chain;
    for (size_t i = 1; i < points.size(); i++) {
        Entity e = MakeLine(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, sequence, layer);
        e.joinedPrev = i > 1;
        e.joinedNext = i + 1 < points.size();
        chain.push_back(e);
    }
    return chain;
}

// Adds the polyline through points as a new last path (pathCount + 1) and returns its number.
inline int AddChainPath(Drw& drw, const std::vector<PlanePoint>& points, const std::string& layer = "0")
{
    const int path = drw.pathCount + 1;
    for (const Entity& e : MakeChain(points, path, layer))
        drw.AddEntity(e);
    drw.pathCount = path;
    return path;
}

// A drawing with one path per element of sizes, path k (1-based) a zigzag of sizes[k-1] lines from (0, 10 k)
// through (1, 10 k + 1), (2, 10 k), ..., all on layer "0"; modified is cleared.
inline Drw MakeDrawing(const std::vector<int>& sizes)
{
    Drw drw;
    for (size_t k = 0; k < sizes.size(); k++) {
        std::vector<PlanePoint> points;
        for (int i = 0; i <= sizes[k]; i++)
            points.push_back({static_cast<double>(i), 10.0 * static_cast<double>(k + 1) + (i % 2)});
        AddChainPath(drw, points);
    }
    drw.modified = false;
    return drw;
}

// Adds count single-line paths with AddEntity (quickly, for filling a drawing towards its capacity); returns how
// many were accepted.
inline int AddSingleLinePaths(Drw& drw, int count)
{
    int added = 0;
    for (int i = 0; i < count; i++) {
        const int path = drw.pathCount + 1;
        if (!drw.AddEntity(MakeLine(i, 0.0, i, 1.0, path)))
            break;
        drw.pathCount = path;
        added++;
    }
    return added;
}

// Checks the invariants of a drawing: capacities; contiguous paths in increasing number within 1..pathCount (with
// every number in use unless allowEmptyPaths); chains with consistent join flags whose neighbours meet within
// 1e-8 (unless not endsMeet); every entity layer in the table (unless the table is full).
inline ::testing::AssertionResult CheckInvariants(const Drw& drw, bool allowEmptyPaths = false, bool endsMeet = true)
{
    if (drw.entityCount() > MaxEntities || drw.layerCount() > MaxLayers)
        return ::testing::AssertionFailure()
               << "capacity exceeded: " << drw.entityCount() << " entities, " << drw.layerCount() << " layers";
    std::set<int> used;
    for (int i = 0; i < drw.entityCount(); i++) {
        const Entity& e = drw.entities[i];
        if (e.sequence < 1 || e.sequence > drw.pathCount)
            return ::testing::AssertionFailure()
                   << "entity " << i << " has sequence " << e.sequence << " outside 1.." << drw.pathCount;
        used.insert(e.sequence);
        const bool startsPath = i == 0 || drw.entities[i - 1].sequence != e.sequence;
        const bool endsPath = i + 1 == drw.entityCount() || drw.entities[i + 1].sequence != e.sequence;
        if (i > 0 && drw.entities[i - 1].sequence > e.sequence)
            return ::testing::AssertionFailure() << "sequence decreases at entity " << i;
        if (e.joinedPrev == startsPath || e.joinedNext == endsPath)
            return ::testing::AssertionFailure()
                   << "join flags of entity " << i << " (path " << e.sequence << ") do not match its place in the path";
        if (!endsPath && endsMeet) {
            const Entity& next = drw.entities[i + 1];
            if (std::fabs(e.x2 - next.x1) > 1e-8 || std::fabs(e.y2 - next.y1) > 1e-8)
                return ::testing::AssertionFailure()
                       << "entity " << i << " does not end where entity " << i + 1 << " starts";
        }
        if (drw.layerCount() < MaxLayers && !drw.FindLayer(e.layer))
            return ::testing::AssertionFailure()
                   << "layer '" << e.layer << "' of entity " << i << " is not in the table";
    }
    if (!allowEmptyPaths && static_cast<int>(used.size()) != drw.pathCount)
        return ::testing::AssertionFailure() << used.size() << " path numbers in use of " << drw.pathCount;
    return ::testing::AssertionSuccess();
}
