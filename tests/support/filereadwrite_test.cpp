// Tests of FileReadWrite: the line-end rules of ReadLine, reading across its buffer, stepping back with
// GetPosition/SeekTo, over-long lines, writing, and the FRW001/FRW002/FRW003 failures.
#include "support/filereadwrite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

namespace {

struct ReadStep {
    std::string line;
    bool atEnd;

    bool operator==(const ReadStep&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ReadStep& step)
{
    return out << testing::PrintToString(step.line) << (step.atEnd ? " (end)" : "");
}

// Reads the file until a read reports the end, returning each line with its atEnd flag.
std::vector<ReadStep> ReadAll(const std::string& path)
{
    FileReadWrite file(path, true);
    std::vector<ReadStep> steps;
    for (bool atEnd = false; !atEnd && steps.size() < 100;) {
        std::string line;
        EXPECT_TRUE(file.ReadLine(line, &atEnd));
        steps.push_back({line, atEnd});
    }
    return steps;
}

struct LineEndCase {
    const char* name;
    std::string contents;
    std::vector<ReadStep> steps;
};

class FileReadWriteLineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(FileReadWriteLineEnds, ReadLineSteps)
{
    TempProgDir dir;
    MessageRecorder recorder;
    EXPECT_EQ(ReadAll(dir.WriteFile("f.txt", GetParam().contents)), GetParam().steps);
    EXPECT_EQ(recorder.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    FileReadWrite, FileReadWriteLineEnds,
    testing::Values(LineEndCase{"LastLineWithoutEnd", "A\r\nB", {{"A", false}, {"B", true}}},
                    LineEndCase{"EndingInCrLf", "A\r\n", {{"A", false}, {"", true}}},
                    LineEndCase{"EmptyLine", "\r\nX\r\n", {{"", false}, {"X", false}, {"", true}}},
                    LineEndCase{"BlanksKept", "  \r\n a b \n", {{"  ", false}, {" a b ", false}, {"", true}}},
                    LineEndCase{"LineFeedOnly", "A\nB\n", {{"A", false}, {"B", false}, {"", true}}},
                    LineEndCase{"TwoCarriageReturnsOneRemoved", "A\r\r\n", {{"A\r", false}, {"", true}}},
                    LineEndCase{"LoneCarriageReturnIsText", "A\rB\r", {{"A\rB\r", true}}},
                    LineEndCase{"EmptyFile", "", {{"", true}}}),
    [](const testing::TestParamInfo<LineEndCase>& info) { return info.param.name; });

TEST(FileReadWrite, ReadsManyLinesAcrossTheBuffer)
{
    TempProgDir dir;
    std::string contents;
    std::vector<std::string> expected;
    for (int i = 0; i < 20000; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>(i % 37), 'a' + i % 26) + std::to_string(i));
        contents += expected.back() + "\r\n";
    }
    FileReadWrite file(dir.WriteFile("big.txt", contents), true);
    std::string line;
    bool atEnd = true;
    for (const std::string& want : expected) {
        ASSERT_TRUE(file.ReadLine(line, &atEnd));
        ASSERT_EQ(line, want);
        ASSERT_FALSE(atEnd);
    }
    EXPECT_EQ(file.GetPosition(), static_cast<int64_t>(contents.size()));
    EXPECT_TRUE(file.ReadLine(line, &atEnd));
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(line, "");
}

TEST(FileReadWrite, SeekToReturnsToARememberedPosition)
{
    TempProgDir dir;
    std::string contents;
    for (int i = 0; i < 30000; ++i)
        contents += "  0\r\nLINE" + std::to_string(i) + "\r\n";
    FileReadWrite file(dir.WriteFile("pairs.txt", contents), true);
    std::string line;
    EXPECT_EQ(file.GetPosition(), 0);
    file.ReadLine(line);
    int64_t second = file.GetPosition();
    EXPECT_EQ(second, 5);
    file.ReadLine(line);
    EXPECT_EQ(line, "LINE0");
    file.SeekTo(second);  // within the buffer
    file.ReadLine(line);
    EXPECT_EQ(line, "LINE0");

    for (int i = 0; i < 40000; ++i)  // far beyond the first buffer
        file.ReadLine(line);
    int64_t far = file.GetPosition();
    std::string farLine;
    file.ReadLine(farLine);
    file.SeekTo(second);  // back to an earlier block
    file.ReadLine(line);
    EXPECT_EQ(line, "LINE0");
    file.SeekTo(far);  // forward again
    file.ReadLine(line);
    EXPECT_EQ(line, farLine);
    file.SeekTo(-3);
    EXPECT_EQ(file.GetPosition(), 0);
    file.ReadLine(line);
    EXPECT_EQ(line, "  0");
}

// The reads of a DXF import with inserts: jumps from the running position to a few block starts and back, the
// blocks read for a few lines or far beyond the first small read after a seek, and jumps to anywhere. Every line
// and position must match the file.
TEST(FileReadWrite, JumpsToBlocksAndBackReadTheFile)
{
    TempProgDir dir;
    std::string contents;
    std::vector<std::string> lines;
    std::vector<int64_t> offsets;
    for (int i = 0; i < 60000; ++i) {
        offsets.push_back(static_cast<int64_t>(contents.size()));
        lines.push_back(std::to_string(i) + std::string(static_cast<std::size_t>(i * 7 % 23), 'x'));
        contents += lines.back() + "\r\n";
    }
    FileReadWrite file(dir.WriteFile("blocks.txt", contents), true);
    std::mt19937 random(5);
    const int blockStarts[] = {10, 700, 30000, 59990};
    std::size_t running = 0;
    std::string line;
    // Reads count lines (fewer at the end of the file) from line first on, checking each; returns the next line.
    auto readFrom = [&](std::size_t first, std::size_t count) {
        const std::size_t last = std::min(first + count, lines.size());
        for (std::size_t k = first; k < last; ++k) {
            EXPECT_EQ(file.GetPosition(), offsets[k]);
            bool atEnd = true;
            EXPECT_TRUE(file.ReadLine(line, &atEnd));
            EXPECT_EQ(line, lines[k]);
            EXPECT_FALSE(atEnd);
            if (line != lines[k])
                return lines.size();
        }
        return last;
    };
    for (int step = 0; step < 3000 && running < lines.size(); ++step) {
        running = readFrom(running, 1 + random() % 40);
        const int64_t resume = file.GetPosition();
        const std::size_t target = random() % 10 == 0 ? random() % lines.size() : blockStarts[random() % 4];
        file.SeekTo(offsets[target]);
        readFrom(target, random() % 20 == 0 ? 3000 : 1 + random() % 30);
        file.SeekTo(resume);
    }
    EXPECT_GT(running, lines.size() / 2);
}

// Line ends falling on the end of a read: the first read of the file (64 KiB) and the first read after a seek
// (4 KiB), with the CR LF split between two reads, or the LF alone at the start of the next.
TEST(FileReadWrite, LineEndsSplitBetweenReads)
{
    TempProgDir dir;
    for (int64_t from : {0, 1}) {
        const std::size_t readSize = from == 0 ? 1 << 16 : 1 << 12;
        for (std::size_t shift = 0; shift < 5; ++shift) {
            const std::string first = std::string(readSize - 3 + shift, 'a');
            const std::string contents = "\n" + first + "\r\n\r\nB\n";
            FileReadWrite file(dir.WriteFile("split.txt", contents), true);
            std::string line;
            if (from == 0) {
                ASSERT_TRUE(file.ReadLine(line));
                EXPECT_EQ(line, "");
            } else {
                file.SeekTo(1);  // a seek outside what is in memory starts a small read there
            }
            bool atEnd = true;
            ASSERT_TRUE(file.ReadLine(line, &atEnd));
            EXPECT_EQ(line, first) << "shift " << shift;
            ASSERT_TRUE(file.ReadLine(line, &atEnd));
            EXPECT_EQ(line, "") << "shift " << shift;
            ASSERT_TRUE(file.ReadLine(line, &atEnd));
            EXPECT_EQ(line, "B") << "shift " << shift;
            EXPECT_FALSE(atEnd);
        }
    }
}

TEST(FileReadWrite, OverlongLineIsCutAndTheNextLineReadsWhole)
{
    TempProgDir dir;
    std::string longLine(FileReadWrite::MaxLineLength + 1000, 'x');
    FileReadWrite file(dir.WriteFile("long.txt", longLine + "\r\nnext\r\n"), true);
    std::string line;
    bool atEnd = true;
    EXPECT_TRUE(file.ReadLine(line, &atEnd));
    EXPECT_EQ(line.size(), FileReadWrite::MaxLineLength);
    EXPECT_FALSE(atEnd);
    EXPECT_TRUE(file.ReadLine(line, &atEnd));
    EXPECT_EQ(line, "next");
}

TEST(FileReadWrite, WritesCrLfLinesAndReplacesAnOldFile)
{
    TempProgDir dir;
    dir.WriteFile("out.txt", "old contents that are longer\r\n");
    {
        FileReadWrite file(dir.File("out.txt"), false);
        EXPECT_FALSE(file.openFailed);
        EXPECT_TRUE(file.WriteLine("C:\\draw"));
        EXPECT_TRUE(file.WriteLine(""));
        EXPECT_EQ(file.GetPosition(), 11);
        EXPECT_TRUE(file.Close());
        EXPECT_TRUE(file.WriteLine("after close"));
    }
    EXPECT_EQ(dir.ReadFile("out.txt"), "C:\\draw\r\n\r\n");
}

TEST(FileReadWrite, MissingFileGivesFrw001AndAnInertObject)
{
    TempProgDir dir;
    MessageRecorder recorder;
    std::string path = dir.File("missing.txt");
    FileReadWrite file(path, true);
    EXPECT_TRUE(file.openFailed);
    std::string message = "FRW001: errore nell'apertura del file: " + path;
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{{message, "ERRORE", 8208}}));
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{message});
    std::string line = "kept";
    bool atEnd = false;
    EXPECT_TRUE(file.ReadLine(line, &atEnd));
    EXPECT_EQ(line, "kept");
    EXPECT_FALSE(atEnd);
    EXPECT_TRUE(file.WriteLine("x"));
    EXPECT_EQ(file.GetPosition(), 0);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(FileReadWrite, CreatingInAMissingFolderGivesFrw001)
{
    TempProgDir dir;
    MessageRecorder recorder;
    FileReadWrite file(dir.File("no/such/folder/x.txt"), false);
    EXPECT_TRUE(file.openFailed);
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"FRW001: errore nell'apertura del file: " + dir.File("no/such/folder/x.txt")});
}

TEST(FileReadWrite, FailingWriteGivesFrw003AndFalse)
{
    MessageRecorder recorder;
    FileReadWrite file("/dev/full", false);
    if (file.openFailed)
        GTEST_SKIP() << "/dev/full is not available";
    EXPECT_FALSE(file.WriteLine("x"));
    std::string message = "FRW003: errore nella scrittura del file: /dev/full";
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{{message, "ERRORE", 8208}}));
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{message});
}

TEST(FileReadWrite, FailingReadGivesFrw002AndFalse)
{
    TempProgDir dir;
    MessageRecorder recorder;
    FileReadWrite file(dir.File("data"), true);  // a folder opens, but cannot be read
    ASSERT_FALSE(file.openFailed);
    std::string line;
    EXPECT_FALSE(file.ReadLine(line));
    std::string message = "FRW002: errore nella lettura del file: " + dir.File("data");
    EXPECT_EQ(recorder.Messages(), (std::vector<RecordedMessage>{{message, "ERRORE", 8208}}));
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{message});
}

}  // namespace
