// The drawing window's painting: the whole picture, the simulation's paths over it, fitting the drawing into
// view, and the info panel and time label.
#include <QLabel>

#include "l10n/messaggi.h"
#include "render/orderoverlay.h"
#include "support/myutl.h"
#include "support/parlav.h"
#include "ui/mdichild.h"
#include "ui/paintbox.h"
#include "ui/widetext.h"

void TMDIChild::RepaintDrawing()
{
    if (!renderer)
        return;
    {
        PaintBurst burst(DisPaintBox);
        renderer->DrawBackground();
        if (AnimationRunning()) {
            // The paths already travelled highlighted; the current one is drawn again by the next ticks.
            renderer->DrawPaths(drawing, 1, step - 1, 1);
            renderer->DrawPaths(drawing, std::max(step, 1), drawing.pathCount, -1);
        } else {
            renderer->DrawDrawing(drawing, step, 1);
        }
        DrawOrderOverlay(*renderer, drawing, orderOverlay);
    }
    UpdateTimeLabel();
    repaintRequested = 0;
}

void TMDIChild::SetOrderOverlay(const OrderOverlay& overlay)
{
    orderOverlay = overlay;
    RepaintDrawing();
}

void TMDIChild::FitDrawing()
{
    if (renderer)
        renderer->FitDrawing(drawing, 0.1);
}

namespace {

// The counts' captions: catalogue entry and the Italian text that stands while there is no catalogue.
struct CountCaptionText {
    int msg;
    const char* fixed;
};
constexpr CountCaptionText CountCaptions[TMDIChild::CountKinds] = {
    {315, "Entità"}, {316, "Linee"}, {317, "Archi"}, {318, "Percorsi"}};

}  // namespace

QString TMDIChild::CountCaption(int kind)
{
    return ToQString(MsgTextOr(CountCaptions[kind].msg, CountCaptions[kind].fixed));
}

QString TMDIChild::CountText(int kind, int count)
{
    return CountCaption(kind) + QString(": %1").arg(count);
}

void TMDIChild::UpdateInfoPanel()
{
    int lines = 0, arcs = 0;
    drawing.CountLinesArcs(lines, arcs);
    EntitaLbl->setText(CountText(0, drawing.entityCount()));
    LineeLbl->setText(CountText(1, lines));
    ArchiLbl->setText(CountText(2, arcs));
    SequenzeLbl->setText(CountText(3, drawing.pathCount));
}

void TMDIChild::UpdateTimeLabel()
{
    TimeLbl->setText(ToQString(FormatTime(drawing.EstimateTime(workSpeed, rapidSpeed))));
}

std::string TMDIChild::FormatTime(double seconds)
{
    return FormatHms(seconds);
}
