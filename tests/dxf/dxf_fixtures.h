// Test helpers for the DXF import: the fixture files of tests/data/dxf, importing one into a fresh drawing, and a
// check of the drawing invariants the import must establish.
#pragma once

#include <string>

#include "model/drw.h"

// The path of a fixture file of tests/data/dxf.
std::string DxfFixture(const std::string& name);

struct ImportResult {
    bool imported = false;  // Import's result
    int warnings = 0;
    Drw drawing;
};

// Runs one ImportDxfClass over the fixture into a new drawing.
ImportResult ImportFixture(const std::string& name);

// Paths numbered 1..pathCount in storage order, each a chain: joined flags as the path's position says, each
// entity starting where the one before it ends, every arc's ends at the same distance from its centre.
void ExpectWellFormed(const Drw& drawing);

// The number of entities of path (1-based).
int EntitiesOfPath(const Drw& drawing, int path);

// The point at parameter fraction along the entity (0 start, 1 end; arcs along their direction).
void PointAlong(const Entity& e, double fraction, double& x, double& y);
