// Drawing simplification on a whole drawing: removing zero-length entities, and the per-path steps of
// drw_simplify_steps.cpp applied to each path in turn.
#include "model/drw_simplify.h"

#include <functional>
#include <utility>

namespace {

// Runs step on a copy of the path's entities and puts the result back in their place when it changed something.
bool ApplyToPath(Drw& drw, int path, const std::function<bool(std::vector<Entity>&)>& step)
{
    int first = 0;
    int last = 0;
    drw.PathRange(path, first, last);
    if (last < first)
        return false;
    std::vector<Entity> chain(drw.entities.begin() + first, drw.entities.begin() + (last + 1));
    if (!step(chain))
        return false;
    drw.entities.erase(drw.entities.begin() + first, drw.entities.begin() + (last + 1));
    drw.entities.insert(drw.entities.begin() + first, chain.begin(), chain.end());
    drw.modified = true;
    return true;
}

// The four steps of the per-path simplification, with the drawing's tolerances.
bool SimplifyChain(std::vector<Entity>& chain, const Drw& drw)
{
    bool changed = RemoveShortChainEntities(chain, drw.simplifyMinLength);
    changed = FlattenChainArcs(chain, drw.simplifyMaxArcRadius) || changed;
    changed = MergeChainLines(chain, drw.simplifyLineAngle, drw.simplifyLineDeviation) || changed;
    changed = MergeChainArcs(chain, drw.simplifyArcAngle, drw.simplifyArcDeviation) || changed;
    return changed;
}

void SetSimplifyTolerances(Drw& drw)
{
    drw.simplifyMinLength = SimplifyMinLength;
    drw.simplifyMaxArcRadius = SimplifyMaxArcRadius;
    drw.simplifyLineAngle = SimplifyLineAngle;
    drw.simplifyLineDeviation = SimplifyLineDeviation;
    drw.simplifyArcAngle = SimplifyArcAngle;
    drw.simplifyArcDeviation = SimplifyArcDeviation;
}

}  // namespace

void Drw::Simplify(const ProgressCallback& progress)
{
    const auto report = [&progress](double fraction) {
        if (progress)
            progress(fraction);
    };
    report(0.05);
    RemoveDegenerate();
    report(0.25);
    // Path by path in storage order, as SimplifyPath(1), SimplifyPath(2), ... would, but rebuilding the entity
    // list once instead of shifting the rest of the drawing after every path that shrinks.
    std::vector<Entity> result;
    result.reserve(entities.size());
    size_t next = 0;
    for (int path = 1; path <= pathCount; path++) {
        SetSimplifyTolerances(*this);
        while (next < entities.size() && entities[next].sequence < path)
            result.push_back(entities[next++]);
        std::vector<Entity> chain;
        while (next < entities.size() && entities[next].sequence == path)
            chain.push_back(entities[next++]);
        SimplifyChain(chain, *this);
        result.insert(result.end(), chain.begin(), chain.end());
        report(0.25 + 0.75 * path / pathCount);
    }
    result.insert(result.end(), entities.begin() + static_cast<long>(next), entities.end());
    entities.swap(result);
    modified = true;
}

int Drw::RemoveDegenerate()
{
    // One sweep with the effect of removing the zero-length entities one at a time: a removed path start hands
    // its place (joinedPrev false) to the entity that follows, a removed path end its end (joinedNext false) to
    // the entity before, and a removed single-entity path numbers every later entity down by one.
    std::vector<Entity> kept;
    kept.reserve(entities.size());
    int removed = 0;
    int removedPaths = 0;
    bool startsPath = false;
    for (Entity& e : entities) {
        e.sequence -= removedPaths;
        if (startsPath) {
            e.joinedPrev = false;
            startsPath = false;
        }
        if (!IsZero(Distance(e.x1, e.y1, e.x2, e.y2))) {
            kept.push_back(std::move(e));
            continue;
        }
        removed++;
        if (!e.joinedPrev && !e.joinedNext)
            removedPaths++;
        else if (!e.joinedPrev)
            startsPath = true;
        else if (!e.joinedNext && !kept.empty())
            kept.back().joinedNext = false;
    }
    entities.swap(kept);
    pathCount -= removedPaths;
    if (removed > 0)
        modified = true;
    return removed;
}

void Drw::SimplifyPath(int path)
{
    SetSimplifyTolerances(*this);
    ApplyToPath(*this, path, [this](std::vector<Entity>& chain) { return SimplifyChain(chain, *this); });
}

void Drw::RemoveShortEntities(int path)
{
    ApplyToPath(*this, path,
                [this](std::vector<Entity>& chain) { return RemoveShortChainEntities(chain, simplifyMinLength); });
}

void Drw::FlattenArcs(int path)
{
    ApplyToPath(*this, path,
                [this](std::vector<Entity>& chain) { return FlattenChainArcs(chain, simplifyMaxArcRadius); });
}

bool Drw::MergeLines(int path)
{
    return ApplyToPath(*this, path, [this](std::vector<Entity>& chain) {
        return MergeChainLines(chain, simplifyLineAngle, simplifyLineDeviation);
    });
}

bool Drw::MergeArcs(int path)
{
    return ApplyToPath(*this, path, [this](std::vector<Entity>& chain) {
        return MergeChainArcs(chain, simplifyArcAngle, simplifyArcDeviation);
    });
}
