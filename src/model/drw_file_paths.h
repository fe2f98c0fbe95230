// The paths of a drawing read from a file, before Drw::Load takes them: whether a completely read file holds
// consistent paths, the consistent start of a file that ended early, and path numbers closed up to 1..n.
#pragma once

#include "model/drw.h"

// The file's paths as the invariants say: a path count from 0 up, every entity's path number within 1..pathCount
// and never decreasing, every path a chain of join flags.
bool ConsistentPaths(const Drw& read);

// Keeps the entities up to the first one that breaks a path's number order or chain (a number below 1, a lower
// number than before, join flags that do not fit its place); the last one kept ends its path. Returns how many
// entities were dropped.
int KeepConsistentStart(Drw& read);

// Numbers the paths 1..n in storage order, dropping the numbers without entities, and sets pathCount to n.
// Returns whether a number or the count changed.
bool NumberPathsInOrder(Drw& read);
