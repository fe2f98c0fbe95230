// Where the main window and the drawing windows go: the main window's first state by the screen's size, a new
// drawing window kept inside the frame, and the tiling of drawing windows that keeps each inside the frame.
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// Screens smaller than this (pixels) start the main window maximised.
inline constexpr QSize RoomyScreen{1920, 1200};

// Whether the main window starts maximised on a screen of this size.
bool StartMaximised(QSize screen);

// window moved (not resized) so that it lies inside area; a window larger than the area keeps its top-left corner
// at the area's.
QRect PlaceInside(const QRect& window, const QRect& area);

// The places of n windows of at least minimum size tiled in area: stacked one above the other (horizontal) or side
// by side. When the strips would be smaller than the minimum, the windows go in as many rows (or columns) as fit,
// filling further columns (or rows). Every place lies inside the area when the minimum fits in it.
std::vector<QRect> TileRects(int n, const QRect& area, QSize minimum, bool horizontal);
