// The main window's entries that run a command of the active drawing window: saving, export, mirror, rotate,
// simplify and restore (menus "&File" and "Modifica"), and the simulation (menu "Percorsi").
#include "ui/mainform.h"
#include "ui/mdichild.h"

void TMainForm::ForwardToActive(void (TMDIChild::*command)()) {
  if (TMDIChild* child = ActiveChild()) (child->*command)();
}

void TMainForm::SaveFileExecute() { ForwardToActive(&TMDIChild::SaveDrawing); }
void TMainForm::SaveAsFileExecute() { ForwardToActive(&TMDIChild::SaveDrawingAs); }
void TMainForm::EsportabitmapItemClick() { ForwardToActive(&TMDIChild::ExportBitmap); }
void TMainForm::SpecchiaYExecute() { ForwardToActive(&TMDIChild::MirrorDrawingY); }
void TMainForm::SpecchiaXExecute() { ForwardToActive(&TMDIChild::MirrorDrawingX); }
void TMainForm::RuotaCWExecute() { ForwardToActive(&TMDIChild::RotateDrawingCW); }
void TMainForm::RuotaCCWExecute() { ForwardToActive(&TMDIChild::RotateDrawingCCW); }
void TMainForm::SimpleDrwMenuClick() { ForwardToActive(&TMDIChild::SimplifyDrawing); }
void TMainForm::RipristinaDrwExecute() { ForwardToActive(&TMDIChild::RestoreDrawing); }

void TMainForm::SequNextExecute() { ForwardToActive(&TMDIChild::NextStep); }
void TMainForm::SequPrevExecute() { ForwardToActive(&TMDIChild::PreviousStep); }
void TMainForm::SequPlayExecute() { ForwardToActive(&TMDIChild::StartSteppingSimulation); }
void TMainForm::SequPlayAniExecute() { ForwardToActive(&TMDIChild::StartAnimatedSimulation); }
void TMainForm::SequPauseExecute() { ForwardToActive(&TMDIChild::PauseSimulation); }
void TMainForm::SequStopExecute() { ForwardToActive(&TMDIChild::StopSimulation); }
