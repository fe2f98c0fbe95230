// PaintedSimulation: a simulation painted over the picture of a renderer in a paint box, as the drawing window and
// the path optimisation dialog show it.
#pragma once

#include "ui/simulation.h"

class PaintBox;
class myDraw;

class PaintedSimulation : public Simulation {
protected:
    // The renderer of the picture (nullptr while there is none: nothing is painted) and the paint box it draws in.
    virtual myDraw* SimulationView() const = 0;
    virtual PaintBox* SimulationPaintBox() const = 0;

    void PaintSimulatedPath(int path, int colorIndex) override;
    void PaintSimulatedPathPart(int path, int part, int whole) override;
};
