// Replacing a file through a temporary file in the target's folder, renamed over the target when complete.
#include "support/filereplace.h"

#include <filesystem>
#include <random>
#include <system_error>

#include "support/text.h"

namespace {

namespace fs = std::filesystem;

// Where the bytes of path end up: the file a symbolic link points at, so that writing through a link updates the
// linked file and keeps the link.
fs::path ResolvedTarget(const std::string& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec)
        return fs::path(path);
    const fs::path resolved = fs::weakly_canonical(absolute, ec);
    return ec ? absolute : resolved;
}

// A name for a new file beside target that no other file has.
fs::path TemporaryBeside(const fs::path& target)
{
    std::random_device random;
    const unsigned long long tag = (static_cast<unsigned long long>(random()) << 32) ^ random();
    return target.parent_path() / StrFormat(".%s.%016llx.tmp", target.filename().c_str(), tag);
}

}  // namespace

ReplaceResult ReplaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write)
{
    const fs::path target = ResolvedTarget(path);
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status))
        return ReplaceResult::CreateFailed;
    const fs::path temporary = TemporaryBeside(target);
    std::FILE* stream = std::fopen(temporary.c_str(), "wbx");
    if (!stream)
        return ReplaceResult::CreateFailed;
    const bool written = write(stream) && std::ferror(stream) == 0;
    const bool flushed = std::fflush(stream) == 0;
    bool done = std::fclose(stream) == 0 && written && flushed;
    if (done && exists)
        fs::permissions(temporary, status.permissions(), ec);
    if (done) {
        fs::rename(temporary, target, ec);
        done = !ec;
    }
    if (!done)
        fs::remove(temporary, ec);
    return done ? ReplaceResult::Done : ReplaceResult::WriteFailed;
}

ReplaceResult ReplaceFile(const std::string& path, const std::string& bytes)
{
    return ReplaceFile(path, [&bytes](std::FILE* stream) {
        return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    });
}
