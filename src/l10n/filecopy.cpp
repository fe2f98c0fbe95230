// Replacing one file by a copy of another, through a temporary file beside the target.

#include "l10n/filecopy.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A non-zero code for a failure, even if the library reported the failure without one.
int FailureCode(const std::error_code& ec)
{
    return ec.value() != 0 ? ec.value() : EIO;
}

}  // namespace

int CopyFileReplacing(const std::string& source, const std::string& target)
{
    std::error_code ec;
    if (!fs::exists(source, ec))
        return ec ? FailureCode(ec) : ENOENT;
    if (!fs::is_regular_file(source, ec))
        return ec ? FailureCode(ec) : EISDIR;
    const fs::path temporary = fs::path(target).concat(".part");
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FailureCode(ec);
    }
    return 0;
}
