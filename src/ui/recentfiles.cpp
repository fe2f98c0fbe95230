// The recent files list, read from and written to its data file at every use, so that every window sees one list.
#include "ui/recentfiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/filereplace.h"
#include "support/log.h"
#include "support/progdir.h"
#include "ui/recovery.h"
#include "ui/samepath.h"

namespace {

std::string ListPath()
{
    return DataFilePath("recent.dat");
}

void StoreList(const std::vector<std::string>& files)
{
    std::string text;
    for (const std::string& file : files)
        text += file + "\n";
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(ListPath()).parent_path(), error);
    if (ReplaceFile(ListPath(), text) != ReplaceResult::Done)
        WriteErrorLog("Impossibile salvare l'elenco dei file recenti " + ListPath());
}

// The list without any entry naming the file path.
std::vector<std::string> ListWithout(const std::string& path)
{
    std::vector<std::string> files = RecentFiles();
    std::erase_if(files, [&path](const std::string& file) { return SamePath(file, path); });
    return files;
}

}  // namespace

std::vector<std::string> RecentFiles()
{
    std::vector<std::string> files;
    std::ifstream in(ListPath());
    std::string line;
    while (static_cast<int>(files.size()) < MaxRecentFiles && std::getline(in, line))
        if (!line.empty())
            files.push_back(line);
    return files;
}

void AddRecentFile(const std::string& path)
{
    // One path a line: a name holding a line break cannot be listed.
    if (path.empty() || path.find('\n') != std::string::npos || IsRecoveryCopy(path))
        return;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    std::vector<std::string> files = ListWithout(path);
    files.insert(files.begin(), error ? path : absolute.string());
    if (files.size() > MaxRecentFiles)
        files.resize(MaxRecentFiles);
    StoreList(files);
}

void RemoveRecentFile(const std::string& path)
{
    StoreList(ListWithout(path));
}
