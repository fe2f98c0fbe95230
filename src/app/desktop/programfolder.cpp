// The program folder: the choice between the folder beside the executable and the user's data folder, and the
// first-start filling of the user's folder from the resources.
#include "app/desktop/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "l10n/messaggi.h"
#include "support/mymessagebox.h"
#include "support/progdir.h"
#include "support/text.h"

namespace {

// The parts of the program folder that the program writes and the operator changes; everything else the
// resources hold is read only.
const QStringList OwnParts = {"data", "draw", "msg/cad.msg", "help/help.pdf", "utl/service"};

bool HoldsResources(const QString& folder)
{
    return QFileInfo(folder + "/msg").isDir();
}

QFileInfoList Entries(const QString& folder)
{
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

// A part that lies inside an own part's parent (msg/, help/, utl/) is made a real folder, so that the own part
// can sit in it.
bool HoldsOwnPart(const QString& relative)
{
    for (const QString& part : OwnParts)
        if (part.startsWith(relative + "/"))
            return true;
    return false;
}

// The copy is the operator's to change, whatever the permissions of the installed file.
bool CopyFileForOperator(const QString& source, const QString& target)
{
    return QFile::copy(source, target) && QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
}

bool CopyWhenMissing(const QFileInfo& source, const QString& target)
{
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink())
        return true;
    if (!source.isDir())
        return CopyFileForOperator(source.absoluteFilePath(), target);
    bool done = QDir().mkpath(target);
    for (const QFileInfo& entry : Entries(source.absoluteFilePath()))
        done = CopyWhenMissing(entry, target + "/" + entry.fileName()) && done;
    return done;
}

bool LinkFolder(const QString& source, const QString& target)
{
    const QFileInfo existing(target);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == source)
            return true;
        if (!QFile::remove(target))
            return false;
    } else if (existing.exists()) {
        return true;
    }
    return QFile::link(source, target);
}

// Seeds the part relative (empty: the whole folder) of target from shared.
bool SeedPart(const QString& shared, const QString& target, const QString& relative)
{
    bool done = true;
    for (const QFileInfo& entry : Entries(relative.isEmpty() ? shared : shared + "/" + relative)) {
        const QString part = relative.isEmpty() ? entry.fileName() : relative + "/" + entry.fileName();
        const QString to = target + "/" + part;
        if (OwnParts.contains(part))
            done = CopyWhenMissing(entry, to) && done;
        else if (entry.isDir() && HoldsOwnPart(part))
            done = QDir().mkpath(to) && SeedPart(shared, target, part) && done;
        else if (entry.isDir())
            done = LinkFolder(entry.canonicalFilePath(), to) && done;
    }
    return done;
}

}  // namespace

ProgramFolders ChooseProgramFolders(const QString& executableFolder, const QString& userFolder,
                                    const std::function<bool(const QString& folder)>& isWritable)
{
    const QString installed = QDir::cleanPath(executableFolder + "/" + QUORVIA_SHARED_FROM_BIN);
    ProgramFolders folders;
    folders.shared = !HoldsResources(executableFolder) && HoldsResources(installed) ? installed : executableFolder;
    const bool besideExecutable = folders.shared == executableFolder && isWritable(executableFolder);
    folders.writable = besideExecutable ? executableFolder : userFolder;
    return folders;
}

bool SeedProgramFolder(const QString& shared, const QString& target)
{
    // Links name the resources by their real path, the same whichever way the executable was reached.
    const QString source = QFileInfo(shared).canonicalFilePath();
    const bool done = source.isEmpty() || SeedPart(source, target, QString());
    // The data folder holds the settings even when the resources bring none.
    return QDir().mkpath(target + "/data") && done;
}

bool UseProgramFolders(const ProgramFolders& folders)
{
    if (folders.writable == folders.shared) {
        SetProgDir(folders.writable.toStdString());
        return true;
    }
    if (folders.writable.isEmpty() || !QDir().mkpath(folders.writable)) {
        SetProgDir(folders.shared.toStdString());
        return false;
    }
    const bool seeded = SeedProgramFolder(folders.shared, folders.writable);
    SetProgDir(folders.writable.toStdString());
    return seeded;
}

ProgramFolders RunningProgramFolders()
{
    if (!FindProgDir())
        return {};
    // The data location of the application quorvia ($XDG_DATA_HOME/quorvia), the same for both executables; none
    // when the user's data folder is unknown.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString userFolder = userData.isEmpty() ? QString() : userData + "/quorvia";
    return ChooseProgramFolders(QString::fromStdString(ProgDir), userFolder,
                                [](const QString& folder) { return QFileInfo(folder).isWritable(); });
}

bool SetUpProgramFolder()
{
    const ProgramFolders folders = RunningProgramFolders();
    if (UseProgramFolders(folders))
        return true;
    CreateMessageCatalogue();
    ShowError(StrFormat("%s %s", MsgText(394).c_str(), folders.writable.toStdString().c_str()));
    return false;
}
