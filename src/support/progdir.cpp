// The program folder, found from the running executable or set by the caller.
#include "support/progdir.h"

#include <filesystem>
#include <system_error>

#include "support/mymessagebox.h"

std::string ProgDir;

// A folder set with SetProgDir; while not empty, FindProgDir keeps it.
static std::string pinnedProgDir;

bool ProgDirFromExecutable(const std::string& exePath)
{
    std::size_t slash = exePath.rfind('/');
    if (slash == std::string::npos) {
        MyMessageBox("PD002: errore nella ricerca del percorso programma", "ERRORE", MsgStyleError);
        return false;
    }
    ProgDir = exePath.substr(0, slash);
    return true;
}

bool FindProgDir()
{
    if (!pinnedProgDir.empty()) {
        ProgDir = pinnedProgDir;
        return true;
    }
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) {
        MyMessageBox("PD001: errore nella ricerca del percorso programma", "ERRORE", MsgStyleError);
        return false;
    }
    return ProgDirFromExecutable(exe.string());
}

void SetProgDir(const std::string& folder)
{
    pinnedProgDir = folder;
    ProgDir = folder;
}

std::string DataFilePath(const std::string& name)
{
    return ProgDir + "/data/" + name;
}
