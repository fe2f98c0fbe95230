// The drawing tools' state machine: the stages of each tool, its preview on the renderer, and the figure its
// last point appends.
#include "ui/drawtool.h"

#include "model/drw.h"
#include "render/mydraw.h"
#include "ui/drawtool_figures.h"

#include <cmath>
#include <initializer_list>

namespace {

// A figure is added only when all its values are finite numbers: typed points far apart can make a radius or a
// centre overflow.
bool AllFinite(std::initializer_list<double> values)
{
    for (double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

}  // namespace

void DrawTool::Start(ToolMode newMode, myDraw& renderer)
{
    if (newMode == ToolMode::None) {
        Stop(&renderer);
        return;
    }
    mode = newMode;
    stage = ToolStage::First;
    renderer.EnableSnapMarker();
    if (IsPoly())
        polyFirst = true;
}

void DrawTool::Stop(myDraw* renderer)
{
    mode = ToolMode::None;
    stage = ToolStage::None;
    if (renderer)
        renderer->ResetPreviews();
}

ToolStage DrawTool::LastStage() const
{
    return mode == ToolMode::Arc || mode == ToolMode::Polyarc ? ToolStage::Third : ToolStage::Second;
}

ClickResult DrawTool::Click(double x, double y, Drw& drawing, myDraw& renderer)
{
    if (!Active() || stage == ToolStage::None)
        return ClickResult::Ignored;
    if (stage == LastStage()) {
        switch (mode) {
        case ToolMode::Line:
        case ToolMode::Polyline: FinishSegment(x, y, drawing, renderer); break;
        case ToolMode::Arc:
        case ToolMode::Polyarc: FinishArc(x, y, drawing, renderer); break;
        case ToolMode::Rectangle: FinishRectangle(x, y, drawing, renderer); break;
        case ToolMode::Circle: FinishCircle(x, y, drawing, renderer); break;
        case ToolMode::None: break;
        }
        return ClickResult::Finished;
    }
    if (stage == ToolStage::First) {
        switch (mode) {
        case ToolMode::Line:
        case ToolMode::Polyline: renderer.BeginLinePreview(x, y); break;
        case ToolMode::Arc:
        case ToolMode::Polyarc: renderer.BeginArcPreview(x, y); break;
        case ToolMode::Rectangle: renderer.BeginRectPreview(x, y); break;
        case ToolMode::Circle: renderer.BeginCirclePreview(x, y); break;
        case ToolMode::None: break;
        }
        stage = ToolStage::Second;
    } else {
        // The second of an arc's three points.
        renderer.SetArcSecondPoint(x, y);
        stage = ToolStage::Third;
    }
    return ClickResult::Advanced;
}

void DrawTool::FinishSegment(double x, double y, Drw& drawing, myDraw& renderer)
{
    renderer.EndLinePreview(x, y);
    double ax, ay, cx, cy;
    renderer.GetPreviewPoints(ax, ay, cx, cy);
    const bool newPath = mode == ToolMode::Line || polyFirst;
    const bool poly = IsPoly();
    Stop(&renderer);
    if (!AllFinite({ax, ay, cx, cy}))
        return;
    // A segment refused for capacity ends a polyline too: its later clicks could add nothing.
    if (AppendLineSegment(drawing, ax, ay, cx, cy, newPath) && poly)
        ContinueChain(ToolMode::Polyline, x, y, renderer);
}

void DrawTool::FinishArc(double x, double y, Drw& drawing, myDraw& renderer)
{
    renderer.EndArcPreview(x, y);
    double ax, ay, cx, cy, xc, yc;
    bool cw;
    const bool found = renderer.GetPreviewArc(ax, ay, cx, cy, xc, yc, cw);
    const bool newPath = mode == ToolMode::Arc || polyFirst;
    const bool poly = IsPoly();
    Stop(&renderer);
    // Three points on one line make no arc: nothing is added and the tool has ended.
    if (!found || !AllFinite({ax, ay, cx, cy, xc, yc}))
        return;
    if (AppendArcSegment(drawing, ax, ay, cx, cy, xc, yc, cw, newPath) && poly)
        ContinueChain(ToolMode::Polyarc, x, y, renderer);
}

void DrawTool::FinishRectangle(double x, double y, Drw& drawing, myDraw& renderer)
{
    renderer.EndRectPreview(x, y);
    double ax, ay, cx, cy;
    renderer.GetPreviewPoints(ax, ay, cx, cy);
    Stop(&renderer);
    if (AllFinite({ax, ay, cx, cy}))
        AppendRectangle(drawing, ax, ay, cx, cy);
}

void DrawTool::FinishCircle(double x, double y, Drw& drawing, myDraw& renderer)
{
    renderer.EndCirclePreview(x, y);
    double mx, my, r;
    renderer.GetPreviewCircle(mx, my, r);
    Stop(&renderer);
    if (AllFinite({mx, my, r, mx - r, mx + r}))
        AppendCircle(drawing, mx, my, r);
}

void DrawTool::ContinueChain(ToolMode polyMode, double x, double y, myDraw& renderer)
{
    Start(polyMode, renderer);
    if (polyMode == ToolMode::Polyline)
        renderer.BeginLinePreview(x, y);
    else
        renderer.BeginArcPreview(x, y);
    stage = ToolStage::Second;
    polyFirst = false;
}

void DrawTool::Track(int px, int py, bool snapped, myDraw& renderer) const
{
    switch (mode) {
    case ToolMode::Line:
    case ToolMode::Polyline: renderer.TrackLine(px, py, snapped); break;
    case ToolMode::Arc:
    case ToolMode::Polyarc: renderer.TrackArc(px, py, snapped); break;
    case ToolMode::Rectangle: renderer.TrackRect(px, py, snapped); break;
    case ToolMode::Circle: renderer.TrackCircle(px, py, snapped); break;
    case ToolMode::None: break;
    }
}
