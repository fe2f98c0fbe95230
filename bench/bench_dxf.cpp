// The DXF generator of the import benchmark and the floor of reading such a file.
#include "bench_dxf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "support/text.h"

namespace {

// Writes group/value pairs the way CAD programs do: the code right-aligned in three columns.
class DxfWriter {
public:
    void Pair(int code, const std::string& value) { text += StrFormat("%3d\n%s\n", code, value.c_str()); }
    void Real(int code, double value) { text += StrFormat("%3d\n%.15g\n", code, value); }
    void Int(int code, int value) { text += StrFormat("%3d\n%6d\n", code, value); }
    void Point(int code, double x, double y)
    {
        Real(code, x);
        Real(code + 10, y);
        Real(code + 20, 0.0);
    }
    // The extrusion direction (0, 0, 1), written out as many programs do.
    void Extrusion()
    {
        Real(210, 0.0);
        Real(220, 0.0);
        Real(230, 1.0);
    }
    // The common head of an entity: type, handle, owner, subclass, layer.
    void Head(const char* type, const char* subclass, const std::string& layer)
    {
        Pair(0, type);
        Pair(5, StrFormat("%X", ++handle));
        Pair(330, "1F");
        Pair(100, "AcDbEntity");
        Pair(8, layer);
        Pair(6, "ByLayer");
        Int(62, 256);
        Int(370, -1);
        Pair(100, subclass);
    }

    std::string text;

private:
    int handle = 0x100;
};

// The entities of one random item at (x, y); returns how many drawing entities its import gives.
// blockSizes: the entities each block gives; empty while the blocks themselves are written (no inserts there).
int WriteItem(DxfWriter& out, std::mt19937& random, double x, double y, const std::vector<int>& blockSizes)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const std::string layer = StrFormat("LAYER_%d", static_cast<int>(random() % 8));
    // Mostly lines and arcs, as in drawings made for cutting: 40 % lines, 30 % arcs, the rest 5 % each.
    static const int kinds[20] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 5, 6, 7, 8, 8};
    const int kind = blockSizes.empty() ? static_cast<int>(random() % 3) : kinds[random() % 20];
    const double size = 1 + 100 * unit(random);
    switch (kind) {
    case 0:
        out.Head("LINE", "AcDbLine", layer);
        out.Point(10, x, y);
        out.Point(11, x + size * unit(random), y + size * unit(random));
        return 1;
    case 1:
        out.Head("ARC", "AcDbCircle", layer);
        out.Point(10, x, y);
        out.Real(40, size);
        out.Extrusion();
        out.Pair(100, "AcDbArc");
        out.Real(50, 360 * unit(random));
        out.Real(51, 360 * unit(random));
        return 1;
    case 2:
        out.Head("CIRCLE", "AcDbCircle", layer);
        out.Point(10, x, y);
        out.Real(40, size);
        out.Extrusion();
        return 4;
    case 5: {
        const int vertices = 3 + static_cast<int>(random() % 6);
        out.Head("LWPOLYLINE", "AcDbPolyline", layer);
        out.Int(90, vertices);
        out.Int(70, 0);
        for (int k = 0; k < vertices; k++) {
            out.Real(10, x + k * size / 4);
            out.Real(20, y + size * unit(random));
            if (k % 3 == 1)
                out.Real(42, unit(random) - 0.5);
        }
        return vertices - 1;
    }
    case 6: {
        const int vertices = 3 + static_cast<int>(random() % 6);
        out.Head("POLYLINE", "AcDb2dPolyline", layer);
        out.Int(66, 1);
        out.Point(10, 0, 0);
        out.Int(70, 0);
        for (int k = 0; k < vertices; k++) {
            out.Head("VERTEX", "AcDbVertex", layer);
            out.Pair(100, "AcDb2dVertex");
            out.Point(10, x + k * size / 3, y + size * unit(random));
        }
        out.Head("SEQEND", "AcDbEntity", layer);
        return vertices - 1;
    }
    case 7: {
        out.Head("ELLIPSE", "AcDbEllipse", layer);
        out.Point(10, x, y);
        out.Point(11, size, size * 0.2);
        out.Real(40, 0.5);
        out.Real(41, 0.0);
        out.Real(42, 1.5707963267949);
        return 8;
    }
    default: {
        const int block = static_cast<int>(random() % blockSizes.size());
        out.Head("INSERT", "AcDbBlockReference", layer);
        out.Pair(2, StrFormat("PART%d", block));
        out.Point(10, x, y);
        out.Real(41, 1 + unit(random));
        out.Real(42, 1 + unit(random));
        out.Real(50, 360 * unit(random));
        return blockSizes[block];
    }
    }
}

}  // namespace

std::string GenerateDxf(int entities, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> at(0.0, 2000.0);
    DxfWriter out;
    out.Pair(0, "SECTION");
    out.Pair(2, "HEADER");
    out.Pair(9, "$ACADVER");
    out.Pair(1, "AC1015");
    out.Pair(0, "ENDSEC");
    out.Pair(0, "SECTION");
    out.Pair(2, "BLOCKS");
    std::vector<int> blockSizes;
    for (int block = 0; block < 4; block++) {
        out.Head("BLOCK", "AcDbBlockBegin", "0");
        out.Pair(2, StrFormat("PART%d", block));
        out.Int(70, 0);
        out.Point(10, 0, 0);
        int given = 0;
        while (given < 10)
            given += WriteItem(out, random, at(random) / 40, at(random) / 40, {});
        blockSizes.push_back(given);
        out.Head("ENDBLK", "AcDbBlockEnd", "0");
    }
    out.Pair(0, "ENDSEC");
    out.Pair(0, "SECTION");
    out.Pair(2, "ENTITIES");
    // Items stop a little short of the count, which the last item may pass by a few entities.
    for (int given = 0; given < entities - 40;)
        given += WriteItem(out, random, at(random), at(random), blockSizes);
    out.Pair(0, "ENDSEC");
    out.Pair(0, "EOF");
    return out.text;
}

std::string GenerateSplineDxf(int splines, int controlPoints, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    DxfWriter out;
    out.Pair(0, "SECTION");
    out.Pair(2, "ENTITIES");
    for (int s = 0; s < splines; s++) {
        out.Head("SPLINE", "AcDbSpline", StrFormat("LAYER_%d", s % 8));
        out.Extrusion();
        out.Int(70, 8);
        out.Int(71, 3);
        out.Int(72, controlPoints + 4);
        out.Int(73, controlPoints);
        out.Int(74, 0);
        out.Real(42, 1e-7);
        out.Real(43, 1e-7);
        // A clamped cubic whose control points walk 2 to 4 mm at a time, turning a little at each step.
        for (int k = 0; k < controlPoints + 4; k++)
            out.Real(40, std::clamp(k - 3, 0, controlPoints - 3));
        double x = 2000 * unit(random), y = 2000 * unit(random), heading = 6.283185307179586 * unit(random);
        for (int k = 0; k < controlPoints; k++) {
            out.Point(10, x, y);
            heading += 0.8 * (unit(random) - 0.5);
            const double step = 2 + 2 * unit(random);
            x += step * std::cos(heading);
            y += step * std::sin(heading);
        }
    }
    out.Pair(0, "ENDSEC");
    out.Pair(0, "EOF");
    return out.text;
}

long long DxfFloor(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return -1;
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const char* at = text.data();
    const char* const end = at + text.size();
    long long converted = 0;
    bool codeLine = true;
    while (at < end) {
        const char* newline = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        const char* lineEnd = newline != nullptr ? newline : end;
        const char* first = at;
        while (first < lineEnd && *first == ' ')
            first++;
        if (codeLine) {
            int code = 0;
            converted += std::from_chars(first, lineEnd, code).ec == std::errc() ? 1 : 0;
        } else {
            double value = 0;
            converted += std::from_chars(first, lineEnd, value).ec == std::errc() ? 1 : 0;
        }
        codeLine = !codeLine;
        at = lineEnd + 1;
    }
    return converted;
}
