// myDraw's background: the fill, the frame inside the canvas edge, the grid, and the axes with their end labels
// and the origin mark.
#include <algorithm>

#include "render/mydraw.h"
#include "support/text.h"

namespace {

// Axis positions far off the canvas are brought nearer, still off it, so that the arrowheads and labels
// around them cannot overflow int.
constexpr int FarPixel = 1 << 24;
int NearPixel(int p)
{
    return std::clamp(p, -FarPixel, FarPixel);
}

}  // namespace

void myDraw::DrawBackground()
{
    if (canvas == nullptr)
        return;
    ComputeView();
    canvas->SetBrushColor(backgroundColor);
    canvas->SetPen(backgroundColor, 1, PenStyleSolid);
    canvas->Rectangle(0, 0, width, height);
    canvas->SetBrushColor(frameColor);
    canvas->SetPen(frameColor, 1, PenStyleSolid);
    canvas->FrameRect(1, 1, width - 1, height - 1);
    canvas->SetBrushColor(backgroundColor);
    if (showGrid) {
        canvas->SetPen(gridColor, 1, PenStyleSolid);
        ForEachGridLine([this](int x1, int y1, int x2, int y2) {
            canvas->MoveTo(x1, y1);
            canvas->LineTo(x2, y2);
        });
    }
    if (showAxes)
        DrawAxes();
}

void myDraw::DrawAxes()
{
    constexpr int t = 5;
    canvas->SetPen(axesColor, 1, PenStyleSolid);
    canvas->SetFont(8, false, false, false, axesColor);
    int ox, oy;
    ToPixel(0, 0, ox, oy);
    ox = NearPixel(ox);
    oy = NearPixel(oy);

    int s = mirrorX ? areaRight : areaLeft;
    int e = mirrorX ? areaLeft : areaRight;
    int d = mirrorX ? -t : t;
    canvas->MoveTo(s, oy);
    canvas->LineTo(e, oy);
    canvas->LineTo(e - d, oy - d);
    canvas->MoveTo(e, oy);
    canvas->LineTo(e - d, oy + d);
    std::string text = StrFormat("%5.2f", PixelToX(e) + panX);
    int th = canvas->TextHeight(text);
    int tw = canvas->TextWidth(text);
    canvas->TextOut(mirrorX ? e + tw : e - tw, flipY ? oy - (th + 5) : oy + th + 5, text);

    s = flipY ? areaBottom : areaTop;
    e = flipY ? areaTop : areaBottom;
    d = flipY ? -t : t;
    canvas->MoveTo(ox, s);
    canvas->LineTo(ox, e);
    canvas->LineTo(ox - d, e - d);
    canvas->MoveTo(ox, e);
    canvas->LineTo(ox + d, e - d);
    text = StrFormat("%5.2f", PixelToY(e) + panY);
    th = canvas->TextHeight(text);
    canvas->TextOut(ox + 5, flipY ? e : e - th, text);

    canvas->Ellipse(ox - 2, oy - 2, ox + 2, oy + 2);
}
