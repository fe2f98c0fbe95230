// The drawing window's life cycle: construction, the first show with the loading or import of its file, the
// timer tick, Escape and closing.
#include "ui/mdichild.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include <filesystem>

#include "dxf/importdxf.h"
#include "dxf/importdxfclass.h"
#include "support/mymessagebox.h"
#include "ui/paintbox.h"
#include "ui/waitcursor.h"
#include "ui/widetext.h"

namespace {

// The window's colours and the renderer's margins.
constexpr Color BackgroundColor = RgbColor(0, 0, 0);
constexpr Color FrameColor = RgbColor(166, 202, 240);
constexpr Color PenColor = RgbColor(0, 247, 0);
constexpr Color GridColor = RgbColor(48, 48, 48);
constexpr Color AxesColor = RgbColor(238, 0, 0);
constexpr Color SelectionColor = RgbColor(255, 255, 0);
constexpr int RendererMargin = 6;

// The warnings of an import, one box per flag, in this order.
struct ImportWarning {
    int flag;
    const char* text;
};
constexpr ImportWarning ImportWarnings[] = {
    {WarnCapacity,
     "Le entità eccedenti il numero massimo gestito in questa versione di programma non sono state importate"},
    {WarnSpline, "Le entità di tipo SPLINE non sono importate in questa versione di programma"},
    {WarnText, "Le entità di tipo TEXT non sono importate in questa versione di programma"},
    {WarnSolid, "Le entità di tipo 3DSOLID non sono importate in questa versione di programma"},
};

}  // namespace

TMDIChild::TMDIChild(const std::string& path, bool isImported, QWidget* parent)
    : QWidget(parent), filePath(path), baseName(std::filesystem::path(path).stem().string()), imported(isImported)
{
    setObjectName("MDIChild");
    // "[*]": the caption marks a modified drawing.
    setWindowTitle(ToQString(filePath) + "[*]");
    setFocusPolicy(Qt::StrongFocus);
    CreateControls();
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!formShown)
        FormShow();
}

void TMDIChild::FormShow()
{
    formShown = true;
    WaitCursor waitCursor;
    VelAniImg->raise();
    StopTool(false);
    step = 0;
    runCounter = 0;
    ticksPerStep = 4;
    paused = false;
    renderer.reset();
    DisPanel->move(4, 4);
    DisPaintBox->move(3, 3);
    ArrangeControls();
    repaintRequested = 0;
    repeatCounters.fill(0);
    QuoteMouseLbl->clear();
    shown = true;
    LoadOrImport();
    ApplyHints();
}

void TMDIChild::LoadOrImport()
{
    renderer =
        std::make_unique<myDraw>(DisPaintBox->GetCanvas(), DisPaintBox->width(), DisPaintBox->height(), true, false);
    renderer->SetColors(BackgroundColor, FrameColor, PenColor, GridColor, AxesColor);
    renderer->SetSelColor(1, SelectionColor);
    renderer->SetMargins(RendererMargin, RendererMargin, RendererMargin, RendererMargin);
    renderer->ShowAxes(true);
    renderer->ShowGrid(true);
    renderer->ShowArrows(false);
    if (imported) {
        SetImportProgress([](int) {});
        ImportDxf(filePath, drawing);
        ShowImportMessages(GetImportWarnings());
    } else {
        drawing.Load(filePath);
    }
    UpdateInfoPanel();
    FitDrawing();
    repaintRequested = 1;
    StartHistory();
}

void TMDIChild::ShowImportMessages(int warnings)
{
    if (drawing.entityCount() == 0 && warnings == 0)
        MyMessageBox("CH001: Nessuna entità presente nel disegno", "AVVISO", MsgStyleWarning);
    for (const ImportWarning& warning : ImportWarnings)
        if (warnings & warning.flag)
            MyMessageBox(warning.text, "AVVISO", MsgStyleWarning);
}

void TMDIChild::Tick()
{
    if (repaintRequested > 0)
        RepaintDrawing();
    for (int i = 0; i < RepeatCount; ++i) {
        if (repeatCounters[i] > 2)
            RunRepeat(i);
        else if (repeatCounters[i] > 0)
            ++repeatCounters[i];
    }
    SimulationTick();
    UpdateButtons();
    if (++recoveryTickCount >= RecoveryTicks) {
        recoveryTickCount = 0;
        KeepRecoveryCopy(false);
    }
}

void TMDIChild::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        FormKeyPress(27);
    else
        QWidget::keyPressEvent(event);
}

void TMDIChild::FormKeyPress(int key)
{
    if (key != 27)
        return;
    StopTool(true);
    StopSimulation();
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    // Closing never asks: changes that no file holds go to the recovery copy.
    if (shown)
        KeepRecoveryCopy(true);
    shown = false;
    renderer.reset();
    event->accept();
}
