// The machining simulation: stepping by hand, automatic stepping every TicksPerStep ticks and the animation that
// draws the current path a little further on each tick.
#include "ui/simulation.h"

#include <algorithm>
#include <climits>

#include "model/drw.h"

int Simulation::AnimationIncrement(int speedPosition)
{
    return SpeedMin + SpeedMax - std::clamp(speedPosition, SpeedMin, SpeedMax);
}

void Simulation::NextStep()
{
    if (step >= SimulatedDrawing().pathCount) {
        if (IsRunning())
            StopSimulation();
        return;
    }
    if (step <= 0) {
        step = 1;
    } else {
        // In an animation the paths already travelled stay highlighted.
        if (!animated && !KeepsPassedPathsHighlighted())
            PaintSimulatedPath(step, -1);
        step += 1;
    }
    if (AnimationRunning())
        BeginPathAnimation();
    else
        PaintSimulatedPath(step, 1);
    StepChanged();
}

void Simulation::PreviousStep()
{
    if (step < 2)
        return;
    PaintSimulatedPath(step, -1);
    step -= 1;
    PaintSimulatedPath(step, 1);
    StepChanged();
}

void Simulation::StartSimulation(bool animatedRun)
{
    if (!paused) {
        StopSimulation();
        if (animatedRun)
            animated = true;
        runCounter = 1;
        NextStep();
    }
    paused = false;
}

void Simulation::StopSimulation()
{
    runCounter = 0;
    if (step > 0 && step <= SimulatedDrawing().pathCount)
        PaintSimulatedPath(step, -1);
    step = 0;
    paused = false;
    if (animated) {
        animTotal = 0;
        animProgress = 0;
        RepaintSimulation();
    }
    animated = false;
    StepChanged();
}

void Simulation::SimulationTick()
{
    if (animated) {
        if (IsRunning() && !paused)
            AnimationTick();
        return;
    }
    // The count is compared before the pause is looked at: a pause requested at the last tick of a step lets that
    // step happen.
    if (runCounter == TicksPerStep) {
        NextStep();
        if (IsRunning())
            runCounter = 1;
    } else if (runCounter > 0 && !paused) {
        runCounter += 1;
    }
}

void Simulation::BeginPathAnimation()
{
    const double halfMillimetres = SimulatedDrawing().PathLength(step) * 2;
    // A path too long for the counter (or of no finite length) is drawn in as many ticks as the largest count allows.
    animTotal = !(halfMillimetres < INT_MAX) ? INT_MAX : static_cast<int>(std::max(halfMillimetres, 0.0));
    animTotal = std::max(animTotal, minAnimationTotal);
    animProgress = 0;
}

void Simulation::AnimationTick()
{
    if (animProgress >= animTotal) {
        NextStep();
        return;
    }
    const long long next = static_cast<long long>(animProgress) + AnimationIncrement(AnimationSpeedPosition());
    animProgress = static_cast<int>(std::min<long long>(next, animTotal));
    PaintSimulatedPathPart(step, animProgress, animTotal);
}
