// The commands of the drawing window's simulation buttons, which the main window's "Percorsi" entries run too.
// The simulation itself is the Simulation base; the window paints for it (mdichild_paint.cpp). The commands are
// the window's own members so that the button and menu tables hold pointers to members of this class.
#include "ui/mdichild.h"

void TMDIChild::ToolButton9Click()
{
    NextStep();
}

void TMDIChild::ToolButton11Click()
{
    PreviousStep();
}

// A simulation ends the drawing tool: no point may be added while it runs.
void TMDIChild::ToolButton21Click()
{
    StopTool(true);
    StartSimulation(false);
}

void TMDIChild::ToolButton34Click()
{
    StopTool(true);
    StartSimulation(true);
}

void TMDIChild::ToolButton19Click()
{
    PauseSimulation();
}

void TMDIChild::ToolButton22Click()
{
    StopSimulation();
}
