// Running the archive dialogs for the main window, and deleting a drawing file with its checks and question.
#include "ui/archive_commands.h"

#include <QDialog>
#include <QFileDialog>

#include <filesystem>
#include <system_error>
#include <utility>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "support/text.h"
#include "ui/archivefolder.h"
#include "ui/archiviodisegni.h"
#include "ui/mainform.h"
#include "ui/mdichild.h"
#include "ui/samepath.h"
#include "ui/sceltadisegno.h"
#include "ui/widetext.h"

namespace {

DeleteDrawingChooser& CurrentChooser()
{
    static DeleteDrawingChooser chooser;
    return chooser;
}

std::string ShowDeleteDialog(QWidget* parent, const std::string& folder)
{
    const QString filter = ToQString(StrFormat("File disegno (*%s)", ".dis"));
    return ToStdString(QFileDialog::getOpenFileName(parent, "ELIMINA FILE", ToQString(folder), filter));
}

bool IsOpenInWindow(TMainForm& form, const std::string& file)
{
    for (TMDIChild* child : form.DrawingWindows())
        if (SamePath(child->filePath, file))
            return true;
    return false;
}

// Runs one of the archive dialogs modally with its periodic update on the main window's timer, then opens the
// drawing it chose.
template <typename Dialog>
void OpenChosenDrawing(TMainForm& form)
{
    Dialog dialog(&form);
    form.AddPreviewDialog(&dialog, [&dialog] { dialog.Refresh(); });
    dialog.exec();
    form.RemovePreviewDialog(&dialog);
    if (!dialog.resultPath.empty())
        form.OpenDrawingWindow(dialog.resultPath, false);
}

}  // namespace

DeleteDrawingChooser SetDeleteDrawingChooser(DeleteDrawingChooser chooser)
{
    return std::exchange(CurrentChooser(), std::move(chooser));
}

void OpenDrawingFromChooser(TMainForm& form)
{
    OpenChosenDrawing<TSceltaDisegnoForm>(form);
}

void OpenDrawingFromArchive(TMainForm& form)
{
    OpenChosenDrawing<TArchivioDisegniForm>(form);
}

void DeleteArchiveDrawing(TMainForm& form)
{
    const std::string folder = ShownArchiveFolder();
    const std::string file = CurrentChooser() ? CurrentChooser()(folder) : ShowDeleteDialog(&form, folder);
    if (file.empty())
        return;
    if (IsOpenInWindow(form, file)) {
        MyMessageBox(StrFormat("%s\n%s", MsgText(226).c_str(), file.c_str()), MsgText(227), MsgStyleWarning);
        return;
    }
    const std::string question = StrFormat("%s\n%s?", MsgText(229).c_str(), file.c_str());
    if (MyMessageBox(question, MsgText(228), MsgStyleQuestion) != MsgResultYes)
        return;
    std::error_code error;
    // The operator must not believe a file gone that is still there.
    if (!std::filesystem::remove(file, error))
        ShowError(StrFormat("Impossibile eliminare il file %s", file.c_str()));
}
