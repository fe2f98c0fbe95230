// The drawing window's side of the drawing tools: starting and stopping them from the buttons and menu entries,
// the snapped cursor following the mouse with its preview, the mouse click and the typed point of the XY panel
// as the tool's next point, and the cross cursor and XY panel shown while a tool is active.
#include <QLineEdit>

#include "support/mytypeconversion.h"
#include "support/parlav.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"
#include "ui/snap.h"

namespace {

// The work data's snap switches; the standard ones while the program's work data does not exist yet.
const ParLav& WorkData()
{
    static const ParLav standard;
    return TheParLav ? *TheParLav : standard;
}

// The drawing point under paint box pixel (x, y), snapped as the work data say.
SnappedPoint SnappedCursor(const TMDIChild& child, int x, int y)
{
    double mx = 0, my = 0;
    child.renderer->ToDrawing(x, y, mx, my);
    return SnapCursor(child.drawing, *child.renderer, WorkData(), mx, my, x, y);
}

}  // namespace

void TMDIChild::StartTool(ToolMode mode)
{
    if (!renderer || IsRunning())
        return;
    // A drawing left full by an earlier operation refuses silently; each tool reports its own refusal once.
    drawing.limitReached = false;
    drawTool.Start(mode, *renderer);
    ShowToolControls();
}

void TMDIChild::StopTool(bool repaint)
{
    const bool wasActive = ToolActive();
    drawTool.Stop(renderer.get());
    ShowToolControls();
    if (repaint && wasActive)
        repaintRequested = 1;
}

void TMDIChild::ShowToolControls()
{
    const bool active = ToolActive();
    XYPanel->setVisible(active);
    if (active) {
        // The typed-point panel lies over the picture and must stay reachable above it.
        XYPanel->raise();
        DisPaintBox->setCursor(Qt::CrossCursor);
    } else {
        DisPaintBox->unsetCursor();
    }
}

// While a simulation runs the drawing is not edited.
void TMDIChild::ClickPoint(double x, double y)
{
    if (!renderer || IsRunning())
        return;
    const ToolMode mode = drawTool.Mode();
    const bool nextSegment = (mode == ToolMode::Polyline || mode == ToolMode::Polyarc) && !drawTool.PolyFirst();
    DisPaintBox->BeginPaint();
    const ClickResult result = drawTool.Click(x, y, drawing, *renderer);
    DisPaintBox->EndPaint();
    if (result == ClickResult::Finished) {
        UpdateInfoPanel();
        repaintRequested = 1;
        RecordFigure(mode, nextSegment);
    }
    ShowToolControls();
}

void TMDIChild::DisPaintBoxMouseMove(int x, int y)
{
    if (!renderer || !ToolActive())
        return;
    const SnappedPoint p = SnappedCursor(*this, x, y);
    DisPaintBox->BeginPaint();
    drawTool.Track(p.px, p.py, p.snapped, *renderer);
    DisPaintBox->EndPaint();
}

void TMDIChild::DisPaintBoxMouseDown(int x, int y)
{
    if (!renderer || !ToolActive())
        return;
    const SnappedPoint p = SnappedCursor(*this, x, y);
    ClickPoint(p.x, p.y);
}

// The typed point is taken as it stands, without snapping; a coordinate that is not a number sends the focus
// back to its edit and nothing else happens.
void TMDIChild::XYBitBtnClick()
{
    const double x = TextToDouble(XEdt->text().toStdString(), false, true);
    if (ConversionFailed) {
        XEdt->setFocus();
        return;
    }
    const double y = TextToDouble(YEdt->text().toStdString(), false, true);
    if (ConversionFailed) {
        YEdt->setFocus();
        return;
    }
    ClickPoint(x, y);
}

void TMDIChild::ToolButton31Click()
{
    StartTool(ToolMode::Line);
}
void TMDIChild::ToolButton41Click()
{
    StartTool(ToolMode::Polyline);
}
void TMDIChild::ToolButton36Click()
{
    StartTool(ToolMode::Arc);
}
void TMDIChild::ToolButton42Click()
{
    StartTool(ToolMode::Polyarc);
}
void TMDIChild::ToolButton37Click()
{
    StartTool(ToolMode::Rectangle);
}
void TMDIChild::ToolButton40Click()
{
    StartTool(ToolMode::Circle);
}
void TMDIChild::ToolButton39Click()
{
    StopTool(true);
}
