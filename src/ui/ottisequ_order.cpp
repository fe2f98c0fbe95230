// The path optimisation dialog's automatic order of the paths (the drawing's OptimiseOrder) with its option of
// running open paths the other way, which the machine work data keep for the rest of the run.
#include <QCheckBox>

#include "support/parlav.h"
#include "ui/ottisequ.h"
#include "ui/waitcursor.h"

void TOttiSequForm::OptimiseOrder()
{
    WaitCursor waitCursor;
    workDrw.OptimiseOrder(!ReverseOpenChk->isChecked());
}

void TOttiSequForm::ReverseOpenChkClick()
{
    if (!TheParLav)
        return;
    TheParLav->reverseOpenPaths = ReverseOpenChk->isChecked();
    TheParLav->Save();
}
