// The move entity dialog: its texts, sizes and operation.
#include "ui/moveent.h"

TMoveEntForm::TMoveEntForm(QWidget* owner) : OffsetEntForm(owner, {143, 144, 147, 102}, {817, 593}, {469, 503})
{
    setObjectName("MoveEntForm");
}

void TMoveEntForm::ApplyOperation(Drw& drawing, const int* count, const int* paths) const
{
    drawing.MovePaths(deltaX, deltaY, count, paths);
}
