// Importdxf: the one entry point through which the program imports a DXF file into a drawing, and the warnings
// of the last import.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "model/drw.h"

// How far (mm) the arcs that replace a curve (SPLINE, ELLIPSE) may lie from it unless the caller says otherwise,
// and the least tolerance taken.
constexpr double CurveTolerance = 0.01;
constexpr double MinCurveTolerance = 1e-4;

// Registers a callback for the next ImportDxf only; it is called after each converted item with the number of
// items converted so far.
void SetImportProgress(std::function<void(int)> callback);

// Clears drawing and fills it from the DXF file (a file that cannot be opened shows FRW001 and leaves the drawing
// empty), curves replaced by arcs within curveTolerance (mm; at least MinCurveTolerance of importdxfclass.h). While
// the import runs, ErrorLog and EventLog are fresh logs ("ERR", "EV"); afterwards the logs that were in place before
// are back, with the import's lines appended to them. When the import passed entities over, one line of EventLog
// says how many of each kind.
void ImportDxf(const std::string& fileName, Drw& drawing, double curveTolerance = CurveTolerance);

// The Warn* flags (importdxfclass.h) of the last ImportDxf; 0 before the first.
int GetImportWarnings();

// The entities the last ImportDxf passed over, per DXF kind; empty before the first.
const std::map<std::string, int>& GetImportSkipped();
