// The ELLIPSE converter of ImportDxfClass: the elliptical arc is cut at every multiple of π/8 of its parameter
// and each piece becomes a biarc (two circular arcs), all in one path.
#include <cmath>

#include "dxf/ellipsearcs.h"
#include "dxf/importdxfclass.h"

namespace {

// The frame of one ellipse: points given along its axes (major axis along x) are placed in the drawing.
struct EllipseFrame {
    double cx, cy;      // centre
    double cosA, sinA;  // direction of the major axis
    bool mirrored;      // the minor axis points the other way (extrusion direction -z)

    void Place(double& x, double& y) const
    {
        const double u = x;
        const double v = mirrored ? -y : y;
        x = cx + u * cosA - v * sinA;
        y = cy + u * sinA + v * cosA;
    }
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
    const EllipseFrame frame{cx, cy, std::cos(axisAngle), std::sin(axisAngle), mirrored};

    auto queueArc = [this, mirrored](double xs, double ys, double xe, double ye, double xc, double yc) {
        Entity& arc = QueueEntity();
        arc.x1 = xs, arc.y1 = ys, arc.x2 = xe, arc.y2 = ye, arc.xc = xc, arc.yc = yc;
        arc.isArc = true;
        arc.clockwise = mirrored;
    };
    std::vector<double> cuts;
    SplitEllipseRange(startParameter, endParameter, cuts);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double t0 = cuts[i], t1 = cuts[i + 1];
        double x0 = a * std::cos(t0), y0 = b * std::sin(t0);
        double x1 = a * std::cos(t1), y1 = b * std::sin(t1);
        const double alpha0 = NormalizeAngle(VectorAngle(b * std::cos(t0), -a * std::sin(t0)), false);
        const double alpha1 = NormalizeAngle(VectorAngle(b * std::cos(t1), -a * std::sin(t1)), false);
        double mx = 0, my = 0, c1x = 0, c1y = 0, c2x = 0, c2y = 0;
        const bool arcs = Biarc(alpha0, alpha1, x0, y0, x1, y1, mx, my, c1x, c1y, c2x, c2y);
        frame.Place(x0, y0);
        frame.Place(x1, y1);
        if (!arcs) {
            // A flat piece (no biarc exists): a straight line keeps the path one chain.
            Entity& line = QueueEntity();
            line.x1 = x0, line.y1 = y0, line.x2 = x1, line.y2 = y1;
            continue;
        }
        frame.Place(mx, my);
        frame.Place(c1x, c1y);
        frame.Place(c2x, c2y);
        queueArc(x0, y0, mx, my, c1x, c1y);
        queueArc(mx, my, x1, y1, c2x, c2y);
    }
    CommitItem(false);
    FinishItem();
    return true;
}
