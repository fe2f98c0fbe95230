// DrawingHistory: the undo history of one drawing window, without any widget. It keeps the states the drawing went
// through, packed (model/drw_pack.h), and between each two the named step that led from one to the next; undo and
// redo put a state back into the window's drawing. It also knows which state the drawing's file holds and which
// was last saved as a drawing file, so that the drawing's modified flag and the need for a recovery copy follow it.
// The history is bounded: beyond a number of steps or of bytes the oldest steps are dropped first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

class Drw;

// What undoing or redoing a step does to the view, as the command itself did: fit the drawing, or keep the view.
enum class StepView { Fit, Keep };

struct HistoryStep {
    std::string name;  // the command's name, as the undo and redo entries show it
    StepView view = StepView::Fit;
};

class DrawingHistory {
public:
    static constexpr int DefaultMaxSteps = 100;
    static constexpr std::size_t DefaultMaxBytes = std::size_t{256} << 20;

    explicit DrawingHistory(int maxSteps = DefaultMaxSteps, std::size_t maxBytes = DefaultMaxBytes);

    // Starts afresh on drawing, just loaded or imported: no step, and the drawing is what its file holds. It counts
    // as saved when that file is a drawing file (savedAsDrawing). Sets drawing.modified accordingly.
    void Reset(Drw& drawing, bool savedAsDrawing);
    // After a command: when drawing differs from the current state, it becomes the state after a new step named
    // name; the steps that could have been redone are dropped, then the oldest steps while a bound is exceeded.
    // Returns whether a step was added; a command that changed nothing adds none. drawing.modified follows.
    bool Record(const std::string& name, StepView view, Drw& drawing);
    // The last step's result becomes drawing (the next segment of a polyline joins the step of its first one).
    // False, and nothing changes, when there is no step or a step could be redone.
    bool Extend(Drw& drawing);

    bool CanUndo() const { return current > 0; }
    bool CanRedo() const { return current + 1 < static_cast<int>(states.size()); }
    // The step that undo would take back / redo would do again; nullptr when there is none.
    const HistoryStep* UndoStep() const;
    const HistoryStep* RedoStep() const;
    // Puts the state before the last step (after the next step) into drawing and returns that step; nullptr, and
    // the drawing untouched, when there is none. drawing.modified follows.
    const HistoryStep* Undo(Drw& drawing);
    const HistoryStep* Redo(Drw& drawing);

    // The drawing was saved as a drawing file: the current state is the one saved, and the one its file holds.
    void MarkSaved(Drw& drawing);
    // The drawing was read again from its file: the current state is the one the file holds, and the one saved
    // when the file is a drawing file.
    void MarkReread(Drw& drawing, bool drawingFile);
    // Whether the drawing is what its file holds (the state loaded, imported, read again or saved last).
    bool AtFileState() const { return current == fileState; }
    // Identifies the current state for the life of the history: it changes with every undo, redo, step or extension.
    uint64_t StateId() const;

    int StepCount() const { return static_cast<int>(steps.size()); }
    // The bytes the states and step names take.
    std::size_t Bytes() const { return bytes; }

private:
    struct State {
        std::string packed;
        uint64_t id = 0;
    };
    // Stores a packed state (after the current one, which it follows) and counts its bytes.
    void PushState(std::string packed);
    // Drops the states after the current one and the steps leading to them.
    void DropRedo();
    // Drops the oldest steps while a bound is exceeded; the current state always stays.
    void Trim();
    // Puts state index into drawing; drawing.modified follows.
    void Restore(int index, Drw& drawing);
    void FollowModified(Drw& drawing) const;
    static std::size_t StepBytes(const HistoryStep& step) { return sizeof step + step.name.capacity(); }
    static std::size_t StateBytes(const State& state) { return sizeof state + state.packed.capacity(); }

    int maxSteps;
    std::size_t maxBytes;
    std::deque<State> states;       // states[i + 1] follows states[i] by steps[i]
    std::deque<HistoryStep> steps;  // one fewer than states
    int current = -1;               // index of the drawing's state
    int savedState = -1;            // index of the state last saved as a drawing file; -1: none held
    int fileState = -1;             // index of the state the file holds; -1: none held
    uint64_t nextId = 1;
    std::size_t bytes = 0;
};
