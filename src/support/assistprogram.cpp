// The remote-assistance program's setting file and the existence check of the chosen program.
#include "support/assistprogram.h"

#include <filesystem>
#include <system_error>

#include "support/filereadwritedata.h"
#include "support/log.h"
#include "support/progdir.h"

std::string AssistProgramFolder()
{
    return ProgDir + "/utl/service";
}

bool ReadAssistProgram(std::string& program)
{
    std::string line;
    if (!ReadDataFile(AssistSettingName, line))
        return false;
    program = line;
    return true;
}

// A name holding a line end cannot be stored as the file's one line: it would be read back cut short.
bool WriteAssistProgram(const std::string& program)
{
    if (program.find_first_of("\r\n") != std::string::npos) {
        WriteErrorLog("Nome del programma di assistenza non memorizzabile: contiene un fine riga.");
        return false;
    }
    return WriteDataFile(AssistSettingName, program);
}

bool AssistProgramExists(const std::string& program)
{
    if (program.empty())
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(program, error);
}
