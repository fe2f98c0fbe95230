// Exit statuses of quorvia-cli: 2 for a command line that fits no command, 1 for an input that cannot be read,
// each with its message on stderr and nothing on stdout.
#include <gtest/gtest.h>

#include <QFile>

#include "cli_runner.h"

namespace {

struct UsageCase {
    const char* what;
    QStringList arguments;
};

class CliUsage : public ::testing::TestWithParam<UsageCase> {};

}  // namespace

TEST_P(CliUsage, ExitsWithTwo)
{
    const CliResult result = RunCli(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.startsWith("quorvia-cli: ")) << result.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, CliUsage,
    ::testing::Values(
        UsageCase{"NoCommand", {}}, UsageCase{"UnknownCommand", {"show", "a.dxf"}},
        UsageCase{"UnknownOption", {"info", "--json", "--fast", "a.dxf"}},
        UsageCase{"InfoWithoutJson", {"info", "a.dxf"}}, UsageCase{"InfoWithoutFile", {"info", "--json"}},
        UsageCase{"InfoWithTwoFiles", {"info", "--json", "a.dxf", "b.dxf"}},
        UsageCase{"InputNeitherDxfNorDis", {"info", "--json", "a.txt"}},
        UsageCase{"ConvertWithoutOutput", {"convert", "a.dxf"}},
        UsageCase{"ConvertToNonDrawingFile", {"convert", "a.dxf", "b.dxf"}},
        UsageCase{"ConvertWithJson", {"convert", "--json", "a.dxf", "b.dis"}},
        UsageCase{"BitmapToNonBmp", {"bitmap", "a.dxf", "b.png"}},
        UsageCase{"ToleranceOnSimplify", {"simplify", "--tolerance", "1", "a.dxf", "b.dis"}},
        UsageCase{"JoinWithoutTolerance", {"join", "a.dxf", "b.dis"}},
        UsageCase{"JoinWithToleranceZero", {"join", "--tolerance", "0", "a.dxf", "b.dis"}},
        UsageCase{"JoinWithNegativeTolerance", {"join", "--tolerance=-1", "a.dxf", "b.dis"}},
        UsageCase{"JoinWithToleranceNotANumber", {"join", "--tolerance", "abc", "a.dxf", "b.dis"}},
        UsageCase{"OptimiseWithEmptyTolerance", {"optimise", "--tolerance", "", "a.dxf", "b.dis"}},
        UsageCase{"BridgeOnOptimise", {"optimise", "--bridge", "1", "a.dxf", "b.dis"}},
        UsageCase{"NegativeBridge", {"continuous", "--bridge=-1", "a.dxf", "b.dis"}},
        UsageCase{"SplineToleranceZero", {"info", "--json", "--spline-tolerance", "0", "a.dxf"}},
        UsageCase{"SplineToleranceNotANumber", {"info", "--json", "--spline-tolerance=fine", "a.dxf"}},
        UsageCase{"SplineToleranceOnDrawingFile", {"convert", "--spline-tolerance", "0.1", "a.dis", "b.dis"}},
        UsageCase{"KeepDirectionsOnJoin", {"join", "--tolerance", "1", "--keep-directions", "a.dxf", "b.dis"}},
        UsageCase{"ExportToAnotherFormat", {"export", "a.dxf", "b.txt"}},
        UsageCase{"ExportOnAnotherPage", {"export", "--page", "A5", "a.dxf", "b.pdf"}},
        UsageCase{"PageOnBitmap", {"bitmap", "--page", "A3", "a.dxf", "b.bmp"}}),
    [](const ::testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.what); });

TEST(CliUsageHelp, PrintsTheCommandsAndExitsWithZero)
{
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* command :
         {"info", "dump", "convert", "bitmap", "simplify", "join", "optimise", "continuous", "export"})
        EXPECT_TRUE(result.out.contains(command)) << command;
}

TEST(CliUnreadableInput, ExitsWithOneAndShowsTheReadersMessage)
{
    CliOutputFolder folder;
    const QString truncated = folder.File("truncated.dis");
    QFile source(Fixture("dis/sample_v1.dis"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile target(truncated);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write(source.read(source.size() / 2));
    target.close();

    const std::pair<QString, QByteArray> cases[] = {
        {folder.File("missing.dxf"), "ERRORE: FRW001"},
        {folder.File("missing.dis"), "ERRORE: DRW004"},
        {truncated, "ERRORE: DRW005"},
        {Fixture("dxf/binary.dxf"), "ERRORE: DXF001"},
    };
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file.toStdString());
        for (const char* command : {"info", "dump"}) {
            const CliResult result = RunCli({command, "--json", file});
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_TRUE(result.out.isEmpty());
            EXPECT_TRUE(result.err.startsWith(message)) << result.err.toStdString();
        }
        EXPECT_EQ(RunCli({"convert", file, folder.File("out.dis")}).exitCode, 1);
        EXPECT_FALSE(QFile::exists(folder.File("out.dis")));
    }
}
