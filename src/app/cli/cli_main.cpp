// quorvia-cli: runs the drawing model without windows, for batch work and for checking the import against other
// readers. Usage errors exit with 2, files that cannot be read or written with 1.
#include <cstdio>

#include <QStringList>

#include "app/heap_policy.h"
#include "cli_commands.h"
#include "cli_messages.h"
#include "l10n/messaggi.h"
#include "support/progdir.h"

static QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int main(int argc, char** argv)
{
    KeepFreedMemoryForReuse();
    InstallCliMessageBoxHandler();
    CliRequest request;
    std::string message;
    switch (ParseArguments(Arguments(argc, argv), request, message)) {
    case ParseOutcome::Help: std::fputs(message.c_str(), stdout); return ExitOk;
    case ParseOutcome::UsageError:
        std::fprintf(stderr, "quorvia-cli: %s\nTry 'quorvia-cli --help'.\n", message.c_str());
        return ExitUsage;
    case ParseOutcome::Run: break;
    }
    FindProgDir();
    CreateMessageCatalogue();
    const int status = RunCommand(request);
    DestroyMessageCatalogue();
    return status;
}
