// The command-line conventions of the executables: the arguments as Qt strings, --help and --version of the
// application quorvia with the files it opens, and the version text both executables print.
#pragma once

#include <QStringList>

#include <optional>
#include <string>

// argv as text in the local encoding, the program first.
QStringList ArgumentList(int argc, char** argv);

// "<program> <version of the project>\n".
std::string VersionText(const char* program);

enum class LaunchOutcome { Run, Help, Version, UsageError };

struct LaunchRequest {
    LaunchOutcome outcome = LaunchOutcome::Run;
    QStringList files;  // Run: the files named, in order
    QString message;    // UsageError: what is wrong
};

// Reads the application's arguments (the program first): -h/--help, -v/--version, then the files to open ("--"
// ends the options, so that a file name may start with '-'). An unknown option is a usage error.
LaunchRequest ParseLaunchArguments(const QStringList& arguments);

// The help of the application in the language of the active message file, or the built-in Italian texts when
// there is none yet: usage, what the program does, the options.
std::string LaunchHelpText();

// Answers a request that ends the program: prints the help (from the program folder's catalogue, without filling
// the user's folder) or the version to stdout with status 0, a usage error with a hint to stderr with status 2.
// Nothing and no status for Run.
std::optional<int> AnswerLaunchRequest(const LaunchRequest& request);
