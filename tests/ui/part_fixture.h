// A small drawing file for the window tests of undo, recovery and recent files.
#pragma once

#include <filesystem>
#include <string>

#include "common/temp_prog_dir.h"
#include "model/drawing_builders.h"

// Writes draw/part.dis in the program folder and returns its path: three paths, a line in two collinear pieces
// (0, 0)-(50, 0)-(100, 0) and the lines (0, 50)-(100, 50) and (0, 100)-(100, 100).
inline std::string WritePartFile(const TempProgDir& progDir)
{
    Drw drawing;
    AddChainPath(drawing, {{0, 0}, {50, 0}, {100, 0}});
    AddChainPath(drawing, {{0, 50}, {100, 50}});
    AddChainPath(drawing, {{0, 100}, {100, 100}});
    std::filesystem::create_directories(progDir.File("draw"));
    const std::string path = progDir.File("draw/part.dis");
    drawing.Save(path);
    return path;
}
