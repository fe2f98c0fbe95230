// The program logs: a named log that keeps its recent lines in memory and can also append them,
// time-stamped, to a file; the two process-wide logs ErrorLog ("ERR") and EventLog ("EV").
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class Log {
public:
    // How many of the most recent lines the log keeps in memory; older lines are dropped.
    static constexpr std::size_t MaxLines = 1000;

    explicit Log(std::string name);

    const std::string& Name() const;

    // Records text as one line (in memory, and in the log file when one is set). Never fails visibly:
    // a log file that cannot be written is silently skipped, since reporting it would need a log again.
    void Write(const std::string& text);

    // The recent lines, oldest first, as written (without time stamps).
    std::vector<std::string> Lines() const;

    // Appends every later line to the file at path as "YYYY-MM-DD HH:MM:SS text"; an empty path stops it.
    void SetFile(const std::string& path);

private:
    std::string name;
    std::deque<std::string> lines;
    std::string filePath;
};

// The process-wide logs; either may be absent (no log is then kept).
extern std::unique_ptr<Log> ErrorLog;
extern std::unique_ptr<Log> EventLog;

// Writes text to ErrorLog / EventLog; does nothing when that log is absent.
void WriteErrorLog(const std::string& text);
void WriteEventLog(const std::string& text);
