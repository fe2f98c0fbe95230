// A plain evaluation of NURBS curves for the tests, independent of the importer's (each basis function by the
// Cox-de Boor recursion, summed), and measures of how far a chain of lines and arcs lies from such a curve.
#pragma once

#include <vector>

#include "dxf/biarc.h"
#include "dxf/nurbs.h"

// The point of the curve at parameter t of its knot range.
Vec2 ReferencePoint(const NurbsCurve& curve, double t);

// Points of the curve in parameter order: samplesPerSpan of them in every knot span (at least), the ends included.
struct CurveSamples {
    std::vector<double> t;
    std::vector<Vec2> p;
};
CurveSamples SampleCurve(const NurbsCurve& curve, int samplesPerSpan);

// The largest distance from a point of the segments to the curve (segmentsToCurve), and from a point of the curve
// to the segments (curveToSegments), both sampled densely and the former refined on the curve.
struct Deviation {
    double segmentsToCurve = 0.0;
    double curveToSegments = 0.0;
};
Deviation MeasureDeviation(const NurbsCurve& curve, const std::vector<CurveSegment>& segments);

// The length of the curve (mm), from dense samples.
double ReferenceLength(const NurbsCurve& curve);

// The number of lines with their ends on the curve that it takes to follow the curve within tolerance, each line
// made as long as it can be (from dense samples).
int LinesNeeded(const NurbsCurve& curve, double tolerance);

// The point at fraction f (0 start, 1 end) along the segment.
Vec2 PointOnSegment(const CurveSegment& segment, double f);
