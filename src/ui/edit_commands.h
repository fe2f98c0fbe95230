// The entity dialogs' commands, for the drawing window's buttons and the main window's entries: delete, move,
// copy and resize picked paths, and resize the whole drawing. Each shows its dialog modally on the drawing
// window's drawing and, on Ok, applies the operation to that drawing, fits it into view and repaints; "Annulla"
// changes nothing. The main window's variants act on its active drawing window, when there is one.
#pragma once

class TMainForm;
class TMDIChild;

void DeleteEntitiesCommand(TMDIChild& child);
void MoveEntitiesCommand(TMDIChild& child);
void CopyEntitiesCommand(TMDIChild& child);
void ResizeEntitiesCommand(TMDIChild& child);
void ResizeDrawingCommand(TMDIChild& child);

void DeleteEntitiesCommand(TMainForm& mainForm);
void MoveEntitiesCommand(TMainForm& mainForm);
void CopyEntitiesCommand(TMainForm& mainForm);
void ResizeEntitiesCommand(TMainForm& mainForm);
void ResizeDrawingCommand(TMainForm& mainForm);
