// Tests of the utilities: the selection sort with its positions and parallel arrays, the seconds split,
// character removal, wide text, and the file and subfolder listings.
#include "support/myutl.h"

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "common/temp_prog_dir.h"

namespace fs = std::filesystem;

TEST(Myutl, SortAscendingCarriesPositionsAndExtras)
{
    std::vector<int> values = {5, 3, 9, 3, 1};
    std::vector<int> positions;
    std::vector<int> extra = {50, 30, 90, 31, 10};
    EXPECT_EQ(SortAscending(values, &positions, {&extra}), 4);
    EXPECT_EQ(values, (std::vector<int>{1, 3, 3, 5, 9}));
    EXPECT_EQ(positions, (std::vector<int>{5, 2, 4, 1, 3}));
    EXPECT_EQ(extra, (std::vector<int>{10, 30, 31, 50, 90}));
}

TEST(Myutl, SortAscendingSelectionOrderOfEqualValues)
{
    // Pass 0 moves the 1 from place 3 to place 0, sending the first 2 to place 3 behind the second 2:
    // the selection sort is not stable, and callers that read positions rely on exactly this order.
    std::vector<int> values = {2, 2, 3, 1};
    std::vector<int> positions;
    SortAscending(values, &positions);
    EXPECT_EQ(values, (std::vector<int>{1, 2, 2, 3}));
    EXPECT_EQ(positions, (std::vector<int>{4, 2, 1, 3}));
}

TEST(Myutl, SortAscendingStaysWithinTheShortestArray)
{
    std::vector<int> values = {4, 3, 2, 1};
    std::vector<int> shortExtra = {40, 30};
    EXPECT_EQ(SortAscending(values, nullptr, {&shortExtra}), 1);
    EXPECT_EQ(values, (std::vector<int>{3, 4, 2, 1}));
    EXPECT_EQ(shortExtra, (std::vector<int>{30, 40}));
    std::vector<int> empty;
    EXPECT_EQ(SortAscending(empty), -1);
}

TEST(Myutl, SecondsToHms)
{
    struct Case {
        uint32_t seconds;
        int hours, minutes, secs;
    };
    for (Case c : {Case{3725, 1, 2, 5}, Case{90061, 25, 1, 1}, Case{0, 0, 0, 0}, Case{59, 0, 0, 59},
                   Case{3600, 1, 0, 0}, Case{4294967295u, 1193046, 28, 15}}) {
        int h = -1, m = -1, s = -1;
        SecondsToHms(c.seconds, h, m, s);
        EXPECT_EQ(h, c.hours) << c.seconds;
        EXPECT_EQ(m, c.minutes) << c.seconds;
        EXPECT_EQ(s, c.secs) << c.seconds;
    }
}

TEST(Myutl, RemoveCharAndSwaps)
{
    EXPECT_EQ(RemoveChar(" 1 2 ,5 ", ' '), "12,5");
    EXPECT_EQ(RemoveChar("", ' '), "");
    int32_t a = 1, b = 2;
    SwapInt(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    double x = 1.5, y = -2.5;
    SwapDouble(x, y);
    EXPECT_EQ(x, -2.5);
    EXPECT_EQ(y, 1.5);
}

TEST(Myutl, ToWideTextDecodesUtf8)
{
    EXPECT_EQ(ToWideText("perché €"), u"perché €");
    EXPECT_EQ(ToWideText("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(ToWideText("a\xFFz"), u"a\uFFFDz");
}

class MyutlListing : public testing::Test {
protected:
    // draw/ holds a.dis, c.dis, note.txt, .hidden.dis and the folders sub/ (b.dis, deep/d.dis) and zed/ (e.dis).
    void SetUp() override
    {
        for (const char* file : {"draw/c.dis", "draw/a.dis", "draw/note.txt", "draw/.hidden.dis", "draw/sub/b.dis",
                                 "draw/sub/deep/d.dis", "draw/zed/e.dis", "draw/zed/e.DIS"})
            dir.WriteFile(file, "x");
        fs::create_directory(dir.File("draw/folder.dis"));
    }

    std::string Draw() const { return dir.File("draw/"); }

    TempProgDir dir;
    int count = -1;
    std::vector<std::string> names = {"stale"};
};

TEST_F(MyutlListing, ListFilesTopFolderOnly)
{
    ListFiles(Draw() + "*.dis", count, names, -1, false);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis"}));
    EXPECT_EQ(count, 2);
}

TEST_F(MyutlListing, ListFilesWithSubfoldersTopFilesFirst)
{
    ListFiles(Draw() + "*.dis", count, names, -1, true);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis", "sub/b.dis", "sub/deep/d.dis", "zed/e.dis"}));
    EXPECT_EQ(count, 5);
}

TEST_F(MyutlListing, ListFilesWildcards)
{
    ListFiles(Draw() + "?.d*", count, names, -1, false);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis"}));
    ListFiles(Draw() + "*", count, names, -1, false);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis", "note.txt"}));
    ListFiles(Draw() + "*.*s*", count, names, -1, false);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis"}));
    ListFiles(Draw() + "a.dis", count, names, -1, false);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis"}));
}

TEST_F(MyutlListing, ListFilesRespectsCapacity)
{
    ListFiles(Draw() + "*.dis", count, names, -1, true, 3);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis", "sub/b.dis"}));
    EXPECT_EQ(count, 3);
}

TEST_F(MyutlListing, ListFilesAgeLimit)
{
    auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 10);
    fs::last_write_time(dir.File("draw/a.dis"), old);
    ListFiles(Draw() + "*.dis", count, names, 3, false);
    EXPECT_EQ(names, (std::vector<std::string>{"c.dis"}));
    ListFiles(Draw() + "*.dis", count, names, -1, false);
    EXPECT_EQ(names, (std::vector<std::string>{"a.dis", "c.dis"}));
}

TEST_F(MyutlListing, ListFilesOfAMissingFolderIsEmpty)
{
    ListFiles(dir.File("missing/*.dis"), count, names, -1, true);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(count, 0);
}

TEST_F(MyutlListing, ListSubfoldersPreOrderRelativeAndFull)
{
    ListSubfolders(Draw(), count, names, false);
    EXPECT_EQ(names, (std::vector<std::string>{"folder.dis", "sub", "sub/deep", "zed"}));
    EXPECT_EQ(count, 4);
    ListSubfolders(dir.File("draw"), count, names, true);
    EXPECT_EQ(names,
              (std::vector<std::string>{Draw() + "folder.dis", Draw() + "sub", Draw() + "sub/deep", Draw() + "zed"}));
    ListSubfolders(Draw(), count, names, false, 2);
    EXPECT_EQ(names, (std::vector<std::string>{"folder.dis", "sub"}));
    EXPECT_EQ(count, 2);
}
