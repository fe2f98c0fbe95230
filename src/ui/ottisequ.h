// TOttiSequForm: the modal path optimisation dialog. It works on a private copy of one drawing (join, explode,
// reverse, start point, order of the paths), shows it in its own preview, steps or animates through the paths, and
// on Ok its copy replaces the drawing it was given. ottisequ.cpp: controls, texts, show and close;
// ottisequ_commands.cpp: the commands and the picks on the preview; ottisequ_sequence.cpp: the sequence display,
// the periodic update, the preview's painting and zoom (the sequence's stepping, automatic stepping and animation
// are the Simulation base's); ottisequ_order.cpp: the automatic path order and its option;
// ottisequ_continuous.cpp: the continuous paths; ottisequ_wiring.cpp: opening the dialog on a drawing window.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

#include "model/drw.h"
#include "render/mydraw.h"
#include "ui/paintedsimulation.h"

class PaintBox;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolBar;
class QToolButton;
class TMDIChild;

class TOttiSequForm : public QDialog, public PaintedSimulation {
    Q_OBJECT

public:
    // Command modes: 1, 2, 5, 7 and 8 are pick modes that act on every click of the preview until "Stop comando";
    // 3, 4 and 6 last while their command runs.
    enum Mode {
        ModeIdle = 0,
        ModeReverse = 1,
        ModeOrder = 2,
        ModeOptimise = 3,
        ModeAutoJoin = 4,
        ModeManualJoin = 5,
        ModeExplodeAll = 6,
        ModeExplode = 7,
        ModeStartPoint = 8
    };
    // The held-button counters, in the order of zoomRepeat.
    enum RepeatButton { RepeatZoomIn, RepeatZoomOut, RepeatLeft, RepeatUp, RepeatRight, RepeatDown, RepeatCount };

    static constexpr int PreviewWidth = 558, PreviewHeight = 570;  // pixels of the preview paint box
    static constexpr double MinDistanceFloor = 1e-8;               // mm: smaller join distances are refused

    explicit TOttiSequForm(QWidget* owner = nullptr);
    ~TOttiSequForm() override;

    // Copies drawing whole into workDrw and remembers it as the drawing to write back on Ok.
    void SetDrawing(Drw& drawing);
    // Copies workDrw whole into the drawing given to SetDrawing (nothing when none was given).
    void WriteBack();

    // ---- Show and close (ottisequ.cpp) ----
    // Texts, counters, the minimum distance from the work data, the sequence state, the renderer, zoom extents.
    void FormShow();
    // Stops the periodic update and releases the renderer.
    void FormClose();
    // Captions and hints from the message catalogue.
    void ApplyTexts();

    // ---- Commands (ottisequ_commands.cpp) ----
    // The minimum distance typed in MinDistEdt (mm); false, after a warning, when it is not a usable distance.
    bool ReadMinDistance(double& value);
    void BitBtn6Click();         // manual explode: mode 7
    void BitBtn5Click();         // explode all
    void ManuJoinButtonClick();  // manual join: mode 5
    void AutoJoinButtonClick();  // automatic join
    void BitBtn1Click();         // reverse: mode 1
    void BitBtn7Click();         // start point: mode 8
    void BitBtn2Click();         // order by clicking: mode 2
    void BitBtn3Click();         // automatic order
    void BitBtn8Click();         // join and optimise all
    void BitBtn4Click();         // stop command
    // A mouse-button release at pixel (x, y) of the preview: acts on the path there by the mode.
    void DisPaintBoxMouseUp(int x, int y);
    // One click of the manual join on path p, entity e.
    void ManualJoinStep(int p, int e);
    // Orders the paths of workDrw for less travel between them (Drw::OptimiseOrder), running open paths the other
    // way where that helps when ReverseOpenChk is checked; the hourglass shows meanwhile.
    void OptimiseOrder();
    // The operator's choice of ReverseOpenChk goes to the work data.
    void ReverseOpenChkClick();

    // ---- Continuous paths (ottisequ_continuous.cpp) ----
    // The bridge length typed in BridgeEdt (mm, 0 for none); false, after a warning, when it is not a usable length.
    bool ReadBridge(double& value);
    // "Percorso continuo": every connected part of workDrw becomes one path (Drw::MakeContinuous) at the join
    // distance and bridge length typed, then the paths are ordered as the automatic order does; the hourglass shows
    // meanwhile, and a message gives the estimated time before and after.
    void ContinuousButtonClick();

    // ---- Sequence display, periodic update, preview (ottisequ_sequence.cpp) ----
    // The sequence display is the Simulation base's: NextStep, PreviousStep, StartSimulation, PauseSimulation,
    // StopSimulation. In the order mode the paths already placed stay highlighted; a path of no length is passed
    // over at the next tick of an animation.
    void StartStepping() { StartSimulation(false); }
    void StartAnimated() { StartSimulation(true); }
    // One tick of the main window's timer: pending repaint, sequence display, controls, held buttons.
    void PeriodicUpdate();
    // Enabled and visible state of the controls by mode and display state.
    void UpdateControls();
    void RedrawPreview();
    // The view shows the drawing's bounding box exactly, pan 0.
    void ZoomExtents();
    // "Zoom esteso": zoom extents, then the preview is repainted.
    void ZoomExtentsClick();
    // The wheel at pixel (x, y) of the preview; returns whether it zoomed.
    bool WheelAt(int x, int y, int delta);
    void ZoomIn();
    void ZoomOut();
    void ZoomLeft();
    void ZoomUp();
    void ZoomRight();
    void ZoomDown();

    // ---- Data ----
    std::array<double, 4> zoomExtents{};  // min x, min y, max x, max y (mm)
    Drw workDrw;
    Drw* sourceDrw = nullptr;
    std::unique_ptr<myDraw> view;
    int redrawRequest = 0;
    int mode = ModeIdle;
    std::array<int, RepeatCount> zoomRepeat{};
    int firstJoinPath = -1;
    bool active = false;

    // ---- Components (objectName = the component name) ----
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;  // "Wizard"
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QCheckBox* ReverseOpenChk = nullptr;  // under BitBtn3: the automatic order may reverse open paths
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* ManuJoinButton = nullptr;
    QPushButton* AutoJoinButton = nullptr;
    QLabel* MinDistLbl = nullptr;
    QLineEdit* MinDistEdt = nullptr;
    QLabel* BridgeLbl = nullptr;
    QPushButton* ContinuousButton = nullptr;
    QLineEdit* BridgeEdt = nullptr;  // beside ContinuousButton: the bridge length (mm)
    QFrame* DisPanel = nullptr;
    PaintBox* DisPaintBox = nullptr;
    QToolBar* ZoomToolBar = nullptr;
    QToolBar* SequenzaToolBar = nullptr;
    QSlider* AniVel = nullptr;
    QLabel* AniVelImg = nullptr;
    QLineEdit* SelSequEdt = nullptr;
    QPushButton* ModButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // The sequence tool bar's buttons, which the periodic update enables.
    QToolButton* ToolButton9 = nullptr;   // next path
    QToolButton* ToolButton11 = nullptr;  // previous path
    QToolButton* ToolButton21 = nullptr;  // automatic display
    QToolButton* ToolButton34 = nullptr;  // animated display
    QToolButton* ToolButton19 = nullptr;  // pause
    QToolButton* ToolButton22 = nullptr;  // stop

    // A tool button by its component name; nullptr when there is none.
    QToolButton* Button(const QString& name) const;

protected:
    // What the sequence display shows and paints with, and how it differs from the drawing window's simulation.
    const Drw& SimulatedDrawing() const override { return workDrw; }
    myDraw* SimulationView() const override { return view.get(); }
    PaintBox* SimulationPaintBox() const override { return DisPaintBox; }
    void RepaintSimulation() override { RedrawPreview(); }
    int AnimationSpeedPosition() const override;
    bool KeepsPassedPathsHighlighted() const override { return mode == ModeOrder; }
    void StepChanged() override;

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One tool button: name, fixed hint, icon, command and its held-button counter (or -1).
    struct ToolSpec {
        const char* name;
        const char* fixedHint;
        const char* icon;
        std::function<void(TOttiSequForm&)> command;  // some are the Simulation base's members
        int repeat;
    };
    static const std::vector<ToolSpec>& ToolTable();
    void CreateControls();
    void CreateCommandColumn();
    QPushButton* CreateButton(const char* name, int top, void (TOttiSequForm::*command)());
    QLabel* CreateLabel(const char* name, const char* text, int top);
    QToolBar* CreateToolBar(const char* name, std::initializer_list<const char*> buttons);
    void CreateSequenceDisplay();
    // Enters a pick mode: hand cursor over the preview.
    void EnterPickMode(int pickMode);
    void RunRepeat(int index);

    bool closing = false;  // done() is closing the dialog
};

// Opens the dialog modally on the window's drawing; on Ok the drawing takes the dialog's copy and the window fits
// it into view and repaints. While open, the dialog's periodic update runs on the main window's timer.
void OpenPathOptimisation(TMDIChild& child);
