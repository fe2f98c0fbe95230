// The offset edits of the copy and move entity dialogs and their result.
#include "ui/offsetentform.h"

OffsetEntForm::OffsetEntForm(QWidget* owner, const Texts& texts, QSize client, QSize preview)
    : EditEntForm(owner, texts, client, preview)
{
    XEdt = AddParameterEdit("XEdt", "X", "mm", &deltaX, 0, 0);
    YEdt = AddParameterEdit("YEdt", "Y", "mm", &deltaY, 0, 0);
}

void OffsetEntForm::GetResult(double& dx, double& dy, bool& onlySelected, int& count, std::vector<int>& paths) const
{
    dx = deltaX;
    dy = deltaY;
    onlySelected = selectedOnly;
    PickedResult(count, paths);
}
