// Tests of the one-line data files in the program's data folder.
#include "support/filereadwritedata.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

TEST(Filereadwritedata, WriteThenReadBack)
{
    TempProgDir dir;
    MessageRecorder recorder;
    dir.WriteFile("data/disdir.dat", "an older and longer value\r\nsecond line\r\n");
    EXPECT_TRUE(WriteDataFile("disdir.dat", "/home/op/disegni/"));
    EXPECT_EQ(dir.ReadFile("data/disdir.dat"), "/home/op/disegni/\r\n");
    std::string line = "stale";
    EXPECT_TRUE(ReadDataFile("disdir.dat", line));
    EXPECT_EQ(line, "/home/op/disegni/");
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(Filereadwritedata, ReadsOnlyTheFirstLine)
{
    TempProgDir dir;
    dir.WriteFile("data/assist.dat", "first\nsecond\n");
    std::string line;
    EXPECT_TRUE(ReadDataFile("assist.dat", line));
    EXPECT_EQ(line, "first");
}

TEST(Filereadwritedata, MissingFileIsAnAbsentSettingWithoutMessage)
{
    TempProgDir dir;
    MessageRecorder recorder;
    std::string line = "stale";
    EXPECT_FALSE(ReadDataFile("disdir.dat", line));
    EXPECT_EQ(line, "");
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(Filereadwritedata, UnwritableDataFolderGivesFrw001AndFalse)
{
    TempProgDir dir;
    MessageRecorder recorder;
    std::filesystem::remove(dir.File("data"));
    EXPECT_FALSE(WriteDataFile("disdir.dat", "x"));
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"FRW001: errore nell'apertura del file: " + dir.File("data/disdir.dat")});
}

TEST(Filereadwritedata, UnreadableFileGivesFalseNotAnEmptySetting)
{
    TempProgDir dir;
    MessageRecorder recorder;
    std::filesystem::create_directory(dir.File("data/disdir.dat"));  // exists, but no line can be read
    std::string line = "stale";
    EXPECT_FALSE(ReadDataFile("disdir.dat", line));
    EXPECT_EQ(line, "");
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"FRW002: errore nella lettura del file: " + dir.File("data/disdir.dat")});
}
