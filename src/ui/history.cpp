// The undo history: packed states of the drawing, the steps between them, the bounds, and the states of the file.
#include "ui/history.h"

#include <utility>

#include "model/drw.h"
#include "model/drw_pack.h"

DrawingHistory::DrawingHistory(int maxStepCount, std::size_t maxByteCount)
    : maxSteps(maxStepCount), maxBytes(maxByteCount)
{
}

void DrawingHistory::Reset(Drw& drawing, bool savedAsDrawing)
{
    states.clear();
    steps.clear();
    bytes = 0;
    current = -1;
    PushState(PackDrawing(drawing));
    fileState = 0;
    savedState = savedAsDrawing ? 0 : -1;
    FollowModified(drawing);
}

bool DrawingHistory::Record(const std::string& name, StepView view, Drw& drawing)
{
    std::string packed = PackDrawing(drawing);
    const bool added = !states.empty() && packed != states[current].packed;
    if (added) {
        DropRedo();
        steps.push_back({name, view});
        bytes += StepBytes(steps.back());
        PushState(std::move(packed));
        Trim();
    } else if (states.empty()) {
        PushState(std::move(packed));
    }
    FollowModified(drawing);
    return added;
}

bool DrawingHistory::Extend(Drw& drawing)
{
    if (!CanUndo() || CanRedo())
        return false;
    State& state = states[current];
    bytes -= StateBytes(state);
    state.packed = PackDrawing(drawing);
    state.packed.shrink_to_fit();
    state.id = nextId++;
    bytes += StateBytes(state);
    // The extended state is no longer the one a file holds.
    if (savedState == current)
        savedState = -1;
    if (fileState == current)
        fileState = -1;
    Trim();
    FollowModified(drawing);
    return true;
}

const HistoryStep* DrawingHistory::UndoStep() const
{
    return CanUndo() ? &steps[current - 1] : nullptr;
}

const HistoryStep* DrawingHistory::RedoStep() const
{
    return CanRedo() ? &steps[current] : nullptr;
}

const HistoryStep* DrawingHistory::Undo(Drw& drawing)
{
    if (!CanUndo())
        return nullptr;
    Restore(current - 1, drawing);
    return &steps[current];
}

const HistoryStep* DrawingHistory::Redo(Drw& drawing)
{
    if (!CanRedo())
        return nullptr;
    Restore(current + 1, drawing);
    return &steps[current - 1];
}

void DrawingHistory::MarkSaved(Drw& drawing)
{
    MarkReread(drawing, true);
}

void DrawingHistory::MarkReread(Drw& drawing, bool drawingFile)
{
    fileState = current;
    if (drawingFile)
        savedState = current;
    FollowModified(drawing);
}

uint64_t DrawingHistory::StateId() const
{
    return current >= 0 ? states[current].id : 0;
}

void DrawingHistory::PushState(std::string packed)
{
    packed.shrink_to_fit();
    states.push_back({std::move(packed), nextId++});
    bytes += StateBytes(states.back());
    current = static_cast<int>(states.size()) - 1;
}

void DrawingHistory::DropRedo()
{
    while (CanRedo()) {
        bytes -= StateBytes(states.back()) + StepBytes(steps.back());
        states.pop_back();
        steps.pop_back();
    }
    if (savedState > current)
        savedState = -1;
    if (fileState > current)
        fileState = -1;
}

void DrawingHistory::Trim()
{
    while (current > 0 && (StepCount() > maxSteps || bytes > maxBytes)) {
        bytes -= StateBytes(states.front()) + StepBytes(steps.front());
        states.pop_front();
        steps.pop_front();
        --current;
        savedState = savedState > 0 ? savedState - 1 : -1;
        fileState = fileState > 0 ? fileState - 1 : -1;
    }
}

void DrawingHistory::Restore(int index, Drw& drawing)
{
    // The packed states are this history's own, so they always unpack.
    UnpackDrawing(states[index].packed, drawing);
    current = index;
    FollowModified(drawing);
}

void DrawingHistory::FollowModified(Drw& drawing) const
{
    drawing.modified = current != savedState;
}
