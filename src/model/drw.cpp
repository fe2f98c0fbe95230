// The drawing's entities and paths: clearing, copying, the add operations with their capacity rule, inserting and
// deleting whole paths, extents and counts.
#include "model/drw.h"

#include <algorithm>

#include "support/mymessagebox.h"
#include "support/text.h"

EntityGeometry Entity::Geometry() const
{
    return EntityGeometry{x1, y1, x2, y2, isArc, xc, yc, clockwise};
}

void Drw::Clear()
{
    entities.clear();
    layers.clear();
    pathCount = 0;
    modified = false;
    limitReached = false;
}

void Drw::CopyContentsTo(Drw& target) const
{
    target.entities = entities;
    target.pathCount = pathCount;
    target.layers = layers;
}

bool Drw::HasRoomFor(int n, const char* code)
{
    if (limitReached)
        return false;
    if (entityCount() + n <= MaxEntities)
        return true;
    limitReached = true;
    ShowWarning(StrFormat("%s: Raggiunto il numero limite di entità di un disegno (%d)", code, MaxEntities));
    return false;
}

void Drw::Store(const Entity& entity, bool ensureLayer)
{
    entities.push_back(entity);
    modified = true;
    if (ensureLayer && !FindLayer(entity.layer))
        AddLayer(entity.layer);
}

bool Drw::AddEntity(const Entity& entity)
{
    if (!HasRoomFor(1, "DRW011"))
        return false;
    Store(entity, true);
    return true;
}

bool Drw::AddNew(Entity entity, const std::string& layer, int sequence, bool joinedPrev, bool joinedNext,
                 const char* code)
{
    if (!HasRoomFor(1, code))
        return false;
    entity.layer = layer;
    entity.sequence = sequence;
    entity.joinedPrev = joinedPrev;
    entity.joinedNext = joinedNext;
    Store(entity, true);
    return true;
}

bool Drw::AddLine(double x1, double y1, double x2, double y2, const std::string& layer, int sequence, bool joinedPrev,
                  bool joinedNext)
{
    Entity line;
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    return AddNew(line, layer, sequence, joinedPrev, joinedNext, "DRW001");
}

bool Drw::AddArc(double x1, double y1, double x2, double y2, double xc, double yc, bool clockwise,
                 const std::string& layer, int sequence, bool joinedPrev, bool joinedNext)
{
    Entity arc;
    arc.x1 = x1;
    arc.y1 = y1;
    arc.x2 = x2;
    arc.y2 = y2;
    arc.xc = xc;
    arc.yc = yc;
    arc.isArc = true;
    arc.clockwise = clockwise;
    return AddNew(arc, layer, sequence, joinedPrev, joinedNext, "DRW002");
}

bool Drw::Append(Entity next, const char* code)
{
    // Nothing to continue on an empty drawing; checked first so that it never touches limitReached.
    if (entities.empty() || !HasRoomFor(1, code))
        return false;
    Entity& previous = entities.back();
    previous.joinedNext = true;
    next.x1 = previous.x2;
    next.y1 = previous.y2;
    next.z1 = previous.z2;
    next.joinedPrev = true;
    next.joinedNext = false;
    next.sequence = previous.sequence;
    next.layer = previous.layer;
    Store(next, false);
    return true;
}

bool Drw::AppendLine(double x, double y, double z)
{
    Entity line;
    line.x2 = x;
    line.y2 = y;
    line.z2 = z;
    return Append(line, "DRW012");
}

bool Drw::AppendArc(double x, double y, double z, double xc, double yc, double zc, bool clockwise)
{
    Entity arc;
    arc.x2 = x;
    arc.y2 = y;
    arc.z2 = z;
    arc.xc = xc;
    arc.yc = yc;
    arc.zc = zc;
    arc.isArc = true;
    arc.clockwise = clockwise;
    return Append(arc, "DRW013");
}

namespace {

// The first index in [lo, entities.size()) at which below stops holding, by halving: exact when below holds on a
// prefix of the range, and within the range whatever the order.
template <typename Below>
int FirstNotBelow(const std::vector<Entity>& entities, int lo, Below below)
{
    int hi = static_cast<int>(entities.size());
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (below(entities[mid]))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// Shows a refusal of InsertPath that is not about capacity.
bool RefuseInsert(const char* text)
{
    ShowWarning(text);
    return false;
}

}  // namespace

void Drw::PathRange(int path, int& first, int& last) const
{
    first = FirstNotBelow(entities, 0, [path](const Entity& e) { return e.sequence < path; });
    last = FirstNotBelow(entities, first, [path](const Entity& e) { return e.sequence <= path; }) - 1;
}

int Drw::PathEntityCount(int path) const
{
    int first = 0;
    int last = 0;
    PathRange(path, first, last);
    return last - first + 1;
}

bool Drw::InsertPath(const Entity* items, int n)
{
    if (items == nullptr || n < 1 || items[0].sequence < 1)
        return false;
    if (!HasRoomFor(n, "DRW006"))
        return false;
    const std::string firstLayer = AnsiUpper(items[0].layer);
    for (int i = 1; i < n; i++) {
        if (items[i].sequence != items[0].sequence)
            return RefuseInsert(
                "DRW007: Impossibile aggiungere una sequenza con entità aventi diverso numero di sequenza");
        if (items[i].layer != items[0].layer && AnsiUpper(items[i].layer) != firstLayer)
            return RefuseInsert("DRW008: Impossibile aggiungere una sequenza con entità appartenenti a diversi layer");
    }
    // Copied before the drawing changes: the records may be this drawing's own entities.
    std::vector<Entity> path(items, items + n);
    int at = entityCount();
    if (path[0].sequence > pathCount) {
        for (Entity& e : path)
            e.sequence = pathCount + 1;
    } else {
        int last = 0;
        PathRange(path[0].sequence, at, last);
    }
    for (int i = at; i < entityCount(); i++)
        entities[i].sequence++;
    entities.insert(entities.begin() + at, path.begin(), path.end());
    pathCount++;
    modified = true;
    return true;
}

bool Drw::DeletePath(int path)
{
    if (path < 1 || path > pathCount)
        return false;
    int first = 0;
    int last = 0;
    PathRange(path, first, last);
    for (int i = last + 1; i < entityCount(); i++)
        entities[i].sequence--;
    entities.erase(entities.begin() + first, entities.begin() + (last + 1));
    pathCount--;
    modified = true;
    LiftLimitWhenRoom();
    return true;
}

void Drw::LiftLimitWhenRoom()
{
    if (entityCount() < MaxEntities)
        limitReached = false;
}

int Drw::DeletePaths(const std::vector<int>& paths)
{
    // below[s]: how many listed paths have a number below s, for s in 1..pathCount + 1.
    std::vector<int> below(static_cast<std::size_t>(pathCount) + 2, 0);
    std::vector<bool> listed(static_cast<std::size_t>(pathCount) + 1, false);
    for (int path : paths) {
        if (path >= 1 && path <= pathCount && !listed[path]) {
            listed[path] = true;
            below[path + 1] = 1;
        }
    }
    for (int s = 1; s <= pathCount + 1; s++)
        below[s] += below[s - 1];
    const int deleted = below[pathCount + 1];
    if (deleted == 0)
        return 0;
    std::size_t kept = 0;
    for (Entity& e : entities) {
        const bool numbered = e.sequence >= 1 && e.sequence <= pathCount;
        if (numbered && listed[e.sequence])
            continue;
        // Numbers beyond pathCount lie after every path and move down with each deletion; those below 1 stay.
        e.sequence -= numbered ? below[e.sequence] : e.sequence > pathCount ? deleted : 0;
        if (&entities[kept] != &e)
            entities[kept] = std::move(e);
        kept++;
    }
    entities.resize(kept);
    pathCount -= deleted;
    modified = true;
    LiftLimitWhenRoom();
    return deleted;
}

bool Drw::GetExtents(int first, int last, int path, const std::string& layer, double& minX, double& minY, double& maxX,
                     double& maxY) const
{
    if (entities.empty()) {
        minX = minY = maxX = maxY = 0.0;
        return false;
    }
    minX = minY = LargestDouble;
    maxX = maxY = -LargestDouble;
    first = std::max(first, 0);
    if (last < 0 || last >= entityCount())
        last = entityCount() - 1;
    const std::string upperLayer = AnsiUpper(layer);
    bool found = false;
    for (int i = first; i <= last; i++) {
        const Entity& e = entities[i];
        if (path > 0 && e.sequence != path)
            continue;
        if (!layer.empty() && e.layer != layer && AnsiUpper(e.layer) != upperLayer)
            continue;
        double eMaxX = 0.0, eMinX = 0.0, eMaxY = 0.0, eMinY = 0.0;
        EntityExtents(e.Geometry(), eMaxX, eMinX, eMaxY, eMinY);
        minX = std::min(minX, eMinX);
        minY = std::min(minY, eMinY);
        maxX = std::max(maxX, eMaxX);
        maxY = std::max(maxY, eMaxY);
        found = true;
    }
    return found;
}

void Drw::CountLinesArcs(int& lines, int& arcs) const
{
    arcs = static_cast<int>(std::count_if(entities.begin(), entities.end(), [](const Entity& e) { return e.isArc; }));
    lines = entityCount() - arcs;
}
