// Hostile one-line data files: a line of 10 MB without a line end, NUL bytes, a binary file. Reading takes a
// bounded first line and never fails for them; the archive folder setting built on it falls back to its default
// only for an empty line.
#include <gtest/gtest.h>

#include <string>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "model/drw_file.h"
#include "support/filereadwrite.h"
#include "support/filereadwritedata.h"

namespace {

struct HostileDataFile {
    const char* name;
    std::string content;
    std::string firstLine;
};

class FilereadwritedataHostile : public ::testing::TestWithParam<HostileDataFile> {
protected:
    TempProgDir folder;
    MessageRecorder recorder;
};

TEST_P(FilereadwritedataHostile, FirstLineIsBoundedAndReadWithoutMessage)
{
    folder.WriteFile("data/disdir.dat", GetParam().content);
    std::string line;
    EXPECT_TRUE(ReadDataFile("disdir.dat", line));
    EXPECT_EQ(line, GetParam().firstLine);
    EXPECT_EQ(ReadArchiveFolder(), line.empty() ? folder.Path() + "/draw/" : line);
    EXPECT_EQ(recorder.Count(), 0u);
}

const std::string Nul(1, '\0');

INSTANTIATE_TEST_SUITE_P(
    Files, FilereadwritedataHostile,
    ::testing::Values(HostileDataFile{"TenMegabytesWithoutLineEnd", std::string(10 << 20, 'x'),
                                      std::string(FileReadWrite::MaxLineLength, 'x')},
                      HostileDataFile{"LongLineThenShort", std::string(3 << 20, 'y') + "\r\n/srv\r\n",
                                      std::string(FileReadWrite::MaxLineLength, 'y')},
                      HostileDataFile{"NulBytes", "/srv/" + Nul + "arch" + Nul + "\r\n", "/srv/" + Nul + "arch" + Nul},
                      HostileDataFile{"OnlyNulBytes", std::string(4096, '\0'), std::string(4096, '\0')},
                      HostileDataFile{"Empty", "", ""}, HostileDataFile{"OnlyLineEnd", "\r\n", ""},
                      HostileDataFile{"BinaryWithCrLf", "\xFF\xFE\r\x01\x02\n\x80", "\xFF\xFE\r\x01\x02"}),
    [](const ::testing::TestParamInfo<HostileDataFile>& info) { return std::string(info.param.name); });

}  // namespace
