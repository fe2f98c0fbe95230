// Opening the path optimisation dialog on a drawing window: the dialog works on a copy of the window's drawing,
// is updated by the main window's timer while open, and on Ok its copy replaces the drawing.
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/ottisequ.h"
#include "ui/stepnames.h"

void OpenPathOptimisation(TMDIChild& child)
{
    TOttiSequForm dialog(&child);
    dialog.SetDrawing(child.drawing);
    auto* mainForm = qobject_cast<TMainForm*>(child.window());
    if (mainForm)
        mainForm->AddPreviewDialog(&dialog, [&dialog] { dialog.PeriodicUpdate(); });
    const int result = dialog.exec();
    if (mainForm)
        mainForm->RemovePreviewDialog(&dialog);
    if (result != QDialog::Accepted)
        return;
    dialog.WriteBack();
    child.UpdateInfoPanel();
    child.FitDrawing();
    child.RepaintDrawing();
    // The whole session of the dialog is one step.
    child.RecordStep(StepOptimisePaths, StepView::Fit);
}

void TMDIChild::ToolButton33Click()
{
    OpenPathOptimisation(*this);
}
