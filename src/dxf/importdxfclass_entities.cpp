// The converters of ImportDxfClass for LINE, ARC and CIRCLE: each becomes one path (a circle, and an arc that
// closes on itself, four quarter arcs).
#include <cmath>

#include "dxf/importdxfclass.h"

namespace {

constexpr double DegreesToRadians = Pi / 180.0;

}  // namespace

bool ImportDxfClass::ImportLine()
{
    BeginItem();
    CommonGroups common;
    const bool read = ReadEntityGroups(common, [this](int code) {
        switch (code) {
        case 10: current.x1 = Real(); return true;
        case 20: current.y1 = Real(); return true;
        case 30: current.z1 = Real(); return true;
        case 11: current.x2 = Real(); return true;
        case 21: current.y2 = Real(); return true;
        case 31: current.z2 = Real(); return true;
        default: return false;
        }
    });
    if (!read)
        return false;
    if (common.paperSpace)
        return true;
    QueueEntity();
    // A LINE's points are world coordinates: its extrusion direction does not move them.
    const bool added = CommitItem(false) == 1;
    FinishItem();
    if (added)
        ChainWithPrevious();
    return true;
}

void ImportDxfClass::QueueCircle(double cx, double cy, double cz, double r)
{
    const double ends[5][2] = {{cx + r, cy}, {cx, cy + r}, {cx - r, cy}, {cx, cy - r}, {cx + r, cy}};
    for (int i = 0; i < 4; ++i) {
        Entity& arc = QueueEntity();
        arc.x1 = ends[i][0];
        arc.y1 = ends[i][1];
        arc.x2 = ends[i + 1][0];
        arc.y2 = ends[i + 1][1];
        arc.xc = cx;
        arc.yc = cy;
        arc.z1 = arc.z2 = arc.zc = cz;
        arc.isArc = true;
    }
}

bool ImportDxfClass::ImportArc()
{
    BeginItem();
    CommonGroups common;
    double cx = 0, cy = 0, cz = 0, r = 0, startAngle = 0, endAngle = 0;
    const bool read = ReadEntityGroups(common, [&](int code) {
        switch (code) {
        case 10: cx = Real(); return true;
        case 20: cy = Real(); return true;
        case 30: cz = Real(); return true;
        case 40: r = Real(); return true;
        case 50: startAngle = Real() * DegreesToRadians; return true;
        case 51: endAngle = Real() * DegreesToRadians; return true;
        default: return false;
        }
    });
    if (!read)
        return false;
    if (common.paperSpace)
        return true;
    const double x1 = cx + r * std::cos(startAngle), y1 = cy + r * std::sin(startAngle);
    const double x2 = cx + r * std::cos(endAngle), y2 = cy + r * std::sin(endAngle);
    if (IsEqual(x1, x2) && IsEqual(y1, y2)) {
        // An arc that closes on itself is a whole circle; stored as one it would be a single entity whose ends
        // coincide, which neither the painting nor the simplification takes as a circle.
        QueueCircle(cx, cy, cz, r);
        CommitItem(common.FromBelow());
        FinishItem();
        return true;
    }
    Entity& arc = QueueEntity();
    arc.x1 = x1;
    arc.y1 = y1;
    arc.x2 = x2;
    arc.y2 = y2;
    arc.xc = cx;
    arc.yc = cy;
    arc.z1 = arc.z2 = arc.zc = cz;
    arc.isArc = true;  // counter-clockwise from the start angle to the end angle
    const bool added = CommitItem(common.FromBelow()) == 1;
    FinishItem();
    if (added)
        ChainWithPrevious();
    return true;
}

bool ImportDxfClass::ImportCircle()
{
    BeginItem();
    CommonGroups common;
    double cx = 0, cy = 0, cz = 0, r = 0;
    const bool read = ReadEntityGroups(common, [&](int code) {
        switch (code) {
        case 10: cx = Real(); return true;
        case 20: cy = Real(); return true;
        case 30: cz = Real(); return true;
        case 40: r = Real(); return true;
        default: return false;
        }
    });
    if (!read)
        return false;
    if (common.paperSpace)
        return true;
    QueueCircle(cx, cy, cz, r);
    CommitItem(common.FromBelow());
    FinishItem();
    return true;
}
