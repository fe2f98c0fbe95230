// Whether two file paths name the same file, as the drawing windows and the archive commands compare them.
#pragma once

#include <string>

// Two paths name the same file when they are equal once made absolute and normalised (symbolic links of the
// existing part resolved); when either cannot be normalised, when they are equal as written. Letter case counts:
// Linux file names are case-sensitive.
bool SamePath(const std::string& a, const std::string& b);
