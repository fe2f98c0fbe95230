// The machining order drawn over the picture of a drawing: a mark at each path's start with the path's number
// beside it (only where the numbers stay readable), the direction arrow at the end of each path, and the rapid
// moves between consecutive paths as thin dashed lines.
#pragma once

#include "render/canvas.h"

class Drw;
class myDraw;

// What the overlay shows; nothing when both are off.
struct OrderOverlay {
    bool order = false;   // start marks with the paths' numbers, and the direction arrows
    bool rapids = false;  // the rapid moves from each path's end to the next path's start
};

// Pixels. Paths are taken in machining order; a path's start mark and number are drawn when its start pixel lies
// in the drawing area and no start marked before it lies closer than this along both x and y (so the numbers of a
// dense drawing never heap up, and their count stays bounded by the area's size).
constexpr int OrderLabelSpacing = 40;

constexpr Color OrderMarkColor = RgbColor(255, 160, 0);  // start marks and numbers
constexpr Color RapidMoveColor = RgbColor(150, 150, 150);

// Draws the overlay over what the renderer has painted (after DrawBackground, so with the current view). The
// arrows are the renderer's own (DrawArrow), drawn at every entity that ends its path; the start mark is a filled
// square of 5 x 5 pixels on the start, the number's top-left corner 4 pixels right of it and just above it. The
// rapid moves are one-pixel dashed lines from the end of each path's last entity to the start of the next path's
// first. The renderer's brush returns to its background colour.
void DrawOrderOverlay(myDraw& renderer, const Drw& drawing, const OrderOverlay& overlay);
