// The bitmap export of a drawing: an 800 x 600 picture of the whole drawing written as a BMP file.
#pragma once

#include <string>

class Drw;

constexpr int ExportBitmapWidth = 800;
constexpr int ExportBitmapHeight = 600;

// Paints every entity of the drawing, its bounding box fitted into the picture with margins 6, on black without
// grid or axes, and writes it to fileName. False (after BMP001) when the file could not be written.
bool ExportDrawingBitmap(const Drw& drawing, const std::string& fileName);
