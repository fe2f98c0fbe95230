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

void TMDIChild::ToolButton21Click()
{
    StartSimulation(false);
}

void TMDIChild::ToolButton34Click()
{
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
