// Message files cut short: the shipped English file, cut at every line end and in the middle of every line, gives
// each entry either its built-in text or the file's own text for it (a cut last line gives a beginning of it).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(MessaggiHostile, FileCutShortAtEveryLine)
{
    TempProgDir folder;
    MessageRecorder recorder;
    const std::string whole = ReadBytes(std::string(QUORVIA_TEST_DATA) + "/../../resources/msg/eng/cad.eng");
    ASSERT_GT(whole.size(), 1000u);
    const Messaggi builtIn(folder.File("msg/none.msg"));
    const Messaggi full(folder.WriteFile("msg/cad.msg", whole));
    int cuts = 0;
    for (size_t start = 0, end = whole.find('\n'); end != std::string::npos;
         start = end + 1, end = whole.find('\n', start)) {
        for (size_t size : {end + 1, (start + end) / 2}) {
            const Messaggi cut(folder.WriteFile("msg/cad.msg", whole.substr(0, size)));
            int shortened = 0;
            for (int i = 0; i < MessageCount; i++) {
                const std::string& text = cut.texts[i];
                if (text == builtIn.texts[i] || text == full.texts[i])
                    continue;
                ASSERT_TRUE(full.texts[i].starts_with(text))
                    << "entry " << i << " after a cut at " << size << ": '" << text << "'";
                shortened++;
            }
            EXPECT_LE(shortened, 1) << "entries cut short by a cut at " << size;
            cuts++;
        }
    }
    EXPECT_GT(cuts, 100);
}

}  // namespace
