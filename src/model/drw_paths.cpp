// Path structure: chains through the join flags, reversing entities, chains and paths, exploding paths into single
// entities, closedness and length, moving a closed path's start point and moving a path in the machining order.
#include <algorithm>
#include <utility>

#include "model/drw.h"
#include "support/mymessagebox.h"
#include "support/text.h"

namespace {

// A point of entity k splits it when it lies away from both of its end points.
enum class SplitPlace { AtStart, AtEnd, Inside };

SplitPlace PlaceOnEntity(const Entity& e, double x, double y)
{
    if (IsZero(Distance(x, y, e.x1, e.y1)))
        return SplitPlace::AtStart;
    if (IsZero(Distance(x, y, e.x2, e.y2)))
        return SplitPlace::AtEnd;
    return SplitPlace::Inside;
}

}  // namespace

void Drw::ChainBounds(int k, int& first, int& last) const
{
    if (k < 0 || k >= entityCount()) {
        first = last = -1;
        return;
    }
    first = k;
    while (first > 0 && entities[first].joinedPrev)
        first--;
    last = k;
    while (last + 1 < entityCount() && entities[last].joinedNext)
        last++;
}

void Drw::ReverseEntity(int k)
{
    if (k < 0 || k >= entityCount())
        return;
    Entity& e = entities[k];
    std::swap(e.x1, e.x2);
    std::swap(e.y1, e.y2);
    std::swap(e.joinedPrev, e.joinedNext);
    if (e.isArc)
        e.clockwise = !e.clockwise;
    modified = true;
}

void Drw::SwapEntities(int i, int j)
{
    if (i < 0 || i >= entityCount() || j < 0 || j >= entityCount())
        return;
    Entity& a = entities[i];
    Entity& b = entities[j];
    std::swap(a.x1, b.x1);
    std::swap(a.y1, b.y1);
    std::swap(a.x2, b.x2);
    std::swap(a.y2, b.y2);
    std::swap(a.xc, b.xc);
    std::swap(a.yc, b.yc);
    std::swap(a.isArc, b.isArc);
    std::swap(a.clockwise, b.clockwise);
    std::swap(a.joinedPrev, b.joinedPrev);
    std::swap(a.joinedNext, b.joinedNext);
    std::swap(a.sequence, b.sequence);
    std::swap(a.layer, b.layer);
    modified = true;
}

int Drw::ReverseChain(int k)
{
    if (k < 0 || k >= entityCount())
        return -1;
    int first = 0;
    int last = 0;
    ChainBounds(k, first, last);
    int result = first;
    for (int i = first, j = last; i <= j; i++, j--) {
        if (i < j) {
            SwapEntities(i, j);
            ReverseEntity(i);
            ReverseEntity(j);
        } else {
            ReverseEntity(i);
        }
        if (k == i)
            result = j;
        else if (k == j)
            result = i;
    }
    return result;
}

void Drw::ReversePath(int path)
{
    int first = 0;
    int last = 0;
    PathRange(path, first, last);
    if (last < first)
        return;
    ReverseChain(first);
    modified = true;
}

int Drw::ExplodePaths(int path)
{
    // One walk over the paths in storage order: the entities of an exploded path take consecutive numbers and
    // every later entity moves up by the number of paths added so far.
    int added = 0;
    int exploded = 0;
    int i = 0;
    while (i < entityCount()) {
        const int number = entities[i].sequence;
        int last = i;
        while (last + 1 < entityCount() && entities[last + 1].sequence == number)
            last++;
        const bool split = (path == -1 || number == path) && last > i;
        for (int k = i; k <= last; k++) {
            entities[k].sequence = number + added + (split ? k - i : 0);
            if (split)
                entities[k].joinedPrev = entities[k].joinedNext = false;
        }
        if (split) {
            added += last - i;
            exploded++;
        }
        i = last + 1;
    }
    pathCount += added;
    if (exploded > 0)
        modified = true;
    return exploded;
}

bool Drw::IsPathClosed(int path) const
{
    int first = 0;
    int last = 0;
    PathRange(path, first, last);
    if (last < first)
        return false;
    return IsZero(Distance(entities[first].x1, entities[first].y1, entities[last].x2, entities[last].y2));
}

double Drw::PathLength(int path) const
{
    int first = 0;
    int last = 0;
    PathRange(path, first, last);
    double length = 0.0;
    for (int i = first; i <= last; i++)
        length += EntityLength(entities[i].Geometry());
    return length;
}

bool Drw::SetStartPoint(int path, int k, double x, double y)
{
    if (!IsPathClosed(path))
        return false;
    int first = 0;
    int last = 0;
    PathRange(path, first, last);
    if (k < first || k > last)
        return false;
    const SplitPlace place = PlaceOnEntity(entities[k], x, y);
    if (place != SplitPlace::Inside) {
        // The point is an entity boundary: the path is only rotated to start there, without a zero-length part
        // (which, for an arc, would be a full circle).
        const int start = place == SplitPlace::AtStart ? k : (k == last ? first : k + 1);
        if (start == first)
            return true;
        entities[first].joinedPrev = true;
        entities[last].joinedNext = true;
        std::rotate(entities.begin() + first, entities.begin() + start, entities.begin() + (last + 1));
        entities[first].joinedPrev = false;
        entities[last].joinedNext = false;
        modified = true;
        return true;
    }
    if (entityCount() >= MaxEntities) {
        ShowWarning(StrFormat("DRW006: Raggiunto il numero limite di entità di un disegno (%d)", MaxEntities));
        return false;
    }
    // New order: the second part of k, k+1..last, first..k-1, the first part of k.
    std::vector<Entity> order;
    order.reserve(last - first + 2);
    Entity secondPart = entities[k];
    secondPart.x1 = x;
    secondPart.y1 = y;
    secondPart.joinedPrev = false;
    secondPart.joinedNext = true;
    order.push_back(secondPart);
    order.insert(order.end(), entities.begin() + (k + 1), entities.begin() + (last + 1));
    order.back().joinedNext = true;
    order.insert(order.end(), entities.begin() + first, entities.begin() + (k + 1));
    order[last - k + 1].joinedPrev = true;
    Entity& firstPart = order.back();
    firstPart.x2 = x;
    firstPart.y2 = y;
    firstPart.joinedNext = false;
    entities.insert(entities.begin() + (last + 1), Entity{});
    std::copy(order.begin(), order.end(), entities.begin() + first);
    modified = true;
    return true;
}

bool Drw::MovePath(int from, int to)
{
    if (from == to || from < 1 || from > pathCount || to < 1 || to > pathCount)
        return false;
    // The same order and numbers as removing the path and inserting it again as path to, done in place so that
    // no path can be lost: the other paths are numbered as after the removal (later ones down by one), then those
    // from to on move up by one; the moved path goes before the first of them.
    int first = 0;
    int last = 0;
    PathRange(from, first, last);
    int at = 0;  // the moved path's new first index among the other entities
    for (int i = 0; i < entityCount(); i++) {
        if (i >= first && i <= last)
            continue;
        int number = entities[i].sequence;
        if (number > from)
            number--;
        if (number >= to)
            number++;
        else
            at++;
        entities[i].sequence = number;
    }
    for (int i = first; i <= last; i++)
        entities[i].sequence = to;
    if (at <= first)
        std::rotate(entities.begin() + at, entities.begin() + first, entities.begin() + (last + 1));
    else
        std::rotate(entities.begin() + first, entities.begin() + (last + 1),
                    entities.begin() + at + (last - first + 1));
    modified = true;
    return true;
}
