// Straightforward implementations of the drawing operations, step by step as their algorithms are written, kept
// as the measure of the fast members in src/model.
#include "model/reference_ops.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/drw_simplify.h"
#include "support/log.h"
#include "support/myutl.h"
#include "support/text.h"

namespace reference {

namespace {

void RemoveAt(Drw& drw, int i)
{
    for (int k = i; k + 1 < drw.entityCount(); k++)
        drw.entities[k] = drw.entities[k + 1];
    drw.entities.pop_back();
}

void RefitCentre(Entity& e)
{
    if (e.isArc)
        SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
}

bool Holds(const std::vector<int>& selection, int path)
{
    return std::find(selection.begin(), selection.end(), path) != selection.end();
}

}  // namespace

bool DeletePath(Drw& drw, int path)
{
    if (path < 1 || path > drw.pathCount)
        return false;
    int first = 0, last = 0;
    drw.PathRange(path, first, last);
    const int k = last - first + 1;
    for (int i = last + 1; i < drw.entityCount(); i++) {
        drw.entities[i - k] = drw.entities[i];
        drw.entities[i - k].sequence--;
    }
    drw.entities.resize(drw.entityCount() - k);
    drw.pathCount--;
    drw.modified = true;
    return true;
}

int ExplodePaths(Drw& drw, int path)
{
    int count = 0;
    for (int s = 1; s <= drw.pathCount; s++) {
        if ((path != -1 && s != path) || drw.PathEntityCount(s) <= 1)
            continue;
        int first = 0, last = 0;
        drw.PathRange(s, first, last);
        int k = 0;
        for (int i = first; i <= last; i++) {
            drw.entities[i].joinedPrev = drw.entities[i].joinedNext = false;
            if (i > first)
                drw.entities[i].sequence += ++k;
        }
        for (int i = last + 1; i < drw.entityCount(); i++)
            drw.entities[i].sequence += k;
        drw.pathCount += k;
        s += k;
        count++;
        drw.modified = true;
    }
    return count;
}

bool JoinPaths(Drw& drw, int a, int b, bool reverseA, bool reverseB)
{
    const int count = drw.entityCount();
    if (a < 0 || a >= count || b < 0 || b >= count || drw.entities[a].sequence >= drw.entities[b].sequence)
        return false;
    if ((reverseA ? drw.entities[a].joinedPrev : drw.entities[a].joinedNext) ||
        (reverseB ? drw.entities[b].joinedNext : drw.entities[b].joinedPrev))
        return false;
    if (reverseA)
        a = drw.ReverseChain(a);
    if (reverseB)
        b = drw.ReverseChain(b);
    Entity& eb = drw.entities[b];
    eb.x1 = drw.entities[a].x2;
    eb.y1 = drw.entities[a].y2;
    if (eb.isArc && !SnapCentreToBisector(eb.x1, eb.y1, eb.x2, eb.y2, eb.xc, eb.yc))
        WriteEventLog(StrFormat("DRW009: Errore nella funzione AutoJoin, entità %d e %d", a, b));
    drw.entities[a].joinedNext = true;
    eb.joinedPrev = true;
    const int sa = drw.entities[a].sequence;
    const int sb = eb.sequence;
    for (int i = 0; i < count; i++) {
        Entity& e = drw.entities[i];
        if (e.sequence == sb && i >= b)
            e.sequence = sa;
        else if (e.sequence > sb)
            e.sequence--;
    }
    drw.pathCount--;
    if (b != a + 1) {
        // b goes right after a, the entities between moving up one place; then each entity of b's chain after it.
        for (int from = b, to = a + 1;; from++, to++) {
            const Entity moved = drw.entities[from];
            for (int k = from; k > to; k--)
                drw.entities[k] = drw.entities[k - 1];
            drw.entities[to] = moved;
            if (from + 1 >= count || !drw.entities[from + 1].joinedPrev)
                break;
        }
    }
    drw.modified = true;
    return true;
}

int AutoJoin(Drw& drw, double tolerance, int pathA, int pathB, std::vector<int>* selection,
             const Drw::ProgressCallback& progress)
{
    if (progress)
        progress(0.0);
    const bool hasA = pathA >= 0;
    const bool hasB = pathB >= 0;
    const bool swapped = hasA && hasB && pathA > pathB;
    if (swapped)
        std::swap(pathA, pathB);
    const bool useSelection = selection != nullptr && !selection->empty();
    if (useSelection)
        SortAscending(*selection);

    int joins = 0;
    int i = 0;
    bool endPass = false;
    double best = LargestDouble;
    bool found = false;
    int entityOfI = -1, entityOfJ = -1, bestJ = -1;
    bool atStartOfI = false, atEndOfJ = false;
    for (;;) {
        if (progress)
            progress(drw.pathCount > 0 ? static_cast<double>(i) / drw.pathCount : 0.0);
        endPass = !endPass;
        if (endPass) {
            i++;
            best = LargestDouble;
            found = false;
        }
        if (i >= drw.pathCount)
            break;
        // The first and last entity of every path number (none: last below first), as they stand now.
        std::vector<int> first(drw.pathCount + 2, 0), last(drw.pathCount + 2, -1);
        for (int k = drw.entityCount() - 1; k >= 0; k--) {
            const int s = drw.entities[k].sequence;
            if (s >= 1 && s <= drw.pathCount) {
                first[s] = k;
                if (last[s] < 0)
                    last[s] = k;
            }
        }
        const int firstI = first[i], lastI = last[i];
        if (!(hasA && i != pathA) && !(useSelection && !Holds(*selection, i)) && lastI >= firstI) {
            const int atI = endPass ? lastI : firstI;
            const double px = endPass ? drw.entities[atI].x2 : drw.entities[atI].x1;
            const double py = endPass ? drw.entities[atI].y2 : drw.entities[atI].y1;
            for (int j = i + 1; j <= drw.pathCount; j++) {
                const int firstJ = first[j], lastJ = last[j];
                if ((hasB && j != pathB) || (useSelection && !Holds(*selection, j)) || lastJ < firstJ)
                    continue;
                if (AnsiUpper(drw.entities[firstJ].layer) != AnsiUpper(drw.entities[firstI].layer))
                    continue;
                for (const bool endOfJ : {false, true}) {
                    const Entity& e = drw.entities[endOfJ ? lastJ : firstJ];
                    const double d = endOfJ ? Distance(px, py, e.x2, e.y2) : Distance(px, py, e.x1, e.y1);
                    const bool atTolerance = std::fabs(d - tolerance) < 1e-8;
                    const bool near = d < best - 1e-8 && (d < tolerance - 1e-8 || (atTolerance && endPass && !swapped));
                    if (near || (endOfJ && atTolerance && swapped)) {
                        best = d;
                        found = true;
                        entityOfI = atI;
                        entityOfJ = endOfJ ? lastJ : firstJ;
                        atStartOfI = !endPass;
                        atEndOfJ = endOfJ;
                        bestJ = j;
                    }
                }
            }
        }
        if (endPass || !found)
            continue;
        JoinPaths(drw, entityOfI, entityOfJ, atStartOfI, atEndOfJ);
        if (swapped)
            drw.ReversePath(pathA);
        joins++;
        drw.modified = true;
        if (hasA && hasB)
            break;
        i--;
        if (useSelection) {
            selection->erase(std::find(selection->begin(), selection->end(), bestJ));
            for (int& number : *selection) {
                if (number > bestJ)
                    number--;
            }
        }
    }
    return joins;
}

int RemoveDegenerate(Drw& drw)
{
    int removed = 0;
    int i = 0;
    while (i < drw.entityCount()) {
        const Entity e = drw.entities[i];
        if (!(Distance(e.x1, e.y1, e.x2, e.y2) < 1e-8)) {  // a distance that is not a number is not below
            i++;
            continue;
        }
        RemoveAt(drw, i);
        if (!e.joinedPrev && !e.joinedNext) {
            for (int k = i; k < drw.entityCount(); k++)
                drw.entities[k].sequence--;
            drw.pathCount--;
        } else if (!e.joinedPrev) {
            if (i < drw.entityCount())
                drw.entities[i].joinedPrev = false;
        } else if (!e.joinedNext && i > 0) {
            drw.entities[i - 1].joinedNext = false;
        }
        removed++;
        drw.modified = true;
    }
    return removed;
}

void RemoveShortEntities(Drw& drw, int path)
{
    int first = 0, last = 0;
    drw.PathRange(path, first, last);
    if (last <= first)
        return;
    for (int i = first; i <= last; i++) {
        const Entity e = drw.entities[i];
        if (!(EntityLength(e.Geometry()) < drw.simplifyMinLength - 1e-8))
            continue;
        if (i == first) {
            Entity& next = drw.entities[i + 1];
            next.x1 = e.x1;
            next.y1 = e.y1;
            RefitCentre(next);
            next.joinedPrev = false;
        } else {
            Entity& previous = drw.entities[i - 1];
            previous.x2 = e.x2;
            previous.y2 = e.y2;
            RefitCentre(previous);
            if (i == last)
                previous.joinedNext = false;
        }
        RemoveAt(drw, i);
        last--;
        drw.modified = true;
    }
}

void FlattenArcs(Drw& drw, int path)
{
    int first = 0, last = 0;
    drw.PathRange(path, first, last);
    for (int i = first; i <= last; i++) {
        Entity& e = drw.entities[i];
        if (e.isArc && Distance(e.x1, e.y1, e.xc, e.yc) > drw.simplifyMaxArcRadius + 1e-8) {
            e.isArc = false;
            drw.modified = true;
        }
    }
}

namespace {

// One pass of MergeLines (arcs false) or MergeArcs (arcs true); merge(a, b) decides and, for arcs, re-centres a.
template <typename Merge>
bool MergePass(Drw& drw, int path, bool arcs, Merge merge)
{
    int first = 0, last = 0;
    drw.PathRange(path, first, last);
    if (last < first)
        return false;
    bool merged = false;
    int i = first;
    while (i + 1 < drw.entityCount() && drw.entities[i].joinedNext) {
        Entity& a = drw.entities[i];
        const Entity& b = drw.entities[i + 1];
        if (a.isArc != arcs) {
            i += 1;
        } else if (b.isArc != arcs) {
            if (!b.joinedNext)
                break;
            i += 2;
        } else if (!merge(a, b)) {
            i += 1;
        } else {
            a.x2 = b.x2;
            a.y2 = b.y2;
            a.joinedNext = b.joinedNext;
            RemoveAt(drw, i + 1);
            merged = true;
            drw.modified = true;
            if (drw.entities[i].joinedNext)
                i += 1;
        }
    }
    return merged;
}

}  // namespace

bool MergeLines(Drw& drw, int path)
{
    const auto merge = [&drw](Entity& a, const Entity& b) {
        double startA = 0, endA = 0, startB = 0, endB = 0;
        EndTangents(a.Geometry(), startA, endA);
        EndTangents(b.Geometry(), startB, endB);
        if (!IsAngleZero(std::fabs(endA - startB), drw.simplifyLineAngle))
            return false;
        const EntityGeometry line{a.x1, a.y1, b.x2, b.y2, false, 0.0, 0.0, false};
        return DistanceToEntity(a.x2, a.y2, line) <= drw.simplifyLineDeviation + 1e-8;
    };
    bool any = false;
    while (MergePass(drw, path, false, merge))
        any = true;
    return any;
}

bool MergeArcs(Drw& drw, int path)
{
    const auto merge = [&drw](Entity& a, const Entity& b) {
        if (a.clockwise != b.clockwise)
            return false;
        if (std::fabs(a.x1 - b.x2) < 1e-8 && std::fabs(a.y1 - b.y2) < 1e-8)
            return false;
        double startA = 0, endA = 0, startB = 0, endB = 0;
        EndTangents(a.Geometry(), startA, endA);
        EndTangents(b.Geometry(), startB, endB);
        if (!IsAngleZero(std::fabs(endA - startB), drw.simplifyArcAngle))
            return false;
        double cx = (a.xc + b.xc) / 2;
        double cy = (a.yc + b.yc) / 2;
        SnapCentreToBisector(a.x1, a.y1, b.x2, b.y2, cx, cy);
        const EntityGeometry candidate{a.x1, a.y1, b.x2, b.y2, true, cx, cy, a.clockwise};
        double mx = 0, my = 0;
        ArcMidpoint(a.x1, a.y1, a.x2, a.y2, a.xc, a.yc, a.clockwise, mx, my);
        if (!(DistanceToEntity(mx, my, candidate) <= drw.simplifyArcDeviation + 1e-8))
            return false;
        if (!(DistanceToEntity(a.x2, a.y2, candidate) <= drw.simplifyArcDeviation + 1e-8))
            return false;
        ArcMidpoint(b.x1, b.y1, b.x2, b.y2, b.xc, b.yc, b.clockwise, mx, my);
        if (!(DistanceToEntity(mx, my, candidate) <= drw.simplifyArcDeviation + 1e-8))
            return false;
        a.xc = cx;
        a.yc = cy;
        return true;
    };
    bool any = false;
    while (MergePass(drw, path, true, merge))
        any = true;
    return any;
}

void SimplifyPath(Drw& drw, int path)
{
    drw.simplifyMinLength = SimplifyMinLength;
    drw.simplifyMaxArcRadius = SimplifyMaxArcRadius;
    drw.simplifyLineAngle = SimplifyLineAngle;
    drw.simplifyLineDeviation = SimplifyLineDeviation;
    drw.simplifyArcAngle = SimplifyArcAngle;
    drw.simplifyArcDeviation = SimplifyArcDeviation;
    RemoveShortEntities(drw, path);
    FlattenArcs(drw, path);
    MergeLines(drw, path);
    MergeArcs(drw, path);
}

void Simplify(Drw& drw, const Drw::ProgressCallback& progress)
{
    if (progress)
        progress(0.05);
    RemoveDegenerate(drw);
    if (progress)
        progress(0.25);
    for (int p = 1; p <= drw.pathCount; p++) {
        SimplifyPath(drw, p);
        if (progress)
            progress(0.25 + 0.75 * p / drw.pathCount);
    }
    drw.modified = true;
}

void PickPaths(const Drw& drw, double left, double bottom, double right, double top, std::vector<int>& paths,
               std::vector<int>* nearestEntities, bool single)
{
    const double cx = (left + right) / 2;
    const double cy = (bottom + top) / 2;
    double best = LargestDouble;
    for (int r = 1; r <= drw.pathCount; r++) {
        if (std::find(paths.begin(), paths.end(), r) != paths.end())
            continue;
        double minX = 0, minY = 0, maxX = 0, maxY = 0;
        if (!drw.GetExtents(-1, -1, r, "", minX, minY, maxX, maxY))
            continue;
        if (minX > right + 1e-8 || maxX < left - 1e-8 || minY > top + 1e-8 || maxY < bottom - 1e-8)
            continue;
        int nearest = -1;
        double distance = LargestDouble, qx = 0, qy = 0;
        for (int i = 0; i < drw.entityCount(); i++) {
            if (drw.entities[i].sequence != r)
                continue;
            double nx = 0, ny = 0;
            const double d = DistanceToEntity(cx, cy, drw.entities[i].Geometry(), &nx, &ny);
            if (nearest < 0 || d < distance - 1e-8) {
                nearest = i;
                distance = d;
                qx = nx;
                qy = ny;
            }
        }
        const double sides[5][2] = {{left, bottom}, {left, top}, {right, top}, {right, bottom}, {left, bottom}};
        int crossings = 0;
        for (int s = 0; s < 4; s++) {
            double x[2], y[2];
            crossings +=
                IntersectSegments(cx, cy, qx, qy, sides[s][0], sides[s][1], sides[s + 1][0], sides[s + 1][1], x, y);
        }
        if (crossings != 0)
            continue;
        if (!single) {
            paths.push_back(r);
            if (nearestEntities != nullptr)
                nearestEntities->push_back(nearest);
        } else if (distance < best - 1e-8) {
            best = distance;
            paths.assign(1, r);
            if (nearestEntities != nullptr)
                nearestEntities->assign(1, nearest);
        }
    }
}

void NearestNeighbourOrder(Drw& drw, bool eitherWay)
{
    struct Ends {
        int first, last;
        double sx, sy, ex, ey;
        bool turns;
    };
    std::vector<Ends> paths;
    for (int p = 1; p <= drw.pathCount; p++) {
        Ends ends{};
        drw.PathRange(p, ends.first, ends.last);
        if (ends.last < ends.first)
            continue;
        const Entity& a = drw.entities[ends.first];
        const Entity& b = drw.entities[ends.last];
        ends.sx = a.x1, ends.sy = a.y1, ends.ex = b.x2, ends.ey = b.y2;
        ends.turns = eitherWay && !paths.empty() && !drw.IsPathClosed(p);
        paths.push_back(ends);
    }
    if (paths.empty())
        return;
    std::vector<std::pair<int, bool>> order{{0, false}};
    std::vector<bool> visited(paths.size(), false);
    visited[0] = true;
    double x = paths[0].ex, y = paths[0].ey;
    while (order.size() < paths.size()) {
        int best = -1;
        bool reversed = false;
        double bestDistance = 0;
        for (size_t j = 0; j < paths.size(); j++) {
            if (visited[j])
                continue;
            for (const bool atEnd : {false, true}) {
                if (atEnd && !paths[j].turns)
                    continue;
                const double d =
                    atEnd ? Distance(x, y, paths[j].ex, paths[j].ey) : Distance(x, y, paths[j].sx, paths[j].sy);
                if (best < 0 || d < bestDistance) {
                    best = static_cast<int>(j);
                    reversed = atEnd;
                    bestDistance = d;
                }
            }
        }
        visited[best] = true;
        order.push_back({best, reversed});
        x = reversed ? paths[best].sx : paths[best].ex;
        y = reversed ? paths[best].sy : paths[best].ey;
    }
    std::vector<Entity> reordered;
    for (size_t k = 0; k < order.size(); k++) {
        for (int i = paths[order[k].first].first; i <= paths[order[k].first].last; i++) {
            reordered.push_back(drw.entities[i]);
            reordered.back().sequence = static_cast<int32_t>(k + 1);
        }
    }
    drw.entities = std::move(reordered);
    drw.pathCount = static_cast<int>(order.size());
    for (size_t k = 0; k < order.size(); k++) {
        if (order[k].second)
            drw.ReversePath(static_cast<int>(k + 1));
    }
    drw.modified = true;
}

}  // namespace reference
