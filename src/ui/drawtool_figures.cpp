// The drawing tools' figures appended to a drawing as new or continued paths.
#include "ui/drawtool_figures.h"

#include <functional>

#include "geometry/mymath.h"
#include "model/drw.h"
#include "ui/drawtool.h"

namespace {

// Adds the entities that add appends with the given sequence number as the new last path. When add fails part
// way (the drawing is full) the entities it did append go again, so no half figure and no empty path number
// stays behind, and the drawing counts as modified only if it was before.
bool AppendNewPath(Drw& drawing, const std::function<bool(int sequence)>& add)
{
    const bool wasModified = drawing.modified;
    const int path = ++drawing.pathCount;
    if (add(path))
        return true;
    if (drawing.PathEntityCount(path) > 0)
        drawing.DeletePath(path);
    else
        --drawing.pathCount;
    drawing.modified = wasModified;
    return false;
}

// The drawing's last path ends at A, so a segment from A can continue it.
bool LastPathEndsAt(const Drw& drawing, double ax, double ay)
{
    if (drawing.entities.empty())
        return false;
    const Entity& last = drawing.entities.back();
    return last.sequence == drawing.pathCount && IsEqual(last.x2, ax) && IsEqual(last.y2, ay);
}

// One segment of a path being drawn: add(sequence, joinedPrev) appends it.
bool AppendSegment(Drw& drawing, double ax, double ay, bool newPath,
                   const std::function<bool(int sequence, bool joinedPrev)>& add)
{
    if (newPath || !LastPathEndsAt(drawing, ax, ay))
        return AppendNewPath(drawing, [&](int sequence) { return add(sequence, false); });
    const int previous = drawing.entityCount() - 1;
    if (!add(drawing.pathCount, true))
        return false;
    drawing.entities[previous].joinedNext = true;
    return true;
}

}  // namespace

bool AppendLineSegment(Drw& drawing, double ax, double ay, double cx, double cy, bool newPath)
{
    return AppendSegment(drawing, ax, ay, newPath, [&](int sequence, bool joinedPrev) {
        return drawing.AddLine(ax, ay, cx, cy, DrawToolLayer, sequence, joinedPrev, false);
    });
}

bool AppendArcSegment(Drw& drawing, double ax, double ay, double cx, double cy, double xc, double yc, bool cw,
                      bool newPath)
{
    return AppendSegment(drawing, ax, ay, newPath, [&](int sequence, bool joinedPrev) {
        return drawing.AddArc(ax, ay, cx, cy, xc, yc, cw, DrawToolLayer, sequence, joinedPrev, false);
    });
}

bool AppendRectangle(Drw& drawing, double ax, double ay, double cx, double cy)
{
    return AppendNewPath(drawing, [&](int s) {
        return drawing.AddLine(ax, ay, cx, ay, DrawToolLayer, s, false, true) &&
               drawing.AddLine(cx, ay, cx, cy, DrawToolLayer, s, true, true) &&
               drawing.AddLine(cx, cy, ax, cy, DrawToolLayer, s, true, true) &&
               drawing.AddLine(ax, cy, ax, ay, DrawToolLayer, s, true, false);
    });
}

bool AppendCircle(Drw& drawing, double mx, double my, double r)
{
    return AppendNewPath(drawing, [&](int s) {
        return drawing.AddArc(mx - r, my, mx + r, my, mx, my, true, DrawToolLayer, s, false, true) &&
               drawing.AddArc(mx + r, my, mx - r, my, mx, my, true, DrawToolLayer, s, true, false);
    });
}
