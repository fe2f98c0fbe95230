// The export's choice of format by file name, the title line, and the atomic writing of each format.
#include "ui/export/exportformats.h"

#include <QSaveFile>

#include <filesystem>

#include "l10n/messaggi.h"
#include "model/drw.h"
#include "render/bitmapexport.h"
#include "support/log.h"
#include "support/mymessagebox.h"
#include "support/myutl.h"
#include "support/parlav.h"
#include "support/text.h"
#include "ui/export/pngexport.h"
#include "ui/export/svgexport.h"

namespace {

// Catalogue entries, with the Italian text that stands while there is no catalogue.
struct CatalogueText {
    int msg;
    const char* fixed;
};
constexpr CatalogueText EntitiesCaption{315, "Entità"}, LinesCaption{316, "Linee"}, ArcsCaption{317, "Archi"},
    PathsCaption{318, "Percorsi"}, PathCaption{365, "Percorso"}, TimeCaption{372, "Tempo"},
    WriteError{371, "EXP001: errore nella scrittura del file"};

std::string Text(const CatalogueText& entry)
{
    return MsgTextOr(entry.msg, entry.fixed);
}

std::string Extension(const std::string& name)
{
    return std::filesystem::path(name).extension().string();
}

std::string FileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

// Writes through write into a temporary file that replaces fileName once complete. The buffer is flushed before
// the commit, which would otherwise take a failure of that last write for success.
template <typename Write>
bool WriteWhole(const std::string& fileName, Write&& write)
{
    QSaveFile file(QString::fromStdString(fileName));
    if (file.open(QIODevice::WriteOnly) && write(file) && file.flush() && file.commit())
        return true;
    file.cancelWriting();
    ShowError(Text(WriteError) + " " + fileName);
    return false;
}

}  // namespace

ExportFormat ExportFormatOf(const std::string& name)
{
    const std::string extension = Extension(name);
    if (EqualsNoCase(extension, ".png"))
        return ExportFormat::Png;
    if (EqualsNoCase(extension, ".svg"))
        return ExportFormat::Svg;
    if (EqualsNoCase(extension, ".pdf"))
        return ExportFormat::Pdf;
    return ExportFormat::Bmp;
}

std::string ExportFileName(const std::string& chosen)
{
    if (ExportFormatOf(chosen) != ExportFormat::Bmp || EqualsNoCase(Extension(chosen), ".bmp"))
        return chosen;
    return chosen + ".bmp";
}

std::string ExportTitleLine(const Drw& drawing, const std::string& sourcePath)
{
    int lines = 0, arcs = 0;
    drawing.CountLinesArcs(lines, arcs);
    return StrFormat("%s  -  %s: %d  %s: %d  %s: %d  %s: %d  %s: %s", FileNameOf(sourcePath).c_str(),
                     Text(EntitiesCaption).c_str(), drawing.entityCount(), Text(LinesCaption).c_str(), lines,
                     Text(ArcsCaption).c_str(), arcs, Text(PathsCaption).c_str(), drawing.pathCount,
                     Text(TimeCaption).c_str(), FormatHms(drawing.EstimateTime(workSpeed, rapidSpeed)).c_str());
}

bool ExportDrawing(const Drw& drawing, const std::string& fileName, PaperSize paper, const std::string& sourcePath)
{
    switch (ExportFormatOf(fileName)) {
    case ExportFormat::Bmp: return ExportDrawingBitmap(drawing, fileName);
    case ExportFormat::Png: return WriteWhole(fileName, [&](QIODevice& file) { return WritePng(drawing, file); });
    case ExportFormat::Svg:
        return WriteWhole(fileName, [&](QIODevice& file) {
            return WriteSvg(drawing, file, FileNameOf(sourcePath), Text(PathCaption));
        });
    case ExportFormat::Pdf:
        return WriteWhole(fileName, [&](QIODevice& file) {
            return WritePdf(drawing, file, paper, ExportTitleLine(drawing, sourcePath), FileNameOf(sourcePath));
        });
    }
    return false;
}
