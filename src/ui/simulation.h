// Simulation: the machining simulation, without any widget. It visits the paths in the order of their numbers, by
// hand or on the timer's ticks, either highlighting one path at a time or drawing each path progressively at the
// speed of the animation track bar. The drawing window and the path optimisation dialog's sequence display build
// on it; each supplies the drawing and the painting, and says how it differs (KeepsPassedPathsHighlighted,
// minAnimationTotal, StepChanged).
#pragma once

class Drw;

class Simulation {
public:
    // Range and start position of the animation speed track bar: position 1 is the fastest.
    static constexpr int SpeedMin = 1, SpeedMax = 200;
    static constexpr int SpeedStart = SpeedMin + (SpeedMax - SpeedMin) * 3 / 4;  // 150

    virtual ~Simulation() = default;

    // Half-millimetres drawn per animation tick at a track bar position (clamped to the range): 201 - position.
    static int AnimationIncrement(int speedPosition);

    // ---- Commands ----
    // Moves to the next path (from none to path 1), repainting the path left and the new one; at the last path a
    // running simulation stops and an idle one stays as it is. In a running animation the new path is not painted
    // now: the ticks draw it.
    void NextStep();
    // Moves back one path; nothing at path 1 or before.
    void PreviousStep();
    // Starts from path 1, stepping automatically (animatedRun false) or animating; while paused it only resumes.
    void StartSimulation(bool animatedRun);
    void PauseSimulation() { paused = true; }
    // Ends any simulation: the current path is painted normally and the step returns to 0; an animation repaints
    // the whole picture.
    void StopSimulation();
    // The simulation's share of one timer tick.
    void SimulationTick();

    // ---- State ----
    bool IsRunning() const { return runCounter != 0; }
    // Whether an animated simulation runs (the speed track bar is shown exactly then).
    bool AnimationRunning() const { return animated && IsRunning(); }

    // ---- Which commands apply now ----
    // Stepping by hand and the stepping start: idle, or a paused stepping simulation.
    bool StepRule() const { return !IsRunning() || (paused && !animated); }
    // The animated start: idle, or a paused animation.
    bool AnimatedStartRule() const { return !IsRunning() || (paused && animated); }
    bool PauseRule() const { return IsRunning() && !paused; }
    bool StopRule() const { return IsRunning() || step > 0; }

    static constexpr int TicksPerStep = 4;  // ticks between two automatic steps

    int step = 0;        // number of the current path; 0 = none
    int runCounter = 0;  // 0 = not running; in the stepping mode the tick count 1..TicksPerStep
    bool paused = false;
    bool animated = false;  // the running simulation is the animated one
    int animTotal = 0;      // length of the current path in half-millimetres, truncated, at least 1 while animating
    int animProgress = 0;   // how much of animTotal has been drawn

protected:
    // The least animTotal: 1 draws a path of no length (its arrow) on one tick before moving on; 0 passes over it
    // at the next tick.
    int minAnimationTotal = 1;

    // The drawing simulated; the simulation never changes it.
    virtual const Drw& SimulatedDrawing() const = 0;
    // Paints one path over the picture: highlighted (colorIndex 1) or with the normal pens (-1).
    virtual void PaintSimulatedPath(int path, int colorIndex) = 0;
    // Paints the first part / whole of the path's length highlighted (the arrow only when complete).
    virtual void PaintSimulatedPathPart(int path, int part, int whole) = 0;
    // Repaints the whole picture.
    virtual void RepaintSimulation() = 0;
    // The position of the animation speed track bar.
    virtual int AnimationSpeedPosition() const = 0;
    // Whether the path left by a step forward stays highlighted (outside an animation, where it always does).
    virtual bool KeepsPassedPathsHighlighted() const { return false; }
    // After a command changed, or may have changed, the step.
    virtual void StepChanged() {}

private:
    // Prepares the animation of the current path: its length in half-millimetres, nothing drawn yet.
    void BeginPathAnimation();
    void AnimationTick();
};
