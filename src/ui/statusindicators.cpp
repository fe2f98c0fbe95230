// The status bar's indicators and the activity text of a drawing window.
#include "ui/statusindicators.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

#include "l10n/messaggi.h"
#include "support/text.h"
#include "ui/mdichild.h"
#include "ui/widetext.h"

namespace {

// The tools' captions (the menu entries'), by tool mode, with the Italian text while there is no catalogue.
struct Caption {
    int msg;
    const char* fixed;
};
constexpr Caption ToolCaptions[] = {{-1, ""},         {290, "Linea"},     {294, "Arco"},    {299, "Rettangolo"},
                                    {301, "Cerchio"}, {309, "Polilinea"}, {310, "Poliarco"}};
constexpr Caption StageCaptions[] = {{-1, ""}, {361, "primo punto"}, {362, "secondo punto"}, {363, "terzo punto"}};

std::string Text(const Caption& caption)
{
    return MsgTextOr(caption.msg, caption.fixed);
}

QToolButton* Indicator(QStatusBar* bar, QAction* entry, const char* name)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setDefaultAction(entry);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    bar->addPermanentWidget(button);
    return button;
}

}  // namespace

std::string ActivityText(const TMDIChild& child)
{
    if (child.step > 0 && child.step <= child.drawing.pathCount)
        return StrFormat("%s %d / %d  -  %.2f mm", MsgTextOr(365, "Percorso").c_str(), child.step,
                         child.drawing.pathCount, child.drawing.PathLength(child.step));
    if (child.ToolActive())
        return Text(ToolCaptions[static_cast<int>(child.drawTool.Mode())]) + ": " +
               Text(StageCaptions[static_cast<int>(child.drawTool.Stage())]);
    if (child.ZoomWindowActive())
        return MsgTextOr(359, "Zoom finestra") + ": " + MsgTextOr(364, "trascinare il rettangolo da ingrandire");
    return {};
}

StatusIndicators::StatusIndicators(QStatusBar* bar, QAction* osnapEntry, QAction* gridEntry)
{
    ActivityLbl = new QLabel(bar);
    ActivityLbl->setObjectName("ActivityLbl");
    bar->addPermanentWidget(ActivityLbl);
    OsnapIndicator = Indicator(bar, osnapEntry, "OsnapIndicator");
    GrigliaIndicator = Indicator(bar, gridEntry, "GrigliaIndicator");
}

void StatusIndicators::Follow(const TMDIChild* child)
{
    const QString text = child ? ToQString(ActivityText(*child)) : QString();
    if (ActivityLbl->text() != text)
        ActivityLbl->setText(text);
}
