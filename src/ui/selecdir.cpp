// The folder browse dialog (QFileDialog) and its replaceable handler.
#include "ui/selecdir.h"

#include <QApplication>
#include <QFileDialog>

#include <utility>

#include "ui/widetext.h"

namespace {

FolderDialogHandler& CurrentHandler()
{
    static FolderDialogHandler handler;
    return handler;
}

std::string PlatformFolderDialog(const std::string& startFolder, const std::string& caption)
{
    const QString title = caption.empty() ? QString("Select a folder:") : ToQString(caption).left(MaxFolderCaption);
    const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title,
                                                             ToQString(startFolder), QFileDialog::ShowDirsOnly);
    return ToStdString(chosen);
}

}  // namespace

FolderDialogHandler SetFolderDialogHandler(FolderDialogHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

bool SelectFolder(const std::string& startFolder, std::string& folder, const std::string& caption)
{
    const FolderDialogHandler& handler = CurrentHandler();
    std::string chosen = handler ? handler(startFolder, caption) : PlatformFolderDialog(startFolder, caption);
    if (chosen.empty())
        return false;
    if (chosen.back() != '/')
        chosen += '/';
    folder = std::move(chosen);
    return true;
}
