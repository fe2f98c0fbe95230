// ImportDxfClass SPLINE converter: the fixtures' curves (a drawing exported with splines, splines in nested, mirrored
// and stretched inserts, splines given by fit points) each become one path within the tolerance of the curve the
// file defines, measured with an evaluation of its own; a SPLINE that defines no curve gives the warning and
// nothing else.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "dxf/dxf_fixtures.h"
#include "dxf/importdxfclass.h"
#include "dxf/spline_reference.h"

namespace {

// A value as the import reads it: in single precision.
double Read(double v)
{
    return static_cast<float>(v);
}

std::vector<CurveSegment> SegmentsOfPath(const Drw& d, int path)
{
    std::vector<CurveSegment> segments;
    for (const Entity& e : d.entities) {
        if (e.sequence != path)
            continue;
        CurveSegment s;
        s.start = {e.x1, e.y1};
        s.end = {e.x2, e.y2};
        s.centre = {e.xc, e.yc};
        s.isArc = e.isArc;
        s.clockwise = e.clockwise;
        segments.push_back(s);
    }
    return segments;
}

// The path lies within tolerance of the curve both ways, from its start to its end.
void ExpectPathFollows(const Drw& d, int path, const NurbsCurve& curve, double tolerance = CurveTolerance)
{
    SCOPED_TRACE("path " + std::to_string(path));
    const std::vector<CurveSegment> segments = SegmentsOfPath(d, path);
    ASSERT_FALSE(segments.empty());
    EXPECT_LT(Length(segments.front().start - ReferencePoint(curve, curve.knots[curve.degree])), 1e-9);
    EXPECT_LT(Length(segments.back().end - ReferencePoint(curve, curve.knots[curve.points.size()])), 1e-9);
    const Deviation deviation = MeasureDeviation(curve, segments);
    EXPECT_LE(deviation.segmentsToCurve, tolerance);
    EXPECT_LE(deviation.curveToSegments, tolerance);
}

std::vector<double> Clamped(int degree, std::size_t n)
{
    std::vector<double> knots(degree + 1, 0.0);
    for (std::size_t i = 1; i + degree < n; ++i)
        knots.push_back(static_cast<double>(i));
    knots.insert(knots.end(), degree + 1, static_cast<double>(n - degree));
    return knots;
}

class ImportDxfClassSpline : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

TEST_F(ImportDxfClassSpline, CurveDrawingGivesOnePathPerSplineAlongItsCurve)
{
    ImportResult r = ImportFixture("spline_curves.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    EXPECT_EQ(r.warnings, WarnText);  // the TEXT; every SPLINE was converted
    ASSERT_EQ(d.pathCount, 5);
    // A closed periodic cubic: control points wrapped, uniform knots.
    std::vector<Vec2> blob{{0, 0}, {40, -8}, {70, 15}, {60, 50}, {20, 60}, {-15, 35}};
    blob.insert(blob.end(), {blob[0], blob[1], blob[2]});
    std::vector<double> uniform;
    for (int i = 0; i < 13; ++i)
        uniform.push_back(i);
    ExpectPathFollows(d, 1, {3, uniform, blob, {}});
    const std::vector<CurveSegment> closed = SegmentsOfPath(d, 1);
    EXPECT_LT(Length(closed.front().start - closed.back().end), 1e-9);
    // The circle of radius 25 about (150, 50) as a rational quadratic: arcs on it.
    const double h = Read(std::sqrt(0.5));
    ExpectPathFollows(
        d, 2,
        {2,
         {0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4},
         {{175, 50}, {175, 75}, {150, 75}, {125, 75}, {125, 50}, {125, 25}, {150, 25}, {175, 25}, {175, 50}},
         {1, h, 1, h, 1, h, 1, h, 1}});
    for (const CurveSegment& s : SegmentsOfPath(d, 2)) {
        EXPECT_TRUE(s.isArc);
        EXPECT_NEAR(Length(s.start - Vec2{150, 50}), 25, CurveTolerance);
    }
    // Control points and fit points both given: the control points define the curve.
    const std::vector<Vec2> s{{200, 0}, {230, 0}, {240, 30}, {260, 40}, {290, 35}, {300, 60}};
    ExpectPathFollows(d, 3, {3, Clamped(3, s.size()), s, {}});
    // Degree 1: the polyline through the control points, three lines.
    const std::vector<CurveSegment> lines = SegmentsOfPath(d, 4);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].start, (Vec2{30, 110}));
    for (const CurveSegment& line : lines)
        EXPECT_FALSE(line.isArc);
    EXPECT_EQ(d.entities.back().layer, "DETAIL");
    EXPECT_EQ(r.drawing.layerCount(), 2);
}

// The placement of an insert: scale, then rotation (degrees), then translation.
Vec2 Place(Vec2 p, double sx, double sy, double degrees, Vec2 at)
{
    const double r = degrees * 3.141592653589793 / 180;
    const Vec2 scaled{p.x * sx, p.y * sy};
    return Vec2{scaled.x * std::cos(r) - scaled.y * std::sin(r), scaled.x * std::sin(r) + scaled.y * std::cos(r)} + at;
}

TEST_F(ImportDxfClassSpline, SplinesInNestedMirroredAndStretchedInsertsFollowTheirPlacedCurves)
{
    // FLOWER holds three inserts of PETAL (a closed cubic and a line), turned by 0, 120 and 240 degrees, and a
    // stem; it is inserted at (100, 100), mirrored at (300, 100), and stretched by (2, 0.5) and turned by 30
    // degrees at (500, 100).
    ImportResult r = ImportFixture("spline_inserts.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    EXPECT_EQ(r.warnings, 0);
    ASSERT_EQ(d.pathCount, 21);
    const std::vector<Vec2> petal{{0, 0}, {8, 4}, {16, 14}, {12, 26}, {0, 30}, {-12, 26}, {-16, 14}, {-8, 4}, {0, 0}};
    const std::vector<Vec2> stem{{0, 0}, {3, -15}, {-4, -30}, {2, -50}};
    struct Flower {
        double sx, sy, degrees;
        Vec2 at;
    };
    const Flower flowers[] = {{1, 1, 0, {100, 100}}, {-1, 1, 0, {300, 100}}, {2, 0.5, 30, {500, 100}}};
    int path = 1;
    for (const Flower& f : flowers) {
        for (double turn : {0.0, 120.0, 240.0}) {
            std::vector<Vec2> placed;
            for (Vec2 p : petal)
                placed.push_back(Place(Place(p, 1, 1, turn, {0, 0}), f.sx, f.sy, f.degrees, f.at));
            ExpectPathFollows(d, path, {3, Clamped(3, placed.size()), placed, {}});
            path += 2;  // the petal's line follows
        }
        std::vector<Vec2> placed;
        for (Vec2 p : stem)
            placed.push_back(Place(p, f.sx, f.sy, f.degrees, f.at));
        ExpectPathFollows(d, path++, {3, Clamped(3, placed.size()), placed, {}});
    }
    // The mirrored petal runs the other way round: its arcs turn the other way.
    const std::vector<CurveSegment> plain = SegmentsOfPath(d, 1), mirrored = SegmentsOfPath(d, 8);
    ASSERT_TRUE(plain.front().isArc && mirrored.front().isArc);
    EXPECT_NE(plain.front().clockwise, mirrored.front().clockwise);
}

TEST_F(ImportDxfClassSpline, FitPointSplinesPassThroughTheirPoints)
{
    ImportResult r = ImportFixture("spline_fit_points.dxf");
    const Drw& d = r.drawing;
    ExpectWellFormed(d);
    EXPECT_EQ(r.warnings, 0);
    ASSERT_EQ(d.pathCount, 3);
    const std::vector<Vec2> open{{0, 0}, {20, 15}, {45, 10}, {60, 30}, {80, 25}};
    const std::vector<Vec2> closed{{120, 0}, {150, -5}, {165, 20}, {140, 40}, {115, 25}};
    auto expectThrough = [&d](int path, const std::vector<Vec2>& points, Vec2 offset) {
        const std::vector<CurveSegment> segments = SegmentsOfPath(d, path);
        for (Vec2 p : points) {
            double nearest = HUGE_VAL;
            for (const CurveSegment& s : segments)
                nearest = std::min(nearest, DistanceToSegment(s, p + offset));
            EXPECT_LE(nearest, CurveTolerance) << "path " << path << " at " << p.x << ", " << p.y;
        }
        return segments;
    };
    // With directions: it leaves straight up and arrives going right.
    const std::vector<CurveSegment> first = expectThrough(1, open, {0, 0});
    ASSERT_TRUE(first.front().isArc && first.back().isArc);
    EXPECT_NEAR(Dot(first.front().start - first.front().centre, {0, 1}), 0, 1e-6);
    EXPECT_NEAR(Dot(first.back().end - first.back().centre, {1, 0}), 0, 1e-6);
    EXPECT_NEAR(first.front().start.x, 0, 1e-9);
    expectThrough(2, open, {0, 60});
    const std::vector<CurveSegment> loop = expectThrough(3, closed, {0, 0});
    EXPECT_LT(Length(loop.front().start - loop.back().end), 1e-9);
}

TEST_F(ImportDxfClassSpline, CoarserToleranceGivesFewerArcsWithinIt)
{
    Drw fine, coarse;
    {
        ImportDxfClass import(DxfFixture("spline_inserts.dxf"), fine);
        import.Import();
    }
    ImportDxfClass import(DxfFixture("spline_inserts.dxf"), coarse);
    import.SetCurveTolerance(0.2);
    import.Import();
    EXPECT_LT(coarse.entityCount(), fine.entityCount() / 2);
    const std::vector<Vec2> stem{{0, 0}, {3, -15}, {-4, -30}, {2, -50}};
    std::vector<Vec2> placed;
    for (Vec2 p : stem)
        placed.push_back(p + Vec2{100, 100});
    ExpectPathFollows(coarse, 7, {3, Clamped(3, 4), placed, {}}, 0.2);
}

// The groups of a SPLINE after its type: a clamped cubic of four control points unless a case says otherwise.
std::string Spline(const std::string& groups)
{
    return "0\nSPLINE\n8\nS\n" + groups;
}

const std::string Valid =
    "70\n8\n71\n3\n72\n8\n73\n4\n40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n40\n1\n"
    "10\n0\n20\n0\n10\n10\n20\n10\n10\n20\n20\n0\n10\n30\n20\n10\n";

struct MalformedCase {
    const char* name;
    std::string spline;
};

class ImportDxfClassSplineMalformed : public ::testing::TestWithParam<MalformedCase> {
protected:
    MessageRecorder recorder;
    TempProgDir folder;
};

// Each gives the SPLINE warning and nothing else: no entity, no path number, no message; the LINE after it is
// imported as path 1.
TEST_P(ImportDxfClassSplineMalformed, GivesTheWarningAndNothingElse)
{
    const std::string dxf = "0\nSECTION\n2\nENTITIES\n" + GetParam().spline +
                            "0\nLINE\n8\nL\n10\n0\n20\n0\n11\n5\n21\n0\n0\nENDSEC\n0\nEOF\n";
    Drw d;
    ImportDxfClass import(folder.WriteFile("malformed.dxf", dxf), d);
    ASSERT_TRUE(import.Import());
    EXPECT_EQ(import.warnings, WarnSpline);
    EXPECT_EQ(import.skipped, (std::map<std::string, int>{{"SPLINE", 1}}));
    ASSERT_EQ(d.entityCount(), 1);
    EXPECT_EQ(d.entities[0].layer, "L");
    EXPECT_EQ(d.pathCount, 1);
    EXPECT_EQ(recorder.Count(), 0u);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportDxfClassSplineMalformed,
    ::testing::Values(
        MalformedCase{"NoGroups", Spline("")}, MalformedCase{"OnlyFlags", Spline("70\n8\n71\n3\n")},
        MalformedCase{"DegreeZero", Spline(Replaced(Valid, "71\n3\n", "71\n0\n"))},
        MalformedCase{"DegreeNegative", Spline(Replaced(Valid, "71\n3\n", "71\n-3\n"))},
        MalformedCase{"DegreeAboveTheLimit", Spline(Replaced(Valid, "71\n3\n", "71\n17\n"))},
        MalformedCase{"TooFewControlPoints", Spline("71\n3\n40\n0\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n"
                                                    "10\n0\n20\n0\n10\n1\n20\n1\n10\n2\n20\n0\n")},
        MalformedCase{"KnotMissing", Spline(Replaced(Replaced(Valid, "72\n8\n", "72\n7\n"),
                                                     "40\n0\n40\n0\n40\n0\n40\n0\n", "40\n0\n40\n0\n40\n0\n"))},
        MalformedCase{"KnotsDecreasing",
                      Spline(Replaced(Valid, "40\n1\n40\n1\n40\n1\n40\n1\n", "40\n1\n40\n0.5\n40\n1\n40\n1\n"))},
        MalformedCase{"WeightZero", Spline(Valid + "41\n1\n41\n0\n41\n1\n41\n1\n")},
        MalformedCase{"WeightNegative", Spline(Valid + "41\n1\n41\n-2\n41\n1\n41\n1\n")},
        MalformedCase{"WeightsFewerThanPoints", Spline(Valid + "41\n2\n41\n2\n")},
        MalformedCase{"ValueThatDoesNotConvert", Spline(Replaced(Valid, "10\n30\n", "10\nventi\n"))},
        MalformedCase{"KnotCountThatLies", Spline(Replaced(Valid, "72\n8\n", "72\n2147483647\n"))},
        MalformedCase{"PointCountThatLies", Spline(Replaced(Valid, "73\n4\n", "73\n-1\n"))},
        MalformedCase{"XWithoutY", Spline(Valid + "10\n40\n")},
        MalformedCase{"OneFitPoint", Spline("70\n8\n71\n3\n74\n1\n11\n5\n21\n5\n")},
        MalformedCase{"FitPointsThatCoincide", Spline("71\n3\n11\n5\n21\n5\n11\n5\n21\n5\n")},
        MalformedCase{"FitCountThatLies", Spline("71\n3\n74\n3\n11\n0\n21\n0\n11\n5\n21\n5\n")}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

TEST_F(ImportDxfClassSpline, TheValidCaseOfTheTableImports)
{
    TempProgDir folder;
    Drw d;
    ImportDxfClass import(
        folder.WriteFile("valid.dxf", "0\nSECTION\n2\nENTITIES\n" + Spline(Valid) + "0\nENDSEC\n0\nEOF\n"), d);
    ASSERT_TRUE(import.Import());
    EXPECT_EQ(import.warnings, 0);
    EXPECT_TRUE(import.skipped.empty());
    ExpectPathFollows(d, 1, {3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0}, {10, 10}, {20, 0}, {30, 10}}, {}});
}

}  // namespace
