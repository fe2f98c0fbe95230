// Tests of the remote-assistance program's setting file and of the program check.
#include "support/assistprogram.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

TEST(Assistprogram, ChoiceReplacesTheEarlierSettingAsItsOnlyLine)
{
    TempProgDir dir;
    MessageRecorder recorder;
    dir.WriteFile("data/assist.dat", "/opt/old/a much longer earlier program name\r\nleft over\r\n");
    EXPECT_TRUE(WriteAssistProgram("/opt/àssist/run"));
    EXPECT_EQ(dir.ReadFile("data/assist.dat"), "/opt/àssist/run\r\n");
    std::string program;
    EXPECT_TRUE(ReadAssistProgram(program));
    EXPECT_EQ(program, "/opt/àssist/run");
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(Assistprogram, MissingSettingIsNoChoiceWithoutMessage)
{
    TempProgDir dir;
    MessageRecorder recorder;
    std::string program = "kept";
    EXPECT_FALSE(ReadAssistProgram(program));
    EXPECT_EQ(program, "kept");
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(Assistprogram, NameWithLineEndIsRefusedAndTheSettingKept)
{
    TempProgDir dir;
    MessageRecorder recorder;
    dir.WriteFile("data/assist.dat", "/opt/assist/run\r\n");
    for (const char* name : {"/tmp/a\nb", "/tmp/a\rb"}) {
        EXPECT_FALSE(WriteAssistProgram(name)) << name;
        EXPECT_EQ(dir.ReadFile("data/assist.dat"), "/opt/assist/run\r\n") << name;
    }
    EXPECT_EQ(recorder.ErrorLines().size(), 2u);
}

TEST(Assistprogram, SettingInAFolderThatCannotBeWrittenKeepsNothingAndReports)
{
    TempProgDir dir;
    MessageRecorder recorder;
    std::filesystem::remove_all(dir.File("data"));
    EXPECT_FALSE(WriteAssistProgram("/opt/assist/run"));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].title, "ERRORE");
}

TEST(Assistprogram, OnlyAnExistingFileCountsAsAProgram)
{
    TempProgDir dir;
    const std::string file = dir.WriteFile("utl/service/assist.sh", "#!/bin/sh\n");
    struct Case {
        std::string program;
        bool exists;
    };
    const Case cases[] = {
        {file, true},
        {"", false},
        {dir.File("utl/service"), false},
        {dir.File("utl/service/missing.sh"), false},
        {file + "/below", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AssistProgramExists(c.program), c.exists) << c.program;
}
