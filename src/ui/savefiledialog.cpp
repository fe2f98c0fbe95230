// The save dialog: the replaceable handler and the default QFileDialog.
#include "ui/savefiledialog.h"

#include <QFileDialog>

#include <utility>

#include "ui/widetext.h"

namespace {

SaveFileDialogHandler& InstalledHandler()
{
    static SaveFileDialogHandler handler;
    return handler;
}

std::string ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request)
{
    QFileDialog dialog(parent, ToQString(request.title), ToQString(request.folder), ToQString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ToQString(request.defaultSuffix));
    dialog.selectFile(ToQString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return ToStdString(dialog.selectedFiles().first());
}

}  // namespace

SaveFileDialogHandler SetSaveFileDialogHandler(SaveFileDialogHandler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

std::string ChooseSaveFile(QWidget* parent, const SaveFileRequest& request)
{
    const SaveFileDialogHandler& handler = InstalledHandler();
    return handler ? handler(parent, request) : ShowSaveFileDialog(parent, request);
}
