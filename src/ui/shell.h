// ShellOpen: hands a file to the desktop to be opened with the application registered for it, or started when it
// is itself a program; behind a replaceable handler so that tests never launch anything.
#pragma once

#include <functional>
#include <string>

// Opens file (UTF-8 path) with directory as the working folder when one is given; returns whether the desktop
// took it over.
using ShellOpenHandler = std::function<bool(const std::string& file, const std::string& directory)>;

// Installs handler and returns the one it replaces (empty when the default was active). An empty handler restores
// the default: an executable file is started as a detached process, any other file goes to QDesktopServices.
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

// Opens file through the installed handler. Nothing is shown when the file is missing or cannot be opened; the
// failure is written to ErrorLog.
bool ShellOpen(const std::string& file, const std::string& directory = "");
