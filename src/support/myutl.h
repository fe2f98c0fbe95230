// Small utilities: exchanging values, a selection sort that carries parallel arrays along, splitting seconds,
// listing files and subfolders, removing a character, and wide text for the platform.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How many names the callers of ListFiles and ListSubfolders collect at most.
constexpr int MaxListedNames = 1000;

void SwapInt(int32_t& a, int32_t& b);
void SwapDouble(double& a, double& b);

// Sorts values ascending by selection sort: pass p (0 .. count-2) finds the first place of the smallest value
// in p .. count-1 and exchanges it with place p when they differ. Every exchange is applied also to each array
// of extras and, when given, to positions, which is first filled with 1 .. count, so that afterwards
// positions[i] is the 1-based place, before sorting, of the i-th smallest value. count is values.size(),
// reduced to the size of the shortest extra array so that nothing is touched beyond an array's end;
// positions is resized to count. Returns count - 1.
int SortAscending(std::vector<int>& values, std::vector<int>* positions = nullptr,
                  const std::vector<std::vector<int>*>& extras = {});

// Splits seconds into hours (not limited to 24), minutes and seconds: 3725 gives 1, 2, 5.
void SecondsToHms(uint32_t seconds, int& hours, int& minutes, int& secs);

// A time in seconds, truncated, as the machining time shows: "%dh: %02dm : %02ds" with hours, else "%dm : %02ds".
// Negative and non-finite times show as 0, times beyond 4294967295 s as that.
std::string FormatHms(double seconds);

// Lists the regular files of a folder that match a pattern. pattern is the folder with a trailing '/' followed
// by a file pattern with '*' and '?' wildcards (e.g. "/data/draw/*.dis"); matching is case-sensitive, and hidden
// files (names starting with '.') are not listed. names is cleared and receives the names without folder,
// sorted by name; count is their number. When maxAgeDays > 0 a file is listed only when its last-write day
// (local time) is not earlier than today minus maxAgeDays. When withSubfolders is set, the files of every
// subfolder (ListSubfolders order, at most MaxListedNames subfolders) follow as "sub/name". At most capacity
// names are stored.
void ListFiles(const std::string& pattern, int& count, std::vector<std::string>& names, int maxAgeDays,
               bool withSubfolders, int capacity = MaxListedNames);

// Lists the subfolders of folder (with or without trailing '/') depth-first in pre-order, siblings sorted by
// name, skipping hidden folders and symbolic links: each as folder + relative name when fullPaths is set,
// else relative to folder, nested levels joined by '/'. names is cleared; the walk stops when count reaches
// capacity.
void ListSubfolders(const std::string& folder, int& count, std::vector<std::string>& names, bool fullPaths,
                    int capacity = MaxListedNames);

// text with every occurrence of ch removed.
std::string RemoveChar(const std::string& text, char ch);

// The UTF-16 form of a UTF-8 text, as the platform takes file names and captions (see Utf8ToUtf16).
std::u16string ToWideText(const std::string& text);
