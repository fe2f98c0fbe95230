// The language setting file and the switch of the active help file.

#include "l10n/cambiolingua.h"

#include <cerrno>
#include <fstream>

#include "l10n/filecopy.h"
#include "l10n/messaggi.h"
#include "support/log.h"
#include "support/mymessagebox.h"
#include "support/progdir.h"
#include "support/text.h"

namespace {

const char* const OpenSettingError = "Errore nell'apertura del file della lingua selezionata.";
const char* const BadSettingError = "Errore nella lettura del file della lingua selezionata.";

}  // namespace

std::string LanguageSettingPath()
{
    return DataFilePath("language.dat");
}

std::string ActiveHelpFilePath()
{
    return ProgDir + "/help/help.pdf";
}

std::string LanguageHelpFilePath(int code)
{
    const std::string codeText = LanguageCodeText(code);
    if (codeText.empty())
        return {};
    return ProgDir + "/help/" + codeText + "/help_" + codeText + ".pdf";
}

int ReadLanguageSetting()
{
    std::ifstream in(LanguageSettingPath(), std::ios::binary);
    if (!in) {
        WriteErrorLog(OpenSettingError);
        return LanguageItalian;
    }
    char first = 0;
    if (!in.get(first) || first < '0' || first > '9') {
        WriteErrorLog(BadSettingError);
        return LanguageItalian;
    }
    return first - '0';
}

bool WriteLanguageSetting(int code)
{
    std::ofstream out(LanguageSettingPath(), std::ios::binary | std::ios::trunc);
    if (out)
        out.put(std::to_string(code).front());
    if (out)
        out.close();
    if (!out) {
        WriteErrorLog(OpenSettingError);
        return false;
    }
    return true;
}

bool CopyHelpFile(int code)
{
    const std::string source = LanguageHelpFilePath(code);
    const int error = source.empty() ? EINVAL : CopyFileReplacing(source, ActiveHelpFilePath());
    if (error != 0) {
        ShowError(StrFormat("CL001: errore nella copia file di help, codice di errore %d", error));
        return false;
    }
    return true;
}
