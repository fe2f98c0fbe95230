// The command line of the application quorvia, parsed with QCommandLineParser; the help texts come from the
// message catalogue.
#include "app/desktop/commandline.h"

#include <cstdio>

#include <QCommandLineParser>

#include "app/desktop/programfolder.h"
#include "l10n/messaggi.h"
#include "support/progdir.h"

namespace {

constexpr int MsgDescription = 390, MsgUsage = 391, MsgHelpOption = 392, MsgVersionOption = 393;

}  // namespace

QStringList ArgumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::string VersionText(const char* program)
{
    return std::string(program) + " " + QUORVIA_VERSION + "\n";
}

LaunchRequest ParseLaunchArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser.addOption(QCommandLineOption(QStringList{"v", "version"}));
    LaunchRequest request;
    if (!parser.parse(arguments)) {
        request.outcome = LaunchOutcome::UsageError;
        request.message = parser.errorText();
    } else if (parser.isSet("help")) {
        request.outcome = LaunchOutcome::Help;
    } else if (parser.isSet("version")) {
        request.outcome = LaunchOutcome::Version;
    } else {
        request.files = parser.positionalArguments();
    }
    return request;
}

std::string LaunchHelpText()
{
    return MsgText(MsgUsage) + "\n" + MsgText(MsgDescription) + "\n\n  -h, --help     " + MsgText(MsgHelpOption) +
           "\n  -v, --version  " + MsgText(MsgVersionOption) + "\n";
}

std::optional<int> AnswerLaunchRequest(const LaunchRequest& request)
{
    switch (request.outcome) {
    case LaunchOutcome::Run: return std::nullopt;
    case LaunchOutcome::Help:
        SetProgDir(RunningProgramFolders().writable.toStdString());
        CreateMessageCatalogue();
        std::fputs(LaunchHelpText().c_str(), stdout);
        DestroyMessageCatalogue();
        return 0;
    case LaunchOutcome::Version: std::fputs(VersionText("quorvia").c_str(), stdout); return 0;
    case LaunchOutcome::UsageError:
        std::fprintf(stderr, "quorvia: %s\nTry 'quorvia --help'.\n", request.message.toLocal8Bit().constData());
        return 2;
    }
    return std::nullopt;
}
