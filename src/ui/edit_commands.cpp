// The entity dialogs' commands on a drawing window: each dialog is created with the window as owner, shown
// modally (the main window's timer running its periodic update meanwhile) and destroyed afterwards.
#include "ui/edit_commands.h"

#include <QDialog>

#include "l10n/messaggi.h"
#include "ui/copyent.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/moveent.h"
#include "ui/rediment.h"
#include "ui/ridimensionadrw.h"
#include "ui/selentity.h"
#include "ui/stepnames.h"

namespace {

// Shows form modally; while it is open the main window's timer runs its periodic update. True on Ok.
bool RunPreviewForm(TMDIChild& child, PreviewForm& form)
{
    auto* mainForm = qobject_cast<TMainForm*>(child.window());
    if (mainForm)
        mainForm->AddPreviewDialog(&form, [&form] { form.PeriodicUpdate(); });
    const bool ok = form.exec() == QDialog::Accepted;
    if (mainForm)
        mainForm->RemovePreviewDialog(&form);
    return ok;
}

// After an edit: the counts follow the drawing, which is fitted into view and repainted; the change is one step
// of the history named by catalogue entry stepName.
void ShowEditedDrawing(TMDIChild& child, int stepName)
{
    child.UpdateInfoPanel();
    child.FitDrawing();
    child.RepaintDrawing();
    child.RecordStep(stepName, StepView::Fit);
}

// The move, copy and resize entity dialogs share their road.
template <typename Form>
void RunEditEntForm(TMDIChild& child, int stepName)
{
    Form form(&child);
    form.Setup(child.drawing);
    if (!RunPreviewForm(child, form))
        return;
    form.ApplyResult(child.drawing);
    ShowEditedDrawing(child, stepName);
}

void OnActive(TMainForm& mainForm, void (*command)(TMDIChild&))
{
    if (TMDIChild* child = mainForm.ActiveChild())
        command(*child);
}

}  // namespace

void DeleteEntitiesCommand(TMDIChild& child)
{
    TSelEntityForm form(&child);
    form.Setup(child.drawing, MsgText(125), MsgText(126));
    if (!RunPreviewForm(child, form))
        return;
    int count = 0;
    std::vector<int> paths;
    form.GetSelection(count, paths);
    // The numbers are those of the unchanged drawing; DeletePaths removes them all in one pass.
    child.drawing.DeletePaths(paths);
    ShowEditedDrawing(child, StepDeleteEntities);
}

void MoveEntitiesCommand(TMDIChild& child)
{
    RunEditEntForm<TMoveEntForm>(child, StepMoveEntities);
}
void CopyEntitiesCommand(TMDIChild& child)
{
    RunEditEntForm<TCopyEntForm>(child, StepCopyEntities);
}
void ResizeEntitiesCommand(TMDIChild& child)
{
    RunEditEntForm<TRedimEntForm>(child, StepResizeEntities);
}

void ResizeDrawingCommand(TMDIChild& child)
{
    TRidimForm form(&child);
    form.Setup(child.drawing);
    if (form.exec() != QDialog::Accepted)
        return;
    double maxX = 0, maxY = 0;
    form.GetResult(maxX, maxY);
    child.drawing.ResizeDrawing(maxX, maxY, "");
    child.FitDrawing();
    child.RepaintDrawing();
    child.RecordStep(StepResizeDrawing, StepView::Fit);
}

void DeleteEntitiesCommand(TMainForm& mainForm)
{
    OnActive(mainForm, DeleteEntitiesCommand);
}
void MoveEntitiesCommand(TMainForm& mainForm)
{
    OnActive(mainForm, MoveEntitiesCommand);
}
void CopyEntitiesCommand(TMainForm& mainForm)
{
    OnActive(mainForm, CopyEntitiesCommand);
}
void ResizeEntitiesCommand(TMainForm& mainForm)
{
    OnActive(mainForm, ResizeEntitiesCommand);
}
void ResizeDrawingCommand(TMainForm& mainForm)
{
    OnActive(mainForm, ResizeDrawingCommand);
}
