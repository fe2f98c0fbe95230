// Tests of the message catalogue: built-in texts, the process-wide catalogue and the language switch.

#include "l10n/messaggi.h"
#include "l10n/messaggi_texts.h"

#include <gtest/gtest.h>

#include "common/message_recorder.h"
#include "common/temp_prog_dir.h"

namespace {

// Each test starts and ends without a process-wide catalogue.
class MessaggiTest : public ::testing::Test {
protected:
    void SetUp() override { DestroyMessageCatalogue(); }
    void TearDown() override { DestroyMessageCatalogue(); }

    TempProgDir progDir;
    MessageRecorder recorder;
};

TEST_F(MessaggiTest, BuiltInTextsAreExactAndTheRestEmpty)
{
    const Messaggi catalogue(progDir.File("msg/cad.msg"));
    EXPECT_EQ(catalogue.texts[86], "Annulla");
    EXPECT_EQ(catalogue.texts[126], "   Cancella");
    EXPECT_EQ(catalogue.texts[0], "Stop simulazione");
    EXPECT_EQ(catalogue.texts[25], "Seleziona un disegno dall'archivio grafico dei disegni");
    EXPECT_EQ(catalogue.texts[33], "Ruota il disegno di 90° in senso orario");
    EXPECT_EQ(catalogue.texts[40], "Importa &dxf");
    EXPECT_EQ(catalogue.texts[125], "CANCELLA ENTITA'");
    EXPECT_EQ(catalogue.texts[163], "     Esplodi tutto");
    EXPECT_EQ(catalogue.texts[248], "Impossibile unire entità perchè più distanti del valore di minima distanza.");
    EXPECT_EQ(catalogue.texts[311], "Salva come bitmap...");
    for (int i = 0; i < 312; ++i)
        EXPECT_FALSE(catalogue.texts[i].empty()) << "entry " << i;
    std::vector<bool> later(MessageCount, false);
    for (const NumberedText& entry : LaterMessageTexts) {
        ASSERT_GE(entry.index, 312);
        ASSERT_LT(entry.index, MessageCount);
        EXPECT_FALSE(later[entry.index]) << "entry " << entry.index << " given twice";
        later[entry.index] = true;
    }
    for (int i = 312; i < MessageCount; ++i)
        EXPECT_EQ(catalogue.texts[i].empty(), !later[i]) << "entry " << i;
}

TEST_F(MessaggiTest, TextOutsideTheCatalogueIsEmpty)
{
    const Messaggi catalogue(progDir.File("msg/cad.msg"));
    EXPECT_EQ(catalogue.Text(86), "Annulla");
    EXPECT_EQ(catalogue.Text(-1), "");
    EXPECT_EQ(catalogue.Text(MessageCount), "");
}

TEST_F(MessaggiTest, ProcessWideCatalogueLivesFromCreateToDestroy)
{
    EXPECT_EQ(MsgText(86), "");
    CreateMessageCatalogue();
    ASSERT_NE(MessageCatalogue, nullptr);
    EXPECT_EQ(MsgText(86), "Annulla");
    DestroyMessageCatalogue();
    EXPECT_EQ(MessageCatalogue, nullptr);
    EXPECT_EQ(MsgText(86), "");
}

TEST_F(MessaggiTest, CreateReadsTheActiveMessageFile)
{
    progDir.WriteFile("msg/cad.msg", "86=Cancel\n");
    CreateMessageCatalogue();
    EXPECT_EQ(MsgText(86), "Cancel");
    EXPECT_EQ(MsgText(85), "Apri");
}

TEST_F(MessaggiTest, UnknownLanguageShowsMsg003AndChangesNothing)
{
    progDir.WriteFile("msg/cad.msg", "86=Keep\n");
    CreateMessageCatalogue();
    const Messaggi* before = MessageCatalogue.get();

    EXPECT_FALSE(ChangeMessageLanguage(3));

    const RecordedMessage expected{"MSG003: lingua messaggi non riconosciuta.", "ERRORE", MsgStyleError};
    EXPECT_EQ(recorder.Messages(), std::vector<RecordedMessage>{expected});
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{expected.text});
    EXPECT_EQ(MessageCatalogue.get(), before);
    EXPECT_EQ(MsgText(86), "Keep");
    EXPECT_EQ(progDir.ReadFile("msg/cad.msg"), "86=Keep\n");
}

TEST_F(MessaggiTest, EnglishReplacesTheActiveFileAndRebuildsTheCatalogue)
{
    const std::string english = "# English\n86=Cancel\n126=   Delete\n40=Import &DXF\n";
    progDir.WriteFile("msg/eng/cad.eng", english);
    progDir.WriteFile("msg/cad.msg", "86=Annulla\n");
    CreateMessageCatalogue();

    EXPECT_TRUE(ChangeMessageLanguage(LanguageEnglish));

    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(progDir.ReadFile("msg/cad.msg"), english);
    EXPECT_EQ(MsgText(86), "Cancel");
    EXPECT_EQ(MsgText(126), "   Delete");
    EXPECT_EQ(MsgText(40), "Import &DXF");
    EXPECT_EQ(MsgText(85), "Apri");  // not in the file: the built-in text stays
}

TEST_F(MessaggiTest, MissingLanguageFileShowsMsg004AndChangesNothing)
{
    progDir.WriteFile("msg/cad.msg", "86=Keep\n");
    CreateMessageCatalogue();
    const Messaggi* before = MessageCatalogue.get();

    EXPECT_FALSE(ChangeMessageLanguage(LanguageEnglish));

    ASSERT_EQ(recorder.Count(), 1u);
    const RecordedMessage& shown = recorder.Messages()[0];
    EXPECT_EQ(shown.title, "ERRORE");
    EXPECT_EQ(shown.style, MsgStyleError);
    const std::string prefix = "MSG004: errore nella copia file di messaggi, codice di errore ";
    ASSERT_EQ(shown.text.rfind(prefix, 0), 0u) << shown.text;
    EXPECT_NE(std::stoi(shown.text.substr(prefix.size())), 0);
    EXPECT_EQ(recorder.ErrorLines(), std::vector<std::string>{shown.text});
    EXPECT_EQ(MessageCatalogue.get(), before);
    EXPECT_EQ(MsgText(86), "Keep");
    EXPECT_EQ(progDir.ReadFile("msg/cad.msg"), "86=Keep\n");
}

TEST_F(MessaggiTest, ItalianRestoresTheBuiltInTextsAfterEnglish)
{
    progDir.WriteFile("msg/eng/cad.eng", "86=Cancel\n");
    progDir.WriteFile("msg/ita/cad.ita", "86=Annulla\n");
    CreateMessageCatalogue();
    ASSERT_TRUE(ChangeMessageLanguage(LanguageEnglish));
    ASSERT_EQ(MsgText(86), "Cancel");

    EXPECT_TRUE(ChangeMessageLanguage(LanguageItalian));
    EXPECT_EQ(MsgText(86), "Annulla");
}

TEST_F(MessaggiTest, LanguageFilePaths)
{
    EXPECT_EQ(ActiveMessageFilePath(), progDir.File("msg/cad.msg"));
    EXPECT_EQ(LanguageMessageFilePath(LanguageItalian), progDir.File("msg/ita/cad.ita"));
    EXPECT_EQ(LanguageMessageFilePath(LanguageEnglish), progDir.File("msg/eng/cad.eng"));
    EXPECT_EQ(LanguageMessageFilePath(LanguageLocal), progDir.File("msg/lan3/cad.lan3"));
    EXPECT_EQ(LanguageMessageFilePath(3), "");
    EXPECT_EQ(LanguageMessageFilePath(-1), "");
}

}  // namespace
