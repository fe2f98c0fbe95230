// The program folder, from which the program builds the paths of its own files (data/, draw/, msg/, help/): the
// folder of the running executable, unless the executable has set another one (the user's data folder of an
// installed program) with SetProgDir.
#pragma once

#include <string>

// The program folder without a trailing '/' (for /opt/quorvia/bin/quorvia it holds /opt/quorvia/bin).
extern std::string ProgDir;

// Fills ProgDir from the executable's path (/proc/self/exe), cut at its last '/'. Shows "PD001: ..." when the
// path cannot be obtained and "PD002: ..." when it holds no '/'; ProgDir is then left as it was. Returns true on
// success. While a folder set with SetProgDir is in force, FindProgDir keeps that folder and returns true.
bool FindProgDir();

// Sets ProgDir from an executable's full path: the text before its last '/'. Shows PD002 and returns false
// (ProgDir unchanged) when the path holds no '/'. FindProgDir uses it; tests call it directly.
bool ProgDirFromExecutable(const std::string& exePath);

// Points ProgDir at folder (given without trailing '/') and keeps it there over later FindProgDir calls, so that
// the executables can choose the folder and tests can run the program's file logic in a folder of their own. An
// empty folder lifts this: ProgDir becomes empty and the next FindProgDir looks at the executable again.
void SetProgDir(const std::string& folder);

// ProgDir + "/data/" + name: the path of one of the program's data files.
std::string DataFilePath(const std::string& name);
