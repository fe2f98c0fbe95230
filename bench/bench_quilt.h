// Generated quilting designs for the continuous paths benchmark: grids of cells with a motif inside the cells.
#pragma once

#include "model/drw.h"

// A grid of cells x cells squares of 20 mm: a closed border path of four lines and the inner grid lines each a path
// of one line from border to border, as quilting designs come; in the cells, by turns, a circle of radius 5 mm (one
// full-circle arc), a diamond of four lines 12 mm across (one closed path) and nothing. diamond: the whole design
// turned by 45 degrees.
Drw QuiltGrid(int cells, bool diamond);

// A grid of cells x cells squares of 20 mm drawn cell side by cell side (every side its own one-line path), each
// cell but every fortieth holding a circle of two half-circle arcs; 39 700 entities for 100 cells.
Drw QuiltSides(int cells);
