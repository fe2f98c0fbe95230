// Tests of reading a message file into the catalogue: the line format, and files that are damaged or hostile.

#include "l10n/messaggi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

namespace {

class MessaggiFileTest : public ::testing::Test {
protected:
    // The catalogue built from a message file holding content.
    Messaggi Load(const std::string& content) { return Messaggi(progDir.WriteFile("msg/cad.msg", content)); }

    // The built-in texts, for comparing what a file must leave alone.
    std::array<std::string, MessageCount> BuiltIn() const { return Messaggi(progDir.File("msg/none.msg")).texts; }

    // Every entry other than the named ones equals its built-in text.
    void ExpectOnlyChanged(const Messaggi& catalogue, std::initializer_list<int> named) const
    {
        const auto builtIn = BuiltIn();
        for (int i = 0; i < MessageCount; ++i) {
            if (std::find(named.begin(), named.end(), i) == named.end()) {
                EXPECT_EQ(catalogue.texts[i], builtIn[i]) << "entry " << i;
            }
        }
    }

    TempProgDir progDir;
    MessageRecorder recorder;
};

TEST_F(MessaggiFileTest, MissingFileKeepsBuiltInTextsSilently)
{
    const Messaggi catalogue(progDir.File("msg/cad.msg"));
    ExpectOnlyChanged(catalogue, {});
    EXPECT_TRUE(recorder.ErrorLines().empty());
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(MessaggiFileTest, TextIsEverythingAfterTheFirstEquals)
{
    const Messaggi catalogue = Load(
        "86=Cancel\n"
        "126=   Delete\n"
        "40=a=b = c \n"
        "312=Extra entry\n"
        "499=Last\n"
        "0=\n");
    EXPECT_EQ(catalogue.texts[86], "Cancel");
    EXPECT_EQ(catalogue.texts[126], "   Delete");
    EXPECT_EQ(catalogue.texts[40], "a=b = c ");
    EXPECT_EQ(catalogue.texts[312], "Extra entry");
    EXPECT_EQ(catalogue.texts[499], "Last");
    EXPECT_EQ(catalogue.texts[0], "");
    ExpectOnlyChanged(catalogue, {86, 126, 40, 312, 499, 0});
    EXPECT_TRUE(recorder.ErrorLines().empty());
}

TEST_F(MessaggiFileTest, CommentsEmptyLinesCrLfAndByteOrderMarkAreHandled)
{
    const Messaggi catalogue = Load(
        "\xEF\xBB\xBF# comment\r\n"
        "\r\n"
        "85=Open\r\n"
        "#86=not an entry\n"
        "\n"
        "126=Entità è già\r\n"
        "127=no final line end");
    EXPECT_EQ(catalogue.texts[85], "Open");
    EXPECT_EQ(catalogue.texts[126], "Entità è già");
    EXPECT_EQ(catalogue.texts[127], "no final line end");
    ExpectOnlyChanged(catalogue, {85, 126, 127});
    EXPECT_TRUE(recorder.ErrorLines().empty());
}

TEST_F(MessaggiFileTest, LaterLineForTheSameIndexWins)
{
    const Messaggi catalogue = Load("86=First\n86=Second\n");
    EXPECT_EQ(catalogue.texts[86], "Second");
}

struct HostileLine {
    const char* name;
    std::string line;
};

class MessaggiFileHostileTest : public MessaggiFileTest, public ::testing::WithParamInterface<HostileLine> {};

// Each bad line sits between two good ones: it is logged with its line number and changes no entry.
TEST_P(MessaggiFileHostileTest, BadLineIsLoggedAndChangesNothing)
{
    const Messaggi catalogue = Load("85=Open\n" + GetParam().line + "\n86=Cancel\n");
    EXPECT_EQ(catalogue.texts[85], "Open");
    EXPECT_EQ(catalogue.texts[86], "Cancel");
    ExpectOnlyChanged(catalogue, {85, 86});
    ASSERT_EQ(recorder.ErrorLines().size(), 1u);
    EXPECT_EQ(recorder.ErrorLines()[0].rfind("MSG001: riga 2 ", 0), 0u) << recorder.ErrorLines()[0];
    EXPECT_EQ(recorder.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MessaggiFileHostileTest,
    ::testing::Values(HostileLine{"NegativeIndex", "-1=Minus one"}, HostileLine{"IndexTooLarge", "500=Too far"},
                      HostileLine{"IndexOverflowing", "99999999999=Huge"},
                      HostileLine{"IndexWithBlank", " 86=Blank before"}, HostileLine{"NoIndex", "=No index"},
                      HostileLine{"NoEquals", "86 Cancel"}, HostileLine{"LetterIndex", "8a=Letter"},
                      HostileLine{"InvalidUtf8", "86=\xFF\xFE\x80"}, HostileLine{"ControlBytes", "86=a\x01\x1B[2Jb"},
                      HostileLine{"NulByte", std::string("86=a\0b", 6)},
                      HostileLine{"HugeLine", "86=" + std::string(100000, 'x')},
                      HostileLine{"HugeLineHidingAnEntry", std::string(5000, 'x') + "\r87=Sneaked in"}),
    [](const ::testing::TestParamInfo<HostileLine>& info) { return info.param.name; });

TEST_F(MessaggiFileTest, BinaryFileChangesOnlyWhatItValidlyNames)
{
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    const Messaggi catalogue = Load(garbage + "\n86=Cancel\n" + garbage);
    EXPECT_EQ(catalogue.texts[86], "Cancel");
    const auto builtIn = BuiltIn();
    int changed = 0;
    for (int i = 0; i < MessageCount; ++i)
        changed += catalogue.texts[i] != builtIn[i] ? 1 : 0;
    // Random bytes may by chance form a valid "index=text" line, but not many.
    EXPECT_LE(changed, 5);
    EXPECT_LE(recorder.ErrorLines().size(), 21u);
}

TEST_F(MessaggiFileTest, ManyBadLinesAreReportedOnceInSummary)
{
    std::string content;
    for (int i = 0; i < 1000; ++i)
        content += "bad line\n";
    const Messaggi catalogue = Load(content);
    ExpectOnlyChanged(catalogue, {});
    const auto lines = recorder.ErrorLines();
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_NE(lines.back().find("1000"), std::string::npos) << lines.back();
}

TEST_F(MessaggiFileTest, OversizedFileIsRejectedWhole)
{
    std::string content = "86=Cancel\n";
    content += std::string(Messaggi::MaxMessageFileSize, '#');
    const Messaggi catalogue = Load(content);
    ExpectOnlyChanged(catalogue, {});
    ASSERT_EQ(recorder.ErrorLines().size(), 1u);
    EXPECT_EQ(recorder.ErrorLines()[0].rfind("MSG002: ", 0), 0u);
}

TEST_F(MessaggiFileTest, FolderInPlaceOfTheFileKeepsBuiltInTexts)
{
    progDir.WriteFile("msg/cad.msg/inside", "86=Cancel\n");
    const Messaggi catalogue(progDir.File("msg/cad.msg"));
    ExpectOnlyChanged(catalogue, {});
    EXPECT_EQ(recorder.Count(), 0u);
}

}  // namespace
