// A small streaming JSON writer for the tool's reports: compact output, strings escaped, reals in the shortest
// form that reads back to the same double, so that other programs can compare the values exactly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The shortest decimal text that reads back to x (std::to_chars); "null" for an infinity or NaN, which JSON
// cannot hold.
std::string JsonNumber(double x);

// Writes values into one text. Inside an object every value is preceded by Key; the writer puts the commas.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view name);
    void Number(double value);
    void Integer(int64_t value);
    void Bool(bool value);
    // text is UTF-8; a text that is not valid UTF-8 is taken as Windows-1252.
    void String(std::string_view text);
    // Puts the next value on a new line, after its separating comma (for long arrays, one element per line).
    void NewLine() { newLinePending = true; }

    const std::string& Text() const { return text; }

private:
    // Writes the comma that separates a value from the one before it at the same level.
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string text;
    std::vector<bool> levelHasValue;  // one entry per open object or array
    bool afterKey = false;
    bool newLinePending = false;
};
