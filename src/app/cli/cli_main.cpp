// quorvia-cli: runs the drawing model without windows, for batch work and for checking the import against other
// readers. Usage errors exit with 2, files that cannot be read or written with 1.
#include <cstdio>

#include "app/desktop/commandline.h"
#include "app/desktop/programfolder.h"
#include "app/heap_policy.h"
#include "cli_commands.h"
#include "cli_messages.h"
#include "l10n/messaggi.h"

int main(int argc, char** argv)
{
    KeepFreedMemoryForReuse();
    InstallCliMessageBoxHandler();
    CliRequest request;
    std::string message;
    switch (ParseArguments(ArgumentList(argc, argv), request, message)) {
    case ParseOutcome::Help: std::fputs(message.c_str(), stdout); return ExitOk;
    case ParseOutcome::UsageError:
        std::fprintf(stderr, "quorvia-cli: %s\nTry 'quorvia-cli --help'.\n", message.c_str());
        return ExitUsage;
    case ParseOutcome::Run: break;
    }
    // The application's program folder, so that both share the machine data and the texts.
    SetUpProgramFolder();
    CreateMessageCatalogue();
    const int status = RunCommand(request);
    DestroyMessageCatalogue();
    return status;
}
