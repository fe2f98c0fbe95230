// Text helpers: formatting, ANSI-style upper-casing, UTF-8 validation and the Windows-1252 and UTF-16 forms.
#include "support/text.h"

#include <array>
#include <cstdarg>
#include <cstdio>

std::string StrFormat(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<std::size_t>(length));
        std::vsnprintf(result.data(), result.size() + 1, fmt, args);
    }
    va_end(args);
    return result;
}

// Decodes the UTF-8 character at text[i] into code and moves i past it. On an invalid sequence (stray or
// missing continuation byte, overlong form, surrogate, beyond U+10FFFF) returns false and moves i by one byte.
static bool DecodeUtf8(const std::string& text, std::size_t& i, char32_t& code)
{
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        ++i;
        return true;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + length > text.size()) {
        ++i;
        return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += length;
    return true;
}

static void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The characters of Windows-1252 bytes 0x80..0x9F; the five undefined bytes keep their own number.
static constexpr std::array<char16_t, 32> Cp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

static char32_t UpperCode(char32_t code)
{
    if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7))
        return code - 0x20;
    switch (code) {
    case 0xFF: return 0x178;   // ÿ
    case 0x161: return 0x160;  // š
    case 0x153: return 0x152;  // œ
    case 0x17E: return 0x17D;  // ž
    default: return code;
    }
}

std::string AnsiUpper(const std::string& utf8)
{
    std::string result;
    result.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t start = i;
        char32_t code;
        if (DecodeUtf8(utf8, i, code))
            AppendUtf8(result, UpperCode(code));
        else
            result += utf8[start];
    }
    return result;
}

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    return AnsiUpper(a) == AnsiUpper(b);
}

bool IsValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    char32_t code;
    while (i < text.size())
        if (!DecodeUtf8(text, i, code))
            return false;
    return true;
}

std::string Cp1252ToUtf8(const std::string& cp1252)
{
    std::string result;
    result.reserve(cp1252.size());
    for (char c : cp1252) {
        auto byte = static_cast<unsigned char>(c);
        AppendUtf8(result, byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : char32_t{byte});
    }
    return result;
}

static char Cp1252Byte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t k = 0; k < Cp1252High.size(); ++k)
        if (Cp1252High[k] == code)
            return static_cast<char>(0x80 + k);
    return '?';
}

std::string Utf8ToCp1252(const std::string& utf8)
{
    std::string result;
    result.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t code;
        result += DecodeUtf8(utf8, i, code) ? Cp1252Byte(code) : '?';
    }
    return result;
}

std::u16string Utf8ToUtf16(const std::string& utf8)
{
    std::u16string result;
    result.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t code;
        if (!DecodeUtf8(utf8, i, code))
            code = 0xFFFD;
        if (code >= 0x10000) {
            code -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (code >> 10));
            result += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            result += static_cast<char16_t>(code);
        }
    }
    return result;
}
