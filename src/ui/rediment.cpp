// The resize entity dialog: its texts, sizes, percentage edit and operation.
#include "ui/rediment.h"

TRedimEntForm::TRedimEntForm(QWidget* owner) : EditEntForm(owner, {266, 93, 267, 102}, {817, 593}, {469, 503})
{
    setObjectName("RedimEntForm");
    PercEdt = AddParameterEdit("PercEdt", "", "%", &percentage, FullSize, FullSize);
}

void TRedimEntForm::GetResult(double& percent, bool& onlySelected, int& count, std::vector<int>& paths) const
{
    percent = percentage;
    onlySelected = selectedOnly;
    PickedResult(count, paths);
}

void TRedimEntForm::ApplyOperation(Drw& drawing, const int* count, const int* paths) const
{
    drawing.ScalePaths(percentage * 0.01, count, paths, true);
}
