// The stderr message-box handler of quorvia-cli.
#include "cli_messages.h"

#include <cstdio>

#include "support/mymessagebox.h"

namespace {
int errorBoxes = 0;
}

void InstallCliMessageBoxHandler()
{
    SetMessageBoxHandler([](const std::string& text, const std::string& title, int style) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        if (style == MsgStyleError)
            ++errorBoxes;
        return style == MsgStyleQuestion ? MsgResultNo : MsgResultOk;
    });
}

int ErrorBoxCount()
{
    return errorBoxes;
}
