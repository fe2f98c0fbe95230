// The commands of quorvia-cli, each reading its input drawing and printing or writing its result.
#pragma once

#include "cli_args.h"

// Exit statuses of the tool.
constexpr int ExitOk = 0;
constexpr int ExitFileError = 1;  // a file could not be read or written
constexpr int ExitUsage = 2;      // the command line does not fit any command

// Runs the request's command; returns the exit status.
int RunCommand(const CliRequest& request);
