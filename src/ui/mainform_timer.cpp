// The main window's 120 ms tick (drawing windows, preview dialogs, enabled commands) and the enabling rules of
// its commands.
#include <QAction>
#include <QMdiArea>

#include <algorithm>

#include "ui/mainform.h"
#include "ui/mdichild.h"

void TMainForm::ExecuteTimer()
{
    if (inTick)
        return;
    inTick = true;
    for (TMDIChild* child : DrawingWindows())
        child->Tick();
    // A preview update may open or close dialogs; walk a copy.
    const std::vector<PreviewDialog> previews = previewDialogs;
    for (const PreviewDialog& preview : previews)
        if (preview.dialog->isVisible())
            preview.update();
    UpdateCommands();
    inTick = false;
}

void TMainForm::UpdateCommands()
{
    for (const CommandSpec& entry : CommandTable())
        Action(entry.name)->setEnabled(entry.command != nullptr && (this->*entry.rule)());
    UpdateHistoryTexts();
}

void TMainForm::AddPreviewDialog(QWidget* dialog, std::function<void()> update)
{
    previewDialogs.push_back({dialog, std::move(update)});
}

void TMainForm::RemovePreviewDialog(QWidget* dialog)
{
    std::erase_if(previewDialogs, [dialog](const PreviewDialog& preview) { return preview.dialog == dialog; });
}

bool TMainForm::HasWindow() const
{
    return !DrawingWindows().empty();
}
bool TMainForm::ActiveMany() const
{
    return Active() && DrawingWindows().size() > 1;
}
bool TMainForm::ActiveNotRunning() const
{
    return Active() && ActiveChild()->NotRunning();
}
bool TMainForm::ActiveSave() const
{
    return Active() && ActiveChild()->SaveRule();
}
bool TMainForm::ActiveStep() const
{
    return Active() && ActiveChild()->StepRule();
}
bool TMainForm::ActiveAnimatedStart() const
{
    return Active() && ActiveChild()->AnimatedStartRule();
}
bool TMainForm::ActivePause() const
{
    return Active() && ActiveChild()->PauseRule();
}
bool TMainForm::ActiveStop() const
{
    return Active() && ActiveChild()->StopRule();
}
bool TMainForm::ActiveTool() const
{
    return Active() && ActiveChild()->ToolRule();
}
bool TMainForm::ActiveStopTool() const
{
    return Active() && ActiveChild()->StopToolRule();
}
bool TMainForm::ActiveUndo() const
{
    return Active() && ActiveChild()->UndoRule();
}
bool TMainForm::ActiveRedo() const
{
    return Active() && ActiveChild()->RedoRule();
}
