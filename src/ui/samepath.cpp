// Comparing file paths by the file they name.
#include "ui/samepath.h"

#include <filesystem>
#include <system_error>

bool SamePath(const std::string& a, const std::string& b)
{
    std::error_code errorA, errorB;
    const std::filesystem::path pa = std::filesystem::weakly_canonical(a, errorA);
    const std::filesystem::path pb = std::filesystem::weakly_canonical(b, errorB);
    return errorA || errorB ? a == b : pa == pb;
}
