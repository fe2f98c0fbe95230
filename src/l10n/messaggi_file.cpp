// Reading a message file ("index=text" lines) into the catalogue's entries.

#include "l10n/messaggi.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "support/log.h"
#include "support/text.h"

namespace {

// Invalid lines beyond this many are counted but not written one by one, so a hostile file cannot flood the log.
constexpr int MaxReportedLines = 20;

// The decimal index in digits, when it lies in 0..MessageCount - 1.
bool ParseIndex(std::string_view digits, int& index)
{
    if (digits.empty())
        return false;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
        if (value >= MessageCount)
            return false;
    }
    index = value;
    return true;
}

// A text may be shown as a caption: valid UTF-8 without control characters (which also rules out line breaks).
bool IsShowableText(const std::string& text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return IsValidUtf8(text);
}

// Parses one line that is neither empty nor a comment; false when it is malformed.
bool ParseEntry(std::string_view line, int& index, std::string& text)
{
    if (line.size() > Messaggi::MaxMessageLineLength)
        return false;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || !ParseIndex(line.substr(0, equals), index))
        return false;
    text = std::string(line.substr(equals + 1));
    return IsShowableText(text);
}

// The whole file, when it exists, is readable and is no larger than the limit.
bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > Messaggi::MaxMessageFileSize)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // Reads no more than the size found above, even if the file grows meanwhile.
    content.resize(static_cast<std::size_t>(size));
    in.read(content.data(), static_cast<std::streamsize>(size));
    content.resize(static_cast<std::size_t>(in.gcount()));
    return !in.bad();
}

}  // namespace

bool Messaggi::LoadMessageFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return false;
    std::string content;
    if (!ReadWholeFile(path, content)) {
        WriteErrorLog(StrFormat("MSG002: errore nella lettura del file di messaggi %s", path.c_str()));
        return false;
    }
    std::string_view rest(content);
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    int lineNumber = 0, invalidLines = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        int index = 0;
        std::string text;
        if (ParseEntry(line, index, text)) {
            texts[index] = std::move(text);
        } else if (++invalidLines <= MaxReportedLines) {
            WriteErrorLog(StrFormat("MSG001: riga %d non valida nel file di messaggi %s", lineNumber, path.c_str()));
        }
    }
    if (invalidLines > MaxReportedLines)
        WriteErrorLog(StrFormat("MSG001: %d righe non valide nel file di messaggi %s", invalidLines, path.c_str()));
    return true;
}
