// The SPLINE converter of ImportDxfClass: the curve that the SPLINE's degree, knots, control points and weights
// define (or, when it has only fit points, the cubic through them) becomes one path of arcs within the curve
// tolerance. Inside a block the curve is first placed where the inserts put it, so that the tolerance holds in the
// drawing whatever their scales; its arcs are then passed over when the blocks' other entities are placed.
#include <optional>

#include "dxf/curvearcs.h"
#include "dxf/importdxfclass.h"
#include "dxf/nurbs.h"
#include "dxf/splinefit.h"

namespace {

constexpr int SplineClosed = 1;  // group 70: the curve closes on itself

// The groups of a SPLINE as read.
struct SplineGroups {
    int flags = 0, degree = 0;
    std::optional<int> knotCount, pointCount, fitCount;  // as the groups 72, 73, 74 say
    std::vector<double> knots, weights, pointX, pointY, fitX, fitY;
    Vec2 start, end;  // directions at the start and end of a fit-point spline
    bool hasStart = false, hasEnd = false;
    bool tooMany = false;  // a list went beyond MaxSplineValues

    void Add(std::vector<double>& values, double value)
    {
        if (values.size() < static_cast<std::size_t>(MaxSplineValues))
            values.push_back(value);
        else
            tooMany = true;
    }
};

// The points made of the x and y values given in turn; false when their numbers differ.
bool Points(const std::vector<double>& x, const std::vector<double>& y, std::vector<Vec2>& points)
{
    if (x.size() != y.size())
        return false;
    points.resize(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        points[i] = {x[i], y[i]};
    return true;
}

// The curve of the SPLINE: from its control points when it has any, otherwise through its fit points. False when
// the groups do not define one: a list beyond its limit or of another length than its count says, x and y values
// that do not pair up, or a curve that is not valid.
bool SplineCurve(const SplineGroups& g, NurbsCurve& curve)
{
    auto counted = [](std::optional<int> count, std::size_t values) {
        return !count || (*count >= 0 && static_cast<std::size_t>(*count) == values);
    };
    if (g.tooMany || !counted(g.knotCount, g.knots.size()) || !counted(g.pointCount, g.pointX.size()) ||
        !counted(g.fitCount, g.fitX.size()))
        return false;
    if (!g.pointX.empty()) {
        curve.degree = g.degree;
        curve.knots = g.knots;
        curve.weights = g.weights;
        return Points(g.pointX, g.pointY, curve.points) && IsValidNurbs(curve);
    }
    std::vector<Vec2> fitPoints;
    return Points(g.fitX, g.fitY, fitPoints) &&
           InterpolateFitPoints(fitPoints, g.hasStart ? std::optional(g.start) : std::nullopt,
                                g.hasEnd ? std::optional(g.end) : std::nullopt, (g.flags & SplineClosed) != 0, curve);
}

}  // namespace

bool ImportDxfClass::ImportSpline()
{
    BeginItem();
    CommonGroups common;
    SplineGroups g;
    const bool read = ReadEntityGroups(common, [&](int code) {
        switch (code) {
        case 70: g.flags = Integer(); return true;
        case 71: g.degree = Integer(); return true;
        case 72: g.knotCount = Integer(); return true;
        case 73: g.pointCount = Integer(); return true;
        case 74: g.fitCount = Integer(); return true;
        case 40: g.Add(g.knots, Real()); return true;
        case 41: g.Add(g.weights, Real()); return true;
        case 10: g.Add(g.pointX, Real()); return true;
        case 20: g.Add(g.pointY, Real()); return true;
        case 11: g.Add(g.fitX, Real()); return true;
        case 21: g.Add(g.fitY, Real()); return true;
        case 12: g.start.x = Real(), g.hasStart = true; return true;
        case 22: g.start.y = Real(), g.hasStart = true; return true;
        case 13: g.end.x = Real(), g.hasEnd = true; return true;
        case 23: g.end.y = Real(), g.hasEnd = true; return true;
        default: return false;
        }
    });
    if (Stopped())
        return false;
    if (common.paperSpace && read)
        return true;
    NurbsCurve curve;
    if (!read || !SplineCurve(g, curve)) {
        // A SPLINE that does not define a curve is left out and said so; a value in it that does not convert
        // ends only the SPLINE, as before SPLINEs were converted.
        warnings |= WarnSpline;
        CountSkipped("SPLINE");
        return true;
    }
    for (Vec2& p : curve.points)
        MapToDrawing(p.x, p.y);
    std::vector<CurveSegment> segments;
    const NurbsEvaluator evaluator(curve);
    CurveToArcs(evaluator, evaluator.Cuts(), curveTolerance, static_cast<std::size_t>(Room()), segments);
    QueueSegments(segments);
    const int first = drawing.entityCount();
    CommitItem(false);
    if (!placements.empty()) {
        MarkPlaced(first);
        chainFloor = drawing.entityCount();  // a LINE after it in the block is not yet placed: no chaining
    }
    FinishItem();
    return true;
}
