// One-line data files in the program's data folder (ProgDir/data/name), for settings that fit on one line.
#pragma once

#include <string>

// Replaces the data file name with the single line line (ended by CR LF). Returns false when the file could not be
// created (FRW001 shown) or the line could not be written (FRW003 shown), the previous file then kept as it was.
bool WriteDataFile(const std::string& name, const std::string& line);

// Sets line to the first line of the data file name, line end removed. A missing file is an absent setting:
// false, empty line, no message. Otherwise returns the result of the read (FileReadWrite shows its errors).
bool ReadDataFile(const std::string& name, std::string& line);
