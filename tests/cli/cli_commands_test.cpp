// The commands of quorvia-cli that write files: convert, bitmap, simplify, join and optimise, checked by reading
// their output back with the tool itself.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>

#include <array>
#include <vector>

#include "cli_runner.h"

namespace {

// Writes the command's output, asserting success, and returns info on it.
QJsonObject InfoAfter(const QStringList& command, const QString& output)
{
    const CliResult result = RunCli(command + QStringList{output});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const CliResult info = RunCli({"info", "--json", output});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    return info.Json();
}

// Every path of the dump is a chain: numbered 1..paths in storage order, joined inside, open at its ends.
void ExpectChainedPaths(const QJsonObject& dump)
{
    const QJsonArray entities = dump["entities"].toArray();
    int path = 0;
    for (qsizetype i = 0; i < entities.size(); ++i) {
        const QJsonObject e = entities[i].toObject();
        const bool first = e["seq"].toInt() != path;
        if (first) {
            EXPECT_EQ(e["seq"].toInt(), ++path) << i;
        }
        EXPECT_EQ(e["jp"].toBool(), !first) << i;
        const bool last = i + 1 == entities.size() || entities[i + 1].toObject()["seq"].toInt() != path;
        EXPECT_EQ(e["jn"].toBool(), !last) << i;
    }
    EXPECT_EQ(path, dump["paths"].toInt());
}

// Writes a DXF file of single lines, each from (x1, y1) to (x2, y2).
QString LinesDxf(const QString& path, const std::vector<std::array<double, 4>>& lines)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "0\nSECTION\n2\nENTITIES\n";
    for (const auto& [x1, y1, x2, y2] : lines)
        text += QString("0\nLINE\n8\n0\n10\n%1\n20\n%2\n11\n%3\n21\n%4\n").arg(x1).arg(y1).arg(x2).arg(y2).toUtf8();
    file.write(text + "0\nENDSEC\n0\nEOF\n");
    return path;
}

}  // namespace

// Converting keeps every entity field that the drawing file holds, so the converted drawing dumps and reports
// the same as the import.
TEST(CliCommands, ConvertKeepsTheDrawing)
{
    CliOutputFolder folder;
    const QString dxf = Fixture("cli/mixed.dxf");
    const QString dis = folder.File("mixed.dis");
    const QJsonObject converted = InfoAfter({"convert", dxf}, dis);
    const QJsonObject imported = RunCli({"info", "--json", dxf}).Json();
    for (const char* key : {"entities", "lines", "arcs", "paths", "layers", "extents", "length", "time"})
        EXPECT_EQ(converted[key], imported[key]) << key;
    EXPECT_EQ(converted["format"].toString(), "dis");
    EXPECT_EQ(converted["warnings"].toInt(-1), 0);
    EXPECT_EQ(RunCli({"dump", "--json", dis}).out, RunCli({"dump", "--json", dxf}).out);
}

TEST(CliCommands, WritingIntoAMissingFolderExitsWithOne)
{
    CliOutputFolder folder;
    const QString dxf = Fixture("cli/mixed.dxf");
    const CliResult convert = RunCli({"convert", dxf, folder.File("no/such/out.dis")});
    EXPECT_EQ(convert.exitCode, 1);
    EXPECT_TRUE(convert.err.contains("DRW003")) << convert.err.toStdString();
    const CliResult bitmap = RunCli({"bitmap", dxf, folder.File("no/such/out.bmp")});
    EXPECT_EQ(bitmap.exitCode, 1);
    EXPECT_TRUE(bitmap.err.contains("BMP001")) << bitmap.err.toStdString();
}

// The export: an 800 x 600 picture, 24 bits, rows of 2400 bytes without padding; the drawing in the pen colour.
TEST(CliCommands, BitmapWritesTheExportPicture)
{
    CliOutputFolder folder;
    const QString bmp = folder.File("mixed.bmp");
    const CliResult result = RunCli({"bitmap", Fixture("cli/mixed.dxf"), bmp});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 1440054);
    EXPECT_TRUE(bytes.startsWith("BM"));
    auto int32At = [&bytes](int offset) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + offset);
        return p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24;
    };
    EXPECT_EQ(int32At(18), 800);
    EXPECT_EQ(int32At(22), 600);
    int penPixels = 0;
    for (qsizetype i = 54; i + 2 < bytes.size(); i += 3) {
        if (bytes[i] == 64 && static_cast<unsigned char>(bytes[i + 1]) == 255 && bytes[i + 2] == 64)
            ++penPixels;  // blue, green, red
    }
    EXPECT_GT(penPixels, 1000);
}

// Simplifying mixed.dxf merges the polyline's three collinear lines into one and the circle's four quarter arcs
// into two half arcs (never into a whole circle); the square's corners stay. The paths stay as they were.
TEST(CliCommands, SimplifyReducesTheEntitiesAndReportsTheCounts)
{
    CliOutputFolder folder;
    const QString output = folder.File("simple.dis");
    const CliResult result = RunCli({"simplify", Fixture("cli/mixed.dxf"), output});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.err.toStdString(),
              "AVVISO: Entità disegno prima della semplificazione: 13 \n"
              "Entità disegno dopo la semplificazione: 9\n");
    const QJsonObject info = RunCli({"info", "--json", output}).Json();
    EXPECT_EQ(info["entities"].toInt(), 9);
    EXPECT_EQ(info["lines"].toInt(), 7);
    EXPECT_EQ(info["arcs"].toInt(), 2);
    EXPECT_EQ(info["paths"].toInt(), 8);
}

// The square's four lines meet exactly; the two lines at (60, 0) are 0.3 mm apart.
TEST(CliCommands, JoinJoinsThePathsWithinTheTolerance)
{
    CliOutputFolder folder;
    const QString dxf = Fixture("cli/mixed.dxf");
    const struct {
        const char* tolerance;
        int joins;
    } cases[] = {{"0.1", 3}, {"0.5", 4}, {"0,5", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tolerance);
        const QString output = folder.File("joined.dis");
        const CliResult result = RunCli({"join", "--tolerance", c.tolerance, dxf, output});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.err.toStdString(),
                  "UNIONE COMPLETATA: Numero di entità unite: " + std::to_string(c.joins) + "\n");
        const CliResult dump = RunCli({"dump", "--json", output});
        EXPECT_EQ(dump.Json()["paths"].toInt(), 8 - c.joins);
        EXPECT_EQ(dump.Json()["entities"].toArray().size(), 13);
        ExpectChainedPaths(dump.Json());
    }
}

// Optimising splits every path into single entities and joins them again: the circle and the polyline come back
// whole, the square and the lines 0.3 mm apart (at the machine's join distance of 0.5 mm) become one path each.
TEST(CliCommands, OptimiseRebuildsThePathsFromSingleEntities)
{
    CliOutputFolder folder;
    const QString dxf = Fixture("cli/mixed.dxf");
    for (const QStringList& options : {QStringList{}, QStringList{"--tolerance", "0.5"}}) {
        const QString output = folder.File("optimised.dis");
        const CliResult result = RunCli(QStringList{"optimise"} + options + QStringList{dxf, output});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QJsonObject dump = RunCli({"dump", "--json", output}).Json();
        EXPECT_EQ(dump["paths"].toInt(), 4);
        EXPECT_EQ(dump["entities"].toArray().size(), 13);
        ExpectChainedPaths(dump);
    }
    const QJsonObject tight = InfoAfter({"optimise", "--tolerance", "0.1", dxf}, folder.File("tight.dis"));
    EXPECT_EQ(tight["paths"].toInt(), 5);
}

// Three lines 2 and 10 mm apart once the second runs the other way: optimise orders them so unless told to keep
// the directions, and reports the paths, the rapid travel and the time estimate before and after, the times those
// that info gives for the input and the output.
TEST(CliCommands, OptimiseOrdersThePathsAndReportsTravelAndTime)
{
    CliOutputFolder folder;
    const QString dxf = LinesDxf(folder.File("lines.dxf"), {{0, 0, 10, 0}, {22, 0, 12, 0}, {32, 0, 42, 0}});
    const double timeBefore = RunCli({"info", "--json", dxf}).Json()["time"].toDouble();
    struct Case {
        QStringList options;
        double secondStart, travel;
    };
    const Case cases[] = {{{}, 12, 12}, {{"--keep-directions"}, 22, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const QString output = folder.File("ordered.dis");
        const CliResult result = RunCli(QStringList{"optimise", "--json"} + c.options + QStringList{dxf, output});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QJsonObject report = result.Json();
        EXPECT_EQ(report["paths"].toObject()["before"].toInt(), 3);
        EXPECT_EQ(report["paths"].toObject()["after"].toInt(), 3);
        EXPECT_EQ(report["travel"].toObject()["before"].toDouble(), 32);
        EXPECT_EQ(report["travel"].toObject()["after"].toDouble(), c.travel);
        EXPECT_EQ(report["time"].toObject()["before"].toDouble(), timeBefore);
        EXPECT_EQ(report["time"].toObject()["after"].toDouble(),
                  RunCli({"info", "--json", output}).Json()["time"].toDouble());
        const QJsonArray entities = RunCli({"dump", "--json", output}).Json()["entities"].toArray();
        EXPECT_EQ(entities[1].toObject()["x1"].toDouble(), c.secondStart);
    }
    const CliResult text = RunCli({"optimise", dxf, folder.File("text.dis")});
    EXPECT_EQ(text.out.toStdString(), "paths: 3 -> 3\nrapid travel: 32.0 mm -> 12.0 mm\ntime estimate: " +
                                          QString::number(timeBefore, 'f', 1).toStdString() + " s -> " +
                                          QString::number(timeBefore - 20.0 / 200, 'f', 1).toStdString() + " s\n");
}

// Two crossing lines and a line 5 mm from their end: the cross becomes one path, and the line joins it only over a
// bridge of 5 mm; the report gives the paths and the time that info gives for the output.
TEST(CliCommands, ContinuousMakesOnePathOfEachPartAndBridgesWhenAsked)
{
    CliOutputFolder folder;
    const QString dxf = LinesDxf(folder.File("cross.dxf"), {{0, 0, 100, 100}, {0, 100, 100, 0}, {100, -5, 120, -5}});
    const std::pair<QStringList, int> cases[] = {{{}, 2}, {{"--bridge", "4.9"}, 2}, {{"--bridge", "5"}, 1}};
    for (const auto& [options, paths] : cases) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const QString output = folder.File("continuous.dis");
        const CliResult result = RunCli(QStringList{"continuous", "--json"} + options + QStringList{dxf, output});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QJsonObject report = result.Json();
        EXPECT_EQ(report["paths"].toObject()["before"].toInt(), 3);
        EXPECT_EQ(report["paths"].toObject()["after"].toInt(), paths);
        EXPECT_EQ(report["time"].toObject()["after"].toDouble(),
                  RunCli({"info", "--json", output}).Json()["time"].toDouble());
        ExpectChainedPaths(RunCli({"dump", "--json", output}).Json());
    }
    const CliResult text = RunCli({"continuous", dxf, folder.File("text.dis")});
    EXPECT_TRUE(text.out.startsWith("paths: 3 -> 2\n")) << text.out.toStdString();
}

// Drawing files whose path count was damaged: one below the entities' numbers is refused by every command; one far
// beyond them reads as the paths the entities hold, and every command then works on it.
TEST(CliCommands, DamagedPathCountsAreRefusedOrClosedUp)
{
    CliOutputFolder folder;
    const QString output = folder.File("out.dis");
    const QStringList commands[] = {
        {"join", "--tolerance", "0.5"}, {"simplify"}, {"optimise"}, {"continuous"}, {"info", "--json"}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const QStringList target = command[0] == "info" ? QStringList{} : QStringList{output};
        const CliResult refused = RunCli(command + QStringList{Fixture("dis/pathcount_minus5.dis")} + target);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.err.contains("ERRORE: DRW005")) << refused.err.toStdString();
        const CliResult read = RunCli(command + QStringList{Fixture("dis/pathcount_2e9.dis")} + target);
        ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
        if (target.isEmpty())
            EXPECT_EQ(read.Json()["paths"].toInt(), 2);
        else
            ExpectChainedPaths(RunCli({"dump", "--json", output}).Json());
    }
}
