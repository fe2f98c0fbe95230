// The message box behind a replaceable handler, with the default that prints to stderr.
#include "support/mymessagebox.h"

#include <cstdio>
#include <utility>

#include "support/log.h"

static MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

static int DefaultMessageBox(const std::string& text, const std::string& title, int style)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return style == MsgStyleQuestion ? MsgResultNo : MsgResultOk;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

int MyMessageBox(const std::string& text, const std::string& title, int style)
{
    const MessageBoxHandler& handler = CurrentHandler();
    return handler ? handler(text, title, style) : DefaultMessageBox(text, title, style);
}

void ShowError(const std::string& text)
{
    WriteErrorLog(text);
    MyMessageBox(text, "ERRORE", MsgStyleError);
}

void ShowWarning(const std::string& text)
{
    MyMessageBox(text, "AVVISO", MsgStyleWarning);
    WriteEventLog(text);
}
