// Text helpers: printf-style formatting into std::string, the ANSI-style upper-casing used for case-blind
// comparisons, and the conversions between the program's UTF-8 and the Windows-1252 of drawing files.
#pragma once

#include <string>

// printf-style formatting of any length.
std::string StrFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Upper-cases the ASCII letters and the letters of Windows-1252 (Latin-1 à..þ except ÷, and š, œ, ž, ÿ) of a
// UTF-8 text; everything else, invalid bytes included, is kept as it is. ß and µ have no upper case and stay.
std::string AnsiUpper(const std::string& utf8);

// AnsiUpper(a) == AnsiUpper(b).
bool EqualsNoCase(const std::string& a, const std::string& b);

// True when text is well-formed UTF-8: no stray continuation bytes, no truncated sequences, no overlong forms,
// no surrogates (U+D800..U+DFFF) and nothing above U+10FFFF.
bool IsValidUtf8(const std::string& text);

// Decodes Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the control characters of the same number, as the platform's own conversion does.
std::string Cp1252ToUtf8(const std::string& cp1252);

// Encodes UTF-8 as Windows-1252. A character outside Windows-1252, and each byte of an invalid sequence,
// becomes '?'.
std::string Utf8ToCp1252(const std::string& utf8);

// Decodes UTF-8 to UTF-16 (surrogate pairs above U+FFFF); each byte of an invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8);
