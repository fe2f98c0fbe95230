// The drawing archive as the chooser and the browser show it: the folder with its trailing '/', the drawing
// names found in it and its subfolders, and the file path of a listed name.
#pragma once

#include <string>
#include <vector>

// The archive folder of "disdir.dat" (ReadArchiveFolder), with a trailing '/' added when the stored value lacks
// one, so that the folder's name is never taken as the start of a file name.
std::string ShownArchiveFolder();

// The drawings (".dis" files) of folder (with trailing '/') and of all its subfolders, at most MaxListedNames:
// first those of the folder, then those of each subfolder as "sub/name", each without its ".dis".
std::vector<std::string> ListArchiveDrawings(const std::string& folder);

// The file of a listed drawing: folder + name + ".dis".
std::string ArchiveDrawingPath(const std::string& folder, const std::string& name);

// Splits a chosen path at its last '/' into the folder (with the '/') and the name after it (empty for a path
// ending in '/').
void SplitChosenFolder(const std::string& chosen, std::string& folder, std::string& name);
