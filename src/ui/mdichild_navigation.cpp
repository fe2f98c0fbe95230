// The drawing window's navigation with the mouse: dragging the drawing with the middle button (and the left one
// while no drawing tool is active), and the zoom window, a rectangle dragged on the picture that becomes the view.
#include <cstdlib>

#include "ui/mdichild.h"
#include "ui/paintbox.h"

void TMDIChild::ZoomWindowCommand()
{
    if (!renderer || !ZoomWindowRule())
        return;
    zoomWindow = ZoomWindowState::Waiting;
    ShowPictureCursor();
}

void TMDIChild::EndZoomWindow()
{
    if (zoomWindow == ZoomWindowState::Dragging && renderer) {
        PaintBurst burst(DisPaintBox);
        renderer->EndRubberRect(dragPoint.x(), dragPoint.y());
    }
    zoomWindow = ZoomWindowState::Off;
    ShowPictureCursor();
}

bool TMDIChild::NavigationPress(Qt::MouseButton button, QPoint at)
{
    if (!renderer || dragButton != Qt::NoButton)
        return false;
    if (button == Qt::LeftButton && zoomWindow == ZoomWindowState::Waiting) {
        zoomWindow = ZoomWindowState::Dragging;
        dragPoint = at;
        PaintBurst burst(DisPaintBox);
        renderer->BeginRubberRect(at.x(), at.y());
        return true;
    }
    if (button == Qt::MiddleButton || (button == Qt::LeftButton && !ToolActive() && !ZoomWindowActive())) {
        dragButton = button;
        dragPoint = at;
        ShowPictureCursor();
        return true;
    }
    return false;
}

bool TMDIChild::NavigationMove(QPoint at)
{
    if (!renderer)
        return false;
    if (zoomWindow == ZoomWindowState::Dragging) {
        PaintBurst burst(DisPaintBox);
        renderer->DragRubberRect(at.x(), at.y());
        return false;  // the read-out follows the mouse as usual
    }
    if (dragButton == Qt::NoButton)
        return false;
    const QPoint by = at - dragPoint;
    dragPoint = at;
    if (!by.isNull()) {
        renderer->PanByPixels(by.x(), by.y());
        RepaintDrawing();
    }
    ShowMousePosition(at.x(), at.y());
    return true;
}

bool TMDIChild::NavigationRelease(Qt::MouseButton button, QPoint at)
{
    if (!renderer)
        return false;
    if (button == Qt::LeftButton && zoomWindow == ZoomWindowState::Dragging) {
        {
            PaintBurst burst(DisPaintBox);
            renderer->EndRubberRect(at.x(), at.y());
        }
        zoomWindow = ZoomWindowState::Off;
        ShowPictureCursor();
        if (std::abs(at.x() - dragPoint.x()) < MinZoomWindow && std::abs(at.y() - dragPoint.y()) < MinZoomWindow)
            return true;
        double minX, minY, maxX, maxY;
        renderer->GetRubberRect(minX, minY, maxX, maxY);
        renderer->SetExtents(minX, minY, maxX, maxY);
        renderer->SetPan(0, 0);
        RepaintDrawing();
        ShowMousePosition(at.x(), at.y());
        return true;
    }
    if (button != dragButton || dragButton == Qt::NoButton)
        return false;
    dragButton = Qt::NoButton;
    ShowPictureCursor();
    return true;
}

void TMDIChild::ShowPictureCursor()
{
    if (dragButton != Qt::NoButton)
        DisPaintBox->setCursor(Qt::ClosedHandCursor);
    else if (ToolActive() || ZoomWindowActive())
        DisPaintBox->setCursor(Qt::CrossCursor);
    else
        DisPaintBox->unsetCursor();
}
