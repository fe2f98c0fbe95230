// The direction arrow drawn at the end of a path: an open "V" whose tip is the entity's end point.
#pragma once

#include "model/drw.h"

// The two wing points (mm) of the arrow of size size (mm) at the end of the entity: the point at distance size
// back from the end along the entity, moved sideways by size (a line) or radially by size (an arc). False when
// that point or its angle about the arc's centre cannot be computed; then no arrow is drawn.
bool ArrowWings(const Entity& entity, double size, double& w1x, double& w1y, double& w2x, double& w2y);

// The arrow size (mm) for a requested window: a 150th of its width plus height, so that it keeps about the same
// size on screen at any zoom.
double ArrowSize(double extMinX, double extMinY, double extMaxX, double extMaxY);
