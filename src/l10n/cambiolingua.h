// The file side of the language change: the one-byte language setting and the switch of the active help file.
// The dialog that offers the choice lives with the windows.
#pragma once

#include <string>

// The language setting file, ProgDir + "/data/language.dat".
std::string LanguageSettingPath();

// The active help file that the help command opens, ProgDir + "/help/help.pdf".
std::string ActiveHelpFilePath();

// The help file of a language, ProgDir + "/help/<code>/help_<code>.pdf"; empty for an unknown code.
std::string LanguageHelpFilePath(int code);

// The language code stored in the setting file: the value of its first byte when that is a digit. A file that
// cannot be opened, is empty or starts with anything else gives 0 (Italian); the fault is written to ErrorLog.
int ReadLanguageSetting();

// Replaces the setting file by one byte, the first character of the code's decimal text. Returns false, after
// writing to ErrorLog, when the file cannot be written.
bool WriteLanguageSetting(int code);

// Copies the language's help file over the active help file. When that fails (missing file, unknown code) it
// shows "CL001: ..." with the system's non-zero error code, leaves the active help file as it was and returns false.
bool CopyHelpFile(int code);
