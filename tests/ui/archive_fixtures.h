// Drawing files for the archive dialogs' tests: small drawings of a known size, and files that cannot be read.
#pragma once

#include <QImage>

#include <filesystem>
#include <string>

#include "common/temp_prog_dir.h"
#include "model/drw.h"
#include "ui/qtcolor.h"

namespace archive_fixtures {

// A drawing of one closed rectangular path from (0, 0) to (width, height).
inline Drw Rectangle(double width, double height)
{
    Drw drawing;
    drawing.AddLine(0, 0, width, 0, "0", 1, false, true);
    drawing.AddLine(width, 0, width, height, "0", 1, true, true);
    drawing.AddLine(width, height, 0, height, "0", 1, true, true);
    drawing.AddLine(0, height, 0, 0, "0", 1, true, false);
    drawing.pathCount = 1;
    return drawing;
}

// Saves a rectangle of the given size as relative (folders created) under the program folder; returns its path.
inline std::string WriteDrawing(const TempProgDir& dir, const std::string& relative, double width = 10,
                                double height = 5)
{
    const std::string path = dir.File(relative);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    Drw drawing = Rectangle(width, height);
    drawing.Save(path);
    return path;
}

// A drawing file that ends inside its first record.
inline std::string WriteDamagedDrawing(const TempProgDir& dir, const std::string& relative)
{
    WriteDrawing(dir, relative);
    const std::string whole = dir.ReadFile(relative);
    return dir.WriteFile(relative, whole.substr(0, whole.size() / 2));
}

// A drawing file read to its end whose path count (-5) contradicts its entities, which loading refuses whole.
inline std::string WriteRefusedDrawing(const TempProgDir& dir, const std::string& relative)
{
    const std::string path = dir.File(relative);
    Drw drawing = Rectangle(10, 5);
    drawing.pathCount = -5;
    drawing.Save(path);
    return path;
}

// Pixels of image in the colour 0x00BBGGRR.
inline int CountPixels(const QImage& image, uint32_t color)
{
    const QRgb wanted = ToQRgb(color);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == wanted ? 1 : 0;
    return n;
}

}  // namespace archive_fixtures
