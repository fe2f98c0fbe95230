// The program folder of the executables: where the read-only resources are (beside the executable in a build tree
// or a portable copy, ../share/quorvia in an installed layout) and where the program writes (ProgDir). The core only
// sees ProgDir; this Qt side decides which folder it is and fills the user's folder on first start.
#pragma once

#include <QString>

#include <functional>

struct ProgramFolders {
    QString shared;    // the resources: message and help files of every language, samples, icons, defaults
    QString writable;  // the program folder the program writes in and reads back from (ProgDir)
};

// The folders of a program whose executable lies in executableFolder. The resources are in executableFolder when
// it holds msg/, else in the installed layout's share folder beside it when that holds msg/, else (nothing found)
// in executableFolder. The program writes beside its executable when the resources are there and writable (a
// build tree, a portable copy); otherwise (an installed program, a read-only copy) in userFolder.
ProgramFolders ChooseProgramFolders(const QString& executableFolder, const QString& userFolder,
                                    const std::function<bool(const QString& folder)>& isWritable);

// Fills target from the resources in shared. What the program and the operator change (data/, the archive draw/
// with the samples' drawings, the active message file msg/cad.msg and help file help/help.pdf, utl/service/) is
// copied only where target lacks it, so a later start never replaces what the operator changed. The other folders
// of shared (each language's message and help files, samples/, icons/) are linked, and a link that points at
// another shared folder (the program moved or was reinstalled elsewhere) is pointed at this one; a real folder of
// the same name is left alone. False when a folder, copy or link could not be made (what could be made stays).
bool SeedProgramFolder(const QString& shared, const QString& target);

// Seeds the writable folder when it is not the shared one and points ProgDir at it. When the writable folder
// cannot be made, ProgDir points at the shared folder, so that the program still finds its texts, and the result
// is false.
bool UseProgramFolders(const ProgramFolders& folders);

// The folders of the running executable (its folder found with FindProgDir, which shows PD001 or PD002 when it
// fails and both folders are then empty) with the user's data folder $XDG_DATA_HOME/quorvia.
ProgramFolders RunningProgramFolders();

// For the running executable (its folder found with FindProgDir, the user's folder from the application name's
// data location): chooses, seeds and points ProgDir. On failure it also shows "PD003: ..." with the folder, from
// the message catalogue, which it creates from the shared folder for that.
bool SetUpProgramFolder();
