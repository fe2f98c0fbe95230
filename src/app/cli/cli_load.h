// Reading the tool's input: a DXF file through the import, or a drawing file (.dis), chosen by the extension.
#pragma once

#include <map>
#include <string>

#include "model/drw.h"

enum class DrawingFormat { Dxf, Dis };

// Whether the file name ends in extension (".dxf"), in any letter case, after at least one other character.
bool HasExtension(const std::string& path, const char* extension);
// Whether it ends in one of the extensions, given separated by blanks (".png .svg").
bool HasOneOfExtensions(const std::string& path, const char* extensions);

// The format named by the file's extension, ".dxf" or ".dis" in any letter case; false for any other name.
bool FormatFromFileName(const std::string& path, DrawingFormat& format);

// The name of the format as the reports spell it: "dxf" or "dis".
const char* FormatName(DrawingFormat format);

struct LoadedDrawing {
    Drw drawing;
    DrawingFormat format = DrawingFormat::Dis;
    int warnings = 0;                    // the import's Warn* flags; 0 for a drawing file
    std::map<std::string, int> skipped;  // the entities the import passed over, per kind; none for a drawing file
};

// Fills loaded from the file, a DXF file's curves replaced by arcs within curveTolerance (mm). False when the file
// could not be read: the reader's own message has then gone to stderr (a missing or unreadable file, a binary DXF
// file, a damaged drawing file).
bool LoadDrawing(const std::string& path, DrawingFormat format, double curveTolerance, LoadedDrawing& loaded);
