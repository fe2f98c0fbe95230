// A plane NURBS curve as a DXF SPLINE gives it (degree, knots, control points, weights): its check and its
// evaluation, piece by piece between distinct knots, for the approximation by arcs.
#pragma once

#include <array>
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

// The evaluation of a valid NurbsCurve, cut where its direction may jump (at knots repeated degree - 1 times or
// more, where its curvature may jump too): piece i runs from Cuts()[i] to Cuts()[i + 1] and spans one or more knot
// spans. Each knot span is turned into a polynomial once (its Bezier points found by de Boor's algorithm on the
// span's ends, then expanded in powers of the span's own parameter), so that a point costs one Horner evaluation.
class NurbsEvaluator : public PlaneCurve {
public:
    // curve must be valid (IsValidNurbs).
    explicit NurbsEvaluator(const NurbsCurve& curve);

    const std::vector<double>& Cuts() const { return cuts; }
    CurvePoint At(std::size_t piece, double t) const override;

private:
    // One knot span [start, start + 1 / scale) as a polynomial of s = (t - start) * scale, its coefficients in
    // homogeneous coordinates (w x, w y, w), lowest power first.
    struct Span {
        double start, scale;
        std::size_t coefficients;  // index of the first in coefficients
    };

    int degree;
    bool rational;
    std::vector<double> cuts;
    std::vector<Span> spans;
    std::vector<std::array<double, 3>> coefficients;  // degree + 1 per span
    std::vector<std::size_t> first;                   // per piece: its first span; then the number of spans
    mutable std::size_t recent = 0;                   // the span of the last evaluation
};
