// The message catalogue: built-in texts, the process-wide instance and the language switch.

#include "l10n/messaggi.h"

#include "l10n/filecopy.h"
#include "l10n/messaggi_texts.h"
#include "support/mymessagebox.h"
#include "support/progdir.h"
#include "support/text.h"

std::unique_ptr<Messaggi> MessageCatalogue;

std::string LanguageCodeText(int code)
{
    switch (code) {
    case LanguageItalian: return "ita";
    case LanguageEnglish: return "eng";
    case LanguageLocal: return "lan3";
    default: return {};
    }
}

Messaggi::Messaggi(const std::string& messageFilePath)
{
    for (int i = 0; i < BuiltInMessageCount; ++i)
        texts[i] = std::string(BuiltInMessageTexts[i]);
    for (const NumberedText& later : LaterMessageTexts)
        texts[later.index] = std::string(later.text);
    LoadMessageFile(messageFilePath);
}

const std::string& Messaggi::Text(int index) const
{
    static const std::string empty;
    if (index < 0 || index >= MessageCount)
        return empty;
    return texts[index];
}

const std::string& MsgText(int index)
{
    static const std::string empty;
    return MessageCatalogue ? MessageCatalogue->Text(index) : empty;
}

std::string MsgTextOr(int index, const char* fixed)
{
    const std::string& text = MsgText(index);
    return text.empty() ? std::string(fixed) : text;
}

std::string ActiveMessageFilePath()
{
    return ProgDir + "/msg/cad.msg";
}

std::string LanguageMessageFilePath(int code)
{
    const std::string codeText = LanguageCodeText(code);
    if (codeText.empty())
        return {};
    return ProgDir + "/msg/" + codeText + "/cad." + codeText;
}

void CreateMessageCatalogue()
{
    MessageCatalogue = std::make_unique<Messaggi>(ActiveMessageFilePath());
}

void DestroyMessageCatalogue()
{
    MessageCatalogue.reset();
}

bool ChangeMessageLanguage(int code)
{
    if (LanguageCodeText(code).empty()) {
        ShowError("MSG003: lingua messaggi non riconosciuta.");
        return false;
    }
    const int error = CopyFileReplacing(LanguageMessageFilePath(code), ActiveMessageFilePath());
    if (error != 0) {
        ShowError(StrFormat("MSG004: errore nella copia file di messaggi, codice di errore %d", error));
        return false;
    }
    DestroyMessageCatalogue();
    CreateMessageCatalogue();
    return true;
}
