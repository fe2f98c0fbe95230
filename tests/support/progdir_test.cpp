// Tests of the program folder: the executable's folder, the folder set for tests, PD002, data file paths.
#include "support/progdir.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

TEST(Progdir, FindsTheExecutablesFolder)
{
    std::string saved = ProgDir;
    SetProgDir("");
    MessageRecorder recorder;
    EXPECT_TRUE(FindProgDir());
    EXPECT_EQ(ProgDir, std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
    EXPECT_EQ(recorder.Count(), 0u);
    SetProgDir(saved);
}

TEST(Progdir, ASetFolderSurvivesFindProgDir)
{
    TempProgDir dir;
    EXPECT_TRUE(FindProgDir());
    EXPECT_EQ(ProgDir, dir.Path());
    EXPECT_EQ(DataFilePath("disdir.dat"), dir.Path() + "/data/disdir.dat");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("data")));
}

TEST(Progdir, PathWithoutSeparatorGivesPd002AndKeepsTheFolder)
{
    TempProgDir dir;
    MessageRecorder recorder;
    EXPECT_FALSE(ProgDirFromExecutable("quorvia"));
    EXPECT_EQ(ProgDir, dir.Path());
    EXPECT_EQ(recorder.Messages(),
              (std::vector<RecordedMessage>{{"PD002: errore nella ricerca del percorso programma", "ERRORE", 8208}}));
    EXPECT_TRUE(ProgDirFromExecutable("/opt/quorvia/bin/quorvia"));
    EXPECT_EQ(ProgDir, "/opt/quorvia/bin");
}

TEST(Progdir, TempProgDirRestoresAndRemoves)
{
    std::string before = ProgDir;
    std::string path;
    {
        TempProgDir dir;
        path = dir.Path();
        dir.WriteFile("data/x.dat", "1");
    }
    EXPECT_EQ(ProgDir, before);
    EXPECT_FALSE(std::filesystem::exists(path));
}
