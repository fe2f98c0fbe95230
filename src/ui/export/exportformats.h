// Exporting a drawing in the format its file name asks for: the 800 x 600 bitmap of the core, a PNG picture, an SVG
// document in millimetres or a one-page PDF.
#pragma once

#include <string>

#include "ui/export/pdfexport.h"

class Drw;

enum class ExportFormat { Bmp, Png, Svg, Pdf };

// The format of a file name by its extension (".png", ".svg", ".pdf" in any letter case); every other name is a
// bitmap.
ExportFormat ExportFormatOf(const std::string& name);

// The file written for a chosen name: a PNG, SVG or PDF name as chosen; a bitmap name as chosen when it ends in
// ".bmp" in any letter case, else with ".bmp" appended after the whole name.
std::string ExportFileName(const std::string& chosen);

// The line heading the PDF page: the source file's name, the counts of entities, lines, arcs and paths and the
// machining time estimate, with the catalogue's captions.
std::string ExportTitleLine(const Drw& drawing, const std::string& sourcePath);

// Writes the drawing to fileName in the format of its name; sourcePath (the drawing's own file) names it in the
// SVG and PDF. The bitmap is the core's export, unchanged; every other file replaces an earlier one only once it is
// written whole. A failure is reported (BMP001 for the bitmap, EXP001 with the file name otherwise: ErrorLog and a
// message box), the earlier file kept, and the result is false.
bool ExportDrawing(const Drw& drawing, const std::string& fileName, PaperSize paper, const std::string& sourcePath);
