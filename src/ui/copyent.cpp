// The copy entity dialog: its texts, sizes and operation.
#include "ui/copyent.h"

TCopyEntForm::TCopyEntForm(QWidget* owner) : OffsetEntForm(owner, {174, 173, 175, 176}, {777, 555}, {429, 453})
{
    setObjectName("CopyEntForm");
}

void TCopyEntForm::ApplyOperation(Drw& drawing, const int* count, const int* paths) const
{
    drawing.CopyPaths(deltaX, deltaY, count, paths);
}
