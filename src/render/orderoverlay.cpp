// The machining order overlay: rapid moves, direction arrows, start marks and the numbers kept apart on a grid
// of cells as wide as the spacing.
#include "render/orderoverlay.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "model/drw.h"
#include "render/mydraw.h"

namespace {

constexpr int MarkHalf = 2;  // the start mark spans MarkHalf pixels each side of the start
constexpr int LabelGap = 4;  // pixels between the start and the number
constexpr int LabelPointSize = 8;

// The starts marked so far, one at most per cell of OrderLabelSpacing pixels (two starts in one cell would be
// closer than the spacing): a start is free when no marked start in its own or the eight neighbouring cells lies
// closer than the spacing along both axes.
class LabelGrid {
public:
    LabelGrid(int left, int top, int right, int bottom)
        : left(left),
          top(top),
          right(right),
          bottom(bottom),
          columns((right - left) / OrderLabelSpacing + 1),
          rows((bottom - top) / OrderLabelSpacing + 1),
          cells(static_cast<std::size_t>(columns) * rows, Empty())
    {
    }

    // Takes the start at pixel (x, y) when it lies in the area and is free.
    bool Take(int x, int y)
    {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const int column = (x - left) / OrderLabelSpacing, row = (y - top) / OrderLabelSpacing;
        for (int r = row - 1; r <= row + 1; ++r)
            for (int c = column - 1; c <= column + 1; ++c)
                if (r >= 0 && r < rows && c >= 0 && c < columns && TooClose(cells[Index(c, r)], x, y))
                    return false;
        cells[Index(column, row)] = {x, y};
        return true;
    }

private:
    struct Cell {
        int x, y;
    };
    static Cell Empty() { return {-1, -1}; }
    std::size_t Index(int column, int row) const { return static_cast<std::size_t>(row) * columns + column; }
    static bool TooClose(const Cell& cell, int x, int y)
    {
        return cell.x >= 0 && std::abs(cell.x - x) < OrderLabelSpacing && std::abs(cell.y - y) < OrderLabelSpacing;
    }

    int left, top, right, bottom, columns, rows;
    std::vector<Cell> cells;
};

// Whether entity i starts its path (the entities of a path are consecutive).
bool StartsPath(const Drw& drawing, std::size_t i)
{
    return i == 0 || drawing.entities[i].sequence != drawing.entities[i - 1].sequence;
}

void DrawRapidMoves(myDraw& renderer, const Drw& drawing)
{
    Canvas& canvas = *renderer.canvas;
    canvas.SetPen(RapidMoveColor, 1, PenStyleDashed);
    for (std::size_t i = 1; i < drawing.entities.size(); ++i) {
        if (!StartsPath(drawing, i))
            continue;
        const Entity& from = drawing.entities[i - 1];
        const Entity& to = drawing.entities[i];
        int px, py;
        renderer.ToPixel(from.x2, from.y2, px, py);
        canvas.MoveTo(px, py);
        renderer.ToPixel(to.x1, to.y1, px, py);
        canvas.LineTo(px, py);
    }
}

void DrawArrows(myDraw& renderer, const Drw& drawing)
{
    for (const Entity& entity : drawing.entities)
        if (!entity.joinedNext)
            renderer.DrawArrow(entity);
}

void DrawStarts(myDraw& renderer, const Drw& drawing)
{
    Canvas& canvas = *renderer.canvas;
    canvas.SetPen(OrderMarkColor, 1, PenStyleSolid);
    canvas.SetBrushColor(OrderMarkColor);
    canvas.SetFont(LabelPointSize, false, false, false, OrderMarkColor);
    const int textHeight = canvas.TextHeight("0");
    LabelGrid grid(renderer.areaLeft, renderer.areaTop, renderer.areaRight, renderer.areaBottom);
    for (std::size_t i = 0; i < drawing.entities.size(); ++i) {
        if (!StartsPath(drawing, i))
            continue;
        const Entity& entity = drawing.entities[i];
        int px, py;
        renderer.ToPixel(entity.x1, entity.y1, px, py);
        if (!grid.Take(px, py))
            continue;
        canvas.Rectangle(px - MarkHalf, py - MarkHalf, px + MarkHalf + 1, py + MarkHalf + 1);
        canvas.TextOut(px + LabelGap, py - textHeight, std::to_string(entity.sequence));
    }
    canvas.SetBrushColor(renderer.backgroundColor);
}

}  // namespace

void DrawOrderOverlay(myDraw& renderer, const Drw& drawing, const OrderOverlay& overlay)
{
    if (renderer.canvas == nullptr)
        return;
    if (overlay.rapids)
        DrawRapidMoves(renderer, drawing);
    if (overlay.order) {
        DrawArrows(renderer, drawing);
        DrawStarts(renderer, drawing);
    }
}
