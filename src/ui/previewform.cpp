// The entity dialogs' shared preview: panel and paint box, zoom tool bar with hold-to-repeat, the wheel, the
// rubber-band picking and the periodic update.
#include "ui/previewform.h"

#include <QFrame>
#include <QIcon>
#include <QMouseEvent>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "l10n/messaggi.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

namespace {

constexpr double ZoomInFactor = 0.9;
constexpr double ZoomOutFactor = 1.1;
constexpr double PanFraction = 0.02;
constexpr int PanelBorder = 3;  // pixels of the lowered frame around the paint box
constexpr int ToolSize = 26, IconSize = 16;

// Preview colours (0x00BBGGRR) and margins.
constexpr Color BackgroundColor = 0x000000, FrameColor = 0xF0CAA6, PenColor = 0xF0F0A0, GridColor = 0x303030,
                AxesColor = 0x0000EE, SelectionColor = 0x00FFFF;
constexpr int ViewMargin = 6;
const char* const AxisLayer = "_layer_asse_";

// The zoom tool bar: component name, fixed hint, catalogue hint (-1: the fixed one stays), icon, command and
// held-button counter (-1: none).
struct ZoomTool {
    const char* name;
    const char* fixedHint;
    int hintMsg;
    const char* icon;
    void (PreviewForm::*command)();
    int repeat;
};
constexpr ZoomTool ZoomTools[] = {
    {"ToolButton1", "Zoom in", -1, "zoom-in", &PreviewForm::ZoomIn, PreviewForm::RepeatZoomIn},
    {"ToolButton2", "Zoom out", -1, "zoom-out", &PreviewForm::ZoomOut, PreviewForm::RepeatZoomOut},
    {"ToolButton3", "Zoom esteso", 120, "zoom-fit-best", &PreviewForm::ZoomExtentsClick, -1},
    {"ToolButton4", "Zoom sinistra", 121, "arrow-left", &PreviewForm::ZoomLeft, PreviewForm::RepeatLeft},
    {"ToolButton5", "Zoom alto", 122, "arrow-up", &PreviewForm::ZoomUp, PreviewForm::RepeatUp},
    {"ToolButton7", "Zoom destra", 123, "arrow-right", &PreviewForm::ZoomRight, PreviewForm::RepeatRight},
    {"ToolButton8", "Zoom basso", 124, "arrow-down", &PreviewForm::ZoomDown, PreviewForm::RepeatDown},
};

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
    widget->setAccessibleName(hint);
}

}  // namespace

PreviewForm::PreviewForm(QWidget* owner, Qt::WindowFlags flags) : QDialog(owner, flags) {}

PreviewForm::~PreviewForm() = default;

void PreviewForm::CreatePreview(QPoint panelAt, QSize boxSize, QPoint toolBarAt)
{
    DisPanel = new QFrame(this);
    DisPanel->setObjectName("DisPanel");
    DisPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DisPanel->setGeometry(QRect(panelAt, boxSize + QSize(2 * PanelBorder, 2 * PanelBorder)));
    DisPaintBox = new PaintBox(DisPanel);
    DisPaintBox->setObjectName("DisPaintBox");
    DisPaintBox->setGeometry(PanelBorder, PanelBorder, boxSize.width(), boxSize.height());
    DisPaintBox->installEventFilter(this);
    // A new image is blank: the next periodic update paints it.
    connect(DisPaintBox, &PaintBox::Resized, this, [this] {
        if (redrawRequest == 0)
            redrawRequest = 1;
    });
    CreateZoomToolBar(toolBarAt);
}

void PreviewForm::CreateZoomToolBar(QPoint at)
{
    ZoomToolBar = new QToolBar(this);
    ZoomToolBar->setObjectName("ZoomToolBar");
    ZoomToolBar->setMovable(false);
    ZoomToolBar->setIconSize(QSize(IconSize, IconSize));
    ZoomToolBar->setStyleSheet("QToolBar { spacing: 0px; padding: 0px; border: 0px; }");
    for (const ZoomTool& tool : ZoomTools) {
        auto* button = new QToolButton(ZoomToolBar);
        button->setObjectName(tool.name);
        button->setIcon(QIcon::fromTheme(tool.icon));
        button->setIconSize(QSize(IconSize, IconSize));
        button->setFixedSize(ToolSize, ToolSize);
        button->setAutoRaise(true);
        SetHint(button, tool.fixedHint);
        const auto command = tool.command;
        connect(button, &QToolButton::clicked, this, [this, command] { (this->*command)(); });
        if (tool.repeat >= 0) {
            const int index = tool.repeat;
            connect(button, &QToolButton::pressed, this, [this, index] { zoomRepeat[index] = 1; });
            connect(button, &QToolButton::released, this, [this, index] { zoomRepeat[index] = 0; });
        }
        ZoomToolBar->addWidget(button);
    }
    ZoomToolBar->setGeometry(at.x(), at.y(), ToolSize * static_cast<int>(std::size(ZoomTools)), ToolSize);
}

void PreviewForm::ApplyZoomHints()
{
    for (const ZoomTool& tool : ZoomTools)
        if (tool.hintMsg >= 0)
            SetHint(Button(tool.name), ToQString(MsgText(tool.hintMsg)));
}

void PreviewForm::CreateView(bool axisLayerPen)
{
    zoomRepeat.fill(0);
    view = std::make_unique<myDraw>(DisPaintBox->GetCanvas(), DisPaintBox->width(), DisPaintBox->height(), true, false);
    view->SetColors(BackgroundColor, FrameColor, PenColor, GridColor, AxesColor);
    view->SetSelColor(1, SelectionColor);
    view->SetMargins(ViewMargin, ViewMargin, ViewMargin, ViewMargin);
    if (axisLayerPen)
        view->AddLayerPen(AxisLayer, AxesColor, 1, PenStyleDashed);
    view->ShowAxes(false);
    view->ShowGrid(false);
    ZoomExtents();
}

void PreviewForm::ZoomExtents()
{
    auto& [minX, minY, maxX, maxY] = zoomExtents;
    workDrw.GetExtents(-1, -1, -1, "", minX, minY, maxX, maxY);
    if (!view)
        return;
    view->SetExtents(minX, minY, maxX, maxY);
    view->SetPan(0, 0);
    // The mapping holds from now on, so that a pick before the first repaint finds the right place.
    view->ComputeView();
}

void PreviewForm::BeginPreviewPaint()
{
    DisPaintBox->BeginPaint();
}

void PreviewForm::EndPreviewPaint()
{
    DisPaintBox->EndPaint();
}

void PreviewForm::DrawPickedEnds(const Drw& drawing)
{
    for (int path : selectedPaths)
        view->DrawPathEnds(drawing, path, 1);
}

void PreviewForm::PeriodicUpdate()
{
    if (!active)
        return;
    if (redrawRequest >= 1)
        Refresh();
    for (int i = 0; i < RepeatCount; ++i) {
        if (zoomRepeat[i] > 2)
            RunRepeat(i);
        else if (zoomRepeat[i] > 0)
            ++zoomRepeat[i];
    }
}

void PreviewForm::RunRepeat(int index)
{
    for (const ZoomTool& tool : ZoomTools)
        if (tool.repeat == index)
            (this->*tool.command)();
}

void PreviewForm::ZoomIn()
{
    if (!view)
        return;
    view->Zoom(ZoomInFactor);
    Refresh();
}

void PreviewForm::ZoomOut()
{
    if (!view)
        return;
    view->Zoom(ZoomOutFactor);
    Refresh();
}

void PreviewForm::ZoomExtentsClick()
{
    ZoomExtents();
    Refresh();
}

void PreviewForm::ZoomLeft()
{
    if (!view)
        return;
    view->PanLeft(PanFraction);
    Refresh();
}

void PreviewForm::ZoomUp()
{
    if (!view)
        return;
    view->PanUp(PanFraction);
    Refresh();
}

void PreviewForm::ZoomRight()
{
    if (!view)
        return;
    view->PanRight(PanFraction);
    Refresh();
}

void PreviewForm::ZoomDown()
{
    if (!view)
        return;
    view->PanDown(PanFraction);
    Refresh();
}

bool PreviewForm::WheelAt(int x, int y, int delta)
{
    if (!view || delta == 0 || x <= 0 || y <= 0 || x >= DisPaintBox->width() || y >= DisPaintBox->height())
        return false;
    view->ZoomAt(delta < 0 ? ZoomOutFactor : ZoomInFactor, x, y);
    Refresh();
    return true;
}

void PreviewForm::MousePress(QPoint at)
{
    if (!view || !PickingOn())
        return;
    rubberBand = true;
    BeginPreviewPaint();
    view->BeginRubberRect(at.x(), at.y());
    EndPreviewPaint();
}

void PreviewForm::MouseMove(QPoint at)
{
    if (!view || !rubberBand)
        return;
    BeginPreviewPaint();
    view->DragRubberRect(at.x(), at.y());
    EndPreviewPaint();
}

void PreviewForm::MouseRelease(QPoint at)
{
    if (!view || !rubberBand)
        return;
    rubberBand = false;
    BeginPreviewPaint();
    view->EndRubberRect(at.x(), at.y());
    EndPreviewPaint();
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    view->GetRubberRect(minX, minY, maxX, maxY);
    PickDrawing().PickPaths(minX, minY, maxX, maxY, selectedPaths, nullptr, false);
    PathsPicked();
}

QToolButton* PreviewForm::Button(const QString& name) const
{
    return findChild<QToolButton*>(name);
}

void PreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void PreviewForm::done(int result)
{
    active = false;
    view.reset();
    rubberBand = false;
    QDialog::done(result);
}

bool PreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DisPaintBox) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: MousePress(static_cast<QMouseEvent*>(event)->position().toPoint()); break;
        case QEvent::MouseMove: MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint()); break;
        case QEvent::MouseButtonRelease: MouseRelease(static_cast<QMouseEvent*>(event)->position().toPoint()); break;
        case QEvent::Wheel: {
            auto* wheel = static_cast<QWheelEvent*>(event);
            WheelAt(wheel->position().toPoint().x(), wheel->position().toPoint().y(), wheel->angleDelta().y());
            break;
        }
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
