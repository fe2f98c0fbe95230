// The JSON writer of quorvia-cli.
#include "cli_json.h"

#include <charconv>
#include <cmath>

#include "support/text.h"

std::string JsonNumber(double x)
{
    if (!std::isfinite(x))
        return "null";
    char buffer[32];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

void JsonWriter::BeforeValue()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (!levelHasValue.empty()) {
        if (levelHasValue.back())
            text += ',';
        levelHasValue.back() = true;
    }
    if (newLinePending) {
        text += '\n';
        newLinePending = false;
    }
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    text += bracket;
    levelHasValue.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    levelHasValue.pop_back();
    text += bracket;
}

void JsonWriter::BeginObject()
{
    Open('{');
}
void JsonWriter::EndObject()
{
    Close('}');
}
void JsonWriter::BeginArray()
{
    Open('[');
}
void JsonWriter::EndArray()
{
    Close(']');
}

void JsonWriter::Key(std::string_view name)
{
    String(name);
    text += ':';
    afterKey = true;
}

void JsonWriter::Number(double value)
{
    BeforeValue();
    text += JsonNumber(value);
}

void JsonWriter::Integer(int64_t value)
{
    BeforeValue();
    text += std::to_string(value);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    text += value ? "true" : "false";
}

void JsonWriter::String(std::string_view value)
{
    BeforeValue();
    std::string utf8(value);
    if (!IsValidUtf8(utf8))
        utf8 = Cp1252ToUtf8(utf8);
    text += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"': text += "\\\""; break;
        case '\\': text += "\\\\"; break;
        case '\n': text += "\\n"; break;
        case '\r': text += "\\r"; break;
        case '\t': text += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                text += StrFormat("\\u%04x", static_cast<unsigned>(c));
            else
                text += c;
        }
    }
    text += '"';
}
