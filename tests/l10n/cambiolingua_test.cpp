// Tests of the language setting file and of the switch of the active help file.

#include "l10n/cambiolingua.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"
#include "l10n/messaggi.h"

namespace {

const std::string SettingError = "Errore nell'apertura del file della lingua selezionata.";
const std::string Cl001Prefix = "CL001: errore nella copia file di help, codice di errore ";

class CambiolinguaTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyMessageCatalogue(); }

    // The error code at the end of a shown CL001 or MSG004 text.
    static int TrailingCode(const std::string& text) { return std::stoi(text.substr(text.rfind(' ') + 1)); }

    TempProgDir progDir;
    MessageRecorder recorder;
};

struct SettingCase {
    const char* name;
    std::string content;
    int expected;
};

class CambiolinguaSettingTest : public CambiolinguaTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(CambiolinguaSettingTest, ReadsTheFirstByteAsTheCode)
{
    progDir.WriteFile("data/language.dat", GetParam().content);
    EXPECT_EQ(ReadLanguageSetting(), GetParam().expected);
    EXPECT_EQ(recorder.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Contents, CambiolinguaSettingTest,
                         ::testing::Values(SettingCase{"Italian", "0", 0}, SettingCase{"English", "1", 1},
                                           SettingCase{"Local", "2", 2},
                                           SettingCase{"OnlyFirstByteCounts", "1\r\n2", 1},
                                           SettingCase{"OtherDigit", "7", 7}),
                         [](const ::testing::TestParamInfo<SettingCase>& info) { return info.param.name; });

TEST_F(CambiolinguaTest, MissingSettingGivesItalianAndLogs)
{
    EXPECT_EQ(ReadLanguageSetting(), LanguageItalian);
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{SettingError});
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(CambiolinguaTest, EmptyOrNonDigitSettingGivesItalianAndLogs)
{
    for (const std::string content : {"", "x", "\xFF"}) {
        recorder.Clear();
        progDir.WriteFile("data/language.dat", content);
        EXPECT_EQ(ReadLanguageSetting(), LanguageItalian) << content;
        EXPECT_EQ(recorder.ErrorLines().size(), 1u) << content;
    }
}

TEST_F(CambiolinguaTest, WritingStoresOneByteReplacingTheFile)
{
    progDir.WriteFile("data/language.dat", "0 and more");
    EXPECT_TRUE(WriteLanguageSetting(LanguageEnglish));
    EXPECT_EQ(progDir.ReadFile("data/language.dat"), "1");
    EXPECT_EQ(ReadLanguageSetting(), LanguageEnglish);
    EXPECT_TRUE(recorder.ErrorLines().empty());
}

TEST_F(CambiolinguaTest, UnwritableSettingIsLogged)
{
    std::filesystem::remove_all(progDir.File("data"));
    EXPECT_FALSE(WriteLanguageSetting(LanguageEnglish));
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{SettingError});
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST_F(CambiolinguaTest, HelpFileOfTheLanguageReplacesTheActiveOne)
{
    progDir.WriteFile("help/eng/help_eng.pdf", "%PDF english");
    progDir.WriteFile("help/help.pdf", "%PDF italiano");
    EXPECT_TRUE(CopyHelpFile(LanguageEnglish));
    EXPECT_EQ(progDir.ReadFile("help/help.pdf"), "%PDF english");
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(progDir.File("help/help.pdf.part")));
}

TEST_F(CambiolinguaTest, MissingHelpFileShowsCl001AndKeepsTheActiveOne)
{
    progDir.WriteFile("help/help.pdf", "%PDF italiano");
    EXPECT_FALSE(CopyHelpFile(LanguageEnglish));
    ASSERT_EQ(recorder.Count(), 1u);
    const RecordedMessage& shown = recorder.Messages()[0];
    EXPECT_EQ(shown.text.rfind(Cl001Prefix, 0), 0u) << shown.text;
    EXPECT_NE(TrailingCode(shown.text), 0);
    EXPECT_EQ(shown.title, "ERRORE");
    EXPECT_EQ(shown.style, MsgStyleError);
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{shown.text});
    EXPECT_EQ(progDir.ReadFile("help/help.pdf"), "%PDF italiano");
}

TEST_F(CambiolinguaTest, UnknownCodeHasNoHelpFile)
{
    EXPECT_EQ(LanguageHelpFilePath(5), "");
    EXPECT_FALSE(CopyHelpFile(5));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_NE(TrailingCode(recorder.Messages()[0].text), 0);
}

TEST_F(CambiolinguaTest, HelpFilePaths)
{
    EXPECT_EQ(ActiveHelpFilePath(), progDir.File("help/help.pdf"));
    EXPECT_EQ(LanguageHelpFilePath(LanguageItalian), progDir.File("help/ita/help_ita.pdf"));
    EXPECT_EQ(LanguageHelpFilePath(LanguageLocal), progDir.File("help/lan3/help_lan3.pdf"));
    EXPECT_EQ(LanguageSettingPath(), progDir.File("data/language.dat"));
}

// The steps of choosing English run in order whatever the earlier ones gave: with both language files
// missing, MSG004 comes first and CL001 after it, and the setting is still written.
TEST_F(CambiolinguaTest, ChoosingEnglishWithBothFilesMissingShowsMsg004ThenCl001)
{
    CreateMessageCatalogue();
    WriteLanguageSetting(LanguageEnglish);
    ChangeMessageLanguage(LanguageEnglish);
    CopyHelpFile(LanguageEnglish);

    const auto texts = recorder.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("MSG004: ", 0), 0u) << texts[0];
    EXPECT_EQ(texts[1].rfind(Cl001Prefix, 0), 0u) << texts[1];
    EXPECT_EQ(progDir.ReadFile("data/language.dat"), "1");
    EXPECT_EQ(MsgText(86), "Annulla");
}

}  // namespace
