// The placement of the main window and of the drawing windows inside the frame.
#include "ui/windowplacement.h"

#include <algorithm>

bool StartMaximised(QSize screen)
{
    return screen.width() < RoomyScreen.width() || screen.height() < RoomyScreen.height();
}

QRect PlaceInside(const QRect& window, const QRect& area)
{
    const int left = std::max(area.left(), std::min(window.left(), area.right() + 1 - window.width()));
    const int top = std::max(area.top(), std::min(window.top(), area.bottom() + 1 - window.height()));
    return QRect(QPoint(left, top), window.size());
}

std::vector<QRect> TileRects(int n, const QRect& area, QSize minimum, bool horizontal)
{
    std::vector<QRect> places;
    if (n < 1)
        return places;
    // Along: the direction the strips are stacked in; across: the other one.
    const int alongSize = horizontal ? area.height() : area.width();
    const int minimumAlong = std::max(1, horizontal ? minimum.height() : minimum.width());
    const int strips = std::clamp(alongSize / minimumAlong, 1, n);
    const int lanes = (n + strips - 1) / strips;
    for (int i = 0; i < n; ++i) {
        const int strip = i % strips, lane = i / strips;
        const int rows = horizontal ? strips : lanes, columns = horizontal ? lanes : strips;
        const int row = horizontal ? strip : lane, column = horizontal ? lane : strip;
        const int left = area.left() + area.width() * column / columns;
        const int right = area.left() + area.width() * (column + 1) / columns;
        const int top = area.top() + area.height() * row / rows;
        const int bottom = area.top() + area.height() * (row + 1) / rows;
        const QRect cell(left, top, std::max(right - left, minimum.width()), std::max(bottom - top, minimum.height()));
        places.push_back(PlaceInside(cell, area));
    }
    return places;
}
