// Importdxf: the one entry point through which the program imports a DXF file into a drawing, and the warnings
// of the last import.
#pragma once

#include <functional>
#include <string>

#include "model/drw.h"

// Registers a callback for the next ImportDxf only; it is called after each converted item with the number of
// items converted so far.
void SetImportProgress(std::function<void(int)> callback);

// Clears drawing and fills it from the DXF file (a file that cannot be opened shows FRW001 and leaves the drawing
// empty). While the import runs, ErrorLog and EventLog are fresh logs ("ERR", "EV"); afterwards the logs that were
// in place before are back, with the import's lines appended to them.
void ImportDxf(const std::string& fileName, Drw& drawing);

// The Warn* flags (importdxfclass.h) of the last ImportDxf; 0 before the first.
int GetImportWarnings();
