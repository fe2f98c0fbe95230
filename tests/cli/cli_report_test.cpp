// The reports of quorvia-cli: info and dump on a drawing file and on DXF files, checked against values worked
// out by hand from the fixtures.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include <QJsonArray>

#include "cli_runner.h"

namespace {

constexpr double Pi = std::numbers::pi;

// 60.3 as a DXF coordinate, read in single precision.
const double Float603 = static_cast<double>(60.3f);

void ExpectExtents(const QJsonObject& info, bool found, double minX, double minY, double maxX, double maxY)
{
    const QJsonObject extents = info["extents"].toObject();
    EXPECT_EQ(extents["found"].toBool(!found), found);
    EXPECT_EQ(extents["minX"].toDouble(-1), minX);
    EXPECT_EQ(extents["minY"].toDouble(-1), minY);
    EXPECT_EQ(extents["maxX"].toDouble(-1), maxX);
    EXPECT_EQ(extents["maxY"].toDouble(-1), maxY);
}

void ExpectCounts(const QJsonObject& info, int entities, int lines, int arcs, int paths, int layers)
{
    EXPECT_EQ(info["entities"].toInt(-1), entities);
    EXPECT_EQ(info["lines"].toInt(-1), lines);
    EXPECT_EQ(info["arcs"].toInt(-1), arcs);
    EXPECT_EQ(info["paths"].toInt(-1), paths);
    EXPECT_EQ(info["layers"].toInt(-1), layers);
}

}  // namespace

// sample_v1.dis: a line (1.5, 2.5)-(10, 2.5) joined to a clockwise half circle about (15, 2.5) ending at (20, 2.5)
// (path 1), and a line (0, 0)-(0, 30) (path 2); layers "", "0" and "Città".
TEST(CliReport, InfoOfDrawingFile)
{
    const QString file = Fixture("dis/sample_v1.dis");
    const CliResult result = RunCli({"info", "--json", file});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty());
    const QJsonObject info = result.Json();
    EXPECT_EQ(info["file"].toString(), file);
    EXPECT_EQ(info["format"].toString(), "dis");
    ExpectCounts(info, 3, 2, 1, 2, 3);
    ExpectExtents(info, true, 0, 0, 20, 30);
    const double length = 8.5 + 5 * Pi + 30;
    EXPECT_NEAR(info["length"].toDouble(), length, 1e-12);
    // 11 s fixed, the length at 100 mm/s plus 18 %, one change of path: 7 s and the rapid move at 200 mm/s.
    EXPECT_NEAR(info["time"].toDouble(), 11 + length / 100 * 1.18 + 7 + std::hypot(20.0, 2.5) / 200, 1e-12);
    EXPECT_EQ(info["warnings"].toInt(-1), 0);
    EXPECT_TRUE(info["skipped"].isObject() && info["skipped"].toObject().isEmpty());
}

// mixed.dxf: a square of four separate lines (paths 1-4), a circle of radius 10 about (100, 15) on layer "FORI"
// (path 5, four arcs), lines (50, 0)-(60, 0) and (60.3, 0)-(70, 0) (paths 6, 7), an open polyline of three
// collinear segments (0, 50)-(30, 50) (path 8) and a TEXT, which is not imported.
TEST(CliReport, InfoOfDxfFile)
{
    const CliResult result = RunCli({"info", "--json", Fixture("cli/mixed.dxf")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject info = result.Json();
    EXPECT_EQ(info["format"].toString(), "dxf");
    ExpectCounts(info, 13, 9, 4, 8, 2);
    ExpectExtents(info, true, 0, 0, 110, 50);
    const double length = 140 + 20 * Pi + 10 + (70 - Float603) + 30;
    EXPECT_NEAR(info["length"].toDouble(), length, 1e-12);
    const double rapid = std::hypot(110.0, 15.0) + std::hypot(60.0, 15.0) + (Float603 - 60) + std::hypot(70.0, 50.0);
    EXPECT_NEAR(info["time"].toDouble(), 11 + length / 100 * 1.18 + 7 * 7 + rapid / 200, 1e-12);
    EXPECT_EQ(info["warnings"].toInt(-1), 4);  // a TEXT
    EXPECT_EQ(info["skipped"].toObject(), (QJsonObject{{"TEXT", 1}}));
}

TEST(CliReport, InfoOfDxfWithNothingImportable)
{
    const CliResult result = RunCli({"info", "--json", Fixture("dxf/text_only.dxf")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject info = result.Json();
    ExpectCounts(info, 0, 0, 0, 0, 0);
    ExpectExtents(info, false, 0, 0, 0, 0);
    EXPECT_EQ(info["length"].toDouble(-1), 0);
    EXPECT_EQ(info["time"].toDouble(), 11);
    EXPECT_EQ(info["warnings"].toInt(-1), 4);
}

// splines.dxf: three SPLINEs and a TEXT. A rational quadratic circle of radius 25 (50 pi long), the quadratic with
// control points (0, 200), (50, 300), (100, 200) (the parabola x = 100 t, y = 200 + 200 t (1 - t)), and a degree 1
// SPLINE through (0, 100), (30, 110), (50, 95), (80, 120).
TEST(CliReport, InfoOfDxfWithSplinesGivesTheirArcsAndLength)
{
    const CliResult result = RunCli({"info", "--json", Fixture("cli/splines.dxf")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject info = result.Json();
    EXPECT_EQ(info["warnings"].toInt(-1), 4);  // the TEXT only: no SPLINE warning
    EXPECT_EQ(info["paths"].toInt(-1), 3);
    EXPECT_EQ(info["lines"].toInt(-1), 3);
    EXPECT_GE(info["arcs"].toInt(-1), 8);
    EXPECT_EQ(info["skipped"].toObject(), (QJsonObject{{"TEXT", 1}}));
    // The parabola's length: the integral of sqrt(100^2 + u^2) du / 400 for u from -200 to 200.
    const double a = 100, u = 200;
    const double parabola = (u * std::hypot(a, u) + a * a * std::log((u + std::hypot(a, u)) / a)) / 400;
    const double zigzag = std::hypot(30.0, 10.0) + std::hypot(20.0, 15.0) + std::hypot(30.0, 25.0);
    const double length = 50 * Pi + parabola + zigzag;
    EXPECT_NEAR(info["length"].toDouble(), length, 1e-3 * length);
}

TEST(CliReport, SplineToleranceSetsHowCloseTheArcsKeep)
{
    const CliResult fine = RunCli({"info", "--json", Fixture("dxf/spline_inserts.dxf")});
    const CliResult coarse = RunCli({"info", "--json", "--spline-tolerance", "0.5", Fixture("dxf/spline_inserts.dxf")});
    ASSERT_EQ(fine.exitCode, 0) << fine.err.toStdString();
    ASSERT_EQ(coarse.exitCode, 0) << coarse.err.toStdString();
    EXPECT_LT(coarse.Json()["entities"].toInt(), fine.Json()["entities"].toInt() / 2);
    EXPECT_EQ(coarse.Json()["paths"].toInt(), fine.Json()["paths"].toInt());
    EXPECT_NEAR(coarse.Json()["length"].toDouble(), fine.Json()["length"].toDouble(),
                1e-2 * fine.Json()["length"].toDouble());
}

// The dump's exact text, which other programs read: every field of every entity, in storage order.
TEST(CliReport, DumpOfDrawingFileGivesEveryEntityField)
{
    const CliResult result = RunCli({"dump", "--json", Fixture("dis/sample_v1.dis")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.toStdString(),
              "{\"paths\":2,\"entities\":[\n"
              "{\"x1\":1.5,\"y1\":2.5,\"x2\":10,\"y2\":2.5,\"xc\":0,\"yc\":0,\"arc\":false,\"cw\":false,"
              "\"layer\":\"\",\"seq\":1,\"jp\":false,\"jn\":true},\n"
              "{\"x1\":10,\"y1\":2.5,\"x2\":20,\"y2\":2.5,\"xc\":15,\"yc\":2.5,\"arc\":true,\"cw\":true,"
              "\"layer\":\"\",\"seq\":1,\"jp\":true,\"jn\":false},\n"
              "{\"x1\":0,\"y1\":0,\"x2\":0,\"y2\":30,\"xc\":0,\"yc\":0,\"arc\":false,\"cw\":false,"
              "\"layer\":\"0\",\"seq\":2,\"jp\":false,\"jn\":false}]}\n");
}

// A coordinate that is not a short decimal is written in the shortest text that reads back to the same double.
TEST(CliReport, DumpWritesRealsInShortestRoundTripForm)
{
    const CliResult result = RunCli({"dump", "--json", Fixture("cli/mixed.dxf")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("\"x1\":60.29999923706055,")) << result.out.toStdString();
    const QJsonArray entities = result.Json()["entities"].toArray();
    ASSERT_EQ(entities.size(), 13);
    EXPECT_EQ(entities[9].toObject()["x1"].toDouble(), Float603);
    EXPECT_EQ(entities[4].toObject()["layer"].toString(), "FORI");
}

// Quotes and backslashes are escaped and UTF-8 letters kept, so the layer name reads back as it was.
TEST(CliReport, DumpEscapesLayerNames)
{
    const CliResult result = RunCli({"dump", "--json", Fixture("cli/layer_text.dxf")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonArray entities = result.Json()["entities"].toArray();
    ASSERT_EQ(entities.size(), 1);
    EXPECT_EQ(entities[0].toObject()["layer"].toString(), QString::fromUtf8("Forme \"A\"\\Città"));
}
