// The path optimisation dialog's continuous paths: each connected part of the drawing made one path, parts near
// each other joined by bridges when a bridge length is typed, and the estimated time before and after shown.
#include <QCheckBox>
#include <QLineEdit>

#include <cmath>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "support/mytypeconversion.h"
#include "support/parlav.h"
#include "support/text.h"
#include "ui/mdichild.h"
#include "ui/ottisequ.h"
#include "ui/waitcursor.h"
#include "ui/widetext.h"

using F = TOttiSequForm;

namespace {

// Catalogue entries of the command's messages.
constexpr int MsgTitle = 380, MsgWarningTitle = 227, MsgTimeBefore = 384, MsgTimeAfter = 385, MsgBadBridge = 386,
              MsgUnchanged = 387, MsgCrowded = 388;

}  // namespace

bool F::ReadBridge(double& value)
{
    value = TextToDouble(ToStdString(BridgeEdt->text()), true, true);
    // Written so that a value that is not a number is refused too.
    if (!(value >= 0.0) || !std::isfinite(value)) {
        MyMessageBox(MsgText(MsgBadBridge), MsgText(MsgWarningTitle), MsgStyleWarning);
        BridgeEdt->setFocus();
        return false;
    }
    return true;
}

void F::ContinuousButtonClick()
{
    ContinuousOptions options;
    if (!ReadMinDistance(options.tolerance) || !ReadBridge(options.bridge))
        return;
    options.keepDirections = !ReverseOpenChk->isChecked();
    options.workSpeed = workSpeed;
    options.rapidSpeed = rapidSpeed;
    const double before = workDrw.EstimateTime(workSpeed, rapidSpeed);
    ContinuousOutcome outcome = ContinuousOutcome::Unchanged;
    {
        WaitCursor waitCursor;
        mode = ModeOptimise;
        outcome = workDrw.MakeContinuous(options);
        mode = ModeIdle;
    }
    RedrawPreview();
    // A refusal has said why already.
    if (outcome == ContinuousOutcome::Refused)
        return;
    if (outcome == ContinuousOutcome::Crowded) {
        MyMessageBox(MsgText(MsgCrowded), MsgText(MsgWarningTitle), MsgStyleWarning);
        return;
    }
    std::string text = StrFormat("%s %s\n%s %s", MsgText(MsgTimeBefore).c_str(), TMDIChild::FormatTime(before).c_str(),
                                 MsgText(MsgTimeAfter).c_str(),
                                 TMDIChild::FormatTime(workDrw.EstimateTime(workSpeed, rapidSpeed)).c_str());
    if (outcome == ContinuousOutcome::Unchanged)
        text += "\n" + MsgText(MsgUnchanged);
    MyMessageBox(text, MsgText(MsgTitle), MsgStyleInfo);
}
