// The export dialog's choices: the name filters of the formats and the PDF's paper size taken from the filter.
#pragma once

#include <string>

#include "ui/export/pdfexport.h"

// The filters, separated by ";;": the bitmap first (the dialog's first choice), then PNG, SVG, and PDF on A4 and on
// A3 pages, with the catalogue's captions.
std::string ExportFilters();

// The paper of the chosen filter: A3 for the PDF on A3 pages, A4 for any other (also none).
PaperSize PaperOfFilter(const std::string& filter);
