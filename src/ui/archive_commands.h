// The main window's drawing archive commands: opening a drawing chosen in the drawing chooser or in the archive
// browser, and deleting a drawing file of the archive.
#pragma once

#include <functional>
#include <string>

class TMainForm;

// Chooses the drawing file to delete, starting in folder; the empty text when the operator cancels.
using DeleteDrawingChooser = std::function<std::string(const std::string& folder)>;

// Installs chooser and returns the one it replaces (empty when the default was active). An empty chooser restores
// the default, the open dialog titled "ELIMINA FILE" that shows the drawing files.
DeleteDrawingChooser SetDeleteDrawingChooser(DeleteDrawingChooser chooser);

// Shows the drawing chooser modally, its preview kept up by the main window's timer, and opens the drawing it
// returns (not imported).
void OpenDrawingFromChooser(TMainForm& form);
// Shows the archive browser modally, its thumbnails kept up by the main window's timer, and opens the drawing it
// returns (not imported).
void OpenDrawingFromArchive(TMainForm& form);

// Lets the operator choose a drawing file in the archive folder and deletes it when the operator confirms. A file
// that a drawing window shows is not deleted (a warning says so); a cancelled choice changes nothing.
void DeleteArchiveDrawing(TMainForm& form);
