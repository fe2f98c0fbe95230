// The desktop's open operation for files and programs, and its replaceable handler.
#include "ui/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "support/log.h"
#include "support/text.h"
#include "ui/widetext.h"

namespace {

ShellOpenHandler shellHandler;

// A program is started directly: the desktop's file opener would show it in an editor instead of running it.
bool DesktopOpen(const std::string& file, const std::string& directory)
{
    const QString path = ToQString(file);
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable()) {
        const QString folder = directory.empty() ? info.absolutePath() : ToQString(directory);
        return QProcess::startDetached(info.absoluteFilePath(), {}, folder);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    ShellOpenHandler previous = std::move(shellHandler);
    shellHandler = std::move(handler);
    return previous;
}

bool ShellOpen(const std::string& file, const std::string& directory)
{
    const bool opened = shellHandler ? shellHandler(file, directory) : DesktopOpen(file, directory);
    if (!opened)
        WriteErrorLog(StrFormat("Impossibile aprire il file: %s", file.c_str()));
    return opened;
}
