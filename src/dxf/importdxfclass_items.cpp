// The items of ImportDxfClass: an item's entities are queued while its pairs are read and go into the drawing as
// one path once the item is complete, so that an item that fails or is passed over leaves no trace; lines and
// arcs are then turned to follow the entity before them head to tail.
#include <algorithm>

#include "dxf/importdxfclass.h"
#include "support/text.h"

void ImportDxfClass::BeginItem()
{
    current = Entity{};
    current.sequence = itemNumber;
    pending.clear();
    badValue = false;
}

Entity& ImportDxfClass::QueueEntity()
{
    pending.push_back(current);
    return pending.back();
}

int ImportDxfClass::CommitItem(bool fromBelow)
{
    if (pending.empty())
        return 0;
    if (fromBelow) {
        // Seen from below the plane, x runs the other way: the mirror image, with arcs turning the other way.
        for (Entity& e : pending) {
            e.x1 = -e.x1;
            e.x2 = -e.x2;
            e.xc = -e.xc;
            e.clockwise = e.isArc && !e.clockwise;
        }
    }
    Entity& first = pending.front();
    first.sequence = itemNumber;
    first.joinedPrev = first.joinedNext = false;
    if (!drawing.AddEntity(first)) {
        warnings |= WarnCapacity;
        return 0;
    }
    int added = 1;
    for (auto e = pending.begin() + 1; e != pending.end(); ++e, ++added) {
        bool ok = e->isArc ? drawing.AppendArc(e->x2, e->y2, e->z2, e->xc, e->yc, e->zc, e->clockwise)
                           : drawing.AppendLine(e->x2, e->y2, e->z2);
        if (!ok) {
            warnings |= WarnCapacity;
            break;
        }
    }
    return added;
}

void ImportDxfClass::FinishItem()
{
    ++itemNumber;
    if (progress)
        progress(itemNumber - 1);
}

void ImportDxfClass::ChainWithPrevious()
{
    const int n = drawing.entityCount() - 1;
    if (n < 1 || n - 1 < chainFloor)
        return;
    const Entity& added = drawing.entities[n];
    const Entity& before = drawing.entities[n - 1];
    auto same = [](double xa, double ya, double xb, double yb) { return IsEqual(xa, xb) && IsEqual(ya, yb); };
    const bool beforeAlone = !before.joinedPrev && !before.joinedNext;
    // A path is a chain, so reversing the chain of an entity reverses its path.
    if (same(added.x2, added.y2, before.x2, before.y2) && !before.joinedNext) {
        drawing.ReverseChain(n);
    } else if (same(added.x1, added.y1, before.x1, before.y1) && beforeAlone) {
        drawing.ReverseChain(n - 1);
    } else if (same(added.x2, added.y2, before.x1, before.y1) && beforeAlone) {
        drawing.ReverseChain(n - 1);
        drawing.ReverseChain(n);
    }
}

void ImportDxfClass::QueueSegments(const std::vector<CurveSegment>& segments)
{
    for (const CurveSegment& s : segments) {
        Entity& e = QueueEntity();
        e.x1 = s.start.x, e.y1 = s.start.y, e.x2 = s.end.x, e.y2 = s.end.y;
        if (s.isArc) {
            e.xc = s.centre.x, e.yc = s.centre.y;
            e.isArc = true;
            e.clockwise = s.clockwise;
        }
    }
}

int ImportDxfClass::Room() const
{
    return drawing.limitReached ? 0 : MaxEntities - drawing.entityCount();
}

void ImportDxfClass::CountSkipped(std::string_view kind)
{
    auto nameCharacter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; };
    std::string name;
    if (kind.size() <= MaxKindLength)
        name = AnsiUpper(std::string(kind));
    if (name.empty() || !std::all_of(name.begin(), name.end(), nameCharacter) ||
        (!skipped.contains(name) && static_cast<int>(skipped.size()) >= MaxSkippedKinds))
        name = OtherKinds;
    ++skipped[name];
}
