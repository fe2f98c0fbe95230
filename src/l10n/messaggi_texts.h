// The table of built-in catalogue texts (entries 0 to BuiltInMessageCount - 1), used by the catalogue's
// construction and by nothing else.
#pragma once

#include <array>
#include <string_view>

constexpr int BuiltInMessageCount = 312;

extern const std::array<std::string_view, BuiltInMessageCount> BuiltInMessageTexts;
