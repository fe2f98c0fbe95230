// The simplification steps on one path's chain of entities: removing short entities, flattening huge arcs, and the
// merging passes for lines and for arcs.
#include <cmath>

#include "model/drw_simplify.h"

namespace {

// Moves an arc's centre onto the bisector of its chord after an end point moved; a centre that cannot be moved
// stays where it was.
void RefitCentre(Entity& e)
{
    if (e.isArc)
        SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
}

// True when the joint of two joined lines a, b is straight enough for them to become one line.
bool LinesMerge(const Entity& a, const Entity& b, double angle, double deviation)
{
    double startA = 0, endA = 0, startB = 0, endB = 0;
    EndTangents(a.Geometry(), startA, endA);
    EndTangents(b.Geometry(), startB, endB);
    const bool sameDirection = IsAngleZero(std::fabs(endA - startB), angle);
    const EntityGeometry merged{a.x1, a.y1, b.x2, b.y2, false, 0.0, 0.0, false};
    // At most the deviation (within Epsilon); a distance that is not a number (points at infinity) is not.
    const bool straight = DistanceToEntity(a.x2, a.y2, merged) <= deviation + Epsilon;
    return sameDirection && straight;
}

// When two joined arcs a, b can become one arc, true with its centre (cx, cy).
bool ArcsMerge(const Entity& a, const Entity& b, double angle, double deviation, double& cx, double& cy)
{
    if (a.clockwise != b.clockwise)
        return false;
    if (IsEqual(a.x1, b.x2) && IsEqual(a.y1, b.y2))
        return false;  // together they would close a circle
    double startA = 0, endA = 0, startB = 0, endB = 0;
    EndTangents(a.Geometry(), startA, endA);
    EndTangents(b.Geometry(), startB, endB);
    if (!IsAngleZero(std::fabs(endA - startB), angle))
        return false;
    cx = (a.xc + b.xc) / 2;
    cy = (a.yc + b.yc) / 2;
    SnapCentreToBisector(a.x1, a.y1, b.x2, b.y2, cx, cy);
    const EntityGeometry merged{a.x1, a.y1, b.x2, b.y2, true, cx, cy, a.clockwise};
    double points[3][2];
    ArcMidpoint(a.x1, a.y1, a.x2, a.y2, a.xc, a.yc, a.clockwise, points[0][0], points[0][1]);
    points[1][0] = a.x2;
    points[1][1] = a.y2;
    ArcMidpoint(b.x1, b.y1, b.x2, b.y2, b.xc, b.yc, b.clockwise, points[2][0], points[2][1]);
    for (const auto& p : points) {
        if (!(DistanceToEntity(p[0], p[1], merged) <= deviation + Epsilon))
            return false;
    }
    return true;
}

// One merging pass over the chain for entities of one kind (arcs or lines). Entity i walks the chain while it has
// joinedNext: an entity of the other kind is passed; when entity i+1 is of the other kind, both are passed (the
// pass ends there when i+1 is the last entity). Otherwise tryMerge(i, i+1) may fold i+1 into i, after which i
// moves on when it still has joinedNext. The chain is rebuilt in one sweep: out holds the entities up to i (the
// last one is entity i), chain[r] is entity i+1. Returns whether any pair merged.
template <typename TryMerge>
bool MergePass(std::vector<Entity>& chain, bool arcs, TryMerge tryMerge)
{
    if (chain.empty())
        return false;
    std::vector<Entity> out;
    out.reserve(chain.size());
    out.push_back(chain[0]);
    size_t r = 1;
    const auto advance = [&] { out.push_back(chain[r++]); };
    bool merged = false;
    while (out.back().joinedNext && r < chain.size()) {
        Entity& a = out.back();
        const Entity& b = chain[r];
        if (a.isArc != arcs) {
            advance();
        } else if (b.isArc != arcs) {
            if (!b.joinedNext || r + 1 >= chain.size())
                break;
            advance();
            advance();
        } else if (!tryMerge(a, b)) {
            advance();
        } else {
            a.x2 = b.x2;
            a.y2 = b.y2;
            a.joinedNext = b.joinedNext;
            r++;
            merged = true;
            if (out.back().joinedNext && r < chain.size())
                advance();
        }
    }
    out.insert(out.end(), chain.begin() + static_cast<long>(r), chain.end());
    chain.swap(out);
    return merged;
}

}  // namespace

bool RemoveShortChainEntities(std::vector<Entity>& chain, double minLength)
{
    if (chain.size() < 2)
        return false;
    // One sweep: out holds the entities before the one examined. After a removal the entity that takes the
    // removed one's place is kept without being examined.
    std::vector<Entity> out;
    out.reserve(chain.size());
    bool removed = false;
    bool skipNext = false;
    for (size_t k = 0; k < chain.size(); k++) {
        Entity& e = chain[k];
        if (skipNext || !IsLess(EntityLength(e.Geometry()), minLength)) {
            out.push_back(e);
            skipNext = false;
            continue;
        }
        if (out.empty()) {
            Entity& next = chain[k + 1];
            next.x1 = e.x1;
            next.y1 = e.y1;
            RefitCentre(next);
            next.joinedPrev = false;
        } else {
            Entity& previous = out.back();
            previous.x2 = e.x2;
            previous.y2 = e.y2;
            RefitCentre(previous);
            if (k + 1 == chain.size())
                previous.joinedNext = false;
        }
        removed = true;
        skipNext = true;
    }
    chain.swap(out);
    return removed;
}

bool FlattenChainArcs(std::vector<Entity>& chain, double maxArcRadius)
{
    bool flattened = false;
    for (Entity& e : chain) {
        if (e.isArc && IsGreater(Distance(e.x1, e.y1, e.xc, e.yc), maxArcRadius)) {
            e.isArc = false;
            flattened = true;
        }
    }
    return flattened;
}

bool MergeChainLines(std::vector<Entity>& chain, double angle, double deviation)
{
    const auto tryMerge = [=](const Entity& a, const Entity& b) { return LinesMerge(a, b, angle, deviation); };
    bool any = false;
    while (MergePass(chain, false, tryMerge))
        any = true;
    return any;
}

bool MergeChainArcs(std::vector<Entity>& chain, double angle, double deviation)
{
    const auto tryMerge = [=](Entity& a, const Entity& b) {
        double cx = 0, cy = 0;
        if (!ArcsMerge(a, b, angle, deviation, cx, cy))
            return false;
        a.xc = cx;
        a.yc = cy;
        return true;
    };
    bool any = false;
    while (MergePass(chain, true, tryMerge))
        any = true;
    return any;
}
