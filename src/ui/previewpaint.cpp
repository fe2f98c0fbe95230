// The preview renderer of the drawing chooser and the archive browser, and its repaint.
#include "ui/previewpaint.h"

#include "model/drw.h"
#include "render/mydraw.h"
#include "ui/paintbox.h"

namespace {

constexpr Color PreviewBackground = 0x000000;
constexpr Color PreviewFrame = 0xF0CAA6;
constexpr Color PreviewGrid = 0x303030;
constexpr Color PreviewAxes = 0x0000EE;
constexpr double DefaultWindow = 100;  // mm, the requested window before any drawing is shown

}  // namespace

std::unique_ptr<myDraw> MakePreviewRenderer(PaintBox* box, Color pen, int margin)
{
    auto view = std::make_unique<myDraw>(box->GetCanvas(), box->width(), box->height(), true, false);
    view->SetColors(PreviewBackground, PreviewFrame, pen, PreviewGrid, PreviewAxes);
    view->SetMargins(margin, margin, margin, margin);
    view->SetExtents(0, 0, DefaultWindow, DefaultWindow);
    view->ShowAxes(false);
    view->ShowGrid(false);
    return view;
}

void FitPreview(myDraw& view, const Drw& drawing)
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    drawing.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    view.SetExtents(minX, minY, maxX, maxY);
}

void PaintPreview(PaintBox* box, myDraw& view, const Drw& drawing)
{
    box->BeginPaint();
    view.DrawBackground();
    view.DrawDrawing(drawing, -1, 0);
    box->EndPaint();
}

void BlankPreview(PaintBox* box)
{
    Canvas* canvas = box->GetCanvas();
    box->BeginPaint();
    canvas->SetBrushColor(PreviewBackground);
    canvas->SetPen(PreviewBackground, 1, PenStyleSolid);
    canvas->Rectangle(0, 0, box->width(), box->height());
    box->EndPaint();
}
