// Small utilities: exchanges, the selection sort with parallel arrays, seconds split and shown, character removal,
// wide text. The file and folder listings are in myutl_files.cpp.
#include "support/myutl.h"

#include <algorithm>
#include <utility>

#include "support/text.h"

void SwapInt(int32_t& a, int32_t& b)
{
    std::swap(a, b);
}

void SwapDouble(double& a, double& b)
{
    std::swap(a, b);
}

int SortAscending(std::vector<int>& values, std::vector<int>* positions, const std::vector<std::vector<int>*>& extras)
{
    std::size_t count = values.size();
    for (const std::vector<int>* extra : extras)
        if (extra)
            count = std::min(count, extra->size());
    if (positions) {
        if (positions->size() < count)
            positions->resize(count);
        for (std::size_t i = 0; i < count; ++i)
            (*positions)[i] = static_cast<int>(i + 1);
    }
    for (std::size_t p = 0; p + 1 < count; ++p) {
        std::size_t smallest = p;
        for (std::size_t i = p + 1; i < count; ++i)
            if (values[i] < values[smallest])
                smallest = i;
        if (smallest == p)
            continue;
        std::swap(values[p], values[smallest]);
        if (positions)
            std::swap((*positions)[p], (*positions)[smallest]);
        for (std::vector<int>* extra : extras)
            if (extra)
                std::swap((*extra)[p], (*extra)[smallest]);
    }
    return static_cast<int>(count) - 1;
}

void SecondsToHms(uint32_t seconds, int& hours, int& minutes, int& secs)
{
    hours = static_cast<int>(seconds / 3600);
    minutes = static_cast<int>(seconds % 3600 / 60);
    secs = static_cast<int>(seconds % 60);
}

std::string FormatHms(double seconds)
{
    const double clamped = seconds > 0 ? std::min(seconds, 4294967295.0) : 0.0;
    int hours = 0, minutes = 0, secs = 0;
    SecondsToHms(static_cast<uint32_t>(clamped), hours, minutes, secs);
    return hours != 0 ? StrFormat("%dh: %02dm : %02ds", hours, minutes, secs) : StrFormat("%dm : %02ds", minutes, secs);
}

std::string RemoveChar(const std::string& text, char ch)
{
    std::string result = text;
    std::erase(result, ch);
    return result;
}

std::u16string ToWideText(const std::string& text)
{
    return Utf8ToUtf16(text);
}
