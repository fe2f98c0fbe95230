// Listing the drawings of the archive folder for the chooser and the browser.
#include "ui/archivefolder.h"

#include "model/drw_file.h"
#include "support/myutl.h"
#include "support/text.h"

namespace {

constexpr const char* DrawingExtension = ".dis";
constexpr std::size_t DrawingExtensionLength = 4;

}  // namespace

std::string ShownArchiveFolder()
{
    std::string folder = ReadArchiveFolder();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::vector<std::string> ListArchiveDrawings(const std::string& folder)
{
    int count = 0;
    std::vector<std::string> names;
    ListFiles(StrFormat("%s*%s", folder.c_str(), DrawingExtension), count, names, 0, true);
    for (std::string& name : names)
        name.resize(name.size() - DrawingExtensionLength);
    return names;
}

std::string ArchiveDrawingPath(const std::string& folder, const std::string& name)
{
    return StrFormat("%s%s%s", folder.c_str(), name.c_str(), DrawingExtension);
}

void SplitChosenFolder(const std::string& chosen, std::string& folder, std::string& name)
{
    const std::size_t slash = chosen.rfind('/');
    folder = slash == std::string::npos ? std::string() : chosen.substr(0, slash + 1);
    name = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
}
