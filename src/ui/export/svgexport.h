// The drawing as an SVG document in millimetres: one group per path, named by its number, holding the path's
// lines and arcs as true SVG lines and elliptical arcs.
#pragma once

#include <string>

class Drw;
class QIODevice;

// Writes the document to device (open for writing); false when a write failed. The document is as wide and high
// as the drawing's bounding box plus a margin of 2 % of its larger side (1 mm for a drawing without size), in mm;
// inside a group that turns y upwards, coordinates are the drawing's own, written so that they read back to the
// same doubles. Each path is a group with id "path-N" and the title "<pathCaption> N", holding one <path> whose
// data start a new subpath ("M") wherever an entity does not begin exactly where the one before it ended; a line
// is "L x y", an arc "A r r 0 large sweep x y" with sweep 1 for counter-clockwise, a full circle two half arcs. An
// arc whose start lies on its centre is left out. title is the document's title.
bool WriteSvg(const Drw& drawing, QIODevice& device, const std::string& title, const std::string& pathCaption);
