// The main window's entries that run a command of the active drawing window: saving, export, mirror, rotate,
// simplify and restore (menus "&File" and "Modifica"), the simulation (menu "Percorsi") and the drawing tools
// (menu "Disegna").
#include "ui/mainform.h"
#include "ui/mdichild.h"

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
