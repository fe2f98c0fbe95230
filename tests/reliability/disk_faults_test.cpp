// Disk faults for every writer of the program (drawing files, bitmaps, one-line data files): a read-only folder, a
// device that refuses the bytes, a write that fails part-way as on a full disk, and a target that cannot be
// replaced. Each gives its error message and false, and leaves the previous file as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drawing_builders.h"
#include "model/drw.h"
#include "render/mybitmap.h"
#include "support/filereadwritedata.h"

namespace {

namespace fs = std::filesystem;

// One writer: where it writes inside the program folder, how, and the message a failure shows.
struct Writer {
    const char* name;
    std::string relativePath;  // of the file written, inside the program folder
    std::function<bool(const std::string& path)> write;
    std::function<std::string(const std::string& path, bool created)> failure;  // created: the file was opened
};

bool SaveDrawing(const std::string& path)
{
    Drw drw = MakeDrawing({4, 2});
    return drw.Save(path);
}

bool WriteBitmap(const std::string& path)
{
    MyBitmap bitmap(64, 48, false);
    bitmap.DrawBackground();
    return bitmap.WriteBmp(path);
}

bool WriteSetting(const std::string& path)
{
    return WriteDataFile(fs::path(path).filename().string(), "/srv/archivio/disegni/nuovi");
}

const Writer Writers[] = {
    {"Drawing", "draw/drawing.dis", SaveDrawing,
     [](const std::string& path, bool) { return "DRW003: errore nel salvataggio del file " + path; }},
    {"Bitmap", "draw/picture.bmp", WriteBitmap,
     [](const std::string&, bool) { return std::string("BMP001: errore nella scrittura della bitmap."); }},
    {"DataFile", "data/disdir.dat", WriteSetting,
     [](const std::string& path, bool created) {
         return (created ? "FRW003: errore nella scrittura del file: " : "FRW001: errore nell'apertura del file: ") +
                path;
     }},
};

class DiskFaults : public ::testing::TestWithParam<Writer> {
protected:
    TempProgDir folder;
    MessageRecorder recorder;
    const std::string oldBytes = "the previous file";

    std::string Target() const { return folder.File(GetParam().relativePath); }
    std::string Folder() const { return fs::path(Target()).parent_path().string(); }

    // Writes to path expecting false and exactly the writer's error message.
    void ExpectFailure(const std::string& path, bool created)
    {
        EXPECT_FALSE(GetParam().write(path));
        ASSERT_EQ(recorder.Count(), 1u) << (recorder.Count() ? recorder.Texts()[0] : "");
        EXPECT_EQ(recorder.Messages()[0], (RecordedMessage{GetParam().failure(path, created), "ERRORE", 8208}));
        EXPECT_EQ(recorder.ErrorLines().back(), recorder.Messages()[0].text);
    }

    // The folder holds only the named files: no temporary file is left behind.
    void ExpectOnlyFiles(std::initializer_list<std::string> names) const
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(Folder()))
            found.insert(entry.path().filename().string());
        EXPECT_EQ(found, std::set<std::string>(names));
    }
};

TEST_P(DiskFaults, WritingWorksWhereNothingFails)
{
    folder.WriteFile(GetParam().relativePath, oldBytes);
    EXPECT_TRUE(GetParam().write(Target()));
    EXPECT_NE(folder.ReadFile(GetParam().relativePath), oldBytes);
    EXPECT_EQ(recorder.Count(), 0u);
    ExpectOnlyFiles({fs::path(Target()).filename().string()});
}

TEST_P(DiskFaults, ReadOnlyFolder)
{
    folder.WriteFile(GetParam().relativePath, oldBytes);
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool bound = access(Folder().c_str(), W_OK) != 0;
    if (bound)
        ExpectFailure(Target(), false);
    fs::permissions(Folder(), fs::perms::owner_all);
    if (!bound)
        GTEST_SKIP() << "folder permissions do not bind this user (root)";
    EXPECT_EQ(folder.ReadFile(GetParam().relativePath), oldBytes);
}

// A write that fails part-way, as on a full disk: the file size limit makes every write beyond it fail.
TEST_P(DiskFaults, WriteFailingPartWayKeepsThePreviousFile)
{
    folder.WriteFile(GetParam().relativePath, oldBytes);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    ExpectFailure(Target(), true);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(folder.ReadFile(GetParam().relativePath), oldBytes);
    ExpectOnlyFiles({fs::path(Target()).filename().string()});
}

// A name that leads to the full device (/dev/full refuses every byte) is refused, and the device stays.
TEST_P(DiskFaults, LinkToTheFullDeviceIsRefusedAndLeftAlone)
{
    if (!fs::is_character_file("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    fs::create_directories(Folder());
    fs::create_symlink("/dev/full", Target());
    ExpectFailure(Target(), false);
    EXPECT_TRUE(fs::is_symlink(Target()));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// A folder in the target's place cannot be replaced by a file: it stays, with what it holds, even when empty.
TEST_P(DiskFaults, FolderInPlaceOfTheFileIsLeftAlone)
{
    folder.WriteFile(GetParam().relativePath + "/inside.txt", oldBytes);
    ExpectFailure(Target(), false);
    EXPECT_EQ(folder.ReadFile(GetParam().relativePath + "/inside.txt"), oldBytes);
    recorder.Clear();

    fs::remove(Target() + "/inside.txt");
    ExpectFailure(Target(), false);
    EXPECT_TRUE(fs::is_directory(Target()));
}

INSTANTIATE_TEST_SUITE_P(Writers, DiskFaults, ::testing::ValuesIn(Writers),
                         [](const ::testing::TestParamInfo<Writer>& info) { return std::string(info.param.name); });

}  // namespace
