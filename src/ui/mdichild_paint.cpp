// The drawing window's painting: the whole picture, the simulation's paths over it, fitting the drawing into
// view, and the info panel and time label.
#include <QLabel>

#include "l10n/messaggi.h"
#include "support/myutl.h"
#include "support/parlav.h"
#include "support/text.h"
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
            for (int path = 1; path < step; ++path)
                renderer->DrawPath(drawing, path, 1);
            for (int path = std::max(step, 1); path <= drawing.pathCount; ++path)
                renderer->DrawPath(drawing, path, -1);
        } else {
            renderer->DrawDrawing(drawing, step, 1);
        }
    }
    UpdateTimeLabel();
    repaintRequested = 0;
}

void TMDIChild::PaintSimulatedPath(int path, int colorIndex)
{
    if (!renderer)
        return;
    PaintBurst burst(DisPaintBox);
    renderer->DrawPath(drawing, path, colorIndex);
}

void TMDIChild::PaintSimulatedPathPart(int path, int part, int whole)
{
    if (!renderer)
        return;
    PaintBurst burst(DisPaintBox);
    renderer->DrawPathPart(drawing, path, part, whole, 1);
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
    const QString text = ToQString(MsgText(CountCaptions[kind].msg));
    return text.isEmpty() ? QString::fromUtf8(CountCaptions[kind].fixed) : text;
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
    // Negative, non-finite and out-of-range times cannot come from the estimate; they show as 0 or the largest time.
    const double clamped = seconds > 0 ? std::min(seconds, 4294967295.0) : 0.0;
    int hours = 0, minutes = 0, secs = 0;
    SecondsToHms(static_cast<uint32_t>(clamped), hours, minutes, secs);
    return hours != 0 ? StrFormat("%dh: %02dm : %02ds", hours, minutes, secs) : StrFormat("%dm : %02ds", minutes, secs);
}
