// The drawing window's two simulation start commands, one per button: the stepping and the animated simulation.
// The rest of the simulation is the Simulation base; the window paints for it (mdichild_paint.cpp).
#include "ui/mdichild.h"

void TMDIChild::StartSteppingSimulation() { StartSimulation(false); }

void TMDIChild::StartAnimatedSimulation() { StartSimulation(true); }
