// The drawing window's undo history and recovery copy: each command's change recorded as one step, undo and redo
// with the refresh that follows them, the caption's mark of a modified drawing, and what saving, restoring, the
// minute tick and closing do to the history, the recovery copy and the recent files.
#include <QToolButton>

#include <filesystem>

#include "l10n/messaggi.h"
#include "ui/mdichild.h"
#include "ui/recentfiles.h"
#include "ui/recovery.h"
#include "ui/stepnames.h"
#include "ui/widetext.h"

namespace {

// Catalogue entries of the undo and redo captions and hints.
constexpr int MsgUndo = 330, MsgRedo = 331, MsgUndoHint = 332, MsgRedoHint = 333;

int FigureNameMsg(ToolMode mode)
{
    switch (mode) {
    case ToolMode::Line: return StepLine;
    case ToolMode::Polyline: return StepPolyline;
    case ToolMode::Arc: return StepArc;
    case ToolMode::Polyarc: return StepPolyarc;
    case ToolMode::Rectangle: return StepRectangle;
    case ToolMode::Circle: return StepCircle;
    case ToolMode::None: break;
    }
    return StepLine;
}

// "Annulla" or "Ripeti" (entry msg), followed by the step's name when there is a step.
std::string Caption(int msg, const HistoryStep* step)
{
    std::string caption = MsgText(msg);
    if (step && !step->name.empty())
        caption += " " + step->name;
    return caption;
}

void SetHint(QToolButton* button, const QString& hint)
{
    if (button->toolTip() == hint)
        return;
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAccessibleName(hint);
}

}  // namespace

void TMDIChild::StartHistory()
{
    recovered = IsRecoveryCopy(filePath);
    history.Reset(drawing, !imported && !recovered);
    figureStepOpen = false;
    FollowHistory();
}

void TMDIChild::RecordStep(int nameMsg, StepView view)
{
    figureStepOpen = false;
    history.Record(StepNameText(nameMsg), view, drawing);
    FollowHistory();
}

void TMDIChild::RecordFigure(ToolMode mode, bool nextSegment)
{
    if (nextSegment && figureStepOpen)
        history.Extend(drawing);
    else
        figureStepOpen = history.Record(StepNameText(FigureNameMsg(mode)), StepView::Keep, drawing);
    figureStepOpen = figureStepOpen && ToolActive();
    FollowHistory();
}

void TMDIChild::Undo()
{
    if (!UndoRule())
        return;
    if (const HistoryStep* undone = history.Undo(drawing))
        ShowHistoryState(*undone);
}

void TMDIChild::Redo()
{
    if (!RedoRule())
        return;
    if (const HistoryStep* redone = history.Redo(drawing))
        ShowHistoryState(*redone);
}

void TMDIChild::ShowHistoryState(const HistoryStep& done)
{
    // The paths may be others now: the simulation starts again from none.
    step = 0;
    UpdateInfoPanel();
    if (done.view == StepView::Fit)
        FitDrawing();
    RepaintDrawing();
    FollowHistory();
}

void TMDIChild::DrawingSaved(const std::string& previousPath)
{
    history.MarkSaved(drawing);
    if (recovered) {
        // The copy the window was opened from is saved now.
        RemoveRecoveryCopy(previousPath);
        recovered = false;
    }
    FollowHistory();
    AddRecentFile(filePath);
}

void TMDIChild::DrawingReread()
{
    history.MarkReread(drawing, !imported && !recovered);
    FollowHistory();
}

void TMDIChild::FollowHistory()
{
    setWindowModified(drawing.modified);
    if (history.AtFileState() && recoveryStateId != 0) {
        RemoveRecoveryCopy(recoveryPath);
        recoveryStateId = 0;
    }
}

void TMDIChild::KeepRecoveryCopy(bool closing)
{
    if (history.AtFileState()) {
        FollowHistory();
        return;
    }
    if (recoveryPath.empty())
        recoveryPath = NewRecoveryCopyPath(baseName);
    const uint64_t state = history.StateId();
    std::error_code error;
    if (state == recoveryStateId && std::filesystem::exists(recoveryPath, error))
        return;
    // A failed write has shown its message: it is tried again when the drawing changes or the window closes, not
    // every minute.
    if (state == recoveryFailedId && !closing)
        return;
    if (WriteRecoveryCopy(drawing, recoveryPath))
        recoveryStateId = state;
    else
        recoveryFailedId = state;
}

std::string TMDIChild::UndoCaption() const
{
    return Caption(MsgUndo, history.UndoStep());
}

std::string TMDIChild::RedoCaption() const
{
    return Caption(MsgRedo, history.RedoStep());
}

void TMDIChild::UpdateHistoryHints()
{
    setWindowModified(drawing.modified);
    SetHint(Button("UndoButton"), ToQString(history.CanUndo() ? UndoCaption() : MsgText(MsgUndoHint)));
    SetHint(Button("RedoButton"), ToQString(history.CanRedo() ? RedoCaption() : MsgText(MsgRedoHint)));
}
