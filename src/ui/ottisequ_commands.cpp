// The path optimisation dialog's commands: the minimum join distance, the automatic and manual joins, exploding,
// the pick modes and what a click on the preview does in each.
#include <QCursor>
#include <QLineEdit>

#include <cmath>
#include <vector>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "support/mytypeconversion.h"
#include "support/parlav.h"
#include "support/text.h"
#include "ui/ottisequ.h"
#include "ui/paintbox.h"
#include "ui/waitcursor.h"
#include "ui/widetext.h"

using F = TOttiSequForm;

namespace {

constexpr int PickHalfSide = 5;  // pixels: half the side of the square picked around a click

// Catalogue entries of the dialog's messages.
constexpr int MsgWarningTitle = 227, MsgConfirmTitle = 228, MsgDuplicateQuestion = 247, MsgTooFarToJoin = 248,
              MsgJoinedCount = 249, MsgJoinTitle = 250, MsgBadDistance = 251, MsgExplodeTitle = 252,
              MsgExplodedCount = 253, MsgOnlyClosedPaths = 271;

void Warn(int textMsg)
{
    MyMessageBox(MsgText(textMsg), MsgText(MsgWarningTitle), MsgStyleWarning);
}

void ShowCount(int textMsg, int count, int titleMsg)
{
    MyMessageBox(StrFormat("%s %d", MsgText(textMsg).c_str(), count), MsgText(titleMsg), MsgStyleInfo);
}

// The join distance becomes the work data's, which keeps it for the rest of the run.
void StoreJoinDistance(double value)
{
    if (!TheParLav)
        return;
    TheParLav->minJoinDistance = value;
    TheParLav->Save();
}

}  // namespace

bool F::ReadMinDistance(double& value)
{
    value = TextToDouble(ToStdString(MinDistEdt->text()), true, true);
    // Written so that a value that is not a number is refused too.
    if (!(value >= MinDistanceFloor) || !std::isfinite(value)) {
        Warn(MsgBadDistance);
        MinDistEdt->setFocus();
        return false;
    }
    return true;
}

void F::EnterPickMode(int pickMode)
{
    mode = pickMode;
    DisPaintBox->setCursor(Qt::PointingHandCursor);
}

void F::BitBtn6Click()
{
    EnterPickMode(ModeExplode);
}

void F::BitBtn5Click()
{
    int exploded = 0;
    {
        WaitCursor waitCursor;
        mode = ModeExplodeAll;
        exploded = workDrw.ExplodePaths(-1);
    }
    ShowCount(MsgExplodedCount, exploded, MsgExplodeTitle);
    mode = ModeIdle;
    RedrawPreview();
}

void F::ManuJoinButtonClick()
{
    EnterPickMode(ModeManualJoin);
    firstJoinPath = -1;
}

void F::AutoJoinButtonClick()
{
    double distance = 0;
    if (!ReadMinDistance(distance))
        return;
    int joined = 0;
    {
        WaitCursor waitCursor;
        mode = ModeAutoJoin;
        StoreJoinDistance(distance);
        joined = workDrw.AutoJoin(distance, -1, -1, nullptr, nullptr);
    }
    ShowCount(MsgJoinedCount, joined, MsgJoinTitle);
    mode = ModeIdle;
    RedrawPreview();
}

void F::BitBtn1Click()
{
    EnterPickMode(ModeReverse);
}

void F::BitBtn7Click()
{
    EnterPickMode(ModeStartPoint);
}

void F::BitBtn2Click()
{
    EnterPickMode(ModeOrder);
    if (currentStep <= 0)
        AdvanceStep();
}

void F::BitBtn3Click()
{
    mode = ModeOptimise;
    OptimiseOrder();
    mode = ModeIdle;
    RedrawPreview();
}

// Explodes everything first, so that the join can rebuild the paths from single entities; a refused distance
// leaves them exploded and the mode set until "Stop comando".
void F::BitBtn8Click()
{
    mode = ModeOptimise;
    {
        WaitCursor waitCursor;
        workDrw.ExplodePaths(-1);
    }
    double distance = 0;
    if (!ReadMinDistance(distance)) {
        RedrawPreview();
        return;
    }
    {
        WaitCursor waitCursor;
        StoreJoinDistance(distance);
        workDrw.AutoJoin(distance, -1, -1, nullptr, nullptr);
        OptimiseOrder();
    }
    mode = ModeIdle;
    RedrawPreview();
}

void F::BitBtn4Click()
{
    if (mode == ModeOrder)
        StopSequence();
    mode = ModeIdle;
    RedrawPreview();
    DisPaintBox->unsetCursor();
}

void F::DisPaintBoxMouseUp(int x, int y)
{
    if (!view)
        return;
    if (mode == ModeStartPoint) {
        double px = 0, py = 0, nx = 0, ny = 0;
        view->ToDrawing(x, y, px, py);
        int path = -1, entity = -1;
        if (!workDrw.PickPathAt(px, py, path, entity, &nx, &ny))
            return;
        if (!workDrw.IsPathClosed(path)) {
            Warn(MsgOnlyClosedPaths);
            return;
        }
        workDrw.SetStartPoint(path, entity, nx, ny);
        RedrawPreview();
        return;
    }
    if (mode != ModeReverse && mode != ModeOrder && mode != ModeManualJoin && mode != ModeExplode)
        return;
    view->BeginRubberRect(x - PickHalfSide, y - PickHalfSide);
    view->EndRubberRect(x + PickHalfSide, y + PickHalfSide);
    double left = 0, bottom = 0, right = 0, top = 0;
    view->GetRubberRect(left, bottom, right, top);
    std::vector<int> paths, entities;
    workDrw.PickPaths(left, bottom, right, top, paths, &entities, true);
    if (paths.empty())
        return;
    const int path = paths.front();
    switch (mode) {
    case ModeReverse: workDrw.ReversePath(path); break;
    case ModeOrder: workDrw.MovePath(path, currentStep); break;
    case ModeManualJoin: ManualJoinStep(path, entities.front()); break;
    default: workDrw.ExplodePaths(path); break;
    }
    RedrawPreview();
}

// The first click chooses the path to build; each click on another path joins it to that one when their ends are
// close enough; a click on the chosen path near one of its ends offers to run the clicked entity a second time.
void F::ManualJoinStep(int p, int e)
{
    if (firstJoinPath < 0) {
        firstJoinPath = p;
        return;
    }
    double distance = 0;
    if (p != firstJoinPath) {
        if (!ReadMinDistance(distance))
            return;
        if (workDrw.AutoJoin(distance, firstJoinPath, p, nullptr, nullptr) <= 0) {
            Warn(MsgTooFarToJoin);
            return;
        }
        // The joined path keeps the lower of the two numbers.
        if (p < firstJoinPath)
            firstJoinPath = p;
        return;
    }
    if (!ReadMinDistance(distance))
        return;
    int first = 0, last = 0;
    workDrw.ChainBounds(e, first, last);
    const Entity& clicked = workDrw.entities[e];
    const EntityGeometry geometry = clicked.Geometry();
    const double d1 = DistanceToEntity(workDrw.entities[first].x1, workDrw.entities[first].y1, geometry);
    const double d2 = DistanceToEntity(workDrw.entities[last].x2, workDrw.entities[last].y2, geometry);
    if (!(d1 < distance + Epsilon || d2 < distance + Epsilon))
        return;
    if (MyMessageBox(MsgText(MsgDuplicateQuestion), MsgText(MsgConfirmTitle), MsgStyleQuestion) != MsgResultYes)
        return;
    Entity copy = clicked;
    copy.joinedPrev = false;
    copy.joinedNext = false;
    copy.sequence = workDrw.pathCount + 1;
    if (!workDrw.AddEntity(copy))
        return;
    workDrw.pathCount += 1;
    ManualJoinStep(workDrw.pathCount, workDrw.entityCount() - 1);
}
