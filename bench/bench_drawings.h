// Generated drawings for the benchmarks, each made of about the requested number of entities with a fixed seed,
// so that every run measures the same work.
#pragma once

#include "model/drw.h"

// Paths of 2..40 entities: walks of lines and arcs of all sizes (0.5 to 300 mm) over a 2000 x 2000 mm sheet.
Drw ChainDrawing(int entities, unsigned seed);

// The chains of ChainDrawing cut into single-entity paths in shuffled order, half of them reversed; a quarter of
// the joints get a gap: most of them below tolerance (mm), some above it.
Drw ShuffledSingles(int entities, double tolerance, unsigned seed);

// Single-entity paths: lines and arcs of all sizes scattered over a 1000 x 1000 mm sheet.
Drw RandomSegments(int entities, unsigned seed);

// Paths in which half of the entities can be simplified away: lines cut into collinear pieces, tiny segments
// after a line, arcs cut into pieces of one circle, and now and then a zero-length entity.
Drw SimplifiableDrawing(int entities, unsigned seed);

// The chains of ChainDrawing cut at about a third of their joints, each piece's start moved away from the end of the
// piece before it by 1.5 to 3 times tolerance (mm), the pieces in shuffled order and half of them reversed.
Drw ChainPieces(int entities, double tolerance, unsigned seed);

// side x side closed squares of 20 mm, 30 mm apart, each starting at its lower left corner, in shuffled order.
Drw SquareGrid(int side, unsigned seed);
