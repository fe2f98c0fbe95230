// The path optimisation dialog's sequence display (stepping, automatic stepping, animation), its periodic update
// with the enabling of the controls, the painting of the preview, and zoom and pan.
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

#include "ui/ottisequ.h"
#include "ui/paintbox.h"

using F = TOttiSequForm;

namespace {

constexpr double ZoomInFactor = 0.9;
constexpr double ZoomOutFactor = 1.1;
constexpr double PanFraction = 0.02;

// The length of a path in half-millimetres, truncated; a length too large for the counter gives the largest.
int HalfMillimetres(double length)
{
    const double half = length * 2;
    return half < INT_MAX ? static_cast<int>(std::max(half, 0.0)) : INT_MAX;
}

}  // namespace

void F::PaintPath(int path, int colorIndex)
{
    if (!view)
        return;
    PaintBurst burst(DisPaintBox);
    view->DrawPath(workDrw, path, colorIndex);
}

void F::ShowStep()
{
    SelSequEdt->setText(QString::number(currentStep));
}

// In the order mode the paths already placed stay highlighted; in an animation the ticks draw the new path.
void F::AdvanceStep()
{
    if (currentStep < workDrw.pathCount) {
        if (currentStep <= 0) {
            currentStep = 1;
        } else {
            if (!animated && mode != ModeOrder)
                PaintPath(currentStep, -1);
            currentStep += 1;
        }
        if (animated && simCounter != 0) {
            // A path of no length is passed over at the next tick.
            animTotal = HalfMillimetres(workDrw.PathLength(currentStep));
            animPos = 0;
        } else {
            PaintPath(currentStep, 1);
        }
    } else if (simCounter != 0) {
        StopSequence();
    }
    ShowStep();
}

void F::PreviousStep()
{
    if (currentStep > 1) {
        PaintPath(currentStep, -1);
        currentStep -= 1;
        PaintPath(currentStep, 1);
    }
    ShowStep();
}

void F::StartSequence(bool animatedRun)
{
    if (!paused) {
        StopSequence();
        if (animatedRun)
            animated = true;
        simCounter = 1;
        AdvanceStep();
    }
    paused = false;
}

void F::StopSequence()
{
    simCounter = 0;
    if (currentStep > 0 && currentStep <= workDrw.pathCount)
        PaintPath(currentStep, -1);
    currentStep = 0;
    paused = false;
    if (animated) {
        animPos = 0;
        animTotal = 0;
        RedrawPreview();
    }
    animated = false;
    ShowStep();
}

void F::PeriodicUpdate()
{
    if (!active)
        return;
    if (redrawRequest >= 1)
        RedrawPreview();
    if (animated) {
        if (simCounter != 0 && !paused) {
            if (animPos >= animTotal) {
                AdvanceStep();
            } else {
                const long long increment = AniVel->minimum() + AniVel->maximum() - AniVel->value();
                animPos = static_cast<int>(std::min<long long>(animPos + increment, animTotal));
                if (view) {
                    PaintBurst burst(DisPaintBox);
                    view->DrawPathPart(workDrw, currentStep, animPos, animTotal, 1);
                }
            }
        }
    } else if (simCounter == ticksPerStep) {
        AdvanceStep();
        if (simCounter > 0)
            simCounter = 1;
    } else if (simCounter > 0 && !paused) {
        simCounter += 1;
    }
    UpdateControls();
    for (int i = 0; i < RepeatCount; ++i) {
        if (zoomRepeat[i] > 2)
            RunRepeat(i);
        else if (zoomRepeat[i] > 0)
            ++zoomRepeat[i];
    }
}

void F::UpdateControls()
{
    const bool running = Running();
    const bool idle = mode == ModeIdle;
    const bool canStep = !running || (paused && !animated);
    Button("ToolButton9")->setEnabled(canStep && (idle || mode == ModeOrder));
    Button("ToolButton11")->setEnabled(canStep && (idle || mode == ModeOrder));
    Button("ToolButton21")->setEnabled(canStep && idle);
    Button("ToolButton34")->setEnabled((!running || (paused && animated)) && idle);
    Button("ToolButton19")->setEnabled(running && !paused && idle);
    Button("ToolButton22")->setEnabled((running || currentStep > 0) && idle);
    AniVel->setVisible(running && animated);
    AniVelImg->setVisible(running && animated);
    SelSequEdt->setVisible(currentStep > 0);
    for (QWidget* control :
         {static_cast<QWidget*>(ManuJoinButton), static_cast<QWidget*>(AutoJoinButton),
          static_cast<QWidget*>(MinDistEdt), static_cast<QWidget*>(MinDistLbl), static_cast<QWidget*>(BitBtn1),
          static_cast<QWidget*>(BitBtn2), static_cast<QWidget*>(BitBtn3), static_cast<QWidget*>(BitBtn5),
          static_cast<QWidget*>(BitBtn6), static_cast<QWidget*>(BitBtn7), static_cast<QWidget*>(BitBtn8)})
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
        if (animated && simCounter != 0) {
            for (int path = 1; path < currentStep; ++path)
                view->DrawPath(workDrw, path, 1);
            for (int path = std::max(currentStep, 1); path <= workDrw.pathCount; ++path)
                view->DrawPath(workDrw, path, -1);
        } else {
            view->DrawDrawing(workDrw, currentStep, 1);
            if (mode == ModeManualJoin && firstJoinPath > 0)
                view->DrawPath(workDrw, firstJoinPath, 1);
            if (mode == ModeOrder)
                for (int path = 1; path < currentStep; ++path)
                    view->DrawPath(workDrw, path, 1);
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
