// myDraw's configuration and its painting of entities, paths, path ends and direction arrows.
#include "model/drw.h"
#include "render/arctrace.h"
#include "render/entitysteps.h"
#include "render/mydraw.h"
#include "support/log.h"
#include "support/text.h"

myDraw::myDraw(Canvas* canvas, int width, int height, bool flipY, bool mirrorX)
    : ViewTransform(width, height, flipY, mirrorX), canvas(canvas)
{
}

void myDraw::SetColors(Color background, Color frame, Color pen, Color grid, Color axes)
{
    backgroundColor = background;
    frameColor = frame;
    penColor = pen;
    gridColor = grid;
    axesColor = axes;
}

void myDraw::SetSelColor(int index, Color color)
{
    if (index < 0 || index >= SelColorCount) {
        WriteEventLog("myDraw | SetSelColor: selezione colore oltre il limite massimo");
        return;
    }
    selColors[index] = color;
}

bool myDraw::AddLayerPen(const std::string& layer, Color color, int width, uint8_t style)
{
    if (static_cast<int>(layerPens.size()) >= MaxLayerPens)
        return false;
    layerPens.push_back({AnsiUpper(layer), color, width, style});
    return true;
}

void myDraw::SelectPen(const std::string& layer)
{
    if (canvas == nullptr)
        return;
    if (colorIndex >= 0 && colorIndex < SelColorCount) {
        canvas->SetPen(selColors[colorIndex], 1, PenStyleSolid);
        return;
    }
    if (!layer.empty() && !layerPens.empty()) {
        std::string upper = AnsiUpper(layer);
        for (const LayerPen& pen : layerPens) {
            if (pen.name == upper) {
                canvas->SetPen(pen.color, pen.width, pen.style);
                return;
            }
        }
    }
    canvas->SetPen(penColor, 1, PenStyleSolid);
}

void myDraw::DrawLine(double x1, double y1, double x2, double y2, const std::string& layer)
{
    if (canvas == nullptr)
        return;
    SelectPen(layer);
    int px, py;
    ToPixel(x1, y1, px, py);
    canvas->MoveTo(px, py);
    ToPixel(x2, y2, px, py);
    canvas->LineTo(px, py);
}

void myDraw::DrawArc(double x1, double y1, double x2, double y2, double xc, double yc, bool cw,
                     const std::string& layer)
{
    if (canvas == nullptr)
        return;
    SelectPen(layer);
    auto moveTo = [this](int x, int y) { canvas->MoveTo(x, y); };
    auto lineTo = [this](int x, int y) { canvas->LineTo(x, y); };
    if (TraceArc(*this, x1, y1, x2, y2, xc, yc, cw, moveTo, lineTo) == ArcTraceResult::Dot) {
        int px, py;
        ToPixel(x1, y1, px, py);
        canvas->MoveTo(px, py);
        canvas->LineTo(px, py);
    }
}

void myDraw::DrawArrow(const Entity& entity)
{
    DrawArrowWith(*this, entity);
}

void myDraw::DrawEntity(const Entity& entity, int index)
{
    DrawEntityWith(*this, entity, index);
}

void myDraw::DrawDrawing(const Drw& drawing, int sequence, int index)
{
    for (const Entity& entity : drawing.entities) {
        bool highlighted = index > 0 && (sequence < 0 || entity.sequence == sequence);
        DrawEntity(entity, highlighted ? index : -1);
    }
    // The repaint has wiped the XOR figures of the previews: the next mouse move draws them afresh.
    if (linePreview || rectPreview || circlePreview || arcStage > 0 || snapMarker) {
        prevStart = PixelPoint();
        lastMarker = PixelPoint();
    }
}

void myDraw::DrawPath(const Drw& drawing, int sequence, int index)
{
    int first, last;
    drawing.PathRange(sequence, first, last);
    for (int i = first; i <= last; ++i)
        DrawEntity(drawing.entities[i], index);
}

void myDraw::DrawPaths(const Drw& drawing, int firstPath, int lastPath, int colorIndex)
{
    if (lastPath < firstPath)
        return;
    int first, last, unused;
    drawing.PathRange(firstPath, first, unused);
    drawing.PathRange(lastPath, unused, last);
    for (int i = first; i <= last; ++i)
        DrawEntity(drawing.entities[i], colorIndex);
}

void myDraw::DrawPathPart(const Drw& drawing, int sequence, double part, double whole, int index)
{
    double total = drawing.PathLength(sequence);
    double target = whole != 0 ? part * total / whole : total;
    bool savedArrows = showArrows;
    if (part != whole)
        showArrows = false;
    int first, last;
    drawing.PathRange(sequence, first, last);
    double acc = 0;
    for (int i = first; i <= last; ++i) {
        Entity copy = drawing.entities[i];
        double m = EntityLength(copy.Geometry());
        bool finished = acc + m > target - 1e-8;
        if (finished) {
            ExtendEnd(copy.Geometry(), target - acc - m, copy.x2, copy.y2);
            // An arc cut down to nothing would have equal ends, which reads as a full circle: draw it as the point.
            if (copy.isArc && target - acc < Epsilon)
                copy.isArc = false;
        }
        DrawEntity(copy, index >= 1 ? index : -1);
        acc += m;
        if (finished)
            break;
    }
    showArrows = savedArrows;
}

void myDraw::DrawPathEnds(const Drw& drawing, int sequence, int index)
{
    if (canvas == nullptr)
        return;
    auto square = [this](double x, double y) {
        int px, py;
        ToPixel(x, y, px, py);
        canvas->MoveTo(px - 2, py - 2);
        canvas->LineTo(px - 2, py + 2);
        canvas->LineTo(px + 2, py + 2);
        canvas->LineTo(px + 2, py - 2);
        canvas->LineTo(px - 2, py - 2);
    };
    int first, last;
    drawing.PathRange(sequence, first, last);
    for (int i = first; i <= last; ++i) {
        const Entity& entity = drawing.entities[i];
        colorIndex = index > 0 ? index : -1;
        SelectPen(entity.layer);
        square(entity.x1, entity.y1);
        square(entity.x2, entity.y2);
        colorIndex = -1;
    }
}
