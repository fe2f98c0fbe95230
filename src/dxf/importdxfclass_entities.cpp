// The converters of ImportDxfClass for LINE, ARC and CIRCLE: each becomes one path (a circle, and an arc that
// closes on itself, four quarter arcs).
#include <cmath>

#include "dxf/importdxfclass.h"

namespace {

constexpr double DegreesToRadians = Pi / 180.0;

} // namespace

bool ImportDxfClass::ImportLine()
{
    BeginItem();
    CommonGroups common;
    int code = 0;
    while (NextEntityPair(code)) {
        switch (code) {
        case 8: current.layer = LayerName(); break;
        case 10: current.x1 = Real(); break;
        case 20: current.y1 = Real(); break;
        case 30: current.z1 = Real(); break;
        case 11: current.x2 = Real(); break;
        case 21: current.y2 = Real(); break;
        case 31: current.z2 = Real(); break;
        default: ReadCommonGroup(code, common); break;
        }
        if (badValue)
            return false;
    }
    if (Stopped())
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
    int code = 0;
    while (NextEntityPair(code)) {
        switch (code) {
        case 8: current.layer = LayerName(); break;
        case 10: cx = Real(); break;
        case 20: cy = Real(); break;
        case 30: cz = Real(); break;
        case 40: r = Real(); break;
        case 50: startAngle = Real() * DegreesToRadians; break;
        case 51: endAngle = Real() * DegreesToRadians; break;
        default: ReadCommonGroup(code, common); break;
        }
        if (badValue)
            return false;
    }
    if (Stopped())
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
    int code = 0;
    while (NextEntityPair(code)) {
        switch (code) {
        case 8: current.layer = LayerName(); break;
        case 10: cx = Real(); break;
        case 20: cy = Real(); break;
        case 30: cz = Real(); break;
        case 40: r = Real(); break;
        default: ReadCommonGroup(code, common); break;
        }
        if (badValue)
            return false;
    }
    if (Stopped())
        return false;
    if (common.paperSpace)
        return true;
    QueueCircle(cx, cy, cz, r);
    CommitItem(common.FromBelow());
    FinishItem();
    return true;
}
