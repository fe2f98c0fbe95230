// The program logs: bounded in-memory lines, with an optional time-stamped log file.
#include "support/log.h"

#include <ctime>
#include <fstream>
#include <utility>

std::unique_ptr<Log> ErrorLog;
std::unique_ptr<Log> EventLog;

Log::Log(std::string name) : name(std::move(name)) {}

const std::string& Log::Name() const
{
    return name;
}

static std::string TimeStamp()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void Log::Write(const std::string& text)
{
    lines.push_back(text);
    if (lines.size() > MaxLines)
        lines.pop_front();
    if (filePath.empty())
        return;
    std::ofstream file(filePath, std::ios::app | std::ios::binary);
    if (file)
        file << TimeStamp() << ' ' << text << '\n';
}

std::vector<std::string> Log::Lines() const
{
    return {lines.begin(), lines.end()};
}

void Log::SetFile(const std::string& path)
{
    filePath = path;
}

void WriteErrorLog(const std::string& text)
{
    if (ErrorLog)
        ErrorLog->Write(text);
}

void WriteEventLog(const std::string& text)
{
    if (EventLog)
        EventLog->Write(text);
}
