// Loads the tool's input drawing from a DXF file or a drawing file.
#include "cli_load.h"

#include <sstream>

#include "cli_messages.h"
#include "dxf/importdxf.h"
#include "support/text.h"

bool HasExtension(const std::string& path, const char* extension)
{
    const std::string::size_type n = std::char_traits<char>::length(extension);
    return path.size() > n && EqualsNoCase(path.substr(path.size() - n), extension);
}

bool HasOneOfExtensions(const std::string& path, const char* extensions)
{
    std::istringstream list(extensions);
    std::string extension;
    while (list >> extension)
        if (HasExtension(path, extension.c_str()))
            return true;
    return false;
}

bool FormatFromFileName(const std::string& path, DrawingFormat& format)
{
    if (HasExtension(path, ".dxf"))
        format = DrawingFormat::Dxf;
    else if (HasExtension(path, ".dis"))
        format = DrawingFormat::Dis;
    else
        return false;
    return true;
}

const char* FormatName(DrawingFormat format)
{
    return format == DrawingFormat::Dxf ? "dxf" : "dis";
}

// The import reports a file it cannot read with an error box and leaves the drawing empty; those boxes are
// what tells a failed import from an empty drawing.
static bool ImportDxfFile(const std::string& path, double curveTolerance, LoadedDrawing& loaded)
{
    const int errorsBefore = ErrorBoxCount();
    ImportDxf(path, loaded.drawing, curveTolerance);
    loaded.warnings = GetImportWarnings();
    loaded.skipped = GetImportSkipped();
    return ErrorBoxCount() == errorsBefore;
}

bool LoadDrawing(const std::string& path, DrawingFormat format, double curveTolerance, LoadedDrawing& loaded)
{
    loaded.format = format;
    loaded.warnings = 0;
    loaded.skipped.clear();
    if (format == DrawingFormat::Dxf)
        return ImportDxfFile(path, curveTolerance, loaded);
    return loaded.drawing.Load(path);
}
