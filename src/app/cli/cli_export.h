// The export command of quorvia-cli: the drawing as PNG, SVG, PDF or the bitmap, by the output's extension.
#pragma once

#include <string>

#include <QCommandLineParser>

#include "cli_args.h"
#include "model/drw.h"

// The output extensions the export command takes.
constexpr const char* ExportExtensions = ".png .svg .pdf .bmp";

// --page A4 or A3 (any letter case), taken by export only; false with message otherwise.
bool ReadExportPage(const QCommandLineParser& parser, CliRequest& request, std::string& message);

// Writes the drawing to the request's output, headless; returns the exit status.
int ExportCommand(const Drw& drawing, const CliRequest& request);
