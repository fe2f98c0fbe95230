// The ELLIPSE converter of ImportDxfClass: the elliptical arc, cut at every multiple of π/8 of its parameter,
// becomes one path of arcs within the curve tolerance (a line for a piece that runs straight).
#include <cmath>

#include "dxf/curvearcs.h"
#include "dxf/ellipsearcs.h"
#include "dxf/importdxfclass.h"

namespace {

// An ellipse with semi-axes a (along the major axis) and b, its parameter t giving the point (a cos t, b sin t) of
// its own frame, placed in the drawing.
class EllipseCurve : public PlaneCurve {
public:
    EllipseCurve(double a, double b, double cx, double cy, double axisAngle, bool mirrored)
        : a(a), b(b), centre{cx, cy}, cosA(std::cos(axisAngle)), sinA(std::sin(axisAngle)), mirrored(mirrored)
    {
    }

    CurvePoint At(std::size_t, double t) const override
    {
        const double c = std::cos(t), s = std::sin(t);
        return {centre + Turned(a * c, b * s), Turned(-a * s, b * c)};
    }

private:
    // A vector of the ellipse's frame in the drawing's directions.
    Vec2 Turned(double u, double v) const
    {
        if (mirrored)
            v = -v;
        return {u * cosA - v * sinA, u * sinA + v * cosA};
    }

    double a, b;
    Vec2 centre;
    double cosA, sinA;  // direction of the major axis
    bool mirrored;      // the minor axis points the other way (extrusion direction -z)
};

}  // namespace

bool ImportDxfClass::ImportEllipse()
{
    BeginItem();
    CommonGroups common;
    double cx = 0, cy = 0, majorX = 0, majorY = 0, ratio = 0, startParameter = 0, endParameter = 0;
    const bool read = ReadEntityGroups(common, [&](int code) {
        switch (code) {
        case 10: cx = Real(); return true;
        case 20: cy = Real(); return true;
        case 11: majorX = Real(); return true;
        case 21: majorY = Real(); return true;
        case 40: ratio = Real(); return true;
        case 41: startParameter = Real(); return true;
        case 42: endParameter = Real(); return true;
        default: return false;
        }
    });
    if (!read)
        return false;
    bool nullAxis = false;
    const double axisAngle = VectorAngle(majorY, majorX, &nullAxis);
    if (common.paperSpace || nullAxis)
        return true;  // nothing to draw: no path number either
    const double a = std::hypot(majorX, majorY);
    const double b = a * ratio;
    // Centre and major axis are world coordinates. The minor axis is the extrusion direction crossed with the
    // major axis, so seen from below (0, 0, -1) it points the other way and the ellipse runs clockwise. The
    // direction (-1, 0, 0) has always been read the same way.
    const bool mirrored = common.FromBelow() || (IsEqual(common.extrusionX, -1) && IsEqual(common.extrusionY, 0) &&
                                                 IsEqual(common.extrusionZ, 0));
    const EllipseCurve ellipse(a, b, cx, cy, axisAngle, mirrored);
    std::vector<double> cuts;
    SplitEllipseRange(startParameter, endParameter, cuts);
    std::vector<CurveSegment> segments;
    CurveToArcs(ellipse, cuts, curveTolerance, static_cast<std::size_t>(Room()), segments);
    QueueSegments(segments);
    CommitItem(false);
    FinishItem();
    return true;
}
