// The save dialog: the replaceable handler and the default QFileDialog.
#include "ui/savefiledialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

#include "ui/widetext.h"

namespace {

SaveFileDialogHandler& InstalledHandler()
{
    static SaveFileDialogHandler handler;
    return handler;
}

// The extension of a name filter's first pattern: "png" of "Immagine PNG (*.png)"; empty when it has none.
QString FilterSuffix(const QString& filter)
{
    const QRegularExpressionMatch match = QRegularExpression(R"(\(\*\.(\w+))").match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::string ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request)
{
    QFileDialog dialog(parent, ToQString(request.title), ToQString(request.folder), ToQString(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ToQString(request.defaultSuffix));
    dialog.selectFile(ToQString(request.proposedName));
    // Another filter proposes the same name with its extension and adds that extension to a name typed without.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
        const QString suffix = FilterSuffix(filter);
        if (suffix.isEmpty())
            return;
        dialog.setDefaultSuffix(suffix);
        const QFileInfo proposed(ToQString(request.proposedName));
        dialog.selectFile(proposed.completeBaseName() + "." + suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (request.chosenFilter)
        *request.chosenFilter = ToStdString(dialog.selectedNameFilter());
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
