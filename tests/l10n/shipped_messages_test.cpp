// Tests of the message files shipped with the program: the Italian file matches the built-in texts, the active
// file starts out Italian, and the English file translates every entry that a window or dialog shows.

#include "l10n/messaggi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

namespace {

const std::string MessagesFolder = std::string(QUORVIA_TEST_DATA) + "/../../resources/msg";

// Every catalogue entry that the main window, the drawing window, the dialogs, the archive, the language change
// and the information and remote-assistance boxes show as a caption, hint, title or message.
const std::vector<int> IndicesShownByWindows = {
    0,   1,   2,   3,   4,   5,   6,   7,   10,  11,  14,  15,  18,  19,  20,  21,  22,  23,  24,  25,  26,
    27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,
    48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,  63,  64,  65,  66,  67,  68,
    69,  70,  71,  72,  74,  75,  77,  78,  79,  80,  81,  82,  83,  85,  86,  92,  93,  94,  95,  96,  100,
    102, 120, 121, 122, 123, 124, 125, 126, 143, 144, 147, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164,
    165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 205, 206, 212, 213, 214, 215, 216, 217, 218,
    219, 220, 221, 222, 226, 227, 228, 229, 240, 241, 247, 248, 249, 250, 251, 252, 253, 262, 264, 265, 266,
    267, 269, 270, 271, 282, 283, 284, 285, 286, 287, 290, 291, 293, 294, 295, 296, 297, 299, 300, 301, 302,
    303, 304, 305, 307, 308, 309, 310, 311, 330, 331, 332, 333, 334, 335, 336, 337, 338};

class ShippedMessagesTest : public ::testing::Test {
protected:
    // The catalogue built from a shipped message file, which must load without a single invalid line.
    Messaggi Load(const std::string& relative)
    {
        const std::string path = MessagesFolder + "/" + relative;
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
        Messaggi catalogue(path);
        EXPECT_TRUE(recorder.ErrorLines().empty()) << relative << ": " << recorder.ErrorLines().front();
        return catalogue;
    }

    static Messaggi BuiltIn() { return Messaggi(""); }

    static std::size_t LeadingBlanks(const std::string& text) { return text.find_first_not_of(' '); }

    MessageRecorder recorder;
};

TEST_F(ShippedMessagesTest, ItalianFileRepeatsTheBuiltInTexts)
{
    EXPECT_EQ(Load("ita/cad.ita").texts, BuiltIn().texts);
}

TEST_F(ShippedMessagesTest, ActiveFileStartsOutItalian)
{
    EXPECT_EQ(Load("cad.msg").texts, BuiltIn().texts);
}

TEST_F(ShippedMessagesTest, EnglishTranslatesEveryEntryAWindowShows)
{
    const Messaggi english = Load("eng/cad.eng");
    const Messaggi italian = BuiltIn();
    // "&Close", "E&xit" and "&About..." are English in both catalogues.
    for (int index : IndicesShownByWindows) {
        EXPECT_FALSE(english.texts[index].empty()) << "entry " << index;
        if (english.texts[index] == italian.texts[index]) {
            EXPECT_TRUE(index == 44 || index == 48 || index == 52) << "entry " << index << " left in Italian";
        }
    }
}

// Buttons set their captions off from the glyph with leading blanks, and menus need their accelerator.
TEST_F(ShippedMessagesTest, EnglishKeepsLeadingBlanksAndAccelerators)
{
    const Messaggi english = Load("eng/cad.eng");
    const Messaggi italian = BuiltIn();
    for (int i = 0; i < MessageCount; ++i) {
        const std::string& it = italian.texts[i];
        const std::string& en = english.texts[i];
        EXPECT_EQ(it.empty(), en.empty()) << "entry " << i;
        if (it.empty())
            continue;
        EXPECT_EQ(LeadingBlanks(en), LeadingBlanks(it)) << "entry " << i << ": '" << en << "'";
        EXPECT_EQ(en.find('&') != std::string::npos, it.find('&') != std::string::npos) << "entry " << i;
    }
    EXPECT_EQ(english.texts[86], "Cancel");
    EXPECT_EQ(english.texts[126], "   Delete");
}

}  // namespace
