// The path optimisation dialog's sequence display (the Simulation base, painting in the preview and showing the
// step), its periodic update with the enabling of the controls, the painting of the preview, and zoom and pan.
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

#include "ui/heldbuttons.h"
#include "ui/ottisequ.h"
#include "ui/paintbox.h"

using F = TOttiSequForm;

namespace {

constexpr double ZoomInFactor = 0.9;
constexpr double ZoomOutFactor = 1.1;
constexpr double PanFraction = 0.02;

}  // namespace

int F::AnimationSpeedPosition() const
{
    return AniVel->value();
}

void F::StepChanged()
{
    SelSequEdt->setText(QString::number(step));
}

void F::PeriodicUpdate()
{
    if (!active)
        return;
    if (redrawRequest >= 1)
        RedrawPreview();
    SimulationTick();
    UpdateControls();
    TickHeld(zoomRepeat, [this](int index) { RunRepeat(index); });
}

void F::UpdateControls()
{
    const bool running = IsRunning();
    const bool idle = mode == ModeIdle;
    // The order mode steps by hand to the position the next clicked path takes.
    ToolButton9->setEnabled(StepRule() && (idle || mode == ModeOrder));
    ToolButton11->setEnabled(StepRule() && (idle || mode == ModeOrder));
    ToolButton21->setEnabled(StepRule() && idle);
    ToolButton34->setEnabled(AnimatedStartRule() && idle);
    ToolButton19->setEnabled(PauseRule() && idle);
    ToolButton22->setEnabled(StopRule() && idle);
    AniVel->setVisible(AnimationRunning());
    AniVelImg->setVisible(AnimationRunning());
    SelSequEdt->setVisible(step > 0);
    for (QWidget* control :
         {static_cast<QWidget*>(ManuJoinButton), static_cast<QWidget*>(AutoJoinButton),
          static_cast<QWidget*>(MinDistEdt), static_cast<QWidget*>(MinDistLbl), static_cast<QWidget*>(BitBtn1),
          static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(BitBtn3), static_cast<QWidget*>(BitBtn5),
          static_cast<QWidget*>(BitBtn6), static_cast<QWidget*>(BitBtn7), static_cast<QWidget*>(BitBtn8),
          static_cast<QWidget*>(ReverseOpenChk), static_cast<QWidget*>(ContinuousButton),
          static_cast<QWidget*>(BridgeEdt), static_cast<QWidget*>(BridgeLbl)})
        control->setEnabled(idle && !running);
    BitBtn4->setEnabled(!idle && !running);
    ModButton->setEnabled(idle);
    CancelButton->setEnabled(idle);
}

void F::RedrawPreview()
{
    if (!view)
        return;
    {
        PaintBurst burst(DisPaintBox);
        view->DrawBackground();
        if (AnimationRunning()) {
            view->DrawPaths(workDrw, 1, step - 1, 1);
            view->DrawPaths(workDrw, std::max(step, 1), workDrw.pathCount, -1);
        } else {
            view->DrawDrawing(workDrw, step, 1);
            if (mode == ModeManualJoin && firstJoinPath > 0)
                view->DrawPath(workDrw, firstJoinPath, 1);
            if (mode == ModeOrder)
                view->DrawPaths(workDrw, 1, step - 1, 1);
        }
    }
    redrawRequest = 0;
}

void F::ZoomExtents()
{
    auto& [minX, minY, maxX, maxY] = zoomExtents;
    workDrw.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    if (!view)
        return;
    view->SetExtents(minX, minY, maxX, maxY);
    view->SetPan(0, 0);
}

void F::ZoomExtentsClick()
{
    ZoomExtents();
    RedrawPreview();
}

void F::ZoomIn()
{
    if (!view)
        return;
    view->Zoom(ZoomInFactor);
    RedrawPreview();
}

void F::ZoomOut()
{
    if (!view)
        return;
    view->Zoom(ZoomOutFactor);
    RedrawPreview();
}

void F::ZoomLeft()
{
    if (!view)
        return;
    view->PanLeft(PanFraction);
    RedrawPreview();
}

void F::ZoomUp()
{
    if (!view)
        return;
    view->PanUp(PanFraction);
    RedrawPreview();
}

void F::ZoomRight()
{
    if (!view)
        return;
    view->PanRight(PanFraction);
    RedrawPreview();
}

void F::ZoomDown()
{
    if (!view)
        return;
    view->PanDown(PanFraction);
    RedrawPreview();
}

void F::RunRepeat(int index)
{
    switch (index) {
    case RepeatZoomIn: ZoomIn(); break;
    case RepeatZoomOut: ZoomOut(); break;
    case RepeatLeft: ZoomLeft(); break;
    case RepeatUp: ZoomUp(); break;
    case RepeatRight: ZoomRight(); break;
    case RepeatDown: ZoomDown(); break;
    default: break;
    }
}

bool F::WheelAt(int x, int y, int delta)
{
    if (!view || delta == 0)
        return false;
    if (x <= 0 || y <= 0 || x >= DisPaintBox->width() || y >= DisPaintBox->height())
        return false;
    view->ZoomAt(delta < 0 ? ZoomOutFactor : ZoomInFactor, x, y);
    RedrawPreview();
    return true;
}

// The preview's mouse: a button release picks by the mode; the wheel zooms about the pixel under it and is then
// handled as usual.
bool F::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DisPaintBox) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            DisPaintBoxMouseUp(at.x(), at.y());
        } else if (event->type() == QEvent::Wheel) {
            auto* wheel = static_cast<QWheelEvent*>(event);
            const QPoint at = wheel->position().toPoint();
            WheelAt(at.x(), at.y(), wheel->angleDelta().y());
        }
    }
    return QDialog::eventFilter(watched, event);
}
