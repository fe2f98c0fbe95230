// Recovery copies in data/recovery/: naming, writing through the drawing's save, listing, removing and pruning.
#include "ui/recovery.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "model/drw.h"
#include "support/progdir.h"
#include "ui/samepath.h"

namespace fs = std::filesystem;

namespace {

// The time a file was last written, in seconds since 1970; 0 when it cannot be read.
int64_t WrittenAt(const fs::path& path)
{
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(path, error);
    if (error)
        return 0;
    const auto system = std::chrono::file_clock::to_sys(written);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

std::string RecoveryFolder()
{
    return DataFilePath("recovery");
}

bool IsRecoveryCopy(const std::string& path)
{
    const fs::path file(path);
    return file.has_filename() && file.has_parent_path() && file.parent_path().has_parent_path() &&
           SamePath(file.parent_path().parent_path().string(), RecoveryFolder());
}

std::string NewRecoveryCopyPath(const std::string& name)
{
    static int counter = 0;
    const std::string fileName = (name.empty() ? std::string("disegno") : name) + ".dis";
    std::error_code error;
    for (;;) {
        const fs::path folder = fs::path(RecoveryFolder()) / (std::to_string(Now()) + "-" + std::to_string(getpid()) +
                                                              "-" + std::to_string(++counter));
        if (!fs::exists(folder, error))
            return (folder / fileName).string();
    }
}

bool WriteRecoveryCopy(Drw& drawing, const std::string& path)
{
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    const bool wasModified = drawing.modified;
    const bool saved = drawing.Save(path);
    drawing.modified = wasModified;
    return saved;
}

void RemoveRecoveryCopy(const std::string& path)
{
    // Only ever a copy's own folder, whatever path is handed in.
    if (!IsRecoveryCopy(path))
        return;
    std::error_code error;
    fs::remove_all(fs::path(path).parent_path(), error);
}

std::vector<RecoveryCopy> RecoveryCopies()
{
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (const fs::directory_entry& folder : fs::directory_iterator(RecoveryFolder(), error)) {
        if (!folder.is_directory(error))
            continue;
        for (const fs::directory_entry& file : fs::directory_iterator(folder.path(), error))
            if (file.is_regular_file(error) && file.path().extension() == ".dis")
                copies.push_back({file.path().string(), file.path().stem().string(), WrittenAt(file.path())});
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return copies;
}

void PruneRecoveryCopies(int64_t now)
{
    const std::vector<RecoveryCopy> copies = RecoveryCopies();
    for (std::size_t i = 0; i < copies.size(); ++i)
        if (i >= MaxRecoveryCopies || now - copies[i].time > RecoveryCopyMaxAge)
            RemoveRecoveryCopy(copies[i].path);
    std::error_code error;
    std::vector<fs::path> empty;
    for (const fs::directory_entry& folder : fs::directory_iterator(RecoveryFolder(), error))
        if (folder.is_directory(error) && fs::is_empty(folder.path(), error))
            empty.push_back(folder.path());
    for (const fs::path& folder : empty)
        fs::remove(folder, error);
}
