// The copy entity dialog: its texts, sizes, operation and its refusal of a copy that does not fit.
#include "ui/copyent.h"

#include "geometry/mymath.h"
#include "l10n/messaggi.h"
#include "support/text.h"

TCopyEntForm::TCopyEntForm(QWidget* owner) : OffsetEntForm(owner, {174, 173, 175, 176}, {777, 555}, {429, 453})
{
    setObjectName("CopyEntForm");
}

void TCopyEntForm::ApplyOperation(Drw& drawing, const int* count, const int* paths) const
{
    drawing.CopyPaths(deltaX, deltaY, count, paths);
}

std::string TCopyEntForm::Refusal(const Drw& drawing, const int* count, const int* paths) const
{
    if (IsZero(deltaX) && IsZero(deltaY))
        return {};
    // As the copy selects: no list, every path; an empty list, none.
    int added = drawing.entityCount();
    if (count && (*count <= 0 || paths)) {
        added = 0;
        for (int i = 0; i < *count && paths; ++i)
            added += drawing.PathEntityCount(paths[i]);
    }
    const int room = MaxEntities - drawing.entityCount();
    if (added <= room)
        return {};
    // ED003: the copy does not fit whole.
    return MsgText(325) + StrFormat(" %d / %d", added, room);
}
