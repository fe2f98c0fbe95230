// The drawing archive folder setting, kept in the one-line data file "disdir.dat" beside the drawing file format
// (Drw::Save and Drw::Load are declared in drw.h).
#pragma once

#include <string>

// The stored archive folder as stored (with or without a trailing '/'); when "disdir.dat" is missing or its line
// is empty, the "draw" folder of the program folder with a trailing '/'.
std::string ReadArchiveFolder();
// Stores folder as the single line of "disdir.dat"; false when the file could not be created.
bool WriteArchiveFolder(const std::string& folder);
