// The main window's view switches: the machining order overlay and the rapid moves (stored between runs and
// shown in every drawing window), the zoom window of the active drawing window, and the status bar's indicators.
#include <QAction>
#include <QStatusBar>

#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/overlaysettings.h"
#include "ui/statusindicators.h"

void TMainForm::CreateViewControls()
{
    orderOverlay = StoredOrderOverlay();
    Action("OrdineItem")->setChecked(orderOverlay.order);
    Action("RapidiItem")->setChecked(orderOverlay.rapids);
    statusIndicators =
        std::make_unique<StatusIndicators>(statusBar(), Action("EnableOsnapItem"), Action("GrigliaItem"));
}

void TMainForm::ZoomFinestraItemClick()
{
    ForwardToActive(&TMDIChild::ZoomWindowCommand);
}

void TMainForm::OrdineItemClick()
{
    ApplyOrderOverlay({!orderOverlay.order, orderOverlay.rapids});
}

void TMainForm::RapidiItemClick()
{
    ApplyOrderOverlay({orderOverlay.order, !orderOverlay.rapids});
}

void TMainForm::ApplyOrderOverlay(const OrderOverlay& overlay)
{
    orderOverlay = overlay;
    StoreOrderOverlay(overlay);
    Action("OrdineItem")->setChecked(overlay.order);
    Action("RapidiItem")->setChecked(overlay.rapids);
    for (TMDIChild* child : DrawingWindows())
        child->SetOrderOverlay(overlay);
}

bool TMainForm::ActiveZoomWindow() const
{
    return Active() && ActiveChild()->ZoomWindowRule();
}
