// Replacing one file by a copy of another, as the language switch does with message and help files.
#pragma once

#include <string>

// Copies source over target, replacing an existing target. The copy is written beside the target first and
// then renamed over it, so a failed copy leaves the target as it was. Returns 0 on success, otherwise the
// system's (non-zero) error code.
int CopyFileReplacing(const std::string& source, const std::string& target);
