// File and folder listings on std::filesystem: files matching a wildcard pattern, and the subfolder tree.
#include "support/myutl.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// True when name matches pattern, where '*' stands for any run of characters and '?' for one character.
bool WildcardMatch(const std::string& pattern, const std::string& name)
{
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++, starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1, n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool IsHidden(const std::string& name)
{
    return !name.empty() && name[0] == '.';
}

// The entries of folder of one kind (regular files, or real folders without following links), by name.
std::vector<std::string> SortedNames(const fs::path& folder, bool folders)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code statusError;
        bool wanted =
            folders ? it->is_directory(statusError) && !it->is_symlink(statusError) : it->is_regular_file(statusError);
        if (wanted && !statusError && !IsHidden(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Local day number (days since the epoch in local time) of a point of time.
long LocalDay(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    return static_cast<long>(timegm(&local) / 86400);
}

bool RecentEnough(const fs::path& file, int maxAgeDays)
{
    if (maxAgeDays <= 0)
        return true;
    std::error_code error;
    fs::file_time_type written = fs::last_write_time(file, error);
    if (error)
        return false;
    auto systemTime = std::chrono::file_clock::to_sys(written);
    std::time_t writtenTime = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(systemTime));
    return LocalDay(writtenTime) >= LocalDay(std::time(nullptr)) - maxAgeDays;
}

// Appends the matching files of folder, each as prefix + name, until names holds capacity entries.
void AppendMatches(const fs::path& folder, const std::string& filePattern, const std::string& prefix, int maxAgeDays,
                   std::size_t capacity, std::vector<std::string>& names)
{
    for (const std::string& name : SortedNames(folder, false)) {
        if (names.size() >= capacity)
            return;
        if (WildcardMatch(filePattern, name) && RecentEnough(folder / name, maxAgeDays))
            names.push_back(prefix + name);
    }
}

void WalkSubfolders(const fs::path& folder, const std::string& relative, std::size_t capacity,
                    std::vector<std::string>& names)
{
    for (const std::string& name : SortedNames(folder, true)) {
        if (names.size() >= capacity)
            return;
        std::string nested = relative.empty() ? name : relative + "/" + name;
        names.push_back(nested);
        WalkSubfolders(folder / name, nested, capacity, names);
    }
}

std::size_t Capacity(int capacity)
{
    return capacity > 0 ? static_cast<std::size_t>(capacity) : 0;
}

}  // namespace

void ListFiles(const std::string& pattern, int& count, std::vector<std::string>& names, int maxAgeDays,
               bool withSubfolders, int capacity)
{
    names.clear();
    std::size_t slash = pattern.rfind('/');
    std::string folder = slash == std::string::npos ? "./" : pattern.substr(0, slash + 1);
    std::string filePattern = pattern.substr(slash == std::string::npos ? 0 : slash + 1);
    AppendMatches(folder, filePattern, "", maxAgeDays, Capacity(capacity), names);
    if (withSubfolders) {
        int subfolderCount = 0;
        std::vector<std::string> subfolders;
        ListSubfolders(folder, subfolderCount, subfolders, false, MaxListedNames);
        for (const std::string& sub : subfolders)
            AppendMatches(folder + sub, filePattern, sub + "/", maxAgeDays, Capacity(capacity), names);
    }
    count = static_cast<int>(names.size());
}

void ListSubfolders(const std::string& folder, int& count, std::vector<std::string>& names, bool fullPaths,
                    int capacity)
{
    names.clear();
    std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    WalkSubfolders(base.empty() ? "." : base, "", Capacity(capacity), names);
    if (fullPaths)
        for (std::string& name : names)
            name = base + name;
    count = static_cast<int>(names.size());
}
