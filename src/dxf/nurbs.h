// A plane NURBS curve as a DXF SPLINE gives it (degree, knots, control points, weights): its check and its
// evaluation, piece by piece between distinct knots, for the approximation by arcs.
#pragma once

#include <cstddef>
#include <vector>

#include "dxf/curvearcs.h"

// Degrees above this are refused: no drawing program writes them, and evaluation costs the square of the degree.
constexpr int MaxSplineDegree = 16;

// The curve sum(N_i(u) w_i P_i) / sum(N_i(u) w_i) over the knot range [knots[degree], knots[n]] (n control points),
// with the B-spline basis N_i of the degree on the knots. Whether the curve is open or closed, clamped or periodic,
// follows from the knots and control points alone.
struct NurbsCurve {
    int degree = 0;
    std::vector<double> knots;
    std::vector<Vec2> points;     // control points (mm)
    std::vector<double> weights;  // one per control point, or none when all are 1
};

// True when the curve is well defined: degree 1 to MaxSplineDegree, more control points than the degree, n +
// degree + 1 knots in non-decreasing order, a knot range of positive length with no knot inside it repeated more
// than degree times (the curve would break there), finite values and positive weights.
bool IsValidNurbs(const NurbsCurve& curve);

// The evaluation of a valid NurbsCurve, cut where its direction may jump (at knots repeated degree times, where
// only its position is continuous): piece i runs from Cuts()[i] to Cuts()[i + 1] and spans one or more knot spans.
class NurbsEvaluator : public PlaneCurve {
public:
    // curve must be valid (IsValidNurbs) and outlive the evaluator.
    explicit NurbsEvaluator(const NurbsCurve& curve);

    const std::vector<double>& Cuts() const { return cuts; }
    // By de Boor's algorithm on the knot span of the piece that holds t, in homogeneous coordinates.
    CurvePoint At(std::size_t piece, double t) const override;

private:
    const NurbsCurve& curve;
    std::vector<double> cuts;
    std::vector<int> spans;        // the index k of each knot span [knots[k], knots[k + 1]) of positive length
    std::vector<std::size_t> first;  // per piece: its first span in spans; then the number of spans
};
