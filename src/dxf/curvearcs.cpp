// Approximating a curve by lines and biarcs within a tolerance: each piece is walked in parts as long as one line or
// one biarc keeps close enough to them, and a part never runs through a sharp turn of the curve.
#include "dxf/curvearcs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// Points of the curve compared with a candidate, evenly spread over the part's parameter.
constexpr int Samples = 7;
// A candidate is taken when its deviation estimated from the samples is at most this part of the tolerance (the
// estimate may fall a little short of the true deviation between the samples).
constexpr double Safety = 0.9;
// The next part is made as long as the deviation of the last one lets expect (a line deviates by about the square
// of its length, a biarc by about the cube) for this part of the tolerance; after a part that keeps within tolerance it
// is at most MaxGrowth times as long; a part that does not is tried again between MinShrink and MaxShrink times as long
// (Unbent times when no biarc could be made). A part that keeps within tolerance is tried once more, longer, when it
// deviates by less than the aim.
constexpr double Aim = 0.9;
constexpr double MaxGrowth = 4.0;
constexpr double MaxShrink = 0.7;
constexpr double MinShrink = 0.1;
constexpr double Unbent = 0.5;
// A part shorter than this part of its piece becomes a line whatever it deviates.
constexpr double MinPart = 1e-12;
// The curve turns sharply between two neighbouring samples when their directions differ by more than an eighth of
// a turn (cosine below this): the part ends where it turns (found by halving to a tenth of MinPart).
const double SharpTurn = std::sqrt(0.5);
// A line whose middle sample lies more than this many tolerances off is not looked at more closely.
constexpr double HopelessLine = 4.0;
// How far inside the part the direction is looked for where the derivative vanishes, as a part of the part.
constexpr double InwardStep = 1e-6;
// A derivative counts as null (it has no direction) when moving at it over the whole part would cover less than
// this part of the distance of the part's start from the origin (plus a millimetre): rounding leaves derivatives of
// about that size where the curve stands still (control points that coincide).
constexpr double NullSpeed = 1e-11;
// Parts tried per curve without making a segment: a curve that needs more (a pathological one) has the rest of each
// piece replaced by a line.
constexpr long IdleTrials = 4096;
constexpr long TrialsPerSegment = 64;

// Deviations are taken at the samples and half way between neighbours, where the curve is estimated from the two
// samples' points and derivatives (a cubic through them): a bend between two samples shows there.
constexpr int Checks = 2 * (Samples + 1) + 1;

// The largest deviation over a part from its deviations at the checks (the ends, on the curve, deviate by 0): the
// largest one, raised to the top of the parabola through it and its neighbours.
double PeakDeviation(const std::array<double, Checks>& d)
{
    const auto k = static_cast<std::size_t>(std::max_element(d.begin(), d.end()) - d.begin());
    double peak = d[k];
    if (k > 0 && k + 1 < d.size()) {
        const double bend = d[k - 1] - 2 * d[k] + d[k + 1];
        const double slope = d[k + 1] - d[k - 1];
        if (bend < 0)
            peak -= slope * slope / (8 * bend);
    }
    return peak;
}

// One candidate part: the curve at its ends and samples, and what keeps within tolerance of it.
struct Trial {
    double end = 0.0;
    std::array<CurvePoint, Samples + 2> at;
    bool line = false;   // the chord does
    bool biarc = false;  // halves do
    CurveSegment halves[2];
    double lineDeviation = HUGE_VAL;
    double deviation = HUGE_VAL;  // of the biarc, when one could be made
    std::optional<double> turn;   // where the curve turns sharply inside the part, if it does

    bool Fits() const { return line || biarc; }
    // The part's length in parameter per segment made.
    double Reach(double start) const { return (end - start) / (line || !biarc ? 1 : 2); }
};

// Walks along each piece in parts: each part as long as the deviation of the part before it lets expect, shorter
// while neither a line nor a biarc keeps within tolerance, ending where the curve turns sharply.
class Approximation {
public:
    Approximation(const PlaneCurve& curve, double tolerance, std::size_t maxSegments,
                  std::vector<CurveSegment>& segments, Vec2 start)
        : curve(curve), tolerance(tolerance), maxSegments(maxSegments), segments(segments), last(start)
    {
    }

    // Approximates piece from t0 to t1; false once more than maxSegments were made.
    bool Piece(std::size_t piece, double t0, double t1)
    {
        const double minPart = (t1 - t0) * MinPart;
        CurvePoint a = curve.At(piece, t0);
        double step = t1 - t0;
        double stop = t1;  // the end of the piece, or the next sharp turn before it
        for (double t = t0; t < t1;) {
            if (!(t < stop))
                stop = t1;
            Trial taken;
            bool found = false, extended = false;
            for (;;) {
                if (++trials, OutOfTrials())
                    step = stop = t1;  // no more tries: the rest of the piece becomes one line
                // A rest shorter than a quarter of the step joins the part.
                Trial trial;
                Try(piece, t, stop - t < 1.25 * step ? stop : t + step, a, minPart, trial);
                if (trial.turn && !OutOfTrials()) {
                    stop = *trial.turn;  // parts end where the curve turns
                    step = stop - t;
                    continue;
                }
                const double length = trial.end - t;
                const double factor = Factor(trial);
                if (trial.Fits() || !(length > minPart) || OutOfTrials()) {
                    if (!found || trial.Reach(t) > taken.Reach(t))
                        taken = trial;
                    found = true;
                    if (extended || trial.end == stop || !(factor > 1))
                        break;
                    extended = true;
                    step = length * std::min(factor, MaxGrowth);
                } else if (found) {
                    break;  // the longer part did not keep within tolerance: the shorter one is taken
                } else {
                    step = length * std::clamp(factor, MinShrink, MaxShrink);
                }
            }
            if (taken.line || !taken.biarc)
                AddLine(taken.at[Samples + 1].point);
            else
                AddBiarc(taken.halves);
            if (segments.size() > maxSegments)
                return false;
            step = taken.end - t;
            a = taken.at[Samples + 1];
            t = taken.end;
        }
        return true;
    }

    // The length that would deviate by the aim, as a part of the trial's: the longer for the line (whose deviation
    // grows with the square of its length) and the biarc; Unbent when neither tells.
    double Factor(const Trial& trial) const
    {
        double factor = std::sqrt(Aim * tolerance / trial.lineDeviation);
        if (std::isfinite(trial.deviation))
            factor = std::max(factor, std::cbrt(Aim * tolerance / trial.deviation));
        return factor >= 0 ? factor : Unbent;
    }

    bool OutOfTrials() const { return trials > IdleTrials + TrialsPerSegment * static_cast<long>(segments.size()); }

    // Ends the chain exactly at the curve's end.
    void Finish(Vec2 end)
    {
        if (!segments.empty())
            segments.back().end = end;
    }

private:
    // Samples the part from t0 to t1 and tries a line and a biarc on it; or finds where the curve turns sharply
    // inside it (more than minPart away from both ends).
    void Try(std::size_t piece, double t0, double t1, const CurvePoint& a, double minPart, Trial& trial) const
    {
        trial.end = t1;
        trial.at[0] = a;
        auto at = [t0, t1](int j) { return j == Samples + 1 ? t1 : t0 + (t1 - t0) * j / (Samples + 1); };
        for (int j = 1; j <= Samples + 1; ++j)
            trial.at[j] = curve.At(piece, at(j));
        const double nullSpeed = NullSpeed * (std::fabs(a.point.x) + std::fabs(a.point.y) + 1) / (t1 - t0);
        for (CurvePoint& p : trial.at) {
            if (!(Dot(p.derivative, p.derivative) > nullSpeed * nullSpeed))
                p.derivative = Vec2{};
        }
        for (int j = 0; j <= Samples; ++j) {
            if (!TurnsSharply(trial.at[j].derivative, trial.at[j + 1].derivative))
                continue;
            const double turn = SharpTurnBetween(piece, at(j), at(j + 1), minPart / 10);
            if (turn > t0 + minPart && turn < t1 - minPart) {
                trial.turn = turn;
                return;
            }
        }
        CurveSegment line;
        line.start = a.point;
        line.end = trial.at[Samples + 1].point;
        const double step = (t1 - t0) / (Samples + 1);
        // A line whose middle sample lies far off would not do: its deviation is not worked out further.
        const double middle = DistanceToSegment(line, trial.at[(Samples + 1) / 2].point);
        trial.lineDeviation = middle > HopelessLine * tolerance ? middle : Deviation({&line, 1}, trial.at, step);
        trial.line = trial.lineDeviation <= Safety * tolerance;
        std::array<Vec2, Samples> along;
        for (int j = 0; j < Samples; ++j)
            along[j] = trial.at[j + 1].point;
        CurveSegment(&halves)[2] = trial.halves;
        if (Biarc(a.point, Direction(piece, t0, t1, trial.at, true), line.end,
                  Direction(piece, t0, t1, trial.at, false), along, halves[0], halves[1]) &&
            Length(halves[0].end - halves[0].start) >= MinSegmentLength &&
            Length(halves[1].end - halves[1].start) >= MinSegmentLength) {
            trial.deviation = Deviation(halves, trial.at, step);
            trial.biarc = trial.deviation <= Safety * tolerance;
        }
    }

    // Directions more than an eighth of a turn apart; a null derivative has no direction.
    static bool TurnsSharply(Vec2 d0, Vec2 d1)
    {
        const double squares = Dot(d0, d0) * Dot(d1, d1), dot = Dot(d0, d1);
        return squares > 0 && (dot < 0 || dot * dot < SharpTurn * SharpTurn * squares);
    }

    // Where the curve turns sharply between t0 and t1: the half that holds the larger turn is kept until the range
    // is narrower than precision.
    double SharpTurnBetween(std::size_t piece, double t0, double t1, double precision) const
    {
        Vec2 d0 = curve.At(piece, t0).derivative, d1 = curve.At(piece, t1).derivative;
        auto cosine = [](Vec2 a, Vec2 b) {
            const double lengths = Length(a) * Length(b);
            return lengths > 0 ? Dot(a, b) / lengths : 1.0;
        };
        while (t1 - t0 > precision) {
            const double middle = t0 + (t1 - t0) / 2;
            if (!(middle > t0 && middle < t1))
                break;
            const Vec2 d = curve.At(piece, middle).derivative;
            if (cosine(d0, d) < cosine(d, d1))
                t1 = middle, d1 = d;
            else
                t0 = middle, d0 = d;
        }
        return t0 + (t1 - t0) / 2;
    }

    // The deviation of the candidate from the part sampled at `at` (samples step apart in the parameter).
    double Deviation(std::span<const CurveSegment> candidate, const std::array<CurvePoint, Samples + 2>& at,
                     double step) const
    {
        std::array<SegmentDistance, 2> prepared{SegmentDistance(candidate[0]),
                                                SegmentDistance(candidate[candidate.size() - 1])};
        auto distance = [&prepared, n = candidate.size()](Vec2 q) {
            return n == 1 ? prepared[0](q) : std::min(prepared[0](q), prepared[1](q));
        };
        std::array<double, Checks> d{};
        for (int j = 0; j <= Samples; ++j) {
            const Vec2 middle =
                0.5 * (at[j].point + at[j + 1].point) + (step / 8) * (at[j].derivative - at[j + 1].derivative);
            d[2 * j + 1] = distance(middle);
            if (j > 0)
                d[2 * j] = distance(at[j].point);
        }
        return PeakDeviation(d);
    }

    // The unit direction of travel at the start (or end) of the part from t0 to t1: the derivative's; where the
    // derivative vanishes (a cusp, control points that coincide), towards a point a little inside the part; where
    // the curve does not move there either, along the chord.
    Vec2 Direction(std::size_t piece, double t0, double t1, const std::array<CurvePoint, Samples + 2>& at,
                   bool atStart) const
    {
        const CurvePoint& p = atStart ? at[0] : at[Samples + 1];
        Vec2 d = p.derivative;
        if (!(Length(d) > 0)) {
            const double step = (t1 - t0) * InwardStep;
            const Vec2 inside = curve.At(piece, atStart ? t0 + step : t1 - step).point;
            d = atStart ? inside - p.point : p.point - inside;
        }
        if (!(Length(d) > 0))
            d = at[Samples + 1].point - at[0].point;
        const double length = Length(d);
        return length > 0 ? (1 / length) * d : Vec2{1, 0};
    }

    void AddLine(Vec2 end)
    {
        if (!(Length(end - last) >= MinSegmentLength))
            return;  // the curve hardly moved: its neighbours take over
        CurveSegment line;
        line.start = last;
        line.end = end;
        segments.push_back(line);
        last = end;
    }

    void AddBiarc(const CurveSegment (&halves)[2])
    {
        segments.push_back(halves[0]);
        segments.back().start = last;
        segments.push_back(halves[1]);
        last = halves[1].end;
    }

    const PlaneCurve& curve;
    const double tolerance;
    const std::size_t maxSegments;
    std::vector<CurveSegment>& segments;
    Vec2 last;        // where the chain ends so far
    long trials = 0;  // parts tried
};

}  // namespace

bool CurveToArcs(const PlaneCurve& curve, const std::vector<double>& cuts, double tolerance, std::size_t maxSegments,
                 std::vector<CurveSegment>& segments)
{
    segments.clear();
    if (cuts.size() < 2)
        return true;
    Approximation approximation(curve, tolerance, maxSegments, segments, curve.At(0, cuts.front()).point);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        if (!approximation.Piece(i, cuts[i], cuts[i + 1]))
            return false;
    }
    approximation.Finish(curve.At(cuts.size() - 2, cuts.back()).point);
    return true;
}
