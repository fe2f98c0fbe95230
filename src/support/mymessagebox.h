// The modal message box behind a replaceable handler: the application shows a dialog, the command-line tool
// prints to stderr and tests record the calls. ShowError and ShowWarning add the standard titles and logging.
#pragma once

#include <functional>
#include <string>

// Style words: task-modal with stop icon and OK; exclamation icon and OK; information icon and OK;
// question icon with Yes and No.
constexpr int MsgStyleError = 8208;
constexpr int MsgStyleWarning = 8240;
constexpr int MsgStyleInfo = 8256;
constexpr int MsgStyleQuestion = 8228;

// The buttons a message box reports as its result.
constexpr int MsgResultOk = 1;
constexpr int MsgResultYes = 6;
constexpr int MsgResultNo = 7;

using MessageBoxHandler = std::function<int(const std::string& text, const std::string& title, int style)>;

// Installs handler and returns the one it replaces (empty when the default was active). An empty handler
// restores the default, which prints "TITLE: text" to stderr and answers OK (No for questions).
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows text (UTF-8) with title and style through the installed handler and returns the button that closed it.
int MyMessageBox(const std::string& text, const std::string& title, int style);

// WriteErrorLog(text), then MyMessageBox(text, "ERRORE", MsgStyleError).
void ShowError(const std::string& text);

// MyMessageBox(text, "AVVISO", MsgStyleWarning), then WriteEventLog(text).
void ShowWarning(const std::string& text);
