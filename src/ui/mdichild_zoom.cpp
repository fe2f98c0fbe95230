// The drawing window's zoom and pan buttons with their auto-repeat, the mouse wheel, and the mouse read-out.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>

#include <array>

#include "support/text.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

namespace {

constexpr double ZoomInFactor = 0.9;
constexpr double ZoomOutFactor = 1.1;
constexpr double PanFraction = 0.02;

}  // namespace

void TMDIChild::ZoomIn()
{
    if (!renderer)
        return;
    renderer->Zoom(ZoomInFactor);
    RepaintDrawing();
}

void TMDIChild::ZoomOut()
{
    if (!renderer)
        return;
    renderer->Zoom(ZoomOutFactor);
    RepaintDrawing();
}

void TMDIChild::ZoomLeft()
{
    if (!renderer)
        return;
    renderer->PanLeft(PanFraction);
    RepaintDrawing();
}

void TMDIChild::ZoomUp()
{
    if (!renderer)
        return;
    renderer->PanUp(PanFraction);
    RepaintDrawing();
}

void TMDIChild::ZoomRight()
{
    if (!renderer)
        return;
    renderer->PanRight(PanFraction);
    RepaintDrawing();
}

void TMDIChild::ZoomDown()
{
    if (!renderer)
        return;
    renderer->PanDown(PanFraction);
    RepaintDrawing();
}

void TMDIChild::ZoomExtents()
{
    repeatCounters.fill(0);
    FitDrawing();
    RepaintDrawing();
}

// A std::array, not a built-in array: GCC 12's bounds sanitizer miscompiles indexing a built-in array of member
// pointers in a class with several bases (the index it checks, and then the call, go wrong).
void TMDIChild::RunRepeat(int index)
{
    static constexpr std::array<void (TMDIChild::*)(), RepeatCount> commands = {
        &TMDIChild::ZoomIn, &TMDIChild::ZoomOut,   &TMDIChild::ZoomLeft,
        &TMDIChild::ZoomUp, &TMDIChild::ZoomRight, &TMDIChild::ZoomDown};
    (this->*commands[index])();
}

bool TMDIChild::WheelAt(int x, int y, int delta)
{
    if (!renderer || delta == 0)
        return false;
    if (x <= 0 || y <= 0 || x >= DisPaintBox->width() || y >= DisPaintBox->height())
        return false;
    renderer->ZoomAt(delta < 0 ? ZoomOutFactor : ZoomInFactor, x, y);
    RepaintDrawing();
    return true;
}

void TMDIChild::ShowMousePosition(int x, int y)
{
    if (!renderer)
        return;
    double mx = 0, my = 0;
    renderer->ToDrawing(x, y, mx, my);
    QuoteMouseLbl->setText(ToQString(StrFormat("X=%4.2f Y=%4.2f", mx, my)));
}

// The paint box's mouse: the read-out follows the mouse and shows while it is over the picture; the wheel
// zooms about the pixel under it; dragging pans and draws the zoom window (mdichild_navigation.cpp); the active
// drawing tool follows the mouse and takes the other clicks.
bool TMDIChild::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != DisPaintBox)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (NavigationMove(at))
            return true;
        ShowMousePosition(at.x(), at.y());
        DisPaintBoxMouseMove(at.x(), at.y());
        break;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (NavigationPress(mouse->button(), at))
            return true;
        DisPaintBoxMouseDown(at.x(), at.y());
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (NavigationRelease(mouse->button(), mouse->position().toPoint()))
            return true;
        break;
    }
    case QEvent::Enter: QuoteMouseLbl->show(); break;
    case QEvent::Leave: QuoteMouseLbl->hide(); break;
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint at = wheel->position().toPoint();
        if (WheelAt(at.x(), at.y(), wheel->angleDelta().y()))
            return true;
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}
