// The remote-assistance program chosen by the operator: its one-line setting file "assist.dat" in the data
// folder, the folder where the shipped assistance programs are offered, and the check that a program is there.
#pragma once

#include <string>

// The setting file's name in the data folder.
inline constexpr const char* AssistSettingName = "assist.dat";

// ProgDir + "/utl/service": where the choice of an assistance program starts.
std::string AssistProgramFolder();

// Sets program to the first line of "assist.dat" and returns true. A missing file is no choice yet: false,
// program untouched, no message. A file that cannot be read gives the file messages and false, program untouched.
bool ReadAssistProgram(std::string& program);

// Replaces "assist.dat" by the single line program. Returns false, keeping the previous setting, when it cannot
// be written (after the file messages) or when program holds a line end (written to ErrorLog).
bool WriteAssistProgram(const std::string& program);

// Whether program names an existing file (a folder, an empty name or an unreadable path count as missing).
bool AssistProgramExists(const std::string& program);
