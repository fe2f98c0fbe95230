// The command line of quorvia-cli: a command, its files and options, checked against what each command takes.
#pragma once

#include <string>

#include <QStringList>

#include "cli_load.h"
#include "dxf/importdxf.h"

enum class CliCommand { Info, Dump, Convert, Bitmap, Simplify, Join, Optimise, Continuous, Export };

struct CliRequest {
    CliCommand command = CliCommand::Info;
    std::string input;
    DrawingFormat inputFormat = DrawingFormat::Dis;
    std::string output;           // empty for info and dump
    bool hasTolerance = false;    // --tolerance given (join needs it, optimise and continuous may take it)
    double tolerance = 0.0;       // mm, at least Epsilon
    bool json = false;            // --json given (info and dump need it, optimise and continuous may take it)
    bool keepDirections = false;  // --keep-directions given (optimise only)
    bool a3Page = false;          // export: the PDF on an A3 page (--page A3) rather than A4
    double bridge = 0.0;          // mm, --bridge (continuous only): parts this near are joined; 0 for none
    double curveTolerance = CurveTolerance;  // --spline-tolerance: mm, for a DXF input
};

enum class ParseOutcome { Run, Help, UsageError };

// Reads the arguments (the program name first). Run: request is filled. Help: message holds the help text, or
// the version text for --version.
// UsageError: message says what is wrong.
ParseOutcome ParseArguments(const QStringList& arguments, CliRequest& request, std::string& message);
