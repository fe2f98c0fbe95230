// The drawing as a PNG picture: black antialiased lines on white, for documents and messages.
#pragma once

class Drw;
class QIODevice;

constexpr int ExportImageWidth = 1600;  // pixels
constexpr int ExportImageHeight = 1200;

// Writes the picture of ExportImageWidth x ExportImageHeight pixels, the drawing fitted inside a margin of 2 % of
// the larger side, to device (open for writing); false when the picture could not be written.
bool WritePng(const Drw& drawing, QIODevice& device);
