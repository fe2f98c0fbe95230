// The message catalogue: 500 numbered texts (captions, hints, titles, messages) that windows and dialogs
// address by index, the process-wide catalogue, and the switch of the active message file by language.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

constexpr int MessageCount = 500;

// Language codes: 0 Italian, 1 English, 2 a third, local language.
constexpr int LanguageItalian = 0, LanguageEnglish = 1, LanguageLocal = 2;

// The code's text used in file names ("ita", "eng", "lan3"); empty for any other code.
std::string LanguageCodeText(int code);

class Messaggi {
public:
    // Sets the entries to the built-in Italian texts (the rest empty), then overlays the entries that the
    // message file at messageFilePath supplies (see LoadMessageFile). A missing file leaves the built-in texts.
    explicit Messaggi(const std::string& messageFilePath);

    // Entry i, for 0 <= i < MessageCount; the empty text for an empty entry.
    std::array<std::string, MessageCount> texts;

    // Entry i, or the empty text when i is outside 0..MessageCount - 1.
    const std::string& Text(int index) const;

    // Reads a message file: UTF-8 text, one entry per line as "index=text", the text being everything after the
    // first '=' (leading blanks kept, a final CR dropped); empty lines and lines starting with '#' are ignored.
    // A line with an index outside 0..MessageCount - 1, no '=', a text that is not valid UTF-8 or that holds a
    // control character, or a length beyond MaxMessageLineLength is passed over and written to ErrorLog; it
    // changes no entry. Returns false, changing nothing, when the file cannot be read or is larger than
    // MaxMessageFileSize (also written to ErrorLog).
    bool LoadMessageFile(const std::string& path);

    static constexpr std::size_t MaxMessageLineLength = 4096;
    static constexpr std::uintmax_t MaxMessageFileSize = 4 * 1024 * 1024;
};

// The process-wide catalogue; absent before CreateMessageCatalogue and after DestroyMessageCatalogue.
// Readers look it up each time they need a text and keep no pointer to it.
extern std::unique_ptr<Messaggi> MessageCatalogue;

// Entry i of the process-wide catalogue; the empty text when there is no catalogue or i is out of range.
const std::string& MsgText(int index);

// Entry i of the process-wide catalogue, or fixed when the entry is empty or there is no catalogue.
std::string MsgTextOr(int index, const char* fixed);

// The active message file, ProgDir + "/msg/cad.msg".
std::string ActiveMessageFilePath();

// The message file of a language, ProgDir + "/msg/<code>/cad.<code>"; empty for an unknown code.
std::string LanguageMessageFilePath(int code);

// Builds a new catalogue from the active message file and makes it the process-wide one.
void CreateMessageCatalogue();

// Destroys the process-wide catalogue, if any.
void DestroyMessageCatalogue();

// Copies the language's message file over the active one and rebuilds the catalogue. An unknown code shows
// MSG003; a failed copy shows MSG004 with the system's error code. In both cases nothing changes and the
// result is false.
bool ChangeMessageLanguage(int code);
