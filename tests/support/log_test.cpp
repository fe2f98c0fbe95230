// Tests of the logs: bounded memory, the optional time-stamped file, and writing to absent logs.
#include "support/log.h"

#include <regex>

#include <gtest/gtest.h>

#include "common/temp_prog_dir.h"

TEST(Log, KeepsTheMostRecentLinesOnly)
{
    Log log("EV");
    EXPECT_EQ(log.Name(), "EV");
    for (std::size_t i = 0; i < Log::MaxLines + 5; ++i)
        log.Write("line " + std::to_string(i));
    std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), Log::MaxLines);
    EXPECT_EQ(lines.front(), "line 5");
    EXPECT_EQ(lines.back(), "line " + std::to_string(Log::MaxLines + 4));
}

TEST(Log, AppendsTimeStampedLinesToItsFile)
{
    TempProgDir dir;
    Log log("ERR");
    log.Write("before");
    log.SetFile(dir.File("data/err.log"));
    log.Write("first");
    log.Write("second");
    log.SetFile("");
    log.Write("after");
    std::string file = dir.ReadFile("data/err.log");
    EXPECT_TRUE(std::regex_match(file, std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d first\n"
                                                  "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d second\n")))
        << file;
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"before", "first", "second", "after"}));
}

TEST(Log, UnwritableFileIsIgnored)
{
    Log log("ERR");
    log.SetFile("/nonexistent-folder/err.log");
    log.Write("kept in memory");
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"kept in memory"});
}

TEST(Log, WritingToAbsentLogsDoesNothing)
{
    std::unique_ptr<Log> savedError = std::move(ErrorLog);
    std::unique_ptr<Log> savedEvent = std::move(EventLog);
    WriteErrorLog("x");
    WriteEventLog("y");
    EXPECT_EQ(ErrorLog, nullptr);
    EXPECT_EQ(EventLog, nullptr);
    ErrorLog = std::move(savedError);
    EventLog = std::move(savedEvent);
}
