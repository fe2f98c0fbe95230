// TMDIChild: the drawing window, a child of the main window's multiple-document area. It owns one drawing,
// shows it through its renderer in a paint box, and carries the zoom, simulation, editing and drawing-tool
// buttons. Its parts live in mdichild.cpp (life cycle, loading, ticks), mdichild_layout.cpp (controls and their
// positions), mdichild_paint.cpp (painting, info panel, time label) and mdichild_zoom.cpp (zoom, pan, wheel,
// mouse read-out); the simulation and the drawing commands add mdichild_simulation.cpp and mdichild_commands.cpp,
// the undo history and the recovery copy mdichild_history.cpp, panning by dragging and the zoom window
// mdichild_navigation.cpp.
#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/drw.h"
#include "render/mydraw.h"
#include "render/orderoverlay.h"
#include "ui/drawtool.h"
#include "ui/edit_commands.h"
#include "ui/history.h"
#include "ui/paintedsimulation.h"

class PaintBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QToolBar;
class QToolButton;

// The simulation state (step, run counter, pause, animation) is the Simulation base's.
class TMDIChild : public QWidget, public PaintedSimulation {
    Q_OBJECT

public:
    // The six buttons with auto-repeat, in the order of repeatCounters.
    enum RepeatButton { RepeatZoomIn, RepeatZoomOut, RepeatLeft, RepeatUp, RepeatRight, RepeatDown, RepeatCount };

    // path: the DXF or drawing file the window shows (kept as given; also the caption); imported: a DXF file.
    TMDIChild(const std::string& path, bool imported, QWidget* parent = nullptr);
    ~TMDIChild() override;

    // ---- Life cycle (mdichild.cpp) ----
    // Runs once, when the window is first shown: clears the state, places the controls, loads or imports the file.
    void FormShow();
    // Creates the renderer, fills the drawing (import or load, with their messages), updates the info panel and
    // fits the drawing; the picture follows on the next tick.
    void LoadOrImport();
    // One timer tick: pending repaint, held buttons, the simulation's step, enabled state of the buttons.
    void Tick();
    // Escape (27) leaves a drawing tool (repainting when one was active) and stops the simulation.
    void FormKeyPress(int key);

    // ---- Drawing tools (mdichild_tools.cpp; the tools' stages are DrawTool's) ----
    // Activates a tool (cross cursor, typed-point panel, snap marker); nothing before the renderer exists.
    void StartTool(ToolMode mode);
    // Leaves the active drawing tool: no tool, stage None, previews forgotten, typed-point panel hidden, normal
    // cursor; requests a repaint when asked and a tool was active.
    void StopTool(bool repaint);
    // The active tool's next point in mm; a finished figure updates the info panel and requests a repaint.
    void ClickPoint(double x, double y);
    // The paint box's mouse at pixel (x, y) while a tool is active: the snapped point moves the preview, or
    // (any button down) becomes the tool's next point.
    void DisPaintBoxMouseMove(int x, int y);
    void DisPaintBoxMouseDown(int x, int y);
    // The typed point of XEdt and YEdt, without snapping.
    void XYBitBtnClick();
    void ToolButton31Click();  // line
    void ToolButton41Click();  // polyline
    void ToolButton36Click();  // arc
    void ToolButton42Click();  // polyarc
    void ToolButton37Click();  // rectangle
    void ToolButton40Click();  // circle
    void ToolButton39Click();  // stop drawing (with repaint)

    // ---- Machining simulation: the commands and SimulationTick come from Simulation, the painting from ----
    // PaintedSimulation. The commands of the simulation's buttons and menu entries (mdichild_simulation.cpp):
    void ToolButton9Click();                                  // next step
    void ToolButton11Click();                                 // previous step
    void ToolButton21Click();                                 // start the stepping simulation
    void ToolButton34Click();                                 // start the animated simulation
    void ToolButton19Click();                                 // pause
    void ToolButton22Click();                                 // stop
    void ToolButton33Click();                                 // the path optimisation dialog (ottisequ_wiring.cpp)
    void ToolButton30Click() { MoveEntitiesCommand(*this); }  // the entity dialogs (edit_commands.cpp)
    void ToolButton35Click() { CopyEntitiesCommand(*this); }
    void ToolButton20Click() { ResizeEntitiesCommand(*this); }
    void ToolButton27Click() { DeleteEntitiesCommand(*this); }
    void ToolButton17Click() { ResizeDrawingCommand(*this); }

    // ---- Drawing window commands (mdichild_commands.cpp) ----
    // An imported drawing asks for a name (SaveDrawingAs); otherwise the drawing replaces its file.
    void SaveDrawing();
    // Asks for a name in the archive folder and writes the drawing there; only a successful save makes the window
    // show that file (no longer imported). Cancelling changes nothing.
    void SaveDrawingAs();
    // Reads the window's file again (imported again, without the import's warning boxes); step 0, fitted, repainted.
    void RestoreDrawing();
    // Asks for a file name and exports the drawing in the format of its extension: a PNG picture, an SVG document, a
    // PDF on the page of the chosen filter, or else the 800 x 600 bitmap (".bmp" appended unless it ends so).
    void ExportBitmap();
    // Mirrors keep the view; rotations fit the drawing again.
    void MirrorDrawingX();
    void MirrorDrawingY();
    void RotateDrawingCW();
    void RotateDrawingCCW();
    // Simplifies with the progress gauge, logs and shows the entity counts before and after.
    void SimplifyDrawing();

    // ---- Undo, redo and the recovery copy (mdichild_history.cpp) ----
    // Starts the history afresh on the drawing just loaded or imported (a recovery copy counts as never saved).
    void StartHistory();
    // After a command: a change of the drawing becomes one step named by catalogue entry nameMsg (stepnames.h);
    // undoing or redoing it fits the view or keeps it, as the command did. A command that changed nothing adds none.
    void RecordStep(int nameMsg, StepView view);
    // After a drawing tool's figure: each figure is one step, and a polyline or polyarc is one step for all its
    // segments (nextSegment: the segment continues the figure of the last step).
    void RecordFigure(ToolMode mode, bool nextSegment);
    // Take back the last step / do the undone step again, refreshing counts, picture and time label; refused
    // while the simulation runs or a drawing tool is active.
    void Undo();
    void Redo();
    // After a successful save (previousPath: the file the window showed before): the state saved is the one the
    // file holds, the recovery copies of the drawing go, and the file heads the recent files.
    void DrawingSaved(const std::string& previousPath);
    // After the drawing was read again from its file (restore).
    void DrawingReread();
    // Writes the recovery copy when the drawing has changes that no file holds and the copy lacks them; removes
    // the copy when no longer needed. Runs once a minute (RecoveryTicks) and when the window closes (closing: a
    // write that failed for the same state is tried again).
    void KeepRecoveryCopy(bool closing);
    bool UndoRule() const { return !IsRunning() && !ToolActive() && history.CanUndo(); }
    bool RedoRule() const { return !IsRunning() && !ToolActive() && history.CanRedo(); }
    // The entries' captions: "Annulla" / "Ripeti", followed by the step's name when there is one.
    std::string UndoCaption() const;
    std::string RedoCaption() const;

    static constexpr int RecoveryTicks = 60000 / 120;  // ticks of the main window's timer in a minute

    // ---- Layout (mdichild_layout.cpp) ----
    // Places every control from the window's outer size and resizes the renderer.
    void ArrangeControls();
    // Hints of the buttons from the message catalogue; the counts' panel fitted to the captions' language.
    void ApplyHints();
    // Enabled state of every button by its rule.
    void UpdateButtons();

    // ---- Painting (mdichild_paint.cpp) ----
    void RepaintDrawing();
    // Requested window = the drawing's box widened by 10 % on each side; pan 0. No repaint.
    void FitDrawing();
    void UpdateInfoPanel();
    void UpdateTimeLabel();
    // "%dh: %02dm : %02ds" with hours, else "%dm : %02ds", of a time in seconds (truncated).
    static std::string FormatTime(double seconds);
    // The info panel's counts, by kind: entities, lines, arcs, paths. A caption comes from the catalogue (the
    // Italian text while there is none); a count shows as "caption: number".
    static constexpr int CountKinds = 4;
    static QString CountCaption(int kind);
    static QString CountText(int kind, int count);

    // ---- Zoom and pan (mdichild_zoom.cpp) ----
    void ZoomIn();
    void ZoomOut();
    void ZoomLeft();
    void ZoomUp();
    void ZoomRight();
    void ZoomDown();
    // "Zoom esteso": clears the repeat counters, fits and repaints.
    void ZoomExtents();
    // The wheel at pixel (x, y) of the paint box: towards the user (delta < 0) zooms out about it, else in;
    // nothing outside the paint box. Returns whether it zoomed.
    bool WheelAt(int x, int y, int delta);
    // The mouse read-out "X=%4.2f Y=%4.2f" of paint box pixel (x, y).
    void ShowMousePosition(int x, int y);

    // ---- Panning by dragging and the zoom window (mdichild_navigation.cpp) ----
    // "Zoom finestra": the next rectangle dragged with the left button on the picture becomes the view (fitted as
    // the zoom buttons fit, pan 0). Escape, a drawing tool or a rectangle of less than MinZoomWindow pixels each
    // way leave the view as it was. Nothing while a drawing tool is active.
    void ZoomWindowCommand();
    bool ZoomWindowActive() const { return zoomWindow != ZoomWindowState::Off; }
    bool ZoomWindowRule() const { return !ToolActive(); }
    // Leaves the zoom window without zooming.
    void EndZoomWindow();
    // The paint box's mouse at pixel at: the middle button always, and the left one while no drawing tool is
    // active, drag the drawing (repainting at each move, the read-out following); the left button draws the zoom
    // window's rectangle while it is active. True when the event was theirs.
    bool NavigationPress(Qt::MouseButton button, QPoint at);
    bool NavigationMove(QPoint at);
    bool NavigationRelease(Qt::MouseButton button, QPoint at);
    static constexpr int MinZoomWindow = 4;  // pixels

    // ---- The machining order overlay, as the main window's switches say (mdichild_paint.cpp) ----
    void SetOrderOverlay(const OrderOverlay& overlay);

    // ---- State the main window reads, and the enabling rules shared by buttons and menu entries (the simulation's
    // own come from Simulation) ----
    bool ToolActive() const { return drawTool.Active(); }
    bool Always() const { return true; }
    bool NotRunning() const { return !IsRunning(); }
    bool SaveRule() const { return !IsRunning() && drawing.modified; }
    bool ToolRule() const { return !IsRunning() && !ToolActive(); }
    bool StopToolRule() const { return ToolActive(); }

    // ---- Data ----
    Drw drawing;         // the drawing shown
    Drw scratchDrawing;  // a copy taken for the bitmap export
    std::string filePath;
    std::string baseName;  // file name without folder and extension
    bool imported = false;
    bool shown = false;
    std::unique_ptr<myDraw> renderer;
    int repaintRequested = 0;
    std::array<int, RepeatCount> repeatCounters{};
    std::vector<QToolButton*> heldButtons;  // the tool bars' buttons, in the order of ButtonTable

    // The drawing tool, its stage and whether a polyline or polyarc segment starts a new path.
    DrawTool drawTool;

    OrderOverlay orderOverlay;  // drawn over the picture on every repaint; the main window's switches

    DrawingHistory history;
    bool recovered = false;    // the window shows a recovery copy: saving asks for a name
    std::string recoveryPath;  // the window's own recovery copy; empty while it has none

    // ---- Components (objectName = the component name) ----
    QFrame* DisPanel = nullptr;
    PaintBox* DisPaintBox = nullptr;
    QToolBar* ZoomToolBar = nullptr;
    QToolBar* SequenzaToolBar = nullptr;
    QToolBar* ModToolBar = nullptr;
    QToolBar* DrawToolBar = nullptr;
    QSlider* AniVel = nullptr;
    QLabel* VelAniImg = nullptr;
    QFrame* InfoPanel = nullptr;
    QLabel* EntitaLbl = nullptr;
    QLabel* LineeLbl = nullptr;
    QLabel* ArchiLbl = nullptr;
    QLabel* SequenzeLbl = nullptr;
    QLabel* QuoteMouseLbl = nullptr;
    QLabel* TimeLbl = nullptr;
    QLabel* TimeImg = nullptr;
    QFrame* XYPanel = nullptr;
    QLineEdit* XEdt = nullptr;
    QLineEdit* YEdt = nullptr;
    QPushButton* XYBitBtn = nullptr;
    QProgressBar* SimplifyDrwGauge = nullptr;
    QToolButton* UndoButton = nullptr;  // their hints follow the history on each tick
    QToolButton* RedoButton = nullptr;

    // A tool button by its component name ("ToolButton9"); nullptr when there is none.
    QToolButton* Button(const QString& name) const;

    static constexpr int MinWidth = 550, MinHeight = 440;

protected:
    // What the simulation shows and paints with: the drawing, the renderer and paint box, the whole picture, the
    // speed.
    const Drw& SimulatedDrawing() const override { return drawing; }
    myDraw* SimulationView() const override { return renderer.get(); }
    PaintBox* SimulationPaintBox() const override { return DisPaintBox; }
    void RepaintSimulation() override { RepaintDrawing(); }
    int AnimationSpeedPosition() const override;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One button of the window's tool bars: its command and the rule that enables it; see mdichild_layout.cpp.
    struct ButtonSpec {
        const char* name;
        int hintMsg;            // catalogue entry of the hint; -1: fixed hint
        const char* fixedHint;  // hint when hintMsg is -1, and the accessible name before the catalogue applies
        const char* icon;       // theme icon name
        // Held as functions rather than member pointers: several are the Simulation base's members, and a call
        // through a converted member pointer is one the undefined-behaviour checker misreads.
        std::function<void(TMDIChild&)> command;
        std::function<bool(const TMDIChild&)> rule;
        int repeat;  // RepeatButton index, or -1
    };
    static const std::vector<ButtonSpec>& ButtonTable();
    // The position of a button in ButtonTable; the table's size when there is none of that name.
    static size_t ButtonIndex(const QString& name);
    void CreateControls();
    QToolBar* CreateToolBar(const char* name, std::initializer_list<const char*> buttons);
    void CreateInfoControls();
    // The counts' font and lines, so that every count up to the capacity shows whole; the panel's size follows.
    void FitInfoPanel();
    void ConnectButton(QToolButton* button, const ButtonSpec& entry);
    // The outer size of the window: its sub-window frame when it has one, else itself.
    QSize OuterSize() const;
    // Runs one auto-repeat command by its counter index.
    void RunRepeat(int index);
    // Shows the import's messages: CH001 for an empty drawing, then one warning per flag.
    void ShowImportMessages(int warnings);
    // Cross cursor and typed-point panel while a tool is active, normal cursor and no panel otherwise.
    void ShowToolControls();

    // The paint box's cursor for its state: a closed hand while dragging, a cross during a drawing tool or the zoom
    // window, else the normal one.
    void ShowPictureCursor();

    // Refreshes the window after an undo or redo of step.
    void ShowHistoryState(const HistoryStep& step);
    // The caption's mark and the recovery copy follow the history.
    void FollowHistory();
    // The undo and redo buttons' hints name their steps.
    void UpdateHistoryHints();

    enum class ZoomWindowState { Off, Waiting, Dragging };
    ZoomWindowState zoomWindow = ZoomWindowState::Off;
    Qt::MouseButton dragButton = Qt::NoButton;  // the button dragging the drawing, while it is held
    QPoint dragPoint;                           // the pixel of the drag's last move, or the zoom window's first corner

    bool formShown = false;         // FormShow has run
    bool figureStepOpen = false;    // the last step is a polyline's or polyarc's that may still grow
    uint64_t recoveryStateId = 0;   // the history state the recovery copy holds; 0: none written
    uint64_t recoveryFailedId = 0;  // the history state whose copy could not be written
    int recoveryTickCount = 0;
};
