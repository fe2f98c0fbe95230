// The polyline converters of ImportDxfClass: LWPOLYLINE and the old-style POLYLINE with its VERTEX entities.
// Each becomes one path of lines and (where a vertex has a bulge) arcs, closed back to its first vertex when
// bit 1 of its flags is set.
#include <algorithm>

#include "dxf/importdxfclass.h"

namespace {

constexpr int PolylineClosed = 1;        // polyline flags (group 70)
constexpr int VertexSplineFrame = 16;    // vertex flags: a spline's frame control point, not on the curve
constexpr int VertexPolyfaceFace = 128;  //   with VertexPolyfaceMesh: a mesh vertex; alone: a face record
constexpr int VertexPolyfaceMesh = 64;

}  // namespace

void ImportDxfClass::CommitPolyline(bool closed, bool fromBelow)
{
    // Vertices without both coordinates, spline frame points and face records are not points of the outline.
    std::erase_if(vertices, [](const Vertex& v) {
        const bool faceRecord = (v.flags & VertexPolyfaceFace) && !(v.flags & VertexPolyfaceMesh);
        return !v.hasX || !v.hasY || (v.flags & VertexSplineFrame) || faceRecord;
    });
    const std::size_t n = vertices.size();
    auto queueSegment = [this](const Vertex& from, const Vertex& to) {
        Entity& e = QueueEntity();
        e.x1 = from.x;
        e.y1 = from.y;
        e.z1 = from.z;
        e.x2 = to.x;
        e.y2 = to.y;
        e.z2 = to.z;
        double r = 0;
        // The bulge of a vertex shapes the segment that starts at it; one that gives no arc gives a line.
        e.isArc =
            !IsZero(from.bulge) && ArcFromBulge(from.x, from.y, to.x, to.y, from.bulge, e.xc, e.yc, r, e.clockwise);
        if (!e.isArc)
            e.xc = e.yc = 0, e.clockwise = false;
    };
    for (std::size_t i = 0; i + 1 < n; ++i)
        queueSegment(vertices[i], vertices[i + 1]);
    if (closed && n >= 2)
        queueSegment(vertices[n - 1], vertices[0]);
    CommitItem(fromBelow);
}

bool ImportDxfClass::ImportLwPolyline()
{
    BeginItem();
    vertices.clear();
    CommonGroups common;
    int flags = 0;
    const bool read = ReadEntityGroups(common, [&](int code) {
        switch (code) {
        case 70: flags = Integer(); return true;
        case 10: {
            // Each vertex starts with its x; its y and bulge follow.
            Vertex& v = vertices.emplace_back();
            v.x = Real();
            v.hasX = true;
            return true;
        }
        case 20:
            if (!vertices.empty()) {
                vertices.back().y = Real();
                vertices.back().hasY = true;
            }
            return true;
        case 42:
            if (!vertices.empty())
                vertices.back().bulge = Real();
            return true;
        default: return false;
        }
    });
    if (!read)
        return false;
    if (common.paperSpace)
        return true;
    CommitPolyline((flags & PolylineClosed) != 0, common.FromBelow());
    FinishItem();
    return true;
}

bool ImportDxfClass::ImportPolyline()
{
    BeginItem();
    vertices.clear();
    CommonGroups common;
    int flags = 0;
    bool atEnd = false;
    for (;;) {
        if (!ReadPair(atEnd))
            return false;
        if (atEnd)
            break;
        const int code = StrictCode(true);
        if (code == 0) {
            // Each VERTEX adds a vertex; any other entity (normally SEQEND) ends the polyline, also one that
            // comes before the first vertex.
            if (!ValueIs("VERTEX")) {
                StepBack();
                break;
            }
            vertices.emplace_back();
            continue;
        }
        if (vertices.empty()) {
            // The POLYLINE's own groups.
            switch (code) {
            case 8: current.layer = LayerName(); break;
            case 70: flags = Integer(); break;
            default: ReadCommonGroup(code, common); break;
            }
        } else {
            Vertex& v = vertices.back();
            switch (code) {
            case 8: current.layer = LayerName(); break;
            case 10:
                v.x = Real();
                v.hasX = true;
                break;
            case 20:
                v.y = Real();
                v.hasY = true;
                break;
            case 30: v.z = Real(); break;
            case 42: v.bulge = Real(); break;
            case 70: v.flags = Integer(); break;
            default: break;
            }
        }
        if (badValue)
            return false;
    }
    if (common.paperSpace)
        return true;
    CommitPolyline((flags & PolylineClosed) != 0, common.FromBelow());
    FinishItem();
    return true;
}
