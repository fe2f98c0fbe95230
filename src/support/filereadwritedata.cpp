// One-line data files in the program's data folder, read with FileReadWrite and replaced whole when written.
#include "support/filereadwritedata.h"

#include <filesystem>
#include <system_error>

#include "support/filereadwrite.h"
#include "support/filereplace.h"
#include "support/mymessagebox.h"
#include "support/progdir.h"
#include "support/text.h"

// The new line replaces the file only once it is stored whole, so a full disk or a failed write keeps the
// previous setting instead of leaving an empty or missing file.
bool WriteDataFile(const std::string& name, const std::string& line)
{
    const std::string path = DataFilePath(name);
    switch (ReplaceFile(path, line + "\r\n")) {
    case ReplaceResult::Done: return true;
    case ReplaceResult::CreateFailed:
        ShowError(StrFormat("FRW001: errore nell'apertura del file: %s", path.c_str()));
        return false;
    case ReplaceResult::WriteFailed: break;
    }
    ShowError(StrFormat("FRW003: errore nella scrittura del file: %s", path.c_str()));
    return false;
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
