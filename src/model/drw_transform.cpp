// Geometric edits of a drawing: mirrors and quarter turns of the whole drawing, moving, copying and scaling
// selected paths, and resizing the drawing to a new bounding box. Only plane coordinates change; z coordinates
// and reserved fields stay as they are.
#include <algorithm>
#include <cmath>

#include "model/drw.h"
#include "support/text.h"

namespace {

// Applies change(x, y) to the start, the end and, for an arc, the centre of an entity.
template <class Change>
void ChangePoints(Entity& e, Change change)
{
    change(e.x1, e.y1);
    change(e.x2, e.y2);
    if (e.isArc)
        change(e.xc, e.yc);
}

// Keeps an arc circular after its points were transformed: its centre moves onto the bisector of its chord.
void Recentre(Entity& e)
{
    if (e.isArc)
        SnapCentreToBisector(e.x1, e.y1, e.x2, e.y2, e.xc, e.yc);
}

bool IsFinite(const Entity& e)
{
    return std::isfinite(e.x1) && std::isfinite(e.y1) && std::isfinite(e.x2) && std::isfinite(e.y2) &&
           (!e.isArc || (std::isfinite(e.xc) && std::isfinite(e.yc)));
}

// The paths a path operation works on: every path when the count or the array is absent, none for a count of 0
// or less, else those listed among the first count numbers of the array.
class PathSelection {
public:
    PathSelection(const int* count, const int* paths) : count(count), paths(paths) {}
    bool Empty() const { return count && *count <= 0; }
    bool Holds(int path) const { return !count || !paths || std::find(paths, paths + *count, path) != paths + *count; }

private:
    const int* count;
    const int* paths;
};

// Calls visit(path, first, last) for each selected path 1..lastPath with entities, in increasing number, marks the
// drawing modified for each, and returns the number of entities of the visited paths.
template <class Visit>
int VisitPaths(Drw& drw, const PathSelection& selection, int lastPath, Visit visit)
{
    int total = 0;
    for (int path = 1; path <= lastPath; path++) {
        if (!selection.Holds(path))
            continue;
        int first = 0, last = -1;
        drw.PathRange(path, first, last);
        if (last < first)
            continue;  // a number without entities (an import leaves them) has nothing to visit
        visit(path, first, last);
        total += last - first + 1;
        drw.modified = true;
    }
    return total;
}

// The bounding box of one path, from its range (a path without entities has none).
bool PathExtents(const Drw& drw, int path, double& minX, double& minY, double& maxX, double& maxY)
{
    int first = 0, last = -1;
    drw.PathRange(path, first, last);
    return first <= last && drw.GetExtents(first, last, path, "", minX, minY, maxX, maxY);
}

// The centre of the union box of the selected paths; a box grows only by more than Epsilon.
void CommonCentre(const Drw& drw, const PathSelection& selection, double& cx, double& cy)
{
    double minX = LargestDouble, minY = LargestDouble, maxX = -LargestDouble, maxY = -LargestDouble;
    for (int path = 1; path <= drw.pathCount; path++) {
        double pMinX, pMinY, pMaxX, pMaxY;
        if (!selection.Holds(path) || !PathExtents(drw, path, pMinX, pMinY, pMaxX, pMaxY))
            continue;
        if (IsLess(pMinX, minX))
            minX = pMinX;
        if (IsLess(pMinY, minY))
            minY = pMinY;
        if (IsGreater(pMaxX, maxX))
            maxX = pMaxX;
        if (IsGreater(pMaxY, maxY))
            maxY = pMaxY;
    }
    cx = (minX + maxX) / 2;
    cy = (minY + maxY) / 2;
}

// A quarter turn about the origin, then a move that puts the new box's lower-left corner where the old one was.
void QuarterTurn(Drw& drw, bool clockwise)
{
    double minX, minY, maxX, maxY;
    drw.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    // Clockwise (x, y) -> (y, -x) puts the lower-left corner at (minY, -maxX); counter-clockwise
    // (x, y) -> (-y, x) puts it at (-maxY, minX).
    const double dx = clockwise ? minX - minY : minX + maxY;
    const double dy = clockwise ? minY + maxX : minY - minX;
    for (Entity& e : drw.entities)
        ChangePoints(e, [&](double& x, double& y) {
            const double oldX = x;
            x = (clockwise ? y : -y) + dx;
            y = (clockwise ? -oldX : oldX) + dy;
        });
    drw.modified = true;
}

// The scale that takes the extent min..max to min..newMax; 1 for an axis of zero extent or a scale that is not
// finite.
double AxisScale(double newMax, double min, double max)
{
    const double scale = (newMax - min) / (max - min);
    return IsZero(max - min) || !std::isfinite(scale) ? 1.0 : scale;
}

}  // namespace

bool Drw::AllFinite() const
{
    return std::all_of(entities.begin(), entities.end(), IsFinite);
}

void Drw::MirrorX()
{
    double minX, minY, maxX, maxY;
    GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    for (Entity& e : entities) {
        ChangePoints(e, [&](double& x, double&) { x = minX + maxX - x; });
        e.clockwise = e.isArc ? !e.clockwise : e.clockwise;
    }
    modified = true;
}

void Drw::MirrorY()
{
    double minX, minY, maxX, maxY;
    GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    for (Entity& e : entities) {
        ChangePoints(e, [&](double&, double& y) { y = minY + maxY - y; });
        e.clockwise = e.isArc ? !e.clockwise : e.clockwise;
    }
    modified = true;
}

void Drw::RotateCW()
{
    QuarterTurn(*this, true);
}

void Drw::RotateCCW()
{
    QuarterTurn(*this, false);
}

int Drw::MovePaths(double dx, double dy, const int* count, const int* paths)
{
    const PathSelection selection(count, paths);
    if (selection.Empty() || (IsZero(dx) && IsZero(dy)))
        return 0;
    return VisitPaths(*this, selection, pathCount, [&](int, int first, int last) {
        for (int i = first; i <= last; i++)
            ChangePoints(entities[i], [&](double& x, double& y) { x += dx, y += dy; });
    });
}

int Drw::CopyPaths(double dx, double dy, const int* count, const int* paths)
{
    const PathSelection selection(count, paths);
    if (selection.Empty() || (IsZero(dx) && IsZero(dy)))
        return 0;
    std::vector<Entity> copy;
    return VisitPaths(*this, selection, pathCount, [&](int, int first, int last) {
        copy.assign(entities.begin() + first, entities.begin() + (last + 1));
        for (Entity& e : copy) {
            ChangePoints(e, [&](double& x, double& y) { x += dx, y += dy; });
            e.sequence = pathCount + 1;
        }
        InsertPath(copy.data(), static_cast<int>(copy.size()));
    });
}

int Drw::ScalePaths(double factor, const int* count, const int* paths, bool aboutCommonCentre)
{
    const PathSelection selection(count, paths);
    if (selection.Empty() || IsZero(factor) || IsZero(factor - 1))
        return 0;
    double commonX = 0, commonY = 0;
    if (aboutCommonCentre)
        CommonCentre(*this, selection, commonX, commonY);
    return VisitPaths(*this, selection, pathCount, [&](int path, int first, int last) {
        double cx = commonX, cy = commonY, minX, minY, maxX, maxY;
        if (!aboutCommonCentre && PathExtents(*this, path, minX, minY, maxX, maxY))
            cx = (minX + maxX) / 2, cy = (minY + maxY) / 2;
        for (int i = first; i <= last; i++) {
            ChangePoints(entities[i], [&](double& x, double& y) {
                x = cx + factor * (x - cx);
                y = cy + factor * (y - cy);
            });
            Recentre(entities[i]);
        }
    });
}

void Drw::ResizeDrawing(double newMaxX, double newMaxY, const std::string& layer)
{
    double minX, minY, maxX, maxY;
    if (!GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY))
        return;
    const double sx = AxisScale(newMaxX, minX, maxX);
    const double sy = AxisScale(newMaxY, minY, maxY);
    const bool uniform = IsZero(sx - sy);
    // The result is built aside and kept only when every value is finite (huge scales can overflow).
    std::vector<Entity> resized = entities;
    for (Entity& e : resized) {
        if (!layer.empty() && !EqualsNoCase(e.layer, layer))
            continue;
        ChangePoints(e, [&](double& x, double& y) {
            x = minX + (x - minX) * sx;
            y = minY + (y - minY) * sy;
        });
        if (!uniform)
            Recentre(e);
        if (!IsFinite(e))
            return;
    }
    entities = std::move(resized);
    modified = true;
}
