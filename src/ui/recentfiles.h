// The recent files: the last DXF and drawing files opened, imported or saved, newest first, each once, kept in
// data/recent.dat of the program folder (one path a line) so that the list survives a restart.
#pragma once

#include <string>
#include <vector>

constexpr int MaxRecentFiles = 8;

// The listed files, newest first; empty when the list file is missing.
std::vector<std::string> RecentFiles();
// Puts path at the head of the list (an earlier entry of the same file goes), keeping the newest MaxRecentFiles.
// Recovery copies and names holding a line break are not listed; a relative path is stored made absolute. A list that
// cannot be stored is written to ErrorLog; the files are not touched.
void AddRecentFile(const std::string& path);
// Takes path off the list.
void RemoveRecentFile(const std::string& path);
