// Small DXF files written by the window tests: an ENTITIES section of the given entities.
#pragma once

#include <string>

#include "support/text.h"

namespace dxf_fixtures {

inline std::string Line(double x1, double y1, double x2, double y2)
{
    return StrFormat("0\nLINE\n8\n0\n10\n%g\n20\n%g\n11\n%g\n21\n%g\n", x1, y1, x2, y2);
}

// Counter-clockwise from startDegrees to endDegrees.
inline std::string Arc(double cx, double cy, double radius, double startDegrees, double endDegrees)
{
    return StrFormat("0\nARC\n8\n0\n10\n%g\n20\n%g\n40\n%g\n50\n%g\n51\n%g\n", cx, cy, radius, startDegrees,
                     endDegrees);
}

inline std::string File(const std::string& entities)
{
    return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
}

// Two lines and a half circle: three paths within (0, 0) .. (100, 50).
inline std::string Sample()
{
    return File(Line(0, 0, 100, 0) + Line(100, 0, 100, 50) + Arc(50, 0, 50, 0, 180));
}

}  // namespace dxf_fixtures
