// SelectFolder: the folder browse dialog that the drawing chooser and the archive browser use to change the
// archive folder, behind a replaceable handler so that tests never block on it.
#pragma once

#include <functional>
#include <string>

// Shows a folder dialog titled caption (at most MaxFolderCaption UTF-16 characters kept; "Select a folder:"
// when empty), starting in startFolder. Returns the chosen folder without trailing '/', or the empty text when
// the operator cancels.
using FolderDialogHandler = std::function<std::string(const std::string& startFolder, const std::string& caption)>;

constexpr int MaxFolderCaption = 300;

// Installs handler and returns the one it replaces (empty when the default was active). An empty handler restores
// the default, the platform's folder dialog.
FolderDialogHandler SetFolderDialogHandler(FolderDialogHandler handler);

// Lets the operator browse for a folder. When confirmed, folder = the chosen folder followed by '/' and the
// result is true; otherwise the result is false and folder is untouched.
bool SelectFolder(const std::string& startFolder, std::string& folder, const std::string& caption = "");
