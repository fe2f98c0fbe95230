// Tests of the command-line conventions of both executables, run as separate processes: help and version answered
// with status 0 (also after the windowing system's own options), an unknown option refused with status 2.
#include "app/desktop/commandline.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct ProgramRun {
    int status = -1;
    QByteArray out, err;
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

}  // namespace

TEST(CommandLine, HelpAndVersionAnswerWithStatusZero)
{
    struct Case {
        QString program;
        QStringList arguments;
        QByteArray out;  // the whole output, or empty when it is the help
    };
    const QByteArray appVersion = "quorvia " QUORVIA_VERSION "\n", cliVersion = "quorvia-cli " QUORVIA_VERSION "\n";
    const Case cases[] = {
        {QUORVIA_APP_PATH, {"--version"}, appVersion},
        {QUORVIA_APP_PATH, {"-v"}, appVersion},
        {QUORVIA_APP_PATH, {"-platform", "offscreen", "--version"}, appVersion},
        {QUORVIA_APP_PATH, {"--help"}, {}},
        {QUORVIA_APP_PATH, {"-platform", "offscreen", "-h"}, {}},
        {QUORVIA_CLI_PATH, {"--version"}, cliVersion},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramRun run = RunProgram(c.program, c.arguments);
        EXPECT_EQ(run.status, 0);
        if (c.out.isEmpty()) {
            EXPECT_TRUE(run.out.contains("quorvia [")) << run.out.toStdString();
            EXPECT_TRUE(run.out.contains("-h, --help") && run.out.contains("-v, --version"));
        } else {
            EXPECT_EQ(run.out, c.out);
        }
    }
}

TEST(CommandLine, AnUnknownOptionIsAUsageError)
{
    const ProgramRun run = RunProgram(QUORVIA_APP_PATH, {"--frobnicate", "a.dxf"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains("\nTry 'quorvia --help'.")) << run.err.toStdString();
}

TEST(CommandLine, FilesFollowTheOptions)
{
    const LaunchRequest request = ParseLaunchArguments({"quorvia", "a.dxf", "--", "-b.dis"});
    EXPECT_EQ(request.outcome, LaunchOutcome::Run);
    EXPECT_EQ(request.files, QStringList({"a.dxf", "-b.dis"}));
}
