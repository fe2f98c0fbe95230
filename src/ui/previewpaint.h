// Painting a whole drawing small, as the drawing chooser's preview and the archive browser's thumbnails do: the
// renderer they share (black background, no axes, no grid) and the one repaint they both run.
#pragma once

#include <memory>

#include "render/canvas.h"

class Drw;
class PaintBox;
class myDraw;

// A renderer on box's canvas at its size, y pointing up and x not mirrored, with the preview colours, the given
// entity pen and the same margin in pixels on each side; axes and grid off; requested window (0, 0)-(100, 100).
std::unique_ptr<myDraw> MakePreviewRenderer(PaintBox* box, Color pen, int margin);

// Makes the bounding box of the whole drawing view's requested window (an empty drawing keeps the view).
void FitPreview(myDraw& view, const Drw& drawing);

// Clears box (background and frame) and draws every entity of drawing with the normal pen.
void PaintPreview(PaintBox* box, myDraw& view, const Drw& drawing);

// Fills box with black, for a panel that shows no drawing.
void BlankPreview(PaintBox* box);
