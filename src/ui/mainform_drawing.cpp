// The main window's entries that run a command of the active drawing window: saving, export, mirror, rotate,
// simplify, restore, undo and redo (menus "&File" and "Modifica"), the simulation (menu "Percorsi") and the
// drawing tools (menu "Disegna").
#include <QAction>

#include "l10n/messaggi.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/widetext.h"

void TMainForm::ForwardToActive(void (TMDIChild::*command)())
{
    if (TMDIChild* child = ActiveChild())
        (child->*command)();
}

void TMainForm::SaveFileExecute()
{
    ForwardToActive(&TMDIChild::SaveDrawing);
}
void TMainForm::SaveAsFileExecute()
{
    ForwardToActive(&TMDIChild::SaveDrawingAs);
}
void TMainForm::EsportabitmapItemClick()
{
    ForwardToActive(&TMDIChild::ExportBitmap);
}
void TMainForm::SpecchiaYExecute()
{
    ForwardToActive(&TMDIChild::MirrorDrawingY);
}
void TMainForm::SpecchiaXExecute()
{
    ForwardToActive(&TMDIChild::MirrorDrawingX);
}
void TMainForm::RuotaCWExecute()
{
    ForwardToActive(&TMDIChild::RotateDrawingCW);
}
void TMainForm::RuotaCCWExecute()
{
    ForwardToActive(&TMDIChild::RotateDrawingCCW);
}
void TMainForm::SimpleDrwMenuClick()
{
    ForwardToActive(&TMDIChild::SimplifyDrawing);
}
void TMainForm::RipristinaDrwExecute()
{
    ForwardToActive(&TMDIChild::RestoreDrawing);
}

void TMainForm::SequNextExecute()
{
    ForwardToActive(&TMDIChild::ToolButton9Click);
}
void TMainForm::SequPrevExecute()
{
    ForwardToActive(&TMDIChild::ToolButton11Click);
}
void TMainForm::SequPlayExecute()
{
    ForwardToActive(&TMDIChild::ToolButton21Click);
}
void TMainForm::SequPlayAniExecute()
{
    ForwardToActive(&TMDIChild::ToolButton34Click);
}
void TMainForm::SequPauseExecute()
{
    ForwardToActive(&TMDIChild::ToolButton19Click);
}
void TMainForm::SequStopExecute()
{
    ForwardToActive(&TMDIChild::ToolButton22Click);
}
void TMainForm::OttiSequActExecute()
{
    ForwardToActive(&TMDIChild::ToolButton33Click);
}

void TMainForm::LineaItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton31Click);
}
void TMainForm::PolilineaItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton41Click);
}
void TMainForm::ArcItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton36Click);
}
void TMainForm::PoliarcItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton42Click);
}
void TMainForm::RettangoloItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton37Click);
}
void TMainForm::CerchioItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton40Click);
}
void TMainForm::StopdisegnoItemClick()
{
    ForwardToActive(&TMDIChild::ToolButton39Click);
}

void TMainForm::AnnullaItemClick()
{
    ForwardToActive(&TMDIChild::Undo);
}
void TMainForm::RipetiItemClick()
{
    ForwardToActive(&TMDIChild::Redo);
}

// The entries name the active window's steps ("Annulla Specchia in X"); plain without an active window.
void TMainForm::UpdateHistoryTexts()
{
    TMDIChild* child = Active() ? ActiveChild() : nullptr;
    const QString undo = ToQString(child ? child->UndoCaption() : MsgText(330));
    const QString redo = ToQString(child ? child->RedoCaption() : MsgText(331));
    if (Action("AnnullaItem")->text() != undo)
        Action("AnnullaItem")->setText(undo);
    if (Action("RipetiItem")->text() != redo)
        Action("RipetiItem")->setText(redo);
}
