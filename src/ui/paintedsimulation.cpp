// The simulation's paths painted over the picture, each in one burst of the paint box.
#include "ui/paintedsimulation.h"

#include "render/mydraw.h"
#include "ui/paintbox.h"

void PaintedSimulation::PaintSimulatedPath(int path, int colorIndex)
{
    if (myDraw* view = SimulationView()) {
        PaintBurst burst(SimulationPaintBox());
        view->DrawPath(SimulatedDrawing(), path, colorIndex);
    }
}

void PaintedSimulation::PaintSimulatedPathPart(int path, int part, int whole)
{
    if (myDraw* view = SimulationView()) {
        PaintBurst burst(SimulationPaintBox());
        view->DrawPathPart(SimulatedDrawing(), path, part, whole, 1);
    }
}
