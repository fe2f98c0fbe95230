// A generated DXF file for the import benchmark, and the floor that no line-oriented DXF reader can beat.
#pragma once

#include <string>

// The text of an ASCII DXF file whose import gives about the requested number of drawing entities: a realistic
// mix of LINE, ARC, CIRCLE, LWPOLYLINE with bulges, POLYLINE with VERTEX records, ELLIPSE and INSERT of blocks,
// each with handle, owner, subclass markers and layer, coordinates in full precision. Fixed seed.
std::string GenerateDxf(int entities, unsigned seed);

// The text of an ASCII DXF file of ENTITIES only: the given number of SPLINEs, clamped cubics of controlPoints
// control points each, smooth curves of a few centimetres written as a drawing program does. Fixed seed.
std::string GenerateSplineDxf(int splines, int controlPoints, unsigned seed);

// Reads the file into memory, splits it into lines with memchr and converts every line with std::from_chars (group
// codes as integers, values as doubles; text values fail at their first character). Returns the number of lines
// converted, or -1 when the file cannot be read.
long long DxfFloor(const std::string& path);
