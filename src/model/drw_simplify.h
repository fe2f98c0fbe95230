// Drawing simplification: the tolerances that the per-path step sets, and the steps themselves on the entities of
// one path held apart from the drawing (a chain in path order: joined neighbours that meet, the first entity
// without joinedPrev, the last without joinedNext). The Drw members of drw_simplify.cpp run them on a drawing.
#pragma once

#include <vector>

#include "model/drw.h"

constexpr double SimplifyMinLength = 0.1;       // mm: shorter entities are removed inside a path
constexpr double SimplifyMaxArcRadius = 1e11;   // mm: arcs with a larger radius become lines
constexpr double SimplifyLineAngle = 0.02;      // rad: largest change of direction between merged lines
constexpr double SimplifyLineDeviation = 0.25;  // mm: largest distance of the joint from the merged line
constexpr double SimplifyArcAngle = 0.02;       // rad: largest change of tangent between merged arcs
constexpr double SimplifyArcDeviation = 0.25;   // mm: largest distance of the checked points from the merged arc

// Removes the entities shorter than minLength (by more than Epsilon) from a chain of two or more entities. A
// removed first entity hands its start to the next entity, any other its end to the previous one (an arc there
// is re-centred on the bisector of its new chord when possible); the chain's start and end do not move. The
// entity that follows a removed one is not examined. Returns whether any entity was removed.
bool RemoveShortChainEntities(std::vector<Entity>& chain, double minLength);

// Turns every arc whose radius exceeds maxArcRadius (by more than Epsilon) into a line between the same end
// points. Returns whether any arc was turned.
bool FlattenChainArcs(std::vector<Entity>& chain, double maxArcRadius);

// Merges joined pairs of lines whose directions differ by at most angle (rad) and whose joint lies at most
// deviation (mm) from the merged line, in passes until a pass merges nothing. Returns whether any pair merged.
bool MergeChainLines(std::vector<Entity>& chain, double angle, double deviation);

// Merges joined pairs of arcs of one direction whose tangents at the joint differ by at most angle (rad), that
// would not close a circle, and whose midpoints and joint lie at most deviation (mm) from the merged arc, in
// passes until a pass merges nothing. Returns whether any pair merged.
bool MergeChainArcs(std::vector<Entity>& chain, double angle, double deviation);
