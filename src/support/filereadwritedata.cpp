// One-line data files in the program's data folder, read and written with FileReadWrite.
#include "support/filereadwritedata.h"

#include <filesystem>
#include <system_error>

#include "support/filereadwrite.h"
#include "support/progdir.h"

bool WriteDataFile(const std::string& name, const std::string& line)
{
    std::string path = DataFilePath(name);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    FileReadWrite file(path, false);
    if (file.openFailed)
        return false;
    bool written = file.WriteLine(line);
    return file.Close() && written;
}

bool ReadDataFile(const std::string& name, std::string& line)
{
    line.clear();
    std::string path = DataFilePath(name);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return false;
    FileReadWrite file(path, true);
    if (file.openFailed)
        return false;
    return file.ReadLine(line);
}
