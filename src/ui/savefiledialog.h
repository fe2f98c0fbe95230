// The save dialog behind a replaceable handler: the program shows a QFileDialog, tests script the chosen name so
// that no test waits on a modal dialog.
#pragma once

#include <functional>
#include <string>

class QWidget;

// What a save dialog shows: its title, the folder it opens in, the full name it proposes, the name filters
// ("File disegno (*.dis)", several separated by ";;", the first one chosen at first) and the extension added to a
// name typed without one ("dis"; choosing another filter makes its extension the one added). When chosenFilter is
// set, it receives the filter the operator chose.
struct SaveFileRequest {
    std::string title;
    std::string folder;
    std::string proposedName;
    std::string filter;
    std::string defaultSuffix;
    std::string* chosenFilter = nullptr;
};

// Returns the chosen full name, or the empty text when the operator cancelled.
using SaveFileDialogHandler = std::function<std::string(QWidget* parent, const SaveFileRequest& request)>;

// Installs handler and returns the one it replaces (empty when the default was active). An empty handler restores
// the default: a modal QFileDialog that asks before overwriting an existing file.
SaveFileDialogHandler SetSaveFileDialogHandler(SaveFileDialogHandler handler);

// Asks for the name of a file to write through the installed handler.
std::string ChooseSaveFile(QWidget* parent, const SaveFileRequest& request);
