// The tables of built-in catalogue texts, used by the catalogue's construction and by nothing else: entries 0 to
// BuiltInMessageCount - 1 in order, and the later entries, each with its number.
#pragma once

#include <array>
#include <string_view>
#include <vector>

constexpr int BuiltInMessageCount = 312;

extern const std::array<std::string_view, BuiltInMessageCount> BuiltInMessageTexts;

// A later entry: its number (BuiltInMessageCount or more, below MessageCount) and its Italian text.
struct NumberedText {
    int index;
    std::string_view text;
};

// The entries added after the first BuiltInMessageCount, grouped by the feature that shows them.
extern const std::vector<NumberedText> LaterMessageTexts;
