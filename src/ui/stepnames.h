// The names of the undo steps: the catalogue entries of the commands that change a drawing, and the name a step
// shows in the undo and redo entries ("Annulla Specchia in X").
#pragma once

#include <string>

enum StepNameMsg : int {
    StepOptimisePaths = 4,  // "Ottimizza percorsi..."
    StepCopyEntities = 14,
    StepDeleteEntities = 18,
    StepMoveEntities = 20,
    StepMirrorX = 26,
    StepMirrorY = 28,
    StepRestore = 30,
    StepRotateCW = 32,
    StepRotateCCW = 34,
    StepResizeDrawing = 216,  // "Ridimensiona il disegno"
    StepResizeEntities = 264,
    StepLine = 290,
    StepArc = 294,
    StepRectangle = 299,
    StepCircle = 301,
    StepSimplify = 303,
    StepPolyline = 309,
    StepPolyarc = 310,
};

// The catalogue text of entry msg as a step name: without the menu's '&' and trailing "...".
std::string StepNameText(int msg);
