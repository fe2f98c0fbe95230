// The drawing as a one-page vector PDF: the drawing fitted to an A4 or A3 page under a title line.
#pragma once

#include <string>

class Drw;
class QIODevice;

enum class PaperSize { A4, A3 };

// Writes one page of the paper size, landscape when the drawing is wider than high, with margins of 10 mm: the
// title line at the top, the drawing below it fitted into the rest, its lines and arcs as vector paths 0.25 mm
// wide. documentTitle becomes the document's title. False when the document could not be written.
bool WritePdf(const Drw& drawing, QIODevice& device, PaperSize paper, const std::string& titleLine,
              const std::string& documentTitle);
