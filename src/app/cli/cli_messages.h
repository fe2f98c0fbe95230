// The message boxes of quorvia-cli: every box becomes a line "TITLE: text" on stderr, questions are answered No,
// and error boxes are counted so that a command can tell whether reading a file reported a failure.
#pragma once

// Installs the handler for the rest of the process.
void InstallCliMessageBoxHandler();

// The number of error boxes (style MsgStyleError) shown since the handler was installed.
int ErrorBoxCount();
